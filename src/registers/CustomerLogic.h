#pragma once

#include "core/RecordMode.h"
#include "registers/CustomerRequest.h"
#include "registers/TextField.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

struct AppContext;

// The customer data window's logic: loading a customer, proposing and
// checking codes, and the three kinds of save, each in one transaction with
// its audit line.
class CustomerLogic {
public:
    static constexpr int kCodeWidth = 10;

    using HandBack = CustomerHandBack;
    struct SaveResult {
        bool saved = false;
        bool closeWindow = false;
        bool reloadList = false;
        std::optional<HandBack> handBack;
    };

    explicit CustomerLogic(AppContext &ctx);
    CustomerLogic(const CustomerLogic &) = delete;
    CustomerLogic &operator=(const CustomerLogic &) = delete;

    // The text columns in tab order, with labels and widths. The registration
    // date (CLI_DCAD) comes after the e-mail and before the reference.
    static const std::vector<TextField> &fields();

    // Set by the opener before every showing.
    void setRequest(const CustomerRequest &request) { m_request = request; }
    const CustomerRequest &request() const { return m_request; }

    // Showing: clear, load the customer when the mode needs one, set up the
    // mode. Throws DbError when the customer cannot be read.
    void prepare();
    Modo modo() const { return m_modo; }
    ModeSetup modeSetup() const;

    QString field(const QString &column) const { return m_values.value(column.toUpper()); }
    void setField(const QString &column, const QString &text) { m_values.insert(column.toUpper(), text); }
    QDateTime registrationDate() const { return m_dcad; }
    void setRegistrationDate(const QDateTime &when) { m_dcad = when; }

    // The code field got the focus: propose the next code when it is blank.
    // Returns the proposal (nullopt when nothing changed).
    std::optional<QString> enterCode();
    // Leaving the code field in add mode: normalises it and refuses a code in
    // use (error shown, field cleared). True when the focus may move on.
    bool leaveCode();
    // Leaving the name in add or change mode fills the contact from the name.
    void leaveName();
    // "Limpar".
    void clear();
    // "Gravar" / "Excluir". On failure every field keeps what was typed.
    SaveResult save();

private:
    QString nextCode() const;
    SaveResult insert();
    SaveResult update();
    SaveResult remove();

    AppContext &m_ctx;
    CustomerRequest m_request;
    Modo m_modo = Modo::Consulta;
    QHash<QString, QString> m_values;
    QDateTime m_dcad;
};

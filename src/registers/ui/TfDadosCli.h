#pragma once

#include "core/ui/RecordDataWindow.h"
#include "registers/CustomerLogic.h"

#include <QHash>
#include <functional>

// The customer data window. Callers set Modo, Origem and Chave on logic()
// before each opening.
class TfDadosCli final : public RecordDataWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDadosCli)
public:
    explicit TfDadosCli(AppContext &ctx, QWidget *parent = nullptr);

    CustomerLogic &logic() { return m_logic; }
    // Called after a save that changed the list's rows.
    std::function<void()> onListChanged;
    // Called when a customer added from order entry hands its telephone or code back.
    std::function<void(const CustomerLogic::HandBack &)> onHandBack;

    QLineEdit *edit(const QString &column) const { return m_edits.value(column); }
    QPlainTextEdit *reference() const { return m_refer; }

protected:
    ModeSetup prepare() override;
    void push() override;

private:
    void pull();
    void gravar();

    CustomerLogic m_logic;
    QHash<QString, QLineEdit *> m_edits;
    QPlainTextEdit *m_refer = nullptr;
    QDateEdit *m_dcad = nullptr;
};

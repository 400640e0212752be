#pragma once

#include "core/ui/RecordDataWindow.h"
#include "registers/CustomerLogic.h"

#include <QHash>

// The customer data window. Openers set the request on logic() before each
// opening (RegisterWindows does it for order entry).
class TfDadosCli final : public RecordDataWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDadosCli)
public:
    explicit TfDadosCli(AppContext &ctx, QWidget *parent = nullptr);

    CustomerLogic &logic() { return m_logic; }
    QLineEdit *edit(const QString &column) const { return m_edits.value(column); }
    QPlainTextEdit *reference() const { return m_refer; }

signals:
    // A save changed the list's rows.
    void listChanged();
    // A customer added from order entry hands its telephone or code back.
    void handedBack(const CustomerHandBack &handBack);

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

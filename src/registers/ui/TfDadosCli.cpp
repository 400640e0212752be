#include "registers/ui/TfDadosCli.h"

#include "core/ui/FocusWatch.h"

#include <QLineEdit>

TfDadosCli::TfDadosCli(AppContext &ctx, QWidget *parent)
    : RecordDataWindow(m_logic, CustomerLogic::description(), DeleteButton::None, parent), m_logic(ctx)
{
    FocusWatch::onLeave(edit(QStringLiteral("CLI_NOME")), [this] {
        pull();
        m_logic.leaveName();
        edit(QStringLiteral("CLI_CONTATO"))->setText(m_logic.field(QStringLiteral("CLI_CONTATO")));
    });
}

RecordSaveResult TfDadosCli::saveRecord()
{
    const CustomerLogic::SaveResult result = m_logic.save();
    if (result.handBack)
        emit handedBack(*result.handBack);
    return result;
}

#include "registers/ui/TfDadosPro.h"

#include "core/ui/FocusWatch.h"

TfDadosPro::TfDadosPro(AppContext &ctx, QWidget *parent)
    : RecordDataWindow(m_logic, ProductLogic::description(), DeleteButton::Separate, parent), m_logic(ctx)
{
    QWidget *feito = fieldWidget(QStringLiteral("PRO_FEITOHORA"));
    QWidget *ativo = fieldWidget(QStringLiteral("PRO_ATIVO"));
    FocusWatch::onLeave(fieldWidget(QStringLiteral("PRO_PF")), [this, feito, ativo] {
        pull();
        const bool enabled = m_logic.leaveOwnProduct();
        push();
        (enabled ? feito : ativo)->setFocus();
    });
    FocusWatch::onLeave(fieldWidget(QStringLiteral("PRO_MARGEM")), [this] { pull(); m_logic.leaveMargin(); push(); });
    FocusWatch::onLeave(fieldWidget(QStringLiteral("PRO_PVENDA")), [this] { pull(); m_logic.leavePrice(); push(); });
}

void TfDadosPro::push()
{
    RecordDataWindow::push();
    const bool readOnly = m_logic.modeSetup().fieldsReadOnly;
    fieldWidget(QStringLiteral("PRO_FEITOHORA"))->setEnabled(!readOnly && m_logic.madeOnTheSpotEnabled());
}

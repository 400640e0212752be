#include "stock/ui/TfEntrada_Estq.h"

#include "controls/ui/TEditV.h"
#include "core/ui/FocusWatch.h"

#include <QDateEdit>
#include <QPlainTextEdit>

TfEntrada_Estq::TfEntrada_Estq(AppContext &ctx, LookupWindow &productLookup, QWidget *parent)
    : StockForm(QStringLiteral("Entrada de Estoque"), QStringLiteral("Entrada no Estoque"), parent), m_logic(ctx)
{
    m_description = addShown(QStringLiteral("PRO_DESCRICAO"), QStringLiteral("Descrição:"));
    m_unit = addShown(QStringLiteral("PRO_UNID"), QStringLiteral("Unidade:"));
    m_current = addShown(QStringLiteral("PRO_QUANT"), QStringLiteral("Quantidade atual em Estoque:"));
    m_quantity = addLine(QStringLiteral("MOV_QUANT"), QStringLiteral("Quantidade:"));
    m_date = addDate(QStringLiteral("MOV_DATA"), QStringLiteral("Data:"));
    m_document = addLine(QStringLiteral("MOV_DOC"), QStringLiteral("Documento:"));
    m_cost = addLine(QStringLiteral("PRO_PCUSTO"), QStringLiteral("Preço de Custo:"));
    m_margin = addLine(QStringLiteral("PRO_MARGEM"), QStringLiteral("Margem de Lucro:"));
    m_price = addLine(QStringLiteral("PRO_PVENDA"), QStringLiteral("Preço de Venda:"));
    m_minimum = addLine(QStringLiteral("PRO_MIN"), QStringLiteral("Estoque Mínimo:"));
    m_maximum = addLine(QStringLiteral("PRO_EMAX"), QStringLiteral("Estoque Máximo:"));
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("PRO_OBS"));
    m_notes->setReadOnly(true);
    m_notes->setFocusPolicy(Qt::NoFocus);
    addRow(QStringLiteral("Observações do Produto:"), m_notes);
    m_current->makeQuantity();
    m_quantity->makeQuantity();
    m_cost->makeMoney();
    m_margin->makePercentage();
    m_price->makeMoney();
    m_minimum->makeWhole();
    m_maximum->makeWhole();
    for (TEditV *e : {m_current, m_quantity, m_cost, m_margin, m_price, m_minimum, m_maximum})
        e->setAlignment(Qt::AlignRight);
    finishForm();

    connectProductSteps(productLookup, kOrigem, m_quantity);
    FocusWatch::onLeave(m_cost, [this] { pull(); m_logic.leaveCost(); push(); });
    FocusWatch::onLeave(m_margin, [this] { pull(); m_logic.leaveMargin(); push(); });
    FocusWatch::onLeave(m_price, [this] { pull(); m_logic.leavePrice(); push(); });
}

void TfEntrada_Estq::pull()
{
    m_logic.code = codeField()->text();
    m_logic.quantity = m_quantity->text();
    m_logic.date = m_date->date();
    m_logic.document = m_document->text();
    m_logic.cost = m_cost->text();
    m_logic.margin = m_margin->text();
    m_logic.price = m_price->text();
    m_logic.minimum = m_minimum->text();
    m_logic.maximum = m_maximum->text();
}

void TfEntrada_Estq::push()
{
    codeField()->setText(m_logic.code);
    m_description->setText(m_logic.description);
    m_unit->setText(m_logic.unit);
    m_current->setText(m_logic.currentStock);
    m_quantity->setText(m_logic.quantity);
    m_date->setDate(m_logic.date);
    m_document->setText(m_logic.document);
    m_cost->setText(m_logic.cost);
    m_margin->setText(m_logic.margin);
    m_price->setText(m_logic.price);
    m_minimum->setText(m_logic.minimum);
    m_maximum->setText(m_logic.maximum);
    m_notes->setPlainText(m_logic.notes);
}

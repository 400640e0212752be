#include "stock/ui/TfSaida_Estq.h"

#include "controls/ui/TEditV.h"

#include <QDateEdit>

TfSaida_Estq::TfSaida_Estq(AppContext &ctx, LookupWindow &productLookup, QWidget *parent)
    : StockForm(QStringLiteral("Saída do Estoque"), QStringLiteral("Saída do Estoque"), parent), m_logic(ctx)
{
    // Description and unit may be typed over but are never saved.
    m_description = addLine(QStringLiteral("PRO_DESCRICAO"), QStringLiteral("Descrição:"));
    m_unit = addLine(QStringLiteral("PRO_UNID"), QStringLiteral("Unidade:"));
    // Shown only: the quantity check reads the stock the database holds.
    m_current = addShown(QStringLiteral("PRO_QUANT"), QStringLiteral("Quantidade Atual no Estoque:"));
    m_quantity = addLine(QStringLiteral("MOV_QUANT"), QStringLiteral("Quantidade:"));
    m_date = addDate(QStringLiteral("MOV_DATA"), QStringLiteral("Data:"));
    m_price = addLine(QStringLiteral("PRO_PVENDA"), QStringLiteral("Preço de Venda:"));
    m_document = addLine(QStringLiteral("MOV_DOC"), QStringLiteral("Documento:"));
    finishForm();

    connectProductSteps(productLookup, kOrigem, m_quantity);
}

void TfSaida_Estq::pull()
{
    m_logic.code = codeField()->text();
    m_logic.description = m_description->text();
    m_logic.unit = m_unit->text();
    m_logic.quantity = m_quantity->text();
    m_logic.date = m_date->date();
    m_logic.price = m_price->text();
    m_logic.document = m_document->text();
}

void TfSaida_Estq::push()
{
    codeField()->setText(m_logic.code);
    m_description->setText(m_logic.description);
    m_unit->setText(m_logic.unit);
    m_current->setText(m_logic.currentStock);
    m_quantity->setText(m_logic.quantity);
    m_date->setDate(m_logic.date);
    m_price->setText(m_logic.price);
    m_document->setText(m_logic.document);
}

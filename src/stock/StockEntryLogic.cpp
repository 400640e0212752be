#include "stock/StockEntryLogic.h"

#include "controls/BrFormat.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"
#include "finance/CashLedger.h"
#include "registers/ProductLogic.h"
#include "stock/StockMessages.h"
#include "stock/StockSaving.h"
#include "stock/StockService.h"

namespace {

const QString kSelectProduct = QStringLiteral("Select * FROM PRODUTOS Where PRO_Codigo=:cCodigo");
// Another workstation may have just changed the description, unit or notes:
// only what the entry changes is written back. The stock moves through the
// stock service.
const QString kUpdatePrices = QStringLiteral(
    "Update Produtos SET PRO_Min=:nMin,PRO_Margem=:nMargem,PRO_PCusto=:nPCusto,PRO_PVenda=:nPVenda,\n"
    "PRO_EMax=:nEMax,PRO_UComp=:dData\n"
    "Where PRO_Codigo=:cCodigo");

} // namespace

StockEntryLogic::StockEntryLogic(AppContext &ctx) : m_ctx(ctx)
{
    clear();
}

void StockEntryLogic::clear()
{
    code.clear();
    description.clear();
    unit.clear();
    document.clear();
    notes.clear();
    currentStock = quantity = BrFormat::number(Decimal(0, 3), 3);
    date = m_ctx.clock.today();
    cost = price = BrFormat::money(Decimal(0, 2));
    margin = BrFormat::percent(Decimal(0, 2));
    minimum = maximum = QStringLiteral("0");
    m_loaded.clear();
    m_focus = Focus::Code;
}

bool StockEntryLogic::leaveCode()
{
    if (code.trimmed().isEmpty())
        return true;
    const QString padded = ProductLogic::padCode(code);
    if (padded == m_loaded) {
        code = padded;
        return true;
    }
    m_loaded.clear();
    ResultSet rows;
    try {
    rows = m_ctx.db.select(kSelectProduct, {{QStringLiteral("cCodigo"), padded}});
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
        return false;
    }
    if (rows.isEmpty() || rows.first().text(QStringLiteral("PRO_FEITOHORA")) == QStringLiteral("S")) {
        m_ctx.messages.error(rows.isEmpty() ? StockMessages::kProdutoNaoEncontrado : StockMessages::kFeitoNaHora);
        code.clear();
        return false;
    }
    const Row r = rows.first();
    code = r.text(QStringLiteral("PRO_CODIGO"));
    description = r.text(QStringLiteral("PRO_DESCRICAO"));
    unit = r.text(QStringLiteral("PRO_UNID"));
    notes = r.text(QStringLiteral("PRO_OBS"));
    currentStock = BrFormat::number(r.value(QStringLiteral("PRO_QUANT")).toDecimal(), 3);
    cost = BrFormat::money(r.value(QStringLiteral("PRO_PCUSTO")).toDecimal());
    price = BrFormat::money(r.value(QStringLiteral("PRO_PVENDA")).toDecimal());
    margin = BrFormat::percent(r.value(QStringLiteral("PRO_MARGEM")).toDecimal());
    minimum = BrFormat::number(r.value(QStringLiteral("PRO_MIN")).toDecimal(), 0);
    maximum = BrFormat::number(r.value(QStringLiteral("PRO_EMAX")).toDecimal(), 0);
    m_loaded = code;
    return true;
}

void StockEntryLogic::recomputeMargin()
{
    const auto c = BrFormat::parse(cost);
    const auto p = BrFormat::parse(price);
    if (!c || !p)
        return;
    if (const auto m = ProductLogic::margin(*c, *p))
        margin = BrFormat::percent(*m);
}

void StockEntryLogic::leaveCost()
{
    recomputeMargin();
}

void StockEntryLogic::leavePrice()
{
    recomputeMargin();
}

void StockEntryLogic::leaveMargin()
{
    const auto c = BrFormat::parse(cost);
    const auto m = BrFormat::parse(margin);
    if (!c || !m)
        return;
    if (const auto p = ProductLogic::salePrice(*c, *m))
        price = BrFormat::money(*p);
}

bool StockEntryLogic::save()
{
    m_focus = Focus::None;
    if (m_loaded.isEmpty() || ProductLogic::padCode(code) != m_loaded) {
        m_ctx.messages.error(StockMessages::kProdutoNaoEncontrado);
        code.clear();
        m_loaded.clear();
        m_focus = Focus::Code;
        return false;
    }
    Decimal quant, unitCost, newPrice, newMargin, newMin, newMax;
    try {
        quant = StockSaving::typedFigure(quantity, 3);
        unitCost = StockSaving::typedFigure(cost, 2);
        newPrice = StockSaving::typedFigure(price, 2);
        newMargin = StockSaving::typedFigure(margin, 2);
        newMin = StockSaving::typedFigure(minimum, 0);
        newMax = StockSaving::typedFigure(maximum, 0);
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
        return false;
    }
    const Decimal value = (unitCost * quant).withScale(2);

    QString refusal;
    try {
        const bool done = StockSaving::runRetryingConflicts(m_ctx.db, [&](Transaction &tx) {
            // The product as the database holds it now, locked until the commit.
            const ResultSet product = m_ctx.db.select(
                tx, QStringLiteral("Select PRO_FeitoHora From Produtos Where PRO_Codigo=:cCodigo With Lock"),
                {{QStringLiteral("cCodigo"), m_loaded}});
            if (product.isEmpty() || product.first().text(QStringLiteral("PRO_FEITOHORA")) == QStringLiteral("S")) {
                refusal = product.isEmpty() ? StockMessages::kProdutoNaoEncontrado : StockMessages::kFeitoNaHora;
                return false;
            }
            StockService::insertMovement(tx, {.productCode = m_loaded,
                                              .oper = StockService::kEntry,
                                              .date = date,
                                              .value = value,
                                              .quantity = quant,
                                              .doc = document});
            StockService::changeStockIfStocked(tx, m_loaded, quant);
            m_ctx.db.execute(tx, kUpdatePrices,
                             {{QStringLiteral("nMin"), newMin},
                              {QStringLiteral("nMargem"), newMargin},
                              {QStringLiteral("nPCusto"), unitCost},
                              {QStringLiteral("nPVenda"), newPrice},
                              {QStringLiteral("nEMax"), newMax},
                              {QStringLiteral("dData"), date},
                              {QStringLiteral("cCodigo"), m_loaded}});
            CashLedger::debit(tx, date, QStringLiteral("Entrada de Produto:") + m_loaded, value, document);
            Funcoes::gravaLog(m_ctx, tx, AuditEvent::EntradaEstoque + m_loaded);
            return true;
        });
        if (!done) {
            m_ctx.messages.error(refusal);
            code.clear();
            m_loaded.clear();
            m_focus = Focus::Code;
            return false;
        }
    } catch (const DbError &e) {
        m_ctx.messages.warning(StockMessages::kNaoConseguiGravar + e.message());
        return false;
    }
    clear();
    return true;
}

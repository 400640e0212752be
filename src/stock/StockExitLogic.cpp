#include "stock/StockExitLogic.h"

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

StockExitLogic::StockExitLogic(AppContext &ctx) : m_ctx(ctx)
{
    clear();
}

void StockExitLogic::clear()
{
    code.clear();
    description.clear();
    unit.clear();
    document.clear();
    currentStock = quantity = BrFormat::number(Decimal(0, 3), 3);
    date = m_ctx.clock.today();
    price = BrFormat::money(Decimal(0, 2));
    m_loaded.clear();
    m_focus = Focus::Code;
}

bool StockExitLogic::leaveCode()
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
    rows = m_ctx.db.select(QStringLiteral("Select * FROM PRODUTOS Where PRO_Codigo=:cCodigo"),
                                           {{QStringLiteral("cCodigo"), padded}});
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
        return false;
    }
    if (rows.isEmpty()) {
        m_ctx.messages.information(StockMessages::kProdutoNaoEncontrado);
        code.clear();
        return false;
    }
    const Row r = rows.first();
    code = r.text(QStringLiteral("PRO_CODIGO"));
    description = r.text(QStringLiteral("PRO_DESCRICAO"));
    unit = r.text(QStringLiteral("PRO_UNID"));
    currentStock = BrFormat::number(r.value(QStringLiteral("PRO_QUANT")).toDecimal(), 3);
    price = BrFormat::money(r.value(QStringLiteral("PRO_PVENDA")).toDecimal());
    m_loaded = code;
    return true;
}

bool StockExitLogic::save()
{
    m_focus = Focus::None;
    if (m_loaded.isEmpty() || ProductLogic::padCode(code) != m_loaded) {
        m_ctx.messages.information(StockMessages::kProdutoNaoEncontrado);
        code.clear();
        m_loaded.clear();
        m_focus = Focus::Code;
        return false;
    }
    Decimal quant, unitPrice;
    try {
        quant = StockSaving::typedFigure(quantity, 3);
        unitPrice = StockSaving::typedFigure(price, 2);
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
        return false;
    }
    if (quant.isNegative()) {
        m_ctx.messages.error(StockMessages::kQuantidadeNegativa);
        m_focus = Focus::Quantity;
        return false;
    }
    const Decimal value = (unitPrice * quant).withScale(2);

    enum class Refusal { None, NoProduct, NotEnoughStock } refusal = Refusal::None;
    try {
        const bool done = StockSaving::runRetryingConflicts(m_ctx.db, [&](Transaction &tx) {
            // The stock as the database holds it, locked so that no other
            // workstation takes the same units before this commit.
            const ResultSet product = m_ctx.db.select(
                tx,
                QStringLiteral("Select PRO_Quant, PRO_FeitoHora From PRODUTOS Where PRO_Codigo=:cCodigo With Lock"),
                {{QStringLiteral("cCodigo"), m_loaded}});
            if (product.isEmpty()) {
                refusal = Refusal::NoProduct;
                return false;
            }
            const bool stocked = product.first().text(QStringLiteral("PRO_FEITOHORA")) == QStringLiteral("N");
            if (stocked && quant > product.first().value(QStringLiteral("PRO_QUANT")).toDecimal()) {
                refusal = Refusal::NotEnoughStock;
                return false;
            }
            StockService::insertMovement(tx, {.productCode = m_loaded,
                                              .oper = StockService::kExit,
                                              .date = date,
                                              .value = value,
                                              .quantity = quant,
                                              .doc = document});
            if (stocked)
                StockService::changeStockIfStocked(tx, m_loaded, -quant);
            CashLedger::credit(tx, date, QStringLiteral("Saída de Produto:") + m_loaded, value, document);
            Funcoes::gravaLog(m_ctx, tx, AuditEvent::SaidaEstoque + m_loaded);
            return true;
        });
        if (!done) {
            if (refusal == Refusal::NoProduct) {
                m_ctx.messages.information(StockMessages::kProdutoNaoEncontrado);
                code.clear();
                m_loaded.clear();
                m_focus = Focus::Code;
            } else {
                m_ctx.messages.error(StockMessages::kQuantidadeMaiorQueEstoque);
                m_focus = Focus::Quantity;
            }
            return false;
        }
    } catch (const DbError &e) {
        m_ctx.messages.warning(StockMessages::kNaoConseguiGravar + e.message());
        return false;
    }
    clear();
    return true;
}

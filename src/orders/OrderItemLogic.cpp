#include "orders/OrderItemLogic.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/MessageService.h"
#include "core/Win1252.h"
#include "orders/OrderEntryLogic.h"
#include "orders/OrderFigures.h"
#include "orders/OrderStore.h"
#include "stock/StockService.h"

namespace {

const QString kNaoGravar = QStringLiteral("Não Consegui Gravar, Tente Novamente !\rErro:  ");
const QString kProdutoInvalido = QStringLiteral("Produto não Cadastrado ou Inativo, tente outro");
const QString kQuantidadeInvalida = QStringLiteral("Quantidade inválida, digite somente números !");
const QString kPrecoInvalido = QStringLiteral("Valor Unitário inválido, digite somente números !");

} // namespace

OrderItemLogic::OrderItemLogic(OrderEntryLogic &order) : m_order(order) { clear(); }

void OrderItemLogic::clear()
{
    m_code.clear();
    m_description.clear();
    m_quantity = Decimal(1000, OrderFigures::kQuantityScale);
    m_price = Decimal(0, OrderFigures::kMoneyScale);
}

QString OrderItemLogic::normaliseCode(const QString &typed)
{
    return typed.trimmed().rightJustified(kProductCodeWidth, u' ');
}

Decimal OrderItemLogic::itemTotal() const { return OrderFigures::lineTotal(m_quantity, m_price); }

bool OrderItemLogic::leaveCode(const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return true;
    const QString code = normaliseCode(typed);
    AppContext &ctx = m_order.context();
    ResultSet rows;
    if (code.size() == kProductCodeWidth && !Win1252::firstUnencodable(code)) {
        try {
            rows = ctx.db.select(QStringLiteral("Select PRO_Descricao, PRO_Codigo, PRO_PVenda, PRO_Quant, PRO_Ativo "
                                                "From Produtos Where PRO_Codigo=:cCodigo"),
                                 {{"cCodigo", code}});
        } catch (const DbError &e) {
            ctx.messages.warning(QStringLiteral("Erro, Tente Novamente !\rErro:  ") + e.message());
            return false;
        }
    }
    if (rows.isEmpty() || rows.value(0, "PRO_ATIVO").toString() == u"N") {
        ctx.messages.error(kProdutoInvalido);
        m_code.clear();
        m_description.clear();
        return false;
    }
    m_code = rows.value(0, "PRO_CODIGO").toString();
    m_description = rows.value(0, "PRO_DESCRICAO").toString();
    m_price = OrderFigures::money(rows.value(0, "PRO_PVENDA").toDecimal());
    return true;
}

bool OrderItemLogic::leaveQuantity(const QString &typed)
{
    const auto v = OrderFigures::readTyped(typed);
    if (!v) {
        m_order.context().messages.error(kQuantidadeInvalida);
        return false;
    }
    m_quantity = v->withScale(OrderFigures::kQuantityScale);
    return true;
}

bool OrderItemLogic::leavePrice(const QString &typed)
{
    const auto v = OrderFigures::readTyped(typed);
    if (!v || v->isNegative()) {
        m_order.context().messages.error(kPrecoInvalido);
        return false;
    }
    m_price = OrderFigures::money(*v);
    return true;
}

OrderItemLogic::SaveResult OrderItemLogic::save(const QString &codeText, const QString &quantityText,
                                                const QString &priceText, const QString &note)
{
    AppContext &ctx = m_order.context();
    if (codeText.trimmed().isEmpty()) {
        ctx.messages.error(QStringLiteral("O Campo do Código do Produto precisa ser preenchido"));
        return {false, Field::Code};
    }
    if (normaliseCode(codeText) != m_code && !leaveCode(codeText))
        return {false, Field::Code};
    if (!leaveQuantity(quantityText))
        return {false, Field::Quantity};
    if (!(m_quantity > Decimal(0, 0))) {
        ctx.messages.error(QStringLiteral("A Quantidade deve ser maior que 0 !"));
        return {false, Field::Quantity};
    }
    if (!leavePrice(priceText))
        return {false, Field::Price};
    if (note.size() > kNoteWidth) {
        ctx.messages.error(QStringLiteral("A Observação do item pode ter no máximo 80 caracteres !"));
        return {false, Field::Note};
    }
    if (Win1252::firstUnencodable(note)) {
        ctx.messages.error(QStringLiteral("A Observação do item contém caracteres que não podem ser gravados !"));
        return {false, Field::Note};
    }

    const QString order = m_order.code();
    enum class Outcome { Saved, Refused, Inactive, Failed } outcome = Outcome::Failed;
    QString failure;
    try {
        Transaction tx(ctx.db);
        if (!OrderStore::lockForItemChange(tx, order)) {
            outcome = Outcome::Refused;
        } else if (ctx.db.select(tx, QStringLiteral("Select PRO_Codigo From Produtos Where PRO_Codigo=:cCodigo "
                                                    "And PRO_Ativo<>'N'"),
                                 {{"cCodigo", m_code}}).isEmpty()) {
            // Made inactive or deleted by another workstation since the code was checked.
            outcome = Outcome::Inactive;
        } else {
            // The product's row first, the movement's code after it: every
            // writer of stock takes them in that order, so two workstations
            // never wait for each other in a circle, and the new code is held
            // only for the moment before the commit.
            StockService::changeStockIfStocked(tx, m_code, -m_quantity);
            const Decimal value = OrderFigures::lineTotal(m_quantity, m_price);
            const std::int64_t codInt = StockService::insertMovement(
                tx, {m_code, StockService::kExit, m_order.date(), value, m_quantity, order});
            for (int attempt = 1;; ++attempt) {
                const ResultSet max = ctx.db.select(tx,
                    QStringLiteral("Select MAX(IPD_SEQUEN) as Maior From IPEDIDOS Where IPD_CodPed=:cCodPed"),
                    {{"cCodPed", order}});
                const std::int64_t sequen = max.isEmpty() || max.value(0, 0).isNull() ? 1 : max.value(0, 0).toInt() + 1;
                try {
                    ctx.db.execute(tx,
                        QStringLiteral("Insert into IPedidos (IPD_CodPed, IPD_CodPro, IPD_Valor, IPD_Quant, IPD_Obs, IPD_Sequen, IPD_CodInt)\n"
                                       "Values (:cCodPed, :cCodPro, :nValor, :nQuant, :cObs, :nSequencia,:nCodInt)"),
                        {{"cCodPed", order}, {"cCodPro", m_code}, {"nValor", m_price}, {"nQuant", m_quantity},
                         {"cObs", note}, {"nSequencia", sequen}, {"nCodInt", codInt}});
                    break;
                } catch (const DbError &e) {
                    if (e.category() != DbError::Category::ConstraintViolation ||
                        attempt >= OrderStore::kAllocationAttempts)
                        throw;
                }
            }
            tx.commit();
            outcome = Outcome::Saved;
        }
    } catch (const DbError &e) {
        failure = e.message();
    }

    switch (outcome) {
    case Outcome::Saved:
        m_order.reloadItems();
        clear();
        return {true, Field::Code};
    case Outcome::Refused: ctx.messages.error(OrderStore::itemChangeRefusal()); break;
    case Outcome::Inactive: ctx.messages.error(kProdutoInvalido); return {false, Field::Code};
    case Outcome::Failed: ctx.messages.warning(kNaoGravar + failure); break;
    }
    return {false, Field::None};
}

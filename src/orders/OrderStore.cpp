#include "orders/OrderStore.h"

#include "core/Database.h"
#include "core/DbError.h"
#include "core/KeyAllocator.h"
#include "orders/OrderFigures.h"

namespace OrderStore {

namespace {

Decimal sumLines(const ResultSet &rows)
{
    Decimal total(0, OrderFigures::kMoneyScale);
    for (int i = 0; i < rows.size(); ++i)
        total = total + OrderFigures::lineTotal(rows.value(i, 0).toDecimal(), rows.value(i, 1).toDecimal());
    return total;
}

const QString kLinesOfOrder = QStringLiteral("Select IPD_Quant, IPD_Valor From IPedidos Where IPD_CodPed=:cCodigo");

} // namespace

QString nextOrderCode(Transaction &tx)
{
    return KeyAllocator::nextCode(tx, QStringLiteral("Select MAX(PED_Codigo) as Maior From Pedidos"), kCodeWidth);
}

ResultSet items(Database &db, const QString &orderCode)
{
    return db.select(QStringLiteral("Select I.*, p.PRO_Codigo, p.PRO_Descricao, i.IPD_Quant*i.IPD_Valor as IPD_Total "
                                    "From IPedidos I Join Produtos p on(i.IPD_CodPro=p.PRO_codigo) "
                                    "Where i.IPD_CodPed=:cCodigo Order By i.IPD_Sequen"),
                     {{"cCodigo", orderCode}});
}

Decimal itemsTotal(Database &db, const QString &orderCode)
{
    return sumLines(db.select(kLinesOfOrder, {{"cCodigo", orderCode}}));
}

Decimal itemsTotal(Transaction &tx, const QString &orderCode)
{
    return sumLines(tx.database().select(tx, kLinesOfOrder, {{"cCodigo", orderCode}}));
}

bool lockForItemChange(Transaction &tx, const QString &orderCode)
{
    for (int attempt = 1;; ++attempt) {
        try {
            return tx.database().execute(tx,
                       QStringLiteral("Update Pedidos SET PED_Situ=PED_Situ Where PED_Codigo=:cCodigo "
                                      "And ((PED_Situ='F' And PED_Data Is Null) Or PED_Situ='A')"),
                       {{"cCodigo", orderCode}}) == 1;
        } catch (const DbError &e) {
            // Another window changed the order and committed while this one
            // waited: look again at what it left.
            if (e.category() != DbError::Category::LockConflict || attempt >= kAllocationAttempts)
                throw;
        }
    }
}

QString itemChangeRefusal()
{
    return QStringLiteral("Este pedido não está mais em aberto (foi alterado em outra estação),\r"
                          "seus itens não podem ser alterados !");
}

} // namespace OrderStore

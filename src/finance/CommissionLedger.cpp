#include "finance/CommissionLedger.h"

#include "core/Database.h"
#include "finance/LedgerCode.h"

Decimal CommissionLedger::commissionOf(const Decimal &deliveryTotal, const Decimal &ratePercent)
{
    return (deliveryTotal * ratePercent).divide(Decimal::fromInt(100), 2);
}

std::int64_t CommissionLedger::book(Transaction &tx, const Entry &entry)
{
    return LedgerCode::insertWithNext(
        tx, QStringLiteral("Select MAX(CCE_CodInt) as Maior From CCE"), 1, [&](std::int64_t code) {
            tx.database().execute(tx,
                                  QStringLiteral("Insert into CCE (CCE_CodEnt, CCE_Data, CCE_Valor, CCE_Op, "
                                                 "CCE_Situ, CCE_Doc, CCE_CodInt) Values\n"
                                                 "(:cCodEnt, :dData, :nValor, :cOp, :cSitu, :cDoc, :nCodInt)"),
                                  {{QStringLiteral("cCodEnt"), entry.codEnt},
                                   {QStringLiteral("dData"), entry.data},
                                   {QStringLiteral("nValor"), entry.valor.withScale(2)},
                                   {QStringLiteral("cOp"), kOperacaoPedido},
                                   {QStringLiteral("cSitu"), kAPagar},
                                   {QStringLiteral("cDoc"), entry.doc},
                                   {QStringLiteral("nCodInt"), code}});
        });
}

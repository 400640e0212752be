#include "finance/CashLedger.h"

#include "core/Database.h"
#include "finance/LedgerCode.h"

std::int64_t CashLedger::book(Transaction &tx, const Entry &entry)
{
    return LedgerCode::insertWithNext(
        tx, QStringLiteral("Select MAX(CAI_CodInt) as Maior From Caixa"), 1, [&](std::int64_t code) {
            tx.database().execute(tx,
                                  QStringLiteral("Insert into Caixa (CAI_CodInt, CAI_Data, CAI_DC, CAI_DESC, "
                                                 "CAI_VALOR, CAI_DOC)\n"
                                                 " Values( :nCodInt, :dData, :cDC, :cDesc,  :nValor, :cDoc)"),
                                  {{QStringLiteral("nCodInt"), code},
                                   {QStringLiteral("dData"), entry.data},
                                   {QStringLiteral("cDC"), entry.dc},
                                   {QStringLiteral("cDesc"), entry.desc},
                                   {QStringLiteral("nValor"), entry.valor.withScale(2)},
                                   {QStringLiteral("cDoc"), entry.doc}});
        });
}

#include "stock/StockService.h"

#include "core/Database.h"
#include "core/DbError.h"
#include "core/KeyAllocator.h"

#include <chrono>

namespace StockService {

std::int64_t nextInternalCode(Transaction &tx)
{
    return KeyAllocator::nextInternal(tx, QStringLiteral("Select MAX(MOV_CodInt) as nMaior From MOV_ESTQ"), 0);
}

void insertMovementAs(Transaction &tx, std::int64_t codInt, const Movement &m)
{
    tx.database().execute(tx,
        QStringLiteral("Insert into MOV_ESTQ (MOV_CodPro,MOV_Oper, MOV_Data,MOV_Valor,MOV_Quant,MOV_Doc, MOV_CodInt)\n"
                       "Values (:cCodigo,:cOper,:dData,:nValor,:nQuant,:cDoc,:nCodInt)"),
        {{"cCodigo", m.productCode},
         {"cOper", m.oper},
         {"dData", m.date},
         {"nValor", m.value.withScale(2)},
         {"nQuant", m.quantity.withScale(3)},
         {"cDoc", m.doc},
         {"nCodInt", codInt}});
}

std::int64_t insertMovement(Transaction &tx, const Movement &m)
{
    // Every workstation selling takes its code from the same highest one: a
    // busy station can find its code taken several times in a row, each time
    // because another one committed. It goes on for as long as a lock wait
    // may last, and at least kAllocationAttempts times.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(Database::kLockTimeoutSeconds);
    for (int attempt = 1;; ++attempt) {
        const std::int64_t code = nextInternalCode(tx);
        try {
            insertMovementAs(tx, code, m);
            return code;
        } catch (const DbError &e) {
            // Only the failed statement is undone; the transaction goes on
            // and sees the other workstation's committed code next time.
            if (e.category() != DbError::Category::ConstraintViolation ||
                (attempt >= kAllocationAttempts && std::chrono::steady_clock::now() >= deadline))
                throw;
        }
    }
}

namespace {

// A row another workstation changed and committed while this statement waited
// for it gives an update conflict; the statement alone is undone, so running
// it again applies the change on top of the committed quantity.
bool moveQuantity(Transaction &tx, const QString &sql, const QString &productCode, const Decimal &delta)
{
    for (int attempt = 1;; ++attempt) {
        try {
            return tx.database().execute(tx, sql, {{"nQuant", delta.withScale(3)}, {"cCodigo", productCode}}) > 0;
        } catch (const DbError &e) {
            if (e.category() != DbError::Category::LockConflict || attempt >= kAllocationAttempts)
                throw;
        }
    }
}

} // namespace

bool changeStock(Transaction &tx, const QString &productCode, const Decimal &delta)
{
    return moveQuantity(tx, QStringLiteral("Update Produtos SET PRO_Quant=PRO_Quant + :nQuant Where PRO_Codigo=:cCodigo"),
                        productCode, delta);
}

bool changeStockIfStocked(Transaction &tx, const QString &productCode, const Decimal &delta)
{
    return moveQuantity(tx,
                        QStringLiteral("Update Produtos SET PRO_Quant=PRO_Quant + :nQuant "
                                       "Where PRO_Codigo=:cCodigo And PRO_FeitoHora='N'"),
                        productCode, delta);
}

bool deleteMovement(Transaction &tx, std::int64_t codInt, const QString &doc, const QString &oper)
{
    return tx.database().execute(tx,
               QStringLiteral("Delete From MOV_ESTQ Where MOV_CodInt=:nCodInt And Coalesce(MOV_Doc, '')=:cDoc And MOV_Oper=:cOper"),
               {{"nCodInt", codInt}, {"cDoc", doc}, {"cOper", oper}}) > 0;
}

} // namespace StockService

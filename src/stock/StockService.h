#pragma once

#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <cstdint>

class Transaction;

// The one writer of stock: every operation that books a movement or moves a
// product's quantity goes through here, inside the caller's transaction.
// Quantities always move relative to what the database holds at that moment
// (PRO_Quant = PRO_Quant + :n), so two workstations selling the same product
// both count.
namespace StockService {

inline const QString kEntry = QStringLiteral("EE");
inline const QString kExit = QStringLiteral("SS");

struct Movement {
    QString productCode; // as stored: right-aligned to 10 characters
    QString oper;        // kEntry or kExit
    QDate date;
    Decimal value;       // NUMERIC(15,2)
    Decimal quantity;    // NUMERIC(15,3)
    QString doc;         // for an order item, the order code
};

// A code taken meanwhile by another workstation is replaced by the next one
// at least this many times, and for as long as a lock wait may last, before
// the caller's failure text is shown.
inline constexpr int kAllocationAttempts = 5;

// Highest MOV_CODINT plus one; 0 on an empty table.
std::int64_t nextInternalCode(Transaction &tx);

// Inserts the movement under `codInt`. Throws DbError (ConstraintViolation
// when another workstation took the code).
void insertMovementAs(Transaction &tx, std::int64_t codInt, const Movement &m);

// Allocates the internal code and inserts the movement; a code taken by
// another workstation in the meantime is retried with the next one (see
// kAllocationAttempts). Returns
// the code. Throws DbError when every attempt failed or on any other error.
std::int64_t insertMovement(Transaction &tx, const Movement &m);

// PRO_Quant moves by `delta` (negative for an exit). False when no product
// has that code.
bool changeStock(Transaction &tx, const QString &productCode, const Decimal &delta);

// The same, only for a stocked product (PRO_FeitoHora "N"); a product made on
// the spot keeps no stock. False when nothing was changed.
bool changeStockIfStocked(Transaction &tx, const QString &productCode, const Decimal &delta);

// Deletes the movement with this code only when it belongs to `doc` with
// operation `oper`. False when no such movement was there (already deleted
// by another workstation, or a code of someone else's document), so the
// caller gives stock back only for a movement really deleted. A movement
// booked without a document is found with an empty `doc`.
bool deleteMovement(Transaction &tx, std::int64_t codInt, const QString &doc, const QString &oper);

} // namespace StockService

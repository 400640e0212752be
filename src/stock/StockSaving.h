#pragma once

#include "core/Decimal.h"

#include <QString>
#include <functional>

class Database;
class Transaction;

// What the stock windows share when they save.
namespace StockSaving {

// How many times a save that met another workstation's change of the same
// product is run again, in a new transaction, before its failure is shown.
inline constexpr int kConflictAttempts = 5;

// A figure the operator typed, read through the numeric filter and brought
// to the column's scale; throws DbError (Conversion) with the text shown in
// the error box when it cannot be read.
Decimal typedFigure(const QString &text, int scale);

// Runs `body` in a transaction and commits it. When a statement meets a row
// another workstation changed and committed meanwhile (an update conflict),
// the transaction is rolled back and the whole body runs again on what the
// database holds now, so both changes count. `body` returns false to roll
// back without an error (a refusal it reports after the rollback). Other
// errors reach the caller as DbError, after the rollback.
bool runRetryingConflicts(Database &db, const std::function<bool(Transaction &)> &body);

} // namespace StockSaving

#pragma once

#include "core/Decimal.h"
#include "core/ResultSet.h"

#include <QString>

class Database;
class Transaction;

// The statements on an order's rows that order entry, item entry and the
// delivery window share.
namespace OrderStore {

inline constexpr int kCodeWidth = 8;
// How many times a number or code taken meanwhile by another workstation is
// replaced by the next one before the step's failure text is shown.
inline constexpr int kAllocationAttempts = 5;

// Highest PED_CODIGO plus one, 8 digits.
QString nextOrderCode(Transaction &tx);

// Items of the order by position, with the product description and the item total.
ResultSet items(Database &db, const QString &orderCode);

// Sum of the items' totals, each rounded to the money scale.
Decimal itemsTotal(Database &db, const QString &orderCode);
Decimal itemsTotal(Transaction &tx, const QString &orderCode);

// Items may be added or removed only while the order is provisional (status
// "F" without a date) or open ("A") in the database. Locks the order row for
// the rest of the transaction, so a status move of another workstation waits
// for this one (or this one for it). False when the order is in no such state.
bool lockForItemChange(Transaction &tx, const QString &orderCode);

// Said when lockForItemChange refuses.
QString itemChangeRefusal();

} // namespace OrderStore

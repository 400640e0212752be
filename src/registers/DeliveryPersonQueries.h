#pragma once

#include "core/Decimal.h"

#include <QString>
#include <optional>

class Database;
class Transaction;

// A delivery person as the order windows and the commission book need one.
struct DeliveryPerson {
    QString code;
    QString name;
    Decimal commission; // percentage of the delivery value, 2 decimals
};

// Finding a delivery person by code. Both throw DbError when the database
// cannot be read; nullopt when no row has the code.
namespace DeliveryPersonQueries {
std::optional<DeliveryPerson> find(Database &db, const QString &code);
std::optional<DeliveryPerson> find(Transaction &tx, const QString &code);
} // namespace DeliveryPersonQueries

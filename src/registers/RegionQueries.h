#pragma once

#include "core/Decimal.h"

#include <QString>
#include <optional>

class Database;
class Transaction;

// A delivery region as order delivery data needs one.
struct Region {
    QString code;
    QString description;
    Decimal fee; // reais per delivery, 2 decimals
};

// Finding a region by code. Both throw DbError when the database cannot be
// read; nullopt when no row has the code.
namespace RegionQueries {
std::optional<Region> find(Database &db, const QString &code);
std::optional<Region> find(Transaction &tx, const QString &code);
} // namespace RegionQueries

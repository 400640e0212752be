#pragma once

#include <QString>
#include <cstdint>

class Database;
class SqlValue;
class Transaction;

// Keys are computed by the program from the rows already there: the highest
// code plus one. Text codes are digits padded on the left with "0" to the
// table's width, so text order is numeric order.
namespace KeyAllocator {

// Next text code from the current maximum (null or empty: the table is
// empty, giving 1). Throws DbError (Conversion) when the maximum is not a
// whole number made of digits.
QString nextCodeAfter(const SqlValue &max, int width);

// Runs a "Select MAX(col) as Cod From table" statement and gives the next code.
QString nextCode(Database &db, const QString &maxStatement, int width);
QString nextCode(Transaction &tx, const QString &maxStatement, int width);

// Next internal code of a ledger: maximum plus one, or firstOnEmpty when the
// table has no row (MOV_CODINT starts at 0, CAI_CODINT and CCE_CODINT at 1).
std::int64_t nextInternalAfter(const SqlValue &max, std::int64_t firstOnEmpty);
std::int64_t nextInternal(Transaction &tx, const QString &maxStatement, std::int64_t firstOnEmpty);

// The re-test at saving: whether the code is still free. `existsStatement`
// selects the code by ":cCodigo".
bool isTaken(Transaction &tx, const QString &existsStatement, const QString &code);

} // namespace KeyAllocator

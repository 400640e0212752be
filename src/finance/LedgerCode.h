#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class Transaction;

namespace LedgerCode {

// Allocates a ledger's internal code (maximum plus one, `firstOnEmpty` on an
// empty table) inside the caller's transaction and runs `insert` with it.
// When another workstation committed the same code first, the insert fails
// on the key and is tried again with the next code; the caller's transaction
// stays usable, because a failed statement undoes only itself.
// Gives the code that was written; other failures reach the caller as DbError.
std::int64_t insertWithNext(Transaction &tx, const QString &maxStatement, std::int64_t firstOnEmpty,
                            const std::function<void(std::int64_t code)> &insert);

} // namespace LedgerCode

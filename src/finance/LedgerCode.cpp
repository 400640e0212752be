#include "finance/LedgerCode.h"

#include "core/DbError.h"
#include "core/KeyAllocator.h"

namespace LedgerCode {

namespace {
// Each retry follows a commit of another workstation; a handful of collisions
// in a row means something other than a race.
constexpr int kAttempts = 10;
} // namespace

std::int64_t insertWithNext(Transaction &tx, const QString &maxStatement, std::int64_t firstOnEmpty,
                            const std::function<void(std::int64_t code)> &insert)
{
    for (int attempt = 1;; ++attempt) {
        const std::int64_t code = KeyAllocator::nextInternal(tx, maxStatement, firstOnEmpty);
        try {
            insert(code);
            return code;
        } catch (const DbError &e) {
            if (e.category() != DbError::Category::ConstraintViolation || attempt == kAttempts)
                throw;
        }
    }
}

} // namespace LedgerCode

#include "stock/StockSaving.h"

#include "controls/BrFormat.h"
#include "core/Database.h"
#include "core/DbError.h"

namespace StockSaving {

Decimal typedFigure(const QString &text, int scale)
{
    const auto value = BrFormat::parse(text);
    if (!value)
        throw DbError(DbError::Category::Conversion, QStringLiteral("'%1' não é um número válido").arg(text));
    return value->withScale(scale);
}

bool runRetryingConflicts(Database &db, const std::function<bool(Transaction &)> &body)
{
    for (int attempt = 1;; ++attempt) {
        try {
            Transaction tx(db);
            if (!body(tx))
                return false;
            tx.commit();
            return true;
        } catch (const DbError &e) {
            if (e.category() != DbError::Category::LockConflict || attempt >= kConflictAttempts)
                throw;
        }
    }
}

} // namespace StockSaving

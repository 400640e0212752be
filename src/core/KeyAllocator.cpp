#include "core/KeyAllocator.h"

#include "core/Database.h"
#include "core/DbError.h"

namespace KeyAllocator {

QString nextCodeAfter(const SqlValue &max, int width)
{
    const QString text = max.toString().trimmed();
    std::int64_t next = 1;
    if (!text.isEmpty()) {
        bool ok = false;
        const qlonglong value = text.toLongLong(&ok);
        if (!ok || value < 0 || text.contains(u'+') )
            throw DbError(DbError::Category::Conversion,
                          QStringLiteral("'%1' não é um número inteiro válido").arg(max.toString()));
        next = value + 1;
    }
    return QString::number(next).rightJustified(width, u'0');
}

QString nextCode(Database &db, const QString &maxStatement, int width)
{
    const ResultSet rows = db.select(maxStatement);
    return nextCodeAfter(rows.isEmpty() ? SqlValue() : rows.value(0, 0), width);
}

QString nextCode(Transaction &tx, const QString &maxStatement, int width)
{
    const ResultSet rows = tx.database().select(tx, maxStatement);
    return nextCodeAfter(rows.isEmpty() ? SqlValue() : rows.value(0, 0), width);
}

std::int64_t nextInternalAfter(const SqlValue &max, std::int64_t firstOnEmpty)
{
    if (max.isNull() || max.toString().trimmed().isEmpty())
        return firstOnEmpty;
    return max.toDecimal().toInt64() + 1;
}

std::int64_t nextInternal(Transaction &tx, const QString &maxStatement, std::int64_t firstOnEmpty)
{
    const ResultSet rows = tx.database().select(tx, maxStatement);
    return nextInternalAfter(rows.isEmpty() ? SqlValue() : rows.value(0, 0), firstOnEmpty);
}

bool isTaken(Transaction &tx, const QString &existsStatement, const QString &code)
{
    return !tx.database().select(tx, existsStatement, {{QStringLiteral("cCodigo"), code}}).isEmpty();
}

} // namespace KeyAllocator

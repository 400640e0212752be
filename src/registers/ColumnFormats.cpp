#include "registers/ColumnFormats.h"

#include "controls/BrFormat.h"

namespace ColumnFormats {

GridColumn text(const QString &column, const QString &title)
{
    return {column, title, {}, false};
}

GridColumn date(const QString &column, const QString &title)
{
    return {column, title, [](const SqlValue &v) { return BrFormat::date(v.toDate()); }, false};
}

GridColumn money(const QString &column, const QString &title)
{
    return {column, title, [](const SqlValue &v) { return BrFormat::money(v.toDecimal(), 2); }, true};
}

GridColumn number(const QString &column, const QString &title, int decimals)
{
    return {column, title, [decimals](const SqlValue &v) { return BrFormat::number(v.toDecimal(), decimals); },
            true};
}

} // namespace ColumnFormats

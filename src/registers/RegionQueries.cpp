#include "registers/RegionQueries.h"

#include "core/Database.h"

namespace {

const QString kFind = QStringLiteral("Select REG_Codigo, REG_Desc, REG_Valor From Regioes Where REG_Codigo=:cCodigo");

std::optional<Region> fromRows(const ResultSet &rows)
{
    if (rows.isEmpty())
        return std::nullopt;
    const Row r = rows.first();
    return Region{r.text(QStringLiteral("REG_CODIGO")), r.text(QStringLiteral("REG_DESC")),
                  r.value(QStringLiteral("REG_VALOR")).toDecimal().withScale(2)};
}

} // namespace

namespace RegionQueries {

std::optional<Region> find(Database &db, const QString &code)
{
    return fromRows(db.select(kFind, {{QStringLiteral("cCodigo"), code}}));
}

std::optional<Region> find(Transaction &tx, const QString &code)
{
    return fromRows(tx.database().select(tx, kFind, {{QStringLiteral("cCodigo"), code}}));
}

} // namespace RegionQueries

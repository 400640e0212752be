#include "registers/DeliveryPersonQueries.h"

#include "core/Database.h"

namespace {

const QString kFind = QStringLiteral(
    "Select ENT_Codigo, ENT_Nome, ENT_Comissao From Entregadores Where ENT_Codigo=:cCodigo");

std::optional<DeliveryPerson> fromRows(const ResultSet &rows)
{
    if (rows.isEmpty())
        return std::nullopt;
    const Row r = rows.first();
    return DeliveryPerson{r.text(QStringLiteral("ENT_CODIGO")), r.text(QStringLiteral("ENT_NOME")),
                          r.value(QStringLiteral("ENT_COMISSAO")).toDecimal().withScale(2)};
}

} // namespace

namespace DeliveryPersonQueries {

std::optional<DeliveryPerson> find(Database &db, const QString &code)
{
    return fromRows(db.select(kFind, {{QStringLiteral("cCodigo"), code}}));
}

std::optional<DeliveryPerson> find(Transaction &tx, const QString &code)
{
    return fromRows(tx.database().select(tx, kFind, {{QStringLiteral("cCodigo"), code}}));
}

} // namespace DeliveryPersonQueries

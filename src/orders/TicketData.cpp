#include "orders/TicketData.h"

#include "core/Database.h"

namespace {

const QString kPedidoSql = QStringLiteral(
    "Select p.*, c.CLI_Nome, e.ENT_Nome From Pedidos p Left Outer Join Clientes c on (c.CLI_Codigo=p.PED_CodCli) "
    "Left Outer Join Entregadores e on (e.ENT_Codigo=p.PED_CodEnt) Where p.PED_Codigo=:cCodPed");

} // namespace

Decimal TicketData::valorProdutos() const
{
    return (total + desconto - vEnt * qEnt).withScale(2);
}

Decimal TicketData::valorEntrega() const
{
    return (qEnt * vEnt).withScale(2);
}

namespace TicketLoader {

std::optional<TicketData> load(Database &db, const QString &codPed)
{
    const ResultSet pedido = db.select(kPedidoSql, {{QStringLiteral("cCodPed"), codPed}});
    if (pedido.isEmpty())
        return std::nullopt;
    const Row p = pedido.first();
    TicketData t;
    t.codigo = p.text(QStringLiteral("PED_CODIGO"));
    t.data = p[QStringLiteral("PED_DATA")].toDate();
    t.hora = p[QStringLiteral("PED_HORA")].toTime();
    t.codEnt = p.text(QStringLiteral("PED_CODENT"));
    t.entNome = p.text(QStringLiteral("ENT_NOME"));
    t.codCli = p.text(QStringLiteral("PED_CODCLI"));
    t.cliNome = p.text(QStringLiteral("CLI_NOME"));
    t.total = p[QStringLiteral("PED_TOTAL")].toDecimal();
    t.desconto = p[QStringLiteral("PED_DESCONTO")].toDecimal();
    t.vEnt = p[QStringLiteral("PED_VENT")].toDecimal();
    t.qEnt = p[QStringLiteral("PED_QENT")].toDecimal();
    t.troco = p[QStringLiteral("PED_TROCO")].toDecimal();
    t.dataS = p[QStringLiteral("PED_DATAS")].toDate();
    t.horaS = p[QStringLiteral("PED_HORAS")].toTime();
    t.dataT = p[QStringLiteral("PED_DATAT")].toDate();
    t.horaT = p[QStringLiteral("PED_HORAT")].toTime();

    t.itemRows = db.select(kItensSql, {{QStringLiteral("cCodPed"), codPed}});
    for (int i = 0; i < t.itemRows.size(); ++i) {
        const Row r = t.itemRows.row(i);
        t.items.push_back({r.text(QStringLiteral("IPD_CODPRO")), r.text(QStringLiteral("PRO_DESCRICAO")),
                           r[QStringLiteral("IPD_QUANT")].toDecimal(), r[QStringLiteral("IPD_VALOR")].toDecimal(),
                           r[QStringLiteral("IPD_TOTAL")].toDecimal(), r.text(QStringLiteral("IPD_OBS"))});
    }

    const ResultSet cliente = db.select(kClienteSql, {{QStringLiteral("cCodCli"), t.codCli}});
    if (!cliente.isEmpty()) {
        const Row c = cliente.first();
        t.fone = c.text(QStringLiteral("CLI_FONE"));
        t.ender = c.text(QStringLiteral("CLI_ENDER"));
        t.numero = c.text(QStringLiteral("CLI_NUMERO"));
        t.bairro = c.text(QStringLiteral("CLI_BAIRRO"));
        t.cid = c.text(QStringLiteral("CLI_CID"));
        t.comple = c.text(QStringLiteral("CLI_COMPLE"));
        t.erefer = c.text(QStringLiteral("CLI_EREFER"));
    }
    return t;
}

} // namespace TicketLoader

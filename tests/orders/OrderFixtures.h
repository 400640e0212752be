#pragma once

#include "core/Database.h"
#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <QTime>

// Registers and orders written straight into a test database.
namespace OrderFixtures {

inline Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text), u'.'); }

// Two delivery persons (000001 at 15 %, 000002 at 0 %), one region, one
// customer, a stocked product "10" (50 in stock) and a made-to-order one "1".
inline void registers(Database &db)
{
    db.execute(QStringLiteral("Insert Into Entregadores (ENT_Codigo, ENT_Nome, ENT_Comissao) Values ('000001', 'Diego', 15)"));
    db.execute(QStringLiteral("Insert Into Entregadores (ENT_Codigo, ENT_Nome, ENT_Comissao) Values ('000002', 'Elisa', 0)"));
    db.execute(QStringLiteral("Insert Into Regioes (REG_Codigo, REG_Desc, REG_Valor) Values ('000001', 'Centro', 3.30)"));
    db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo, CLI_Nome, CLI_Fone) Values ('0000000001', 'Ana Souza', '3232-1111')"));
    db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo, CLI_Nome, CLI_Fone) Values ('0000000002', 'Bruno Lima', '3232-2222')"));
    db.execute(QStringLiteral("Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_FeitoHora, PRO_Quant) "
                              "Values ('        10', 'Refrigerante', 'N', 50)"));
    db.execute(QStringLiteral("Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_FeitoHora, PRO_Quant) "
                              "Values ('         1', 'Pizza', 'S', 0)"));
}

struct Order {
    QString codigo{};
    QString situ = QStringLiteral("A");
    QDate data = QDate(2026, 12, 1);
    QTime hora = QTime(19, 0);
    QString codCli = QStringLiteral("0000000001");
    Decimal total = dec("41.00");
    QString codEnt{};
    QString codReg{};
    Decimal vent = dec("0");
    Decimal qent = dec("0");
    QDate dataS{};
    QDate dataT{};
};

inline void order(Database &db, const Order &o)
{
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Data, PED_Hora, PED_CodCli, PED_Total, "
                              "PED_Desconto, PED_VDesc, PED_CodEnt, PED_CodReg, PED_VEnt, PED_QEnt, PED_DataS, "
                              "PED_DataT, PED_VPago, PED_Troco) Values (:c, :s, :d, :h, :cli, :t, 0, 0, :ent, :reg, "
                              ":vent, :qent, :ds, :dt, 0, 0)"),
               {{"c", o.codigo}, {"s", o.situ}, {"d", o.data}, {"h", o.hora}, {"cli", o.codCli}, {"t", o.total},
                {"ent", o.codEnt}, {"reg", o.codReg}, {"vent", o.vent}, {"qent", o.qent}, {"ds", o.dataS},
                {"dt", o.dataT}});
}

// One item and its "SS" movement sharing the internal code.
inline void item(Database &db, const QString &order, int seq, const QString &product, const char *quant, int codInt,
                 bool withMovement = true)
{
    db.execute(QStringLiteral("Insert Into IPedidos (IPD_CodPed, IPD_Sequen, IPD_CodPro, IPD_Quant, IPD_Valor, IPD_CodInt) "
                              "Values (:p, :s, :pro, :q, 10, :ci)"),
               {{"p", order}, {"s", seq}, {"pro", product}, {"q", dec(quant)}, {"ci", codInt}});
    if (withMovement)
        db.execute(QStringLiteral("Insert Into MOV_ESTQ (MOV_CodInt, MOV_CodPro, MOV_Oper, MOV_Quant, MOV_Doc) "
                                  "Values (:ci, :pro, 'SS', :q, :p)"),
                   {{"p", order}, {"pro", product}, {"q", dec(quant)}, {"ci", codInt}});
}

inline QString status(Database &db, const QString &codigo)
{
    const ResultSet rows = db.select(QStringLiteral("Select PED_Situ From Pedidos Where PED_Codigo=:c"), {{"c", codigo}});
    return rows.isEmpty() ? QString() : rows.first().text(QStringLiteral("PED_SITU"));
}

inline int count(Database &db, const QString &sql)
{
    return int(db.select(sql).first().value(0).toInt());
}

inline Decimal stock(Database &db, const QString &product)
{
    return db.select(QStringLiteral("Select PRO_Quant From Produtos Where PRO_Codigo=:c"), {{"c", product}})
        .first()
        .value(0)
        .toDecimal();
}

} // namespace OrderFixtures

#pragma once

// A busy shop's history, generated once and kept in a cache folder outside
// the repository ($XDG_CACHE_HOME/velmora-bench or ~/.cache/velmora-bench).
// Ten years is 1,000,000 orders with 3 items each (3,000,000 items and as many
// "SS" movements), 100,000 customers with four telephones, 2,000 products,
// one cash entry and one commission per order. A smaller size makes a
// proportionally smaller shop over the same ten years.
//
// Everything is made by set-based INSERT ... SELECT statements over one
// connection, a chunk of orders per transaction, with the secondary indexes
// switched off while loading and rebuilt once at the end.

#include "core/Database.h"
#include "db/NewDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <cstdio>

namespace TenYearShop {

inline constexpr int kVersion = 1;

struct Size {
    int orders;
    int customers;
    int products;
};

inline Size sizeFor(int orders)
{
    return {orders, std::max(100, orders / 10), std::clamp(orders / 500, 200, 2000)};
}

inline QString cacheFolder()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/velmora-bench");
}

inline QString cachedFile(int orders)
{
    return cacheFolder() + QStringLiteral("/shop-%1-v%2.fdb").arg(orders).arg(kVersion);
}

// Telephone 3 of customer n, as the generator writes it.
inline QString telephone3(int n) { return QStringLiteral("4") + QString::number(n).rightJustified(9, u'0'); }

namespace detail {

inline void run(Database &db, const QString &sql, const Params &params = {})
{
    Transaction tx(db);
    db.execute(tx, sql, params);
    tx.commit();
}

inline QStringList secondaryIndexes(Database &db)
{
    const ResultSet rows = db.select(QStringLiteral(
        "select trim(i.rdb$index_name) from rdb$indices i "
        "where coalesce(i.rdb$system_flag, 0) = 0 and not exists "
        "(select 1 from rdb$relation_constraints c where c.rdb$index_name = i.rdb$index_name)"));
    QStringList names;
    for (int i = 0; i < rows.size(); ++i)
        names << rows.value(i, 0).toString();
    return names;
}

inline void generate(const QString &file, const Size &s, bool verbose)
{
    NewDatabase::create(file);
    // Asynchronous writes, while loading and afterwards: the figures measure
    // the program and the engine, not how long this disk takes to flush.
    QProcess::execute(QStringLiteral("gfix"), {QStringLiteral("-write"), QStringLiteral("async"), file});
    Database db;
    db.open(file, Database::Engine::Embedded);
    QElapsedTimer clock;
    clock.start();
    auto say = [&](const char *what) {
        if (verbose)
            std::fprintf(stderr, "  %-28s %7.1f s\n", what, double(clock.elapsed()) / 1000);
    };

    const QStringList indexes = secondaryIndexes(db);
    for (const QString &name : indexes)
        run(db, QStringLiteral("alter index %1 inactive").arg(name));

    const QString numbers = QStringLiteral(
        "with recursive d (x) as (select 0 from rdb$database union all select x + 1 from d where x < 999), "
        "k (y) as (select 1 from rdb$database union all select y + 1 from k where y < 3) ");
    // n = 1, 2, ... in chunks of 1000 × (hi - lo).
    const QString rowsOf = QStringLiteral(
        "from (select a.x * 1000 + b.x + 1 as n from (select x from d where x >= :lo and x < :hi) a "
        "cross join (select x from d where x < :nMax) b) t ");
    auto chunked = [&](int count, const QString &insert, const QString &select, const QString &extraFrom = {}) {
        const int step = 100; // 100,000 rows of the driving table per transaction
        for (int lo = 0; lo * 1000 < count; lo += step) {
            Params p{{"nCli", s.customers}, {"nPro", s.products}, {"nPed", s.orders}, {"lo", lo}, {"hi", lo + step},
                     {"nMax", count}};
            run(db, insert + QLatin1Char(' ') + numbers + select + QLatin1Char(' ') + rowsOf + extraFrom +
                        QStringLiteral(" where t.n <= :nMax"), p);
        }
    };
    const QString code8 = QStringLiteral("lpad(t.n, 8, '0')");
    const QString orderDate = QStringLiteral("dateadd(cast((cast(t.n as bigint) - 1) * 3652 / cast(:nPed as integer) as integer) day to date '2016-12-11')");
    const QString orderTime = QStringLiteral("dateadd(mod(t.n * 37, 36000) second to time '10:00:00')");
    const QString product = QStringLiteral("mod(t.n * 31 + k.y * 977, cast(cast(:nPro as integer) as integer))"); // code - 1
    const QString quantity = QStringLiteral("(mod(t.n + k.y, 3) + 1)");
    const QString price = QStringLiteral("(5 + mod(") + product + QStringLiteral(", 50) + 0.5)");

    chunked(s.products,
            QStringLiteral("insert into Produtos (PRO_Codigo, PRO_Descricao, PRO_Unid, PRO_PF, PRO_FeitoHora, PRO_Ativo, "
                           "PRO_Quant, PRO_Min, PRO_EMax, PRO_PCusto, PRO_Margem, PRO_PVenda, PRO_DCad)"),
            QStringLiteral("select lpad(t.n, 10, ' '), 'Produto ' || t.n, 'UN', 'S', iif(mod(t.n - 1, 2) = 0, 'N', 'S'), "
                           "'S', 1000000, 10, 1000, 3 + mod(t.n - 1, 40), 50, 5 + mod(t.n - 1, 50) + 0.5, date '2016-12-01'"));
    say("products");
    chunked(s.customers,
            QStringLiteral("insert into Clientes (CLI_Codigo, CLI_Nome, CLI_Ender, CLI_Numero, CLI_Bairro, CLI_Cid, CLI_UF, "
                           "CLI_Fone, CLI_Fone2, CLI_Fone3, CLI_Celular, CLI_DCad)"),
            QStringLiteral("select lpad(t.n, 10, '0'), 'Cliente ' || t.n, 'Rua ' || mod(t.n, 500), mod(t.n, 999) + 1, "
                           "'Bairro ' || mod(t.n, 50), 'Cidade', 'SP', '3' || lpad(t.n, 7, '0'), '2' || lpad(t.n, 9, '0'), "
                           "'4' || lpad(t.n, 9, '0'), '9' || lpad(t.n, 9, '0'), date '2016-12-01'"));
    say("customers");
    chunked(50, QStringLiteral("insert into Regioes (REG_Codigo, REG_Desc, REG_Valor)"),
            QStringLiteral("select lpad(t.n, 6, '0'), 'Região ' || t.n, 3 + mod(t.n, 5) + 0.5"));
    chunked(30, QStringLiteral("insert into Entregadores (ENT_Codigo, ENT_Nome, ENT_Comissao, ENT_DCad)"),
            QStringLiteral("select lpad(t.n, 6, '0'), 'Entregador ' || t.n, 10, date '2016-12-01'"));
    chunked(s.orders,
            QStringLiteral("insert into Pedidos (PED_Codigo, PED_Situ, PED_CodCli, PED_Data, PED_Hora, PED_Total, "
                           "PED_Desconto, PED_VDesc, PED_DescPR, PED_CodReg, PED_CodEnt, PED_VEnt, PED_QEnt, PED_DataS, "
                           "PED_HoraS, PED_DataT, PED_HoraT, PED_VPago, PED_Troco)"),
            QStringLiteral("select ") + code8 +
                QStringLiteral(", iif(t.n > cast(:nPed as integer) - 40, iif(mod(t.n, 3) = 0, 'A', iif(mod(t.n, 3) = 1, 'E', 'S')), "
                               "iif(mod(t.n, 20) = 0, 'C', 'F')), lpad(mod(t.n * 7919, cast(cast(:nCli as integer) as integer)) + 1, 10, '0'), ") +
                orderDate + QStringLiteral(", ") + orderTime +
                QStringLiteral(", 50 + mod(t.n, 100), 0, 0, 'R', lpad(mod(t.n, 50) + 1, 6, '0'), "
                               "lpad(mod(t.n, 30) + 1, 6, '0'), 4.5, 1, ") +
                orderDate + QStringLiteral(", time '11:00:00', ") + orderDate +
                QStringLiteral(", time '11:30:00', 150, 100 - mod(t.n, 100)"));
    say("orders");
    chunked(s.orders,
            QStringLiteral("insert into IPedidos (IPD_CodPed, IPD_Sequen, IPD_CodPro, IPD_Quant, IPD_Valor, IPD_Obs, IPD_CodInt)"),
            QStringLiteral("select ") + code8 + QStringLiteral(", k.y, lpad(") + product + QStringLiteral(" + 1, 10, ' '), ") +
                quantity + QStringLiteral(", ") + price + QStringLiteral(", '', (cast(t.n as bigint) - 1) * 3 + k.y - 1"),
            QStringLiteral("cross join k"));
    say("items");
    chunked(s.orders,
            QStringLiteral("insert into MOV_ESTQ (MOV_CodInt, MOV_CodPro, MOV_Oper, MOV_Data, MOV_Quant, MOV_Valor, MOV_Doc)"),
            QStringLiteral("select (cast(t.n as bigint) - 1) * 3 + k.y - 1, lpad(") + product +
                QStringLiteral(" + 1, 10, ' '), 'SS', ") + orderDate + QStringLiteral(", ") + quantity + QStringLiteral(", ") +
                quantity + QStringLiteral(" * ") + price + QStringLiteral(", ") + code8,
            QStringLiteral("cross join k"));
    say("stock movements");
    chunked(s.orders,
            QStringLiteral("insert into Caixa (CAI_CodInt, CAI_Data, CAI_DC, CAI_Desc, CAI_Valor, CAI_Doc)"),
            QStringLiteral("select t.n, ") + orderDate + QStringLiteral(", 'C', 'Pedido:' || ") + code8 +
                QStringLiteral(", 50 + mod(t.n, 100), ") + code8);
    say("cash entries");
    chunked(s.orders,
            QStringLiteral("insert into CCE (CCE_CodInt, CCE_CodEnt, CCE_Data, CCE_Valor, CCE_Op, CCE_Situ, CCE_DataP, CCE_Doc)"),
            QStringLiteral("select t.n, lpad(mod(t.n, 30) + 1, 6, '0'), ") + orderDate +
                QStringLiteral(", 0.45, 'P', iif(t.n > cast(:nPed as integer) - 3000, 'A', 'P'), iif(t.n > cast(:nPed as integer) - 3000, null, ") +
                orderDate + QStringLiteral("), ") + code8);
    say("commissions");

    for (const QString &name : indexes)
        run(db, QStringLiteral("alter index %1 active").arg(name));
    say("indexes rebuilt");
    db.close();
}

} // namespace detail

// The cached shop of `orders` orders, made first when missing (under a
// temporary name, so an interrupted run leaves nothing that looks finished).
inline QString ensure(int orders, bool verbose = true)
{
    const QString file = cachedFile(orders);
    if (QFile::exists(file))
        return file;
    QDir().mkpath(cacheFolder());
    const QString partial = file + QStringLiteral(".partial");
    QFile::remove(partial);
    if (verbose)
        std::fprintf(stderr, "generating %d orders into %s\n", orders, qPrintable(file));
    detail::generate(partial, sizeFor(orders), verbose);
    QFile::rename(partial, file);
    return file;
}


} // namespace TenYearShop

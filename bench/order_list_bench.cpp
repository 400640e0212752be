// Order list and closing at ten years: 1,000,000 orders over ten years, and
// 1,000,000 rows each in Caixa and CCE.
//   velmora-bench-order-list [orders] [database]   (default 1000000 orders in a temporary file;
//   a database given that exists is measured as it is, one that does not is made and kept)
// Measures: the list of one day (codes and the first screen of rows), the
// first screen of a year's period, the search by order code, and closing an
// order (status, cash credit and commission in one transaction).
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/Session.h"
#include "db/NewDatabase.h"
#include "finance/CashLedger.h"
#include "finance/CommissionLedger.h"
#include "orders/OrderListLogic.h"
#include "orders/OrderStatusLogic.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

// Boxes are counted, never shown.
class SilentMessages final : public MessageService {
public:
    void message(const QString &) override {}
    void information(const QString &) override { ++informations; }
    void warning(const QString &t) override { std::printf("warning: %s\n", qPrintable(t)); }
    void error(const QString &t) override { std::printf("error: %s\n", qPrintable(t)); }
    bool confirm(const QString &) override { return true; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    int informations = 0;
};

// Rows 0..n-1 of a million-row sequence, for INSERT ... SELECT.
const QString kSequence = QStringLiteral(
    "with recursive d (x) as (select 0 from rdb$database union all select x + 1 from d where x < 999) ");
const QString kN = QStringLiteral("(a.x * 1000 + b.x)");

double msPer(int repeats, const std::function<void(int)> &run)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < repeats; ++i)
        run(i);
    return double(t.nsecsElapsed()) / 1e6 / repeats;
}

void load(Database &db, int orders)
{
    QElapsedTimer t;
    t.start();
    db.execute(QStringLiteral("insert into Clientes (CLI_Codigo, CLI_Nome, CLI_Fone) ") + kSequence +
                   QStringLiteral("select lpad(x + 1, 10, '0'), 'Cliente ' || x, '3232-' || lpad(x, 4, '0') from d"));
    db.execute(QStringLiteral("insert into Entregadores (ENT_Codigo, ENT_Nome, ENT_Comissao) values ('000001', 'Entregador', 10)"));
    db.execute(QStringLiteral("insert into Regioes (REG_Codigo, REG_Desc, REG_Valor) values ('000001', 'Centro', 5)"));
    // about 274 orders a day over ten years, in every status
    db.execute(QStringLiteral("insert into Pedidos (PED_Codigo, PED_Situ, PED_CodCli, PED_Data, PED_Hora, PED_Total, "
                              "PED_Desconto, PED_VDesc, PED_CodEnt, PED_CodReg, PED_VEnt, PED_QEnt, PED_VPago, PED_Troco) ") +
                   kSequence + QStringLiteral("select lpad(") + kN + QStringLiteral(" + 1, 8, '0'), ") +
                   QStringLiteral("substring('AEFFFFFFCS' from mod(") + kN + QStringLiteral(", 10) + 1 for 1), lpad(mod(") + kN +
                   QStringLiteral(", 1000) + 1, 10, '0'), date '2016-12-11' + ") + kN +
                   QStringLiteral(" / 274, time '08:00:00' + mod(") + kN +
                   QStringLiteral(", 274) * 120, 40, 0, 0, '000001', '000001', 5, 1, 50, 10 from d a cross join d b where ") +
                   kN + QStringLiteral(" < :n"),
               {{"n", orders}});
    db.execute(QStringLiteral("insert into Caixa (CAI_CodInt, CAI_Data, CAI_DC, CAI_Desc, CAI_Valor, CAI_Doc) ") + kSequence +
                   QStringLiteral("select ") + kN + QStringLiteral(" + 1, date '2016-12-11' + ") + kN +
                   QStringLiteral(" / 274, 'C', 'Pedido:' || lpad(") + kN + QStringLiteral(" + 1, 8, '0'), 40, lpad(") + kN +
                   QStringLiteral(" + 1, 8, '0') from d a cross join d b"));
    db.execute(QStringLiteral("insert into CCE (CCE_CodInt, CCE_CodEnt, CCE_Data, CCE_Valor, CCE_Op, CCE_Situ, CCE_Doc) ") +
                   kSequence + QStringLiteral("select ") + kN + QStringLiteral(" + 1, '000001', date '2016-12-11' + ") + kN +
                   QStringLiteral(" / 274, 0.50, 'P', 'A', lpad(") + kN + QStringLiteral(" + 1, 8, '0') from d a cross join d b"));
    std::printf("loaded %d orders and 1000000 rows each in Caixa and CCE in %.1f s\n", orders, double(t.elapsed()) / 1000);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int orders = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir dir;
    const QString file = argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.path() + QStringLiteral("/vd.fdb");
    const bool made = !QFile::exists(file);
    if (made)
        NewDatabase::create(file);
    Database db;
    db.open(file, Database::Engine::Embedded);
    if (made)
        load(db, orders);

    Session session;
    session.confLog = session.confLogin = session.confPermissao = QStringLiteral("N");
    SilentMessages messages;
    FixedClock clock(QDateTime(QDate(2026, 12, 10), QTime(21, 0)));
    AppContext ctx{db, session, messages, clock};
    OrderListLogic list(ctx);
    list.show(OrderListLogic::allStatuses());

    const QDate lastDay = QDate(2016, 12, 11).addDays((orders - 1) / 274);
    int shown = 0;
    const double day = msPer(20, [&](int i) {
        list.setPeriod(lastDay.addDays(-i), lastDay.addDays(-i));
        for (int r = 0; r < std::min(list.size(), OrderListLogic::kPageSize); ++r)
            list.value(r, QStringLiteral("CLI_NOME"));
        shown = list.size();
    });
    std::printf("order list of one day (%d orders, first screen read):   %.1f ms\n", shown, day);

    const double yearCodes = msPer(3, [&](int) {
        list.setPeriod(lastDay.addDays(-364), lastDay);
        shown = list.size();
    });
    const double yearPage = msPer(3, [&](int i) { list.value(i * OrderListLogic::kPageSize, QStringLiteral("CLI_NOME")); });
    std::printf("a year's period (%d orders): codes %.1f ms, a screen of rows %.1f ms\n", shown, yearCodes, yearPage);

    list.setPeriod(lastDay, lastDay);
    const double search = msPer(20, [&](int i) {
        QString code = QString::number(1 + i * 37);
        list.search(OrderListLogic::SearchKind::CodigoPedido, code);
    });
    std::printf("search by order code (any date):                         %.1f ms\n", search);

    // Closing: orders of the last day put out for delivery, closed one by one.
    list.setPeriod(lastDay, lastDay);
    OrderStatusLogic status(ctx, list, [](const QString &, const QString &) { return true; });
    QStringList codes;
    for (int i = 0; i < list.size() && codes.size() < 20; ++i)
        codes << list.codeAt(i);
    for (const QString &code : codes)
        db.execute(QStringLiteral("update Pedidos set PED_DataS=PED_Data, PED_DataT=PED_Data where PED_Codigo=:c"),
                   {{"c", code}});
    QElapsedTimer t;
    auto closeAll = [&](OrderStatusLogic &logic, const QStringList &toClose) {
        for (const QString &code : toClose)
            db.execute(QStringLiteral("update Pedidos set PED_Situ='S' where PED_Codigo=:c"), {{"c", code}});
        qint64 spent = 0;
        for (const QString &code : toClose) {
            t.start();
            logic.run(OrderStatus::Move::Fechado, code);
            spent += t.nsecsElapsed();
        }
        return double(spent) / 1e6 / toClose.size();
    };
    list.setPeriod(lastDay, lastDay);
    std::printf("closing an order, with the day's list re-read:           %.1f ms\n", closeAll(status, codes.mid(0, 10)));
    // The same without the window's list (no status ticked): the transaction alone.
    OrderListLogic noList(ctx);
    noList.show({});
    OrderStatusLogic alone(ctx, noList, [](const QString &, const QString &) { return true; });
    std::printf("closing an order, status, cash credit and commission:    %.1f ms\n", closeAll(alone, codes.mid(10)));
    // The ledgers' share: both codes allocated and both rows written, timed
    // up to (not including) the end of the transaction, which is rolled back.
    qint64 booking = 0;
    for (int i = 0; i < 20; ++i) {
        Transaction tx(db);
        t.start();
        CashLedger::credit(tx, lastDay, QStringLiteral("Pedido:bench"), Decimal(4000, 2), QString::number(i));
        CommissionLedger::book(tx, {QStringLiteral("000001"), lastDay, Decimal(50, 2), QString::number(i)});
        booking += t.nsecsElapsed();
    }
    const double ledgers = double(booking) / 1e6 / 20;
    std::printf("cash credit and commission booked, before the commit:    %.2f ms\n", ledgers);
    // What any write pays for its commit on this disk, for comparison.
    const double commit = msPer(10, [&](int) {
        Transaction tx(db);
        db.execute(tx, QStringLiteral("update Empresa set EMP_Codigo=EMP_Codigo"));
        tx.commit();
    });
    std::printf("one-row update and commit, for comparison:               %.1f ms\n", commit);
    std::printf("closed: %d\n", messages.informations);
    return 0;
}

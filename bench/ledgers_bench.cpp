// Measures the stock and finance windows over ten years of data: the cash
// balance of a month and with the previous balance, the cash list of a day,
// the commission list of a month with its totals, the movement list of a day,
// and every save of those windows.
//   velmora-bench-ledgers [cash] [commissions] [movements]
//   (defaults 1000000 1000000 3000000)
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/Session.h"
#include "db/NewDatabase.h"
#include "finance/CashFlow.h"
#include "finance/CashFlowEntry.h"
#include "finance/CommissionList.h"
#include "stock/MovementMaintenanceLogic.h"
#include "stock/StockEntryLogic.h"
#include "stock/StockExitLogic.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class YesMessages final : public MessageService {
public:
    void message(const QString &t) override { report(t); }
    void information(const QString &t) override { report(t); }
    void warning(const QString &t) override { report(t); }
    void error(const QString &t) override { report(t); }
    bool confirm(const QString &) override { return true; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }

private:
    static void report(const QString &t) { std::printf("  message: %s\n", qPrintable(t)); }
};

const QDate kStart(2017, 1, 1);
constexpr int kDays = 3650;

// Rows spread evenly over ten years, in date order as a ledger grows.
void load(Database &db, const char *what, int rows, const QString &insert, const QString &select)
{
    QElapsedTimer t;
    t.start();
    // A million rows per statement: i runs over one block of a million.
    for (int block = 0; block * 1000000 < rows; ++block)
        db.execute(insert +
                       QStringLiteral(" with recursive d (x) as (select 0 from rdb$database union all select x + 1 "
                                      "from d where x < 999), n (i) as (select cast(:nBloco as integer) * 1000000 + "
                                      "a.x * 1000 + b.x from d a cross join d b) select ") +
                       select + QStringLiteral(" from n where i < :nRows"),
                   {{"nRows", rows}, {"nDays", kDays}, {"dInicio", kStart}, {"nBloco", block}});
    std::printf("loaded %d %s in %.1f s\n", rows, what, double(t.elapsed()) / 1000);
    std::fflush(stdout);
}

// First run and the median of the next ones, in milliseconds; `setup` runs
// before each one, untimed.
void measure(const char *what, const std::function<void()> &run, int repeats = 7,
             const std::function<void()> &setup = {})
{
    QElapsedTimer t;
    std::vector<double> times;
    for (int i = 0; i <= repeats; ++i) {
        if (setup)
            setup();
        t.restart();
        run();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    const double first = times.front();
    times.erase(times.begin());
    std::sort(times.begin(), times.end());
    std::printf("%-58s first %8.2f ms   median %8.2f ms\n", what, first, times[times.size() / 2]);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int cash = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const int commissions = argc > 2 ? std::atoi(argv[2]) : 1000000;
    const int movements = argc > 3 ? std::atoi(argv[3]) : 3000000;
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/vd.fdb");
    NewDatabase::create(file);
    Database db;
    db.open(file, Database::Engine::Embedded);

    db.execute(QStringLiteral(
        "insert into Produtos (PRO_Codigo, PRO_Descricao, PRO_Unid, PRO_Ativo, PRO_PF, PRO_FeitoHora, PRO_Quant, "
        "PRO_PCusto, PRO_PVenda, PRO_Margem, PRO_Min, PRO_EMax) "
        "with recursive d (x) as (select 1 from rdb$database union all select x + 1 from d where x < 1000) "
        "select lpad(x, 10, ' '), 'Produto ' || x, 'UN', 'S', 'S', 'N', 1000000, 2.5, 4, 60, 1, 100 from d"));
    db.execute(QStringLiteral(
        "insert into Entregadores (ENT_Codigo, ENT_Nome, ENT_Comissao) "
        "with recursive d (x) as (select 1 from rdb$database union all select x + 1 from d where x < 20) "
        "select lpad(x, 6, '0'), 'Entregador ' || x, 10 from d"));
    load(db, "cash entries", cash,
         QStringLiteral("insert into Caixa (CAI_CodInt, CAI_Data, CAI_DC, CAI_Desc, CAI_Valor, CAI_Doc)"),
         QStringLiteral("i + 1, dateadd(day, cast(i as bigint) * cast(:nDays as integer) / cast(:nRows as integer), cast(:dInicio as date)), "
                        "iif(mod(i, 3) = 0, 'D', 'C'), 'Pedido:' || lpad(i, 8, '0'), mod(i, 10000) / 100.00, "
                        "lpad(i, 8, '0')"));
    load(db, "commissions", commissions,
         QStringLiteral("insert into CCE (CCE_CodInt, CCE_CodEnt, CCE_Data, CCE_Valor, CCE_Op, CCE_Situ, CCE_Doc)"),
         QStringLiteral("i + 1, lpad(mod(i, 20) + 1, 6, '0'), dateadd(day, cast(i as bigint) * cast(:nDays as integer) / cast(:nRows as integer), cast(:dInicio as date)), "
                        "mod(i, 500) / 100.00, 'P', substring('APC' from mod(i, 3) + 1 for 1), lpad(i, 8, '0')"));
    load(db, "movements", movements,
         QStringLiteral("insert into Mov_Estq (MOV_CodInt, MOV_CodPro, MOV_Oper, MOV_Data, MOV_Quant, MOV_Valor, "
                        "MOV_Doc)"),
         QStringLiteral("i, lpad(mod(i, 1000) + 1, 10, ' '), iif(mod(i, 4) = 0, 'EE', 'SS'), "
                        "dateadd(day, cast(i as bigint) * cast(:nDays as integer) / cast(:nRows as integer), cast(:dInicio as date)), mod(i, 7) + 1, mod(i, 9000) / 100.00, "
                        "lpad(i, 8, '0')"));

    FixedClock clock(QDateTime(kStart.addDays(kDays - 1), QTime(10, 0)));
    YesMessages messages;
    Session session;
    session.confLogin = session.confPermissao = QStringLiteral("N");
    session.confLog = QStringLiteral("S");
    AppContext ctx{db, session, messages, clock};
    const QDate day = kStart.addDays(kDays / 2);
    const QDate monthStart(day.year(), day.month(), 1);
    const QDate monthEnd = monthStart.addMonths(1).addDays(-1);

    std::printf("\nwhat any statement costs on this machine\n");
    measure("one-row select in its own transaction", [&] {
        db.select(QStringLiteral("Select PRO_Quant From Produtos Where PRO_Codigo=:c"), {{"c", QStringLiteral("         1")}});
    });
    measure("one-row update and commit", [&] {
        db.execute(QStringLiteral("Update Produtos Set PRO_Min=PRO_Min Where PRO_Codigo=:c"),
                   {{"c", QStringLiteral("         1")}});
    });

    std::printf("\nqueries (a day and a month in the middle of the ten years)\n");
    measure("cash balance of a month", [&] { CashFlow::balance(ctx, monthStart, monthEnd, false); });
    measure("cash balance with the previous balance (ten years)",
            [&] { CashFlow::balance(ctx, monthStart, clock.today(), true); });
    CashFlow flow(ctx);
    measure("cash list of a day (first page and balance)", [&] {
        flow.dataInicial = flow.dataFinal = day;
        flow.filtrar();
    });
    std::printf("  %d rows on the first page\n", flow.rows().size());
    CommissionList commissionList(ctx);
    measure("commission list of a month (first page and totals)", [&] {
        commissionList.dataInicial = monthStart;
        commissionList.dataFinal = monthEnd;
        commissionList.filtrar();
    });
    std::printf("  %d rows on the first page, to pay %s\n", commissionList.rows().size(),
                qPrintable(commissionList.totalAPagarText()));
    measure("commission list of a month, one delivery person", [&] {
        commissionList.codEnt = QStringLiteral("000007");
        commissionList.filtrar();
        commissionList.codEnt.clear();
    });
    measure("commission list: the next page while scrolling", [&] { commissionList.rows().fetchMore(); }, 7,
            [&] { commissionList.filtrar(); });
    MovementMaintenanceLogic movementList(ctx);
    measure("movement list of a day (first page)", [&] {
        movementList.dataInicial = movementList.dataFinal = day;
        movementList.filtrar();
    });
    std::printf("  %d rows on the first page\n", movementList.rows().size());
    measure("movement list of a day, one product", [&] {
        movementList.code = QStringLiteral("7");
        movementList.filtrar();
        movementList.code.clear();
    });

    std::printf("\nsaves\n");
    StockEntryLogic entry(ctx);
    measure("stock entry (\"Gravar\")", [&] { entry.save(); }, 7, [&] {
        entry.code = QStringLiteral("7");
        entry.leaveCode();
        entry.quantity = QStringLiteral("3");
        entry.document = QStringLiteral("NF");
    });
    StockExitLogic exit(ctx);
    measure("stock exit (\"Gravar\")", [&] { exit.save(); }, 7, [&] {
        exit.code = QStringLiteral("8");
        exit.leaveCode();
        exit.quantity = QStringLiteral("2");
        exit.document = QStringLiteral("R");
    });
    MovementMaintenanceLogic todays(ctx);
    todays.show();
    measure("movement removed and reverted (\"Excluir e Reverter\")", [&] {
        todays.excluirEReverter(0);
    }, 5);
    CommissionList payList(ctx);
    payList.dataInicial = monthStart;
    payList.dataFinal = monthEnd;
    payList.aPagar = true;
    payList.pagas = payList.canceladas = false;
    payList.filtrar();
    measure("commission paid (with the list read again)", [&] { payList.pagar(0); });
    measure("commission cancelled (with the list read again)", [&] { payList.cancelar(0); });
    CashFlowEntry cashEntry(ctx);
    cashEntry.setModo(QStringLiteral("Inclui"));
    cashEntry.prepare();
    measure("cash entry by hand", [&] { cashEntry.gravar(); }, 7, [&] {
        cashEntry.valor = QStringLiteral("R$ 10,00");
        cashEntry.documento = QStringLiteral("X");
    });
    CashFlowEntry cashDelete(ctx);
    cashDelete.setModo(QStringLiteral("Exclui"));
    std::int64_t next = 1;
    measure("cash entry deleted", [&] { cashDelete.excluir(); }, 7, [&] {
        cashDelete.setSelectedCode(next++);
        cashDelete.prepare();
    });
    return 0;
}

// Measures what the operator waits for: creating the main window at start-up,
// creating the register windows on the first menu choice, and showing the
// customer list over a large table.
//   QT_QPA_PLATFORM=offscreen velmora-bench-window-opening [customers]   (default 20000)
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/Session.h"
#include "core/ui/TfPrincipal.h"
#include "db/NewDatabase.h"
#include "registers/ui/RegisterWindows.h"
#include "registers/ui/TfManut_Cli.h"
#include "registers/ui/TfDadosCli.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

class SilentMessages final : public MessageService {
public:
    void message(const QString &) override {}
    void information(const QString &) override {}
    void warning(const QString &) override {}
    void error(const QString &) override {}
    bool confirm(const QString &) override { return false; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
};

double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int customers = argc > 1 ? std::atoi(argv[1]) : 20000;
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/vd.fdb");
    NewDatabase::create(file);
    Database db;
    db.open(file, Database::Engine::Embedded);
    db.execute(QStringLiteral(
                   "insert into Clientes (CLI_Codigo, CLI_Nome, CLI_Ender, CLI_Cid, CLI_UF, CLI_Fone) "
                   "with recursive d (x) as (select 0 from rdb$database union all select x + 1 from d where x < 999) "
                   "select lpad(a.x * 1000 + b.x + 1, 10, '0'), 'Cliente ' || (a.x * 1000 + b.x + 1), "
                   "'Rua das Flores, ' || b.x, 'Campinas', 'SP', '3232-' || lpad(b.x, 4, '0') "
                   "from d a cross join d b where a.x * 1000 + b.x < :n"),
               {{"n", customers}});

    SystemClock clock;
    SilentMessages messages;
    Session session;
    AppContext ctx{db, session, messages, clock};

    QElapsedTimer t;
    t.start();
    TfPrincipal principal(ctx);
    std::printf("main window created:            %8.1f ms\n", msSince(t));

    t.restart();
    RegisterWindows registers(ctx, &principal);
    std::printf("register windows created:       %8.1f ms\n", msSince(t));

    // The list runs modally; it is closed as soon as it has been shown.
    auto *list = &registers.customerList();
    double shown = 0;
    QTimer::singleShot(0, list, [&] {
        shown = msSince(t);
        list->reject();
    });
    t.restart();
    registers.openCustomers();
    std::printf("customer list shown, %6d rows: %8.1f ms\n", customers, shown);
    return 0;
}

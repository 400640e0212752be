// Measures the audit-log query of one day over a log of ten years (about five
// lines per order: 5,000,000 lines), for all users and for one, and the
// permission check the gate runs before every gated menu item and button.
//   velmora-bench-security [lines]   (default 5000000)
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"
#include "core/Session.h"
#include "db/NewDatabase.h"
#include "security/ConsultaLogLogic.h"
#include "security/ModuleCodes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <functional>

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

constexpr int kUsers = 20;

double timeEach(int repeats, const std::function<void()> &run)
{
    run(); // warm the cache
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < repeats; ++i)
        run();
    return double(t.nsecsElapsed()) / 1e6 / repeats;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 5000000;
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/vd.fdb");
    NewDatabase::create(file);
    Database db;
    db.open(file, Database::Engine::Embedded);
    Session session;
    session.confLogin = session.confPermissao = QStringLiteral("S");
    session.codUsuario = QStringLiteral("000007");
    SilentMessages messages;
    SystemClock clock;
    AppContext ctx{db, session, messages, clock};

    for (int u = 1; u <= kUsers; ++u) {
        const QString code = QStringLiteral("%1").arg(u, 6, 10, QLatin1Char('0'));
        db.execute(QStringLiteral("Insert Into Usuarios (USU_Codigo, USU_Nome, USU_Login, USU_Senha, USU_Ativo) "
                                  "Values (:c, :c, :c, 'x', 'A')"),
                   {{"c", code}});
        Transaction tx(db);
        for (const ModuleCode &m : ModuleCodes::table())
            db.execute(tx,
                       QStringLiteral("Insert Into Permissoes (PER_CodMod, PER_Descricao, PER_CodUser, PER_Ativo) "
                                      "Values (:m, :d, :c, 'S')"),
                       {{"m", ModuleCodes::storedCode(m.code)}, {"d", ModuleCodes::storedDescription(m.description)},
                        {"c", code}});
        tx.commit();
    }

    // Ten years of days, the lines of a day spread over its hours, the users in turn.
    const int perDay = std::max(1, lines / 3650);
    QElapsedTimer load;
    load.start();
    // In slices of 40,000 lines: Firebird's recursion stops at 1,024 levels.
    for (int base = 0; base < lines; base += 40000)
        db.execute(QStringLiteral(
                       "insert into Log (LOG_CodUser, LOG_Descricao, LOG_Data, LOG_Hora) "
                       "with recursive d (x) as (select 0 from rdb$database union all select x + 1 from d where x < 199), "
                       "p (users, perDay, base, n) as (select cast(:users as integer), cast(:perDay as integer), "
                       "  cast(:base as integer), cast(:n as integer) from rdb$database), "
                       "k (i) as (select p.base + a.x * 200 + b.x from d a cross join d b cross join p) "
                       "select lpad(mod(i, p.users) + 1, 6, '0'), 'Novo Pedido:' || lpad(i, 8, '0'), "
                       "dateadd(day, i / p.perDay, date '2017-01-01'), "
                       "dateadd(second, mod(i, p.perDay) * 86399 / p.perDay, time '00:00:00') "
                       "from k cross join p where i < p.n"),
                   {{"users", kUsers}, {"perDay", perDay}, {"base", base}, {"n", lines}});
    std::printf("loaded %d log lines (%d a day) in %.1f s\n", lines, perDay, double(load.elapsed()) / 1000);

    ConsultaLogLogic consulta(ctx);
    const QDate day = QDate(2017, 1, 1).addDays(lines / perDay / 2);
    int rowsAll = 0;
    int rowsOne = 0;
    const double all = timeEach(20, [&] {
        consulta.filtrar(QString(), day, day);
        rowsAll = consulta.rows().size();
    });
    const double one = timeEach(20, [&] {
        consulta.filtrar(QStringLiteral("000007"), day, day);
        rowsOne = consulta.rows().size();
    });
    std::printf("audit log of one day, all users (%d lines): %.2f ms (goal 50 ms)\n", rowsAll, all);
    std::printf("audit log of one day, one user (%d lines):  %.2f ms (goal 50 ms)\n", rowsOne, one);

    // For comparison: what any statement costs in its own read-write transaction.
    const double empty = timeEach(2000, [&] { db.select(QStringLiteral("Select 1 From rdb$database")); });
    std::printf("an empty statement in its own read-write transaction: %.3f ms\n", empty);

    bool allowed = false;
    const double gate = timeEach(2000, [&] { allowed = Funcoes::permissionGate(ctx, Modulo::PedidosFechado); });
    std::printf("permission gate check (%s): %.3f ms (goal 1 ms)\n", allowed ? "allowed" : "denied", gate);
    return 0;
}

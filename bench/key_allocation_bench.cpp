// Measures the cost of allocating the next order code (MAX(PED_CODIGO)) on a
// large table, with the descending allocation index and without it.
//   velmora-bench [rows]   (default 200000)
#include "core/Database.h"
#include "core/KeyAllocator.h"
#include "db/NewDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

double timeNextCode(Database &db, int repeats)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < repeats; ++i)
        KeyAllocator::nextCode(db, QStringLiteral("Select MAX(PED_Codigo) as Cod From Pedidos"), 8);
    return double(t.nsecsElapsed()) / 1e6 / repeats;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 200000;
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/vd.fdb");
    NewDatabase::create(file);
    Database db;
    db.open(file, Database::Engine::Embedded);

    QElapsedTimer load;
    load.start();
    db.execute(QStringLiteral(
                   "insert into Pedidos (PED_Codigo, PED_Situ, PED_Total) "
                   "with recursive d (x) as (select 0 from rdb$database union all select x + 1 from d where x < 999) "
                   "select lpad(a.x * 1000 + b.x + 1, 8, '0'), 'F', 0 from d a cross join d b "
                   "where a.x * 1000 + b.x < :n"),
               {{"n", rows}});
    std::printf("loaded %d orders in %.1f s\n", rows, double(load.elapsed()) / 1000);

    std::printf("next order code, descending index:   %.3f ms\n", timeNextCode(db, 20));
    db.execute(QStringLiteral("alter index IDX_PEDIDOS_CODIGO_DESC inactive"));
    std::printf("next order code, ascending indexes:  %.3f ms\n", timeNextCode(db, 5));
    db.execute(QStringLiteral("alter index IDX_PEDIDOS_CODIGO_DESC active"));
    return 0;
}

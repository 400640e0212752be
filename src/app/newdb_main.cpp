#include "core/DbError.h"
#include "db/NewDatabase.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    auto content = NewDatabase::Content::Empty;
    if (args.contains(QStringLiteral("--demo"))) {
        content = NewDatabase::Content::WithDemoData;
        args.removeAll(QStringLiteral("--demo"));
    }
    QTextStream err(stderr);
    if (args.size() != 1) {
        err << "uso: velmora-newdb [--demo] ARQUIVO.fdb\n";
        return 2;
    }
    try {
        NewDatabase::create(args.first(), content);
    } catch (const DbError &e) {
        err << "velmora-newdb: " << e.message() << '\n';
        return 1;
    }
    return 0;
}

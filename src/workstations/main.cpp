#include "core/Database.h"
#include "core/DbError.h"
#include "workstations/Invariants.h"
#include "workstations/Shop.h"
#include "workstations/Station.h"
#include "workstations/CountingMessages.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <memory>
#include <vector>

// velmora-workstations DATABASE --stations N --orders M [--seed S]
//
// Fills an empty database with a shop, lets N workstations (processes of
// this program, each with its own connection) take M orders each at once,
// and checks afterwards that nothing was lost or booked twice.
namespace {

struct Arguments {
    QString database;
    int stations = 2;
    int orders = 50;
    quint32 seed = 1;
    int worker = 0; // a worker process: its station number
};

bool parse(const QStringList &args, Arguments &a)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        auto next = [&](int &out) {
            bool ok = false;
            out = i + 1 < args.size() ? args.at(++i).toInt(&ok) : 0;
            return ok && out >= 0;
        };
        int n = 0;
        if (arg == u"--stations") {
            if (!next(a.stations) || a.stations < 1)
                return false;
        } else if (arg == u"--orders") {
            if (!next(a.orders))
                return false;
        } else if (arg == u"--seed") {
            if (!next(n))
                return false;
            a.seed = quint32(n);
        } else if (arg == u"--worker") {
            if (!next(a.worker) || a.worker < 1)
                return false;
        } else if (a.database.isEmpty() && !arg.startsWith(u"--")) {
            a.database = arg;
        } else {
            return false;
        }
    }
    return !a.database.isEmpty();
}

QString line(QString text) { return text.replace(u'\t', u' ').replace(u'\n', u' '); }

int runWorker(const Arguments &a)
{
    const QMap<QString, int> counts =
        Station::run({.database = a.database, .number = a.worker, .stations = a.stations, .orders = a.orders, .seed = a.seed});
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    for (auto it = counts.begin(); it != counts.end(); ++it)
        out << line(it.key()) << '\t' << it.value() << '\n';
    return 0;
}

int runCoordinator(const Arguments &a)
{
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    Database db;
    db.open(a.database);
    {
        Session session;
        session.confLog = QStringLiteral("S");
        session.confLogin = session.confPermissao = QStringLiteral("N");
        CountingMessages messages;
        SystemClock clock;
        AppContext ctx{db, session, messages, clock};
        Shop shop;
        QString failure;
        if (!Shop::fill(ctx, shop, failure)) {
            out << "cadastros: " << failure << " (" << messages.last() << ")\n";
            return 1;
        }
        out << "cadastros: " << shop.telephones.size() << " clientes, " << shop.deliveryPersons.size()
            << " entregadores, " << shop.regions.size() << " regiões, " << shop.products.size() << " produtos ("
            << shop.stockedProducts.size() << " com estoque)\n";
    }

    QElapsedTimer timer;
    timer.start();
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int s = 1; s <= a.stations; ++s) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(),
                 {a.database, QStringLiteral("--worker"), QString::number(s), QStringLiteral("--stations"),
                  QString::number(a.stations), QStringLiteral("--orders"), QString::number(a.orders),
                  QStringLiteral("--seed"), QString::number(a.seed)});
        workers.push_back(std::move(p));
    }
    QMap<QString, int> total;
    int silent = 0;
    int workersFailed = 0;
    for (int s = 1; s <= a.stations; ++s) {
        QProcess &p = *workers[s - 1];
        p.waitForFinished(-1);
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            ++workersFailed;
        out << "estação " << s << ":\n";
        const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        for (const QString &l : lines) {
            const QString key = l.section(u'\t', 0, 0);
            const int n = l.section(u'\t', 1, 1).toInt();
            total[key] += n;
            if (key.startsWith(u"falha silenciosa") || key.startsWith(u"falha: estação parou"))
                silent += n;
            out << "  " << n << '\t' << key << '\n';
        }
    }
    const double seconds = double(timer.elapsed()) / 1000.0;
    const int taken = total.value(QStringLiteral("pedido: feito"));
    out << "total:\n";
    for (auto it = total.begin(); it != total.end(); ++it)
        out << "  " << it.value() << '\t' << it.key() << '\n';
    out << QStringLiteral("%1 pedidos em %2 s: %3 pedidos/s\n")
               .arg(taken).arg(seconds, 0, 'f', 1).arg(seconds > 0 ? taken / seconds : 0.0, 0, 'f', 1);

    std::vector<Invariants::Result> results = Invariants::check(db);
    results.push_back({QStringLiteral("nenhuma falha sem mensagem, toda estação até o fim"),
                       silent == 0 && workersFailed == 0,
                       QStringLiteral("%1 falhas silenciosas, %2 estações com erro").arg(silent).arg(workersFailed)});
    results.push_back({QStringLiteral("todos os pedidos tomados"), taken == a.stations * a.orders,
                       QStringLiteral("%1 de %2").arg(taken).arg(a.stations * a.orders)});
    int passed = 0, failed = 0;
    for (const Invariants::Result &r : results) {
        (r.passed ? passed : failed)++;
        out << (r.passed ? "[ok]     " : "[falhou] ") << r.name;
        if (!r.passed && !r.detail.isEmpty())
            out << " -- " << r.detail;
        out << '\n';
    }
    out << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Arguments a;
    if (!parse(app.arguments().mid(1), a)) {
        QTextStream(stderr) << "uso: velmora-workstations BANCO --stations N --orders M [--seed S]\n";
        return 2;
    }
    try {
        return a.worker ? runWorker(a) : runCoordinator(a);
    } catch (const DbError &e) {
        QTextStream(stderr) << "velmora-workstations: " << e.message() << '\n';
        return 1;
    }
}

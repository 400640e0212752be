// Order taking on a small shop (1,000 orders) and on ten years of a busy one
// (1,000,000 orders, see TenYearShop.h): the time of each operation as the
// order windows run it, and how much it grows.
//   velmora-bench-orders [--tsv] [--orders N] [--small N] [--repeat R]
// The shops are generated on first use into the cache folder and reused;
// what the benchmark writes into them is removed at the end.
#include "TenYearShop.h"

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/Session.h"
#include "orders/DeliveryLogic.h"
#include "orders/OrderEntryLogic.h"
#include "orders/OrderItemLogic.h"
#include "stock/StockService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <memory>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

// Answers No to every question; any other box is a fault of the run.
class BenchMessages final : public MessageService {
public:
    void message(const QString &t) override { unexpected(t); }
    void information(const QString &t) override { unexpected(t); }
    void warning(const QString &t) override { unexpected(t); }
    void error(const QString &t) override { unexpected(t); }
    bool confirm(const QString &) override { return false; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }

private:
    static void unexpected(const QString &t) { std::fprintf(stderr, "unexpected message: %s\n", qPrintable(t)); }
};

struct Operation {
    const char *name;
    // One repetition: untimed set-up, then the timed part.
    std::function<void(int rep, QElapsedTimer &timer, qint64 &elapsed)> run;
};

class Shop {
public:
    Shop(const QString &file, const TenYearShop::Size &size) : m_size(size)
    {
        m_db.open(file, Database::Engine::Embedded);
        m_session.confLogin = m_session.confPermissao = m_session.confLog = QStringLiteral("N");
        m_maxOrder = m_db.select(QStringLiteral("Select MAX(PED_Codigo) From Pedidos")).value(0, 0).toString();
        m_maxMovement = m_db.select(QStringLiteral("Select MAX(MOV_CodInt) From MOV_ESTQ")).value(0, 0).toInt();
    }
    ~Shop() { cleanUp(); }

    AppContext &ctx() { return m_ctx; }
    QString productOf(int rep) const { return QString::number((rep * 7) % m_size.products + 1); }
    QString telephoneOf(int rep) const { return TenYearShop::telephone3((rep * 7919) % m_size.customers + 1); }

    void item(OrderEntryLogic &order, int rep)
    {
        OrderItemLogic item(order);
        const QString code = productOf(rep);
        item.leaveCode(code);
        item.save(code, QStringLiteral("2"), QStringLiteral("R$ 7,50"), {});
    }
    void delivery(OrderEntryLogic &order)
    {
        DeliveryLogic d(m_ctx);
        d.openFromOrderEntry(order);
        d.leaveRegion(QStringLiteral("3"));
        d.leaveQuantity(QStringLiteral("1"));
        d.leavePaid(QStringLiteral("100,00"));
        d.leaveDeliveryPerson(QStringLiteral("2"));
        d.save();
    }

private:
    // What the benchmark wrote goes, and the stock it took comes back.
    void cleanUp()
    {
        Transaction tx(m_db);
        const ResultSet sold = m_db.select(tx, QStringLiteral(
            "Select MOV_CodPro, SUM(MOV_Quant) From MOV_ESTQ Where MOV_CodInt > :n Group By MOV_CodPro"),
            {{"n", m_maxMovement}});
        for (int i = 0; i < sold.size(); ++i)
            StockService::changeStockIfStocked(tx, sold.value(i, 0).toString(), sold.value(i, 1).toDecimal());
        m_db.execute(tx, QStringLiteral("Delete From MOV_ESTQ Where MOV_CodInt > :n"), {{"n", m_maxMovement}});
        m_db.execute(tx, QStringLiteral("Delete From IPedidos Where IPD_CodPed > :c"), {{"c", m_maxOrder}});
        m_db.execute(tx, QStringLiteral("Delete From Pedidos Where PED_Codigo > :c"), {{"c", m_maxOrder}});
        tx.commit();
    }

    TenYearShop::Size m_size;
    Database m_db;
    Session m_session;
    BenchMessages m_messages;
    SystemClock m_clock;
    AppContext m_ctx{m_db, m_session, m_messages, m_clock};
    QString m_maxOrder;
    std::int64_t m_maxMovement = 0;
};

std::vector<Operation> operations(Shop &shop)
{
    auto fresh = [&shop] {
        auto order = std::make_unique<OrderEntryLogic>(shop.ctx());
        order->open(OrderMode::Inclui);
        return order;
    };
    // Each operation keeps its own copy of `fresh`: it outlives this function.
    return {
        {"next order number + provisional row",
         [&shop](int, QElapsedTimer &t, qint64 &e) {
             OrderEntryLogic order(shop.ctx());
             t.start();
             order.open(OrderMode::Inclui);
             e = t.nsecsElapsed();
         }},
        {"telephone lookup (found)",
         [&shop, fresh](int rep, QElapsedTimer &t, qint64 &e) {
             auto order = fresh();
             t.start();
             order->leaveTelephone(shop.telephoneOf(rep));
             e = t.nsecsElapsed();
         }},
        {"telephone lookup (not found)",
         [&shop, fresh](int rep, QElapsedTimer &t, qint64 &e) {
             auto order = fresh();
             t.start();
             order->leaveTelephone(QStringLiteral("0") + QString::number(rep));
             e = t.nsecsElapsed();
         }},
        {"one item saved",
         [&shop, fresh](int rep, QElapsedTimer &t, qint64 &e) {
             auto order = fresh();
             t.start();
             shop.item(*order, rep);
             e = t.nsecsElapsed();
         }},
        {"delivery data saved",
         [&shop, fresh](int rep, QElapsedTimer &t, qint64 &e) {
             auto order = fresh();
             order->leaveTelephone(shop.telephoneOf(rep));
             shop.item(*order, rep);
             t.start();
             shop.delivery(*order);
             e = t.nsecsElapsed();
         }},
        {"Finalizar",
         [&shop, fresh](int rep, QElapsedTimer &t, qint64 &e) {
             auto order = fresh();
             order->leaveTelephone(shop.telephoneOf(rep));
             shop.item(*order, rep);
             t.start();
             order->finish();
             e = t.nsecsElapsed();
         }},
        {"whole order (number, lookup, 3 items, delivery, finish)",
         [&shop](int rep, QElapsedTimer &t, qint64 &e) {
             t.start();
             OrderEntryLogic order(shop.ctx());
             order.open(OrderMode::Inclui);
             order.leaveTelephone(shop.telephoneOf(rep));
             for (int i = 0; i < 3; ++i)
                 shop.item(order, rep * 3 + i);
             shop.delivery(order);
             order.finish();
             e = t.nsecsElapsed();
         }},
    };
}

// Median milliseconds of each operation, after one warm-up repetition.
std::vector<double> measure(const QString &file, const TenYearShop::Size &size, int repeat)
{
    Shop shop(file, size);
    std::vector<double> result;
    for (const Operation &op : operations(shop)) {
        std::vector<double> times;
        for (int rep = 0; rep <= repeat; ++rep) {
            QElapsedTimer timer;
            qint64 elapsed = 0;
            op.run(rep + 1, timer, elapsed);
            if (rep > 0)
                times.push_back(double(elapsed) / 1e6);
        }
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        result.push_back(times[times.size() / 2]);
    }
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bool tsv = false;
    int big = 1000000, small = 1000, repeat = 25;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == u"--tsv")
            tsv = true;
        else if (args[i] == u"--orders" && i + 1 < args.size())
            big = args[++i].toInt();
        else if (args[i] == u"--small" && i + 1 < args.size())
            small = args[++i].toInt();
        else if (args[i] == u"--repeat" && i + 1 < args.size())
            repeat = std::max(1, args[++i].toInt());
        else {
            std::fprintf(stderr, "usage: %s [--tsv] [--orders N] [--small N] [--repeat R]\n", argv[0]);
            return 2;
        }
    }
    const QString smallFile = TenYearShop::ensure(small);
    const QString bigFile = TenYearShop::ensure(big);

    const std::vector<double> a = measure(smallFile, TenYearShop::sizeFor(small), repeat);
    const std::vector<double> b = measure(bigFile, TenYearShop::sizeFor(big), repeat);
    Shop names(smallFile, TenYearShop::sizeFor(small));
    const std::vector<Operation> ops = operations(names);

    if (!tsv)
        std::printf("%-58s %10s %12s %7s\n", "operation", "ms small", "ms ten years", "ratio");
    for (size_t i = 0; i < ops.size(); ++i) {
        const double ratio = a[i] > 0 ? b[i] / a[i] : 0;
        if (tsv)
            std::printf("%s\t%.2f\t%.2f\t%.2f\n", ops[i].name, a[i], b[i], ratio);
        else
            std::printf("%-58s %10.2f %12.2f %7.2f\n", ops[i].name, a[i], b[i], ratio);
    }
    return 0;
}

// Order taking on a small shop (1,000 orders) and on ten years of a busy one
// (1,000,000 orders, see TenYearShop.h): the time of each operation as the
// order windows run it, and how much it grows.
//   velmora-bench-orders [--tsv] [--orders N] [--small N] [--repeat R]
// The shops are generated on first use into the cache folder and reused;
// what the benchmark writes into them is removed at the end. Each figure is
// the median of R turns (default 60) after 5 warm-up turns.
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

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

double once(const Operation &op, int rep)
{
    QElapsedTimer timer;
    qint64 elapsed = 0;
    op.run(rep, timer, elapsed);
    return double(elapsed) / 1e6;
}

struct Figures {
    const char *name;
    double small;
    double large;
};

// Median milliseconds of each operation on both shops. The two are measured
// in turns, so that whatever else the machine does weighs on both alike, after
// a few warm-up turns that bring the pages the operation reads into memory.
std::vector<Figures> measure(Shop &small, Shop &large, int repeat)
{
    const std::vector<Operation> a = operations(small), b = operations(large);
    std::vector<Figures> result;
    for (size_t i = 0; i < a.size(); ++i) {
        std::vector<double> ta, tb;
        for (int rep = 1; rep <= repeat + 5; ++rep) {
            const double x = once(a[i], rep), y = once(b[i], rep);
            if (rep > 5) {
                ta.push_back(x);
                tb.push_back(y);
            }
        }
        result.push_back({a[i].name, median(ta), median(tb)});
    }
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bool tsv = false;
    int big = 1000000, small = 1000, repeat = 60;
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

    Shop smallShop(smallFile, TenYearShop::sizeFor(small));
    Shop largeShop(bigFile, TenYearShop::sizeFor(big));
    const std::vector<Figures> figures = measure(smallShop, largeShop, repeat);

    if (!tsv)
        std::printf("%-58s %10s %12s %7s\n", "operation", "ms small", "ms ten years", "ratio");
    for (const Figures &f : figures) {
        const double ratio = f.small > 0 ? f.large / f.small : 0;
        if (tsv)
            std::printf("%s\t%.2f\t%.2f\t%.2f\n", f.name, f.small, f.large, ratio);
        else
            std::printf("%-58s %10.2f %12.2f %7.2f\n", f.name, f.small, f.large, ratio);
    }
    return 0;
}

#include "core/Funcoes.h"
#include "orders/OrderListLogic.h"
#include "orders/OrderStatusLogic.h"
#include "support/TestEnvironment.h"

#include "OrderFixtures.h"

#include <QMutex>
#include <latch>
#include <thread>

// Two workstations on one order, through the real Firebird server
// (scripts/with-firebird-server.sh sets VELMORA_TEST_SERVER).
using namespace OrderFixtures;
using OrderStatus::Move;
using Outcome = OrderStatusLogic::Outcome;

namespace {

const QString kCodigo = QStringLiteral("00000001");

// Both workstations reach the moment before their transaction together: the
// confirmation and the delivery window wait for the other one.
class RaceMessages final : public MessageService {
public:
    explicit RaceMessages(std::latch &ready) : m_ready(ready) {}
    void message(const QString &t) override { record(t); }
    void information(const QString &t) override { record(t); }
    void warning(const QString &t) override { record(t); }
    void error(const QString &t) override { record(t); }
    bool confirm(const QString &) override
    {
        m_ready.arrive_and_wait();
        return true;
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QStringList shown;

private:
    void record(const QString &t) { shown << t; }
    std::latch &m_ready;
};

struct Workstation {
    Workstation(const QString &path, std::latch &ready) : messages(ready), ready(ready)
    {
        db.open(path);
        session.confLog = QStringLiteral("S");
        session.confLogin = session.confPermissao = QStringLiteral("N");
    }
    ~Workstation() { db.close(); }

    Outcome press(Move move)
    {
        OrderListLogic list(ctx);
        list.show(OrderListLogic::allStatuses());
        if (OrderStatus::rule(move).deliveryMode.isEmpty() && move != Move::Cancelar)
            ready.arrive_and_wait(); // a move with neither window nor question
        OrderStatusLogic logic(ctx, list, [this](const QString &, const QString &) {
            ready.arrive_and_wait();
            return true;
        });
        return logic.run(move, kCodigo);
    }

    Database db;
    Session session;
    RaceMessages messages;
    FixedClock clock{QDateTime(QDate(2026, 12, 1), QTime(21, 0))};
    AppContext ctx{db, session, messages, clock};
    std::latch &ready;
};

class OrderStatusServerTest : public WorkDirTest {
protected:
    void SetUp() override
    {
        m_server = qEnvironmentVariable("VELMORA_TEST_SERVER");
        if (m_server.isEmpty())
            GTEST_SKIP() << "VELMORA_TEST_SERVER is not set; run through scripts/with-firebird-server.sh";
        WorkDirTest::SetUp();
        copyFreshDatabase(workDir());
        db.open(remotePath());
        registers(db);
    }
    void TearDown() override
    {
        if (!m_server.isEmpty()) {
            db.close();
            WorkDirTest::TearDown();
        }
    }
    QString remotePath() const { return m_server + u':' + workDir() + QStringLiteral("/vd.fdb"); }

    // Both workstations press their button on the same order at once.
    std::pair<Outcome, Outcome> race(Move first, Move second, QStringList &shown)
    {
        std::latch ready(2);
        Workstation a(remotePath(), ready);
        Workstation b(remotePath(), ready);
        Outcome ra{}, rb{};
        std::thread ta([&] { ra = a.press(first); });
        std::thread tb([&] { rb = b.press(second); });
        ta.join();
        tb.join();
        shown = a.messages.shown + b.messages.shown;
        return {ra, rb};
    }

    int rows(const QString &sql) { return count(db, sql); }

    QString m_server;
    Database db;
};

Order outForDelivery()
{
    return {.codigo = kCodigo, .situ = QStringLiteral("S"), .total = dec("41.00"), .codEnt = QStringLiteral("000001"),
            .codReg = QStringLiteral("000001"), .vent = dec("5.00"), .qent = dec("1"), .dataS = QDate(2026, 12, 1),
            .dataT = QDate(2026, 12, 1)};
}

TEST_F(OrderStatusServerTest, ClosingTheSameOrderAtOnceBooksOnce)
{
    order(db, outForDelivery());
    QStringList shown;
    const auto [a, b] = race(Move::Fechado, Move::Fechado, shown);

    EXPECT_EQ(int(a == Outcome::Done) + int(b == Outcome::Done), 1);
    EXPECT_EQ(int(a == Outcome::Refused) + int(b == Outcome::Refused), 1);
    EXPECT_TRUE(shown.contains(QStringLiteral("Pedido já foi Fechado"))) << shown.join(u'|').toStdString();
    EXPECT_EQ(status(db, kCodigo), QStringLiteral("F"));
    EXPECT_EQ(rows(QStringLiteral("Select Count(*) From Caixa")), 1);
    EXPECT_EQ(rows(QStringLiteral("Select Count(*) From CCE")), 1);
    EXPECT_EQ(rows(QStringLiteral("Select Count(*) From Log")), 1);
}

TEST_F(OrderStatusServerTest, CancellingAtOnceGivesTheStockBackOnce)
{
    order(db, {.codigo = kCodigo, .situ = QStringLiteral("F")});
    item(db, kCodigo, 1, QStringLiteral("        10"), "2", 1);
    QStringList shown;
    const auto [a, b] = race(Move::Cancelar, Move::Cancelar, shown);

    EXPECT_EQ(int(a == Outcome::Done) + int(b == Outcome::Done), 1);
    EXPECT_TRUE(shown.contains(QStringLiteral("Pedido não Pode ser Cancelado, pois já foi cancelado !")))
        << shown.join(u'|').toStdString();
    EXPECT_EQ(stock(db, QStringLiteral("        10")), dec("52"));
    EXPECT_EQ(rows(QStringLiteral("Select Count(*) From Caixa Where CAI_DC='D'")), 1);
    EXPECT_EQ(rows(QStringLiteral("Select Count(*) From MOV_ESTQ")), 0);
}

// Whichever commits first, the order ends in a status its ledger agrees with.
TEST_F(OrderStatusServerTest, ClosingWhileAnotherReopens)
{
    order(db, outForDelivery());
    QStringList shown;
    const auto [closing, reopening] = race(Move::Fechado, Move::Aberto, shown);

    const QString now = status(db, kCodigo);
    const int credits = rows(QStringLiteral("Select Count(*) From Caixa"));
    if (reopening == Outcome::Done) {
        // reopened first; the closing then moved the open order to closed
        EXPECT_EQ(closing, Outcome::Done);
        EXPECT_EQ(now, QStringLiteral("F"));
    } else {
        EXPECT_EQ(closing, Outcome::Done);
        EXPECT_TRUE(shown.contains(QStringLiteral("Pedido Fechado, não pode ser colocado em Aberto")));
        EXPECT_EQ(now, QStringLiteral("F"));
    }
    EXPECT_EQ(credits, 1);
    EXPECT_EQ(rows(QStringLiteral("Select Count(*) From CCE")), 1);
}

} // namespace

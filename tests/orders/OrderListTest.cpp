#include "orders/OrderListLogic.h"
#include "support/TestEnvironment.h"

#include "OrderFixtures.h"

using namespace OrderFixtures;

namespace {

class OrderListTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        registers(db);
        clock.set(QDateTime(QDate(2026, 12, 10), QTime(12, 0)));
        order(db, {.codigo = QStringLiteral("00000001"), .data = QDate(2026, 12, 10), .hora = QTime(10, 0)});
        order(db, {.codigo = QStringLiteral("00000002"), .data = QDate(2026, 12, 10), .hora = QTime(11, 30),
                   .codCli = QStringLiteral("0000000002"), .codEnt = QStringLiteral("000001"),
                   .codReg = QStringLiteral("000001"), .vent = dec("3.30"), .qent = dec("2")});
        order(db, {.codigo = QStringLiteral("00000003"), .situ = QStringLiteral("C"), .data = QDate(2026, 12, 9)});
        order(db, {.codigo = QStringLiteral("00000015"), .situ = QStringLiteral("F"), .data = QDate(2025, 1, 5)});
        // an order still being typed: no date
        db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Total) Values ('00000016', 'F', 0)"));
    }

    QStringList codes()
    {
        QStringList list;
        for (int i = 0; i < logic.size(); ++i)
            list << logic.codeAt(i);
        return list;
    }

    OrderListLogic logic{ctx};
};

TEST_F(OrderListTest, DateAscendingAndLatestFirstWithinADay)
{
    logic.show(OrderListLogic::allStatuses());
    EXPECT_EQ(codes(), (QStringList{"00000002", "00000001"})); // today only
    logic.setPeriod(QDate(2026, 12, 1), QDate(2026, 12, 10));
    EXPECT_EQ(codes(), (QStringList{"00000003", "00000002", "00000001"}));
    logic.chooseOrdering(OrderListLogic::Ordering::Situacao);
    EXPECT_EQ(codes().last(), QStringLiteral("00000003")); // "A" before "C"
    logic.chooseOrdering(OrderListLogic::Ordering::Cliente);
    EXPECT_EQ(codes().last(), QStringLiteral("00000002")); // Bruno after Ana
    // a period reaching far back still never lists the order being typed
    logic.setPeriod(QDate(1900, 1, 1), QDate(2100, 1, 1));
    EXPECT_FALSE(codes().contains(QStringLiteral("00000016")));
}

TEST_F(OrderListTest, RowsCarryTheJoinedNamesAndTheDeliveryValue)
{
    logic.show(OrderListLogic::allStatuses());
    EXPECT_EQ(logic.value(0, QStringLiteral("CLI_NOME")).toString(), QStringLiteral("Bruno Lima"));
    EXPECT_EQ(logic.value(0, QStringLiteral("ENT_NOME")).toString(), QStringLiteral("Diego"));
    EXPECT_EQ(logic.value(0, QStringLiteral("REG_DESC")).toString(), QStringLiteral("Centro"));
    EXPECT_EQ(logic.value(0, QStringLiteral("PED_VALORENTREGA")).toDecimal(), dec("6.60"));
    // no delivery person or region yet: listed with empty names
    EXPECT_TRUE(logic.value(1, QStringLiteral("ENT_NOME")).isNull());
    EXPECT_TRUE(logic.value(1, QStringLiteral("REG_DESC")).isNull());
}

TEST_F(OrderListTest, StatusFilterRunsWhenApplied)
{
    logic.show(OrderListLogic::allStatuses());
    logic.setPeriod(QDate(2026, 12, 1), QDate(2026, 12, 10));
    logic.setStatuses({QStringLiteral("C")});
    EXPECT_EQ(codes(), QStringList{"00000003"});
    logic.setStatuses({});
    EXPECT_EQ(logic.size(), 0);
    EXPECT_EQ(logic.current(), -1);
    EXPECT_TRUE(logic.currentCode().isEmpty());
}

TEST_F(OrderListTest, SearchMovesTheSelection)
{
    logic.show(OrderListLogic::allStatuses());
    logic.setPeriod(QDate(2026, 12, 1), QDate(2026, 12, 10));
    struct Case { OrderListLogic::SearchKind kind; const char *text; const char *found; };
    const Case cases[] = {
        {OrderListLogic::SearchKind::NomeCliente, "Bru", "00000002"},
        {OrderListLogic::SearchKind::NomeCliente, "Ana", "00000003"}, // first of Ana's orders in the list
        {OrderListLogic::SearchKind::NomeCliente, "bru", nullptr},     // case-sensitive
        {OrderListLogic::SearchKind::TelefoneCliente, "3232-2", "00000002"},
        {OrderListLogic::SearchKind::TelefoneCliente, "9999", nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        logic.setCurrent(1);
        QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(logic.search(c.kind, text), c.found != nullptr);
        EXPECT_EQ(logic.currentCode(), QString::fromLatin1(c.found ? c.found : "00000002"));
    }
}

TEST_F(OrderListTest, CodeSearchFindsAnOrderOfAnyDate)
{
    logic.show(OrderListLogic::allStatuses());
    QString text = QStringLiteral(" 1 ");
    EXPECT_TRUE(logic.search(OrderListLogic::SearchKind::CodigoPedido, text));
    EXPECT_EQ(text, QStringLiteral("00000001"));
    EXPECT_EQ(logic.currentCode(), QStringLiteral("00000001"));
    EXPECT_EQ(logic.size(), 2);

    text = QStringLiteral("15");
    EXPECT_TRUE(logic.search(OrderListLogic::SearchKind::CodigoPedido, text));
    EXPECT_EQ(text, QStringLiteral("00000015"));
    EXPECT_EQ(codes(), QStringList{"00000015"});
    logic.reload(); // a transition re-reads it as it is shown
    EXPECT_EQ(logic.currentCode(), QStringLiteral("00000015"));

    text = QStringLiteral("99");
    EXPECT_FALSE(logic.search(OrderListLogic::SearchKind::CodigoPedido, text));
    EXPECT_EQ(logic.currentCode(), QStringLiteral("00000015"));
    logic.setPeriod(QDate(2026, 12, 10), QDate(2026, 12, 10)); // back to the period
    EXPECT_EQ(logic.size(), 2);
}

TEST_F(OrderListTest, ALongPeriodReadsOnlyWhatIsShown)
{
    const int more = OrderListLogic::kFirstRead + OrderListLogic::kPageSize * 2;
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Data, PED_Hora, PED_Total) "
                              "With Recursive n (i) As (Select 100 From rdb$database Union All "
                              "Select i + 1 From n Where i < :last) "
                              "Select lpad(i, 8, '0'), 'A', date '2026-12-10', time '00:00:00' + i, 1 From n"),
               {{"last", 99 + more}});
    order(db, {.codigo = QStringLiteral("00000900"), .data = QDate(2026, 12, 11)});

    // the first day already fills the first screen: the next one waits
    logic.show(OrderListLogic::allStatuses());
    logic.setPeriod(QDate(2026, 12, 10), QDate(2026, 12, 11));
    ASSERT_EQ(logic.size(), more + 2);
    EXPECT_FALSE(logic.complete());
    EXPECT_EQ(logic.value(0, QStringLiteral("PED_CODIGO")).toString(), QStringLiteral("00000002"));
    EXPECT_EQ(logic.pagesRead(), 1);

    // the rest when the grid scrolls that far, rows of what is shown only
    EXPECT_TRUE(logic.fetchRest());
    ASSERT_EQ(logic.size(), more + 3);
    EXPECT_EQ(logic.value(logic.size() - 1, QStringLiteral("PED_CODIGO")).toString(), QStringLiteral("00000900"));
    EXPECT_EQ(logic.value(logic.size() - 2, QStringLiteral("PED_CODIGO")).toString(), QStringLiteral("00000100"));
    EXPECT_EQ(logic.pagesRead(), 2);
    logic.setCurrent(logic.size() - 2);
    logic.reload();
    EXPECT_EQ(logic.currentCode(), QStringLiteral("00000100"));

    // a search reaching past what was read reads the rest
    logic.setPeriod(QDate(2026, 12, 10), QDate(2026, 12, 11));
    QString text = QStringLiteral("900");
    EXPECT_TRUE(logic.search(OrderListLogic::SearchKind::CodigoPedido, text));
    EXPECT_EQ(logic.currentCode(), QStringLiteral("00000900"));
    EXPECT_EQ(logic.size(), more + 3);
    EXPECT_TRUE(logic.shownAlone().isEmpty());
}

} // namespace

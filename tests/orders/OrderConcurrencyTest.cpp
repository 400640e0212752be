#include "OrderFixture.h"

#include "orders/OrderItemLogic.h"
#include "orders/OrderListLogic.h"
#include "orders/OrderStatusLogic.h"
#include "orders/OrderStore.h"
#include "stock/StockService.h"

#include <chrono>
#include <thread>

// Two workstations on one database: the test's connection and a second one.
// Where one must wait for the other, the second runs in a thread while the
// first holds its transaction open, then commits.
namespace {

class OrderConcurrencyTest : public OrderTest {
protected:
    void SetUp() override
    {
        OrderTest::SetUp();
        otherDb.open(dbPath(), Database::Engine::Embedded);
    }
    void TearDown() override
    {
        otherDb.close();
        OrderTest::TearDown();
    }
    static void letTheOtherWait() { std::this_thread::sleep_for(std::chrono::milliseconds(300)); }

    Database otherDb;
    ScriptedMessages otherMessages;
    AppContext otherCtx{otherDb, session, otherMessages, clock};
};

TEST_F(OrderConcurrencyTest, TwoNewOrdersAtOnceGetTwoNumbers)
{
    OrderEntryLogic mine(ctx);
    Transaction held(db);
    db.execute(held, QStringLiteral("Insert into Pedidos (PED_Codigo, PED_Situ, PED_Total) Values ('00000001', 'F', 0)"));
    OrderEntryLogic theirs(otherCtx);
    bool opened = false;
    std::thread other([&] { opened = theirs.open(OrderMode::Inclui); });
    letTheOtherWait();
    held.commit();
    other.join();
    ASSERT_TRUE(opened);
    EXPECT_EQ(theirs.code(), QStringLiteral("00000002"));
    EXPECT_TRUE(otherMessages.shown().isEmpty());
}

TEST_F(OrderConcurrencyTest, BothSellTheSameStockedProduct)
{
    OrderEntryLogic mine(ctx), theirs(otherCtx);
    ASSERT_TRUE(mine.open(OrderMode::Inclui));
    ASSERT_TRUE(theirs.open(OrderMode::Inclui));
    OrderItemLogic theirItem(theirs);
    ASSERT_TRUE(theirItem.leaveCode(QStringLiteral("1")));

    // My item's transaction is still open when theirs is saved.
    Transaction held(db);
    ASSERT_TRUE(StockService::changeStockIfStocked(held, QStringLiteral("         1"), dec("-3")));
    StockService::insertMovement(held, {QStringLiteral("         1"), StockService::kExit, clock.today(), dec("16,50"),
                                        dec("3"), mine.code()});
    bool saved = false;
    std::thread other([&] {
        saved = theirItem.save(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5,50"), {}).saved;
    });
    letTheOtherWait();
    held.commit();
    other.join();
    ASSERT_TRUE(saved) << (otherMessages.shown().isEmpty() ? "" : otherMessages.shown().first().text.toStdString());
    EXPECT_EQ(stock("1"), dec("5"));
    EXPECT_EQ(count(QStringLiteral("Select Count(Distinct MOV_CodInt) From MOV_ESTQ")), 2);
}

// Two windows add items to one order at once: the second waits for the
// first and takes the next position.
TEST_F(OrderConcurrencyTest, TwoItemsAddedToOneOrderAtOnce)
{
    OrderEntryLogic mine(ctx);
    ASSERT_TRUE(mine.open(OrderMode::Inclui));
    OrderEntryLogic theirs(otherCtx);
    ASSERT_TRUE(theirs.open(OrderMode::Altera, mine.code()));
    OrderItemLogic mineItem(mine), theirItem(theirs);
    ASSERT_TRUE(mineItem.leaveCode(QStringLiteral("1")));
    ASSERT_TRUE(theirItem.leaveCode(QStringLiteral("2")));

    Transaction held(db);
    ASSERT_TRUE(OrderStore::lockForItemChange(held, mine.code()));
    db.execute(held, QStringLiteral("Insert into IPedidos (IPD_CodPed, IPD_CodPro, IPD_Valor, IPD_Quant, IPD_Sequen, IPD_CodInt) "
                                    "Values (:c, '         1', 5.5, 1, 1, 100)"), {{"c", mine.code()}});
    bool saved = false;
    std::thread other([&] {
        saved = theirItem.save(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("30,00"), {}).saved;
    });
    letTheOtherWait();
    held.commit();
    other.join();
    ASSERT_TRUE(saved) << (otherMessages.shown().isEmpty() ? "" : otherMessages.shown().first().text.toStdString());
    EXPECT_EQ(count(QStringLiteral("Select MAX(IPD_Sequen) From IPedidos Where IPD_CodPed=:c"), {{"c", mine.code()}}), 2);
}

TEST_F(OrderConcurrencyTest, AnItemRemovedTwiceGivesStockBackOnce)
{
    OrderEntryLogic mine(ctx);
    ASSERT_TRUE(mine.open(OrderMode::Inclui));
    OrderItemLogic item(mine);
    item.leaveCode(QStringLiteral("1"));
    ASSERT_TRUE(item.save(QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("5,50"), {}).saved);
    ASSERT_EQ(stock("1"), dec("6"));

    OrderEntryLogic theirs(otherCtx);
    ASSERT_TRUE(theirs.open(OrderMode::Altera, mine.code()));
    messages.answerNext(true);
    otherMessages.answerNext(true);
    ASSERT_TRUE(mine.removeItem(0));
    EXPECT_FALSE(theirs.removeItem(0));
    EXPECT_EQ(stock("1"), dec("10"));
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From MOV_ESTQ")), 0);
}

// Another workstation cancelled (or closed) the order: adding and removing
// items are refused and nothing is written.
TEST_F(OrderConcurrencyTest, ItemsOfAnOrderCancelledMeanwhileAreRefused)
{
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Total, PED_Data) Values ('00000020', 'A', 0, '2026-12-10')"));
    OrderEntryLogic mine(ctx);
    ASSERT_TRUE(mine.open(OrderMode::Altera, QStringLiteral("00000020")));
    OrderItemLogic item(mine);
    item.leaveCode(QStringLiteral("1"));
    ASSERT_TRUE(item.save(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("5,50"), {}).saved);

    otherDb.execute(QStringLiteral("Update Pedidos Set PED_Situ='C' Where PED_Codigo='00000020'"));
    messages.clear();
    item.leaveCode(QStringLiteral("1"));
    EXPECT_FALSE(item.save(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("5,50"), {}).saved);
    messages.answerNext(true);
    EXPECT_FALSE(mine.removeItem(0));
    ASSERT_EQ(messages.shown().size(), 3);
    EXPECT_EQ(messages.shown()[0].kind, Kind::Error);
    EXPECT_EQ(messages.shown()[2].kind, Kind::Error);
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From IPedidos")), 1);
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From MOV_ESTQ")), 1);
    EXPECT_EQ(stock("1"), dec("9"));

    // Finishing a changed order that is no longer open writes nothing.
    messages.clear();
    mine.finish();
    EXPECT_EQ(order(QStringLiteral("00000020")).text("PED_SITU"), QStringLiteral("C"));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].kind, Kind::Warning);
}

// A stock entry holds the product while an item of it is saved: the item
// waits for the product before it takes a movement code, so the entry gets
// its code and both are booked.
TEST_F(OrderConcurrencyTest, AnItemWaitsForTheProductBeforeTakingItsMovementCode)
{
    OrderEntryLogic theirs(otherCtx);
    ASSERT_TRUE(theirs.open(OrderMode::Inclui));
    OrderItemLogic theirItem(theirs);
    ASSERT_TRUE(theirItem.leaveCode(QStringLiteral("1")));

    Transaction held(db);
    db.select(held, QStringLiteral("Select PRO_Quant From Produtos Where PRO_Codigo='         1' With Lock"));
    bool saved = false;
    std::thread other([&] {
        saved = theirItem.save(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5,50"), {}).saved;
    });
    letTheOtherWait();
    EXPECT_NO_THROW({
        StockService::insertMovement(held, {QStringLiteral("         1"), StockService::kEntry, clock.today(),
                                            dec("5"), dec("5"), QStringLiteral("NF1")});
        StockService::changeStockIfStocked(held, QStringLiteral("         1"), dec("5"));
        held.commit();
    });
    other.join();
    EXPECT_TRUE(saved) << (otherMessages.shown().isEmpty() ? "" : otherMessages.shown().first().text.toStdString());
    EXPECT_EQ(stock("1"), dec("13"));
    EXPECT_EQ(count(QStringLiteral("Select Count(Distinct MOV_CodInt) From MOV_ESTQ")), 2);
}

// Another cancelling gives back products 101 and then 102 while this one
// cancels an order that lists them the other way round: this one takes the
// products in the same order as the other, waits for it, and both count.
TEST_F(OrderConcurrencyTest, ACancellingTakesTheProductsInTheSameOrderAsAnother)
{
    const QString first = QStringLiteral("       101"), second = QStringLiteral("       102");
    for (const QString &product : {first, second})
        db.execute(QStringLiteral("Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_PVenda, PRO_Quant, PRO_FeitoHora, "
                                  "PRO_Ativo) Values (:c, 'P', 1, 0, 'N', 'S')"), {{"c", product}});
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Total, PED_Data) "
                              "Values ('00000001', 'A', 0, '2026-12-10')"));
    int sequen = 0;
    for (const QString &product : {second, first}) {
        ++sequen;
        db.execute(QStringLiteral("Insert Into IPedidos (IPD_CodPed, IPD_Sequen, IPD_CodPro, IPD_Quant, IPD_Valor, "
                                  "IPD_CodInt) Values ('00000001', :s, :p, 1, 1, :s)"), {{"s", sequen}, {"p", product}});
        db.execute(QStringLiteral("Insert Into MOV_ESTQ (MOV_CodInt, MOV_CodPro, MOV_Oper, MOV_Quant, MOV_Doc) "
                                  "Values (:s, :p, 'SS', 1, '00000001')"), {{"s", sequen}, {"p", product}});
    }

    Transaction held(db);
    ASSERT_TRUE(StockService::changeStockIfStocked(held, first, dec("1")));
    OrderListLogic list(otherCtx);
    OrderStatusLogic logic(otherCtx, list, {});
    otherMessages.answerNext(true);
    OrderStatusLogic::Outcome outcome{};
    std::thread other([&] { outcome = logic.run(OrderStatus::Move::Cancelar, QStringLiteral("00000001")); });
    letTheOtherWait();
    EXPECT_NO_THROW({
        StockService::changeStockIfStocked(held, second, dec("1"));
        held.commit();
    });
    other.join();
    EXPECT_EQ(outcome, OrderStatusLogic::Outcome::Done);
    for (const QString &product : {first, second})
        EXPECT_EQ(db.select(QStringLiteral("Select PRO_Quant From Produtos Where PRO_Codigo=:c"), {{"c", product}})
                      .value(0, 0).toDecimal(), dec("2"));
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From MOV_ESTQ")), 0);
}

} // namespace

#include "core/Database.h"
#include "stock/StockService.h"
#include "support/TestEnvironment.h"

#include <memory>
#include <thread>
#include <vector>

namespace {

class StockServiceTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        db.execute(QStringLiteral("Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_FeitoHora, PRO_Ativo, PRO_Quant)"
                                  " Values ('       001', 'Refrigerante', 'N', 'S', 10)"));
        db.execute(QStringLiteral("Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_FeitoHora, PRO_Ativo, PRO_Quant)"
                                  " Values ('       002', 'Pizza', 'S', 'S', 0)"));
    }
    Decimal stock(const char *code)
    {
        return db.select(QStringLiteral("Select PRO_Quant From Produtos Where PRO_Codigo=:c"),
                         {{"c", QString::fromLatin1(code)}}).value(0, 0).toDecimal();
    }
    StockService::Movement exitOf(const QString &doc) const
    {
        return {QStringLiteral("       001"), StockService::kExit, QDate(2026, 12, 10), Decimal(500, 2), Decimal(2500, 3), doc};
    }
};

TEST_F(StockServiceTest, CodesStartAtZeroAndFollowTheHighest)
{
    Transaction tx(db);
    EXPECT_EQ(StockService::insertMovement(tx, exitOf(QStringLiteral("00000001"))), 0);
    EXPECT_EQ(StockService::insertMovement(tx, exitOf(QStringLiteral("00000001"))), 1);
    StockService::insertMovementAs(tx, 41, exitOf(QStringLiteral("x")));
    EXPECT_EQ(StockService::nextInternalCode(tx), 42);
    tx.commit();
    const ResultSet row = db.select(QStringLiteral("Select * From MOV_ESTQ Where MOV_CodInt=0"));
    EXPECT_EQ(row.value(0, "MOV_OPER").toString(), QStringLiteral("SS"));
    EXPECT_EQ(row.value(0, "MOV_QUANT").toDecimal(), Decimal(2500, 3));
    EXPECT_EQ(row.value(0, "MOV_VALOR").toDecimal(), Decimal(500, 2));
    EXPECT_EQ(row.value(0, "MOV_DATA").toDate(), QDate(2026, 12, 10));
}

TEST_F(StockServiceTest, OnlyStockedProductsMoveAndUnknownCodesAreReported)
{
    Transaction tx(db);
    EXPECT_TRUE(StockService::changeStockIfStocked(tx, QStringLiteral("       001"), Decimal(-2500, 3)));
    EXPECT_FALSE(StockService::changeStockIfStocked(tx, QStringLiteral("       002"), Decimal(-1, 0)));
    EXPECT_TRUE(StockService::changeStock(tx, QStringLiteral("       002"), Decimal(3, 0)));
    EXPECT_FALSE(StockService::changeStock(tx, QStringLiteral("       999"), Decimal(3, 0)));
    tx.commit();
    EXPECT_EQ(stock("       001"), Decimal(7500, 3));
    EXPECT_EQ(stock("       002"), Decimal(3000, 3));
}

TEST_F(StockServiceTest, DeletingIsGuardedByDocumentAndOperationAndHappensOnce)
{
    Transaction tx(db);
    const auto code = StockService::insertMovement(tx, exitOf(QStringLiteral("00000007")));
    EXPECT_FALSE(StockService::deleteMovement(tx, code, QStringLiteral("00000008"), StockService::kExit));
    EXPECT_FALSE(StockService::deleteMovement(tx, code, QStringLiteral("00000007"), StockService::kEntry));
    EXPECT_TRUE(StockService::deleteMovement(tx, code, QStringLiteral("00000007"), StockService::kExit));
    EXPECT_FALSE(StockService::deleteMovement(tx, code, QStringLiteral("00000007"), StockService::kExit));
    tx.commit();
}

// Two workstations sell the same product at once: the second waits for the
// first and then subtracts from what the first left.
TEST_F(StockServiceTest, ConcurrentExitsBothCount)
{
    Database other;
    other.open(dbPath(), Database::Engine::Embedded);
    Transaction first(db);
    ASSERT_TRUE(StockService::changeStockIfStocked(first, QStringLiteral("       001"), Decimal(-2, 0)));
    ASSERT_EQ(StockService::insertMovement(first, exitOf(QStringLiteral("00000001"))), 0);

    std::int64_t secondCode = -1;
    bool secondChanged = false;
    std::thread second([&] {
        Transaction tx(other);
        secondChanged = StockService::changeStockIfStocked(tx, QStringLiteral("       001"), Decimal(-3, 0));
        secondCode = StockService::insertMovement(tx, exitOf(QStringLiteral("00000002")));
        tx.commit();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    first.commit();
    second.join();

    EXPECT_TRUE(secondChanged);
    EXPECT_EQ(secondCode, 1);
    EXPECT_EQ(stock("       001"), Decimal(5, 0));
    EXPECT_EQ(db.select(QStringLiteral("Select Count(*) From MOV_ESTQ")).value(0, 0).toInt(), 2);
}

// Another workstation books movement after movement: each time this one's
// code is taken, the next one is already held. It keeps trying past the
// usual few attempts while the other goes on committing, and gets its code.
TEST_F(StockServiceTest, ACodeTakenManyTimesInARowIsStillBooked)
{
    constexpr int kTaken = StockService::kAllocationAttempts + 3;
    Database other;
    other.open(dbPath(), Database::Engine::Embedded);
    std::vector<std::unique_ptr<Transaction>> held;
    held.push_back(std::make_unique<Transaction>(other));
    StockService::insertMovementAs(*held.back(), 0, exitOf(QStringLiteral("00000001")));

    std::int64_t mine = -1;
    std::thread booking([&] {
        Transaction tx(db);
        mine = StockService::insertMovement(tx, exitOf(QStringLiteral("00000002")));
        tx.commit();
    });
    for (int code = 1; code <= kTaken; ++code) {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        held.push_back(std::make_unique<Transaction>(other));
        StockService::insertMovementAs(*held.back(), code, exitOf(QStringLiteral("00000001")));
        held[held.size() - 2]->commit();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    held.back()->commit();
    booking.join();
    EXPECT_EQ(mine, kTaken + 1);
    EXPECT_EQ(db.select(QStringLiteral("Select Count(*) From MOV_ESTQ")).value(0, 0).toInt(), kTaken + 2);
}

} // namespace

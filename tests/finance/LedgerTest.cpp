#include "core/Database.h"
#include "core/DbError.h"
#include "finance/CashLedger.h"
#include "finance/CommissionLedger.h"
#include "finance/LedgerCode.h"
#include "support/TestEnvironment.h"

namespace {

Decimal money(const char *text) { return *Decimal::parse(QString::fromLatin1(text), u'.'); }

TEST(CommissionRule, DeliveryTotalTimesRateRoundedHalfAwayFromZero)
{
    struct Case { const char *total; const char *rate; const char *commission; };
    const Case cases[] = {
        {"5.00", "10.00", "0.50"},
        {"3.30", "15.00", "0.50"}, // 0,495
        {"3.30", "5.00", "0.17"},  // 0,165
        {"7.50", "12.50", "0.94"}, // 0,9375
        {"0.10", "4.00", "0.00"},  // 0,004
        {"5.00", "0.00", "0.00"},
        {"0.00", "10.00", "0.00"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.total) + " x " + c.rate);
        const Decimal value = CommissionLedger::commissionOf(money(c.total), money(c.rate));
        EXPECT_EQ(value.toString(), QString::fromLatin1(c.commission));
        EXPECT_EQ(value.scale(), 2);
    }
}

class LedgerTest : public DatabaseTest {};

TEST_F(LedgerTest, CashEntriesAreNumberedFromOneAndStoredRounded)
{
    Transaction tx(db);
    EXPECT_EQ(CashLedger::credit(tx, QDate(2026, 12, 1), QStringLiteral("Pedido:00000007"), money("41.005"),
                                 QStringLiteral("00000007")),
              1);
    EXPECT_EQ(CashLedger::debit(tx, QDate(2026, 12, 2), QStringLiteral("Cancelamento de Ped. Fechado:00000007"),
                                money("41.00"), QStringLiteral("00000007")),
              2);
    tx.commit();

    const ResultSet rows = db.select(QStringLiteral("Select * From Caixa Order By CAI_CodInt"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.row(0).text("CAI_DC"), QStringLiteral("C"));
    EXPECT_EQ(rows.row(0).value("CAI_VALOR").toDecimal(), money("41.01"));
    EXPECT_EQ(rows.row(0).value("CAI_DATA").toDate(), QDate(2026, 12, 1));
    EXPECT_EQ(rows.row(0).text("CAI_DOC"), QStringLiteral("00000007"));
    EXPECT_EQ(rows.row(1).text("CAI_DC"), QStringLiteral("D"));
    EXPECT_EQ(rows.row(1).text("CAI_DESC"), QStringLiteral("Cancelamento de Ped. Fechado:00000007"));
}

TEST_F(LedgerTest, CommissionIsBookedToBePaidAndGoesWithTheCallersRollback)
{
    {
        Transaction tx(db);
        CommissionLedger::book(tx, {QStringLiteral("000001"), QDate(2026, 12, 3), money("0.50"), QStringLiteral("00000001")});
        // not committed: the entry goes with the caller's rollback
    }
    EXPECT_TRUE(db.select(QStringLiteral("Select * From CCE")).isEmpty());

    Transaction tx(db);
    EXPECT_EQ(CommissionLedger::book(tx, {QStringLiteral("000001"), QDate(2026, 12, 3), money("0.50"),
                                          QStringLiteral("00000001")}),
              1);
    tx.commit();
    const Row row = db.select(QStringLiteral("Select * From CCE")).first();
    EXPECT_EQ(row.text("CCE_CODENT"), QStringLiteral("000001"));
    EXPECT_EQ(row.text("CCE_OP"), QStringLiteral("P"));
    EXPECT_EQ(row.text("CCE_SITU"), QStringLiteral("A"));
    EXPECT_TRUE(row.value("CCE_DATAP").isNull());
    EXPECT_EQ(row.value("CCE_VALOR").toDecimal(), money("0.50"));
    EXPECT_EQ(row.text("CCE_DOC"), QStringLiteral("00000001"));
}

// Another workstation commits the code this one has just computed: the insert
// fails on the key and is made again with the next code, in the same transaction.
TEST_F(LedgerTest, CodeTakenByAnotherWorkstationIsRetriedWithTheNext)
{
    Database other;
    other.open(dbPath(), Database::Engine::Embedded);
    Transaction tx(db);
    db.execute(tx, QStringLiteral("Insert Into Log (LOG_CodUser, LOG_Descricao) Values ('000001', 'antes')"));

    int attempts = 0;
    bool raced = false;
    const std::int64_t code = LedgerCode::insertWithNext(
        tx, QStringLiteral("Select MAX(CAI_CodInt) From Caixa"), 1, [&](std::int64_t c) {
            ++attempts;
            if (!raced) {
                raced = true;
                other.execute(QStringLiteral("Insert Into Caixa (CAI_CodInt, CAI_DC, CAI_Valor) Values (:n, 'C', 1)"),
                              {{QStringLiteral("n"), c}});
            }
            db.execute(tx, QStringLiteral("Insert Into Caixa (CAI_CodInt, CAI_DC, CAI_Valor) Values (:n, 'D', 2)"),
                       {{QStringLiteral("n"), c}});
        });
    tx.commit();
    other.close();

    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(db.select(QStringLiteral("Select * From Caixa")).size(), 2);
    // the transaction's earlier work survived the failed statement
    EXPECT_EQ(db.select(QStringLiteral("Select * From Log")).size(), 1);

    Transaction again(db);
    EXPECT_THROW(LedgerCode::insertWithNext(again, QStringLiteral("Select MAX(CAI_CodInt) From Caixa"), 1,
                                            [&](std::int64_t) { db.execute(again, QStringLiteral("Insert Into Nada Values (1)")); }),
                 DbError);
}

} // namespace

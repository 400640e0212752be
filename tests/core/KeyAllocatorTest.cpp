#include "core/Database.h"
#include "core/DbError.h"
#include "core/KeyAllocator.h"
#include "support/TestEnvironment.h"

namespace {

TEST(KeyAllocatorRules, NextCodeAfterMaximum)
{
    struct Case { SqlValue max; int width; const char *next; };
    const Case cases[] = {
        {SqlValue(QStringLiteral("0000000099")), 10, "0000000100"},
        {SqlValue(QStringLiteral("0000000010")), 10, "0000000011"},
        {SqlValue::null(), 10, "0000000001"},
        {SqlValue(QString()), 8, "00000001"},
        {SqlValue(QStringLiteral("999999")), 6, "1000000"},
        {SqlValue(QStringLiteral("000041")), 6, "000042"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.max.toString().toStdString());
        EXPECT_EQ(KeyAllocator::nextCodeAfter(c.max, c.width), QString::fromLatin1(c.next));
    }
    EXPECT_THROW(KeyAllocator::nextCodeAfter(SqlValue(QStringLiteral("00A1")), 6), DbError);
}

TEST(KeyAllocatorRules, InternalCodesStartPerLedger)
{
    EXPECT_EQ(KeyAllocator::nextInternalAfter(SqlValue::null(), 0), 0);
    EXPECT_EQ(KeyAllocator::nextInternalAfter(SqlValue::null(), 1), 1);
    EXPECT_EQ(KeyAllocator::nextInternalAfter(SqlValue(Decimal(41, 0)), 1), 42);
    EXPECT_EQ(KeyAllocator::nextInternalAfter(SqlValue(Decimal(0, 0)), 0), 1);
}

class KeyAllocatorOnDatabase : public DatabaseTest {};

TEST_F(KeyAllocatorOnDatabase, AllocatesFromTablesAndRetestsAtSaving)
{
    const QString maxCli = QStringLiteral("Select MAX(CLI_Codigo) as Cod From Clientes");
    EXPECT_EQ(KeyAllocator::nextCode(db, maxCli, 10), QStringLiteral("0000000001"));
    db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo) Values ('0000000099')"));
    EXPECT_EQ(KeyAllocator::nextCode(db, maxCli, 10), QStringLiteral("0000000100"));

    Transaction tx(db);
    EXPECT_EQ(KeyAllocator::nextInternal(tx, QStringLiteral("Select MAX(MOV_CodInt) From MOV_ESTQ"), 0), 0);
    EXPECT_EQ(KeyAllocator::nextInternal(tx, QStringLiteral("Select MAX(CAI_CodInt) From Caixa"), 1), 1);
    const QString exists = QStringLiteral("Select CLI_Codigo From Clientes Where CLI_Codigo=:cCodigo");
    EXPECT_TRUE(KeyAllocator::isTaken(tx, exists, QStringLiteral("0000000099")));
    EXPECT_FALSE(KeyAllocator::isTaken(tx, exists, QStringLiteral("0000000100")));
}

} // namespace

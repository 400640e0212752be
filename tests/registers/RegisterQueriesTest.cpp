#include "core/Database.h"
#include "registers/DeliveryPersonQueries.h"
#include "registers/RegionQueries.h"
#include "support/TestEnvironment.h"

namespace {

using RegisterQueriesTest = DatabaseTest;

TEST_F(RegisterQueriesTest, DeliveryPersonByCodeGivesNameAndExactRate)
{
    db.execute(QStringLiteral("Insert Into Entregadores (ENT_Codigo, ENT_Nome, ENT_Comissao) "
                              "Values ('000007', 'Rui', 12.50)"));
    Transaction tx(db);
    for (const auto &found : {DeliveryPersonQueries::find(db, QStringLiteral("000007")),
                              DeliveryPersonQueries::find(tx, QStringLiteral("000007"))}) {
        ASSERT_TRUE(found);
        EXPECT_EQ(found->name, QStringLiteral("Rui"));
        EXPECT_EQ(found->commission, Decimal(1250, 2));
        EXPECT_EQ(found->commission.toString(), QStringLiteral("12.50"));
    }
    EXPECT_FALSE(DeliveryPersonQueries::find(db, QStringLiteral("000008")));
}

TEST_F(RegisterQueriesTest, RegionByCodeGivesDescriptionAndExactFee)
{
    db.execute(QStringLiteral("Insert Into Regioes (REG_Codigo, REG_Desc, REG_Valor) Values ('000003', 'Centro', 4.5)"));
    Transaction tx(db);
    for (const auto &found : {RegionQueries::find(db, QStringLiteral("000003")),
                              RegionQueries::find(tx, QStringLiteral("000003"))}) {
        ASSERT_TRUE(found);
        EXPECT_EQ(found->description, QStringLiteral("Centro"));
        EXPECT_EQ(found->fee.toString(), QStringLiteral("4.50"));
    }
    EXPECT_FALSE(RegionQueries::find(db, QStringLiteral("000004")));
}

} // namespace

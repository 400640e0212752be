#include "reports/CompactTable.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(CompactTable, GivesBackWhatWasKeptNullsIncluded)
{
    CompactTable t({{"COD", CompactTable::Kind::Text},
                    {"DATA", CompactTable::Kind::Date},
                    {"VALOR", CompactTable::Kind::Number, 2}});
    t.append({SqlValue("EE"), SqlValue(QDate(2026, 1, 31)), SqlValue(Decimal(12345, 3))});
    t.append({SqlValue("SS"), SqlValue::null(), SqlValue::null()});
    t.append({SqlValue("EE"), SqlValue(QDate(2016, 2, 29)), SqlValue(Decimal(-5, 0))});
    t.append({SqlValue::null(), SqlValue(QDate(2016, 2, 29)), SqlValue(Decimal(1, 2))});

    ASSERT_EQ(t.rowCount(), 4);
    EXPECT_EQ(t.columnIndex(QStringLiteral("valor")), 2);
    EXPECT_EQ(t.value(0, 0), SqlValue("EE"));
    EXPECT_EQ(t.value(0, 1), SqlValue(QDate(2026, 1, 31)));
    EXPECT_EQ(t.value(0, 2).toDecimal().toString(), QStringLiteral("12.35")); // kept at the column's scale
    EXPECT_TRUE(t.value(1, 1).isNull());
    EXPECT_TRUE(t.value(1, 2).isNull());
    EXPECT_TRUE(t.value(3, 0).isNull());
    EXPECT_EQ(t.decimal(2, 2).toString(), QStringLiteral("-5.00"));
    EXPECT_TRUE(t.textEquals(2, 0, QStringLiteral("EE")));
    EXPECT_FALSE(t.textEquals(1, 0, QStringLiteral("EE")));
}

} // namespace

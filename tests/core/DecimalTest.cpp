#include "core/Decimal.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(DecimalLimits, OverflowDivisionByZeroAndTooManyDigitsAreRefused)
{
    const Decimal big(INT64_MAX / 10, 0);
    EXPECT_THROW(big * Decimal(100, 0), std::overflow_error);
    EXPECT_THROW(big + big + big + big + big + big + big + big + big + big + big, std::overflow_error);
    EXPECT_THROW(Decimal(INT64_MAX, 0).withScale(2), std::overflow_error);
    EXPECT_THROW(Decimal(1, 0).divide(Decimal(0, 2), 2), std::domain_error);
    EXPECT_FALSE(Decimal::parse(QStringLiteral("12345678901234567890")));
    EXPECT_EQ(Decimal::parse(QStringLiteral("123456789012345678"))->units(), 123456789012345678LL);
}

TEST(DecimalLimits, ComparisonAcrossScalesAndRoundingHalfAwayFromZero)
{
    EXPECT_EQ(Decimal(1250, 2), Decimal(125, 1));
    EXPECT_LT(Decimal(1, 0), Decimal(101, 2));
    EXPECT_GT(Decimal(-1, 0), Decimal(-101, 2));
    struct Case { Decimal value; int scale; Decimal rounded; };
    const Case cases[] = {
        {Decimal(125, 3), 2, Decimal(13, 2)},   {Decimal(-125, 3), 2, Decimal(-13, 2)},
        {Decimal(124, 3), 2, Decimal(12, 2)},   {Decimal(5, 1), 0, Decimal(1, 0)},
        {Decimal(-5, 1), 0, Decimal(-1, 0)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value.toString().toStdString());
        EXPECT_EQ(c.value.withScale(c.scale).units(), c.rounded.units());
    }
    EXPECT_EQ(Decimal(1000, 2).divide(Decimal(3, 0), 2).toString(), QStringLiteral("3.33"));
    EXPECT_EQ(Decimal(2000, 2).divide(Decimal(3, 0), 2).toString(), QStringLiteral("6.67"));
}

} // namespace

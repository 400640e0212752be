#include "controls/BrFormat.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <span>

namespace {

Decimal dec(const char *text)
{
    return *Decimal::parse(QString::fromLatin1(text), u',');
}

enum class Kind { Number, Money, Percent };

struct FormatCase {
    Kind kind;
    const char *value;
    int decimals;
    const char *shown;
};

void expectShown(std::span<const FormatCase> cases)
{
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.value) + " / " + std::to_string(c.decimals));
        const Decimal v = dec(c.value);
        const QString shown = c.kind == Kind::Number  ? BrFormat::number(v, c.decimals)
                              : c.kind == Kind::Money ? BrFormat::money(v, c.decimals)
                                                      : BrFormat::percent(v, c.decimals);
        EXPECT_EQ(shown, QString::fromUtf8(c.shown));
    }
}

TEST(BrFormatFigures, ShowsBrazilianNumbersMoneyAndPercentages)
{
    const FormatCase cases[] = {
        {Kind::Number, "1234,5", 3, "1.234,500"},
        {Kind::Number, "12", 0, "12"},
        {Kind::Number, "1234", 0, "1.234"},
        {Kind::Number, "1234567", 0, "1.234.567"},
        {Kind::Number, "123", 0, "123"},
        {Kind::Number, "0", 3, "0,000"},
        {Kind::Number, "0,5", 0, "1"},
        {Kind::Number, "-0,5", 0, "-1"},
        {Kind::Number, "2,4449", 3, "2,445"},
        {Kind::Number, "-1234,5", 3, "-1.234,500"},
        {Kind::Number, "-0,001", 2, "0,00"},
        {Kind::Money, "1234,5", 2, "R$ 1.234,50"},
        {Kind::Money, "0", 2, "R$ 0,00"},
        {Kind::Money, "0,005", 2, "R$ 0,01"},
        {Kind::Money, "-1234,56", 2, "-R$ 1.234,56"},
        {Kind::Money, "999,995", 2, "R$ 1.000,00"},
        {Kind::Money, "12", 0, "R$ 12"},
        {Kind::Percent, "30", 2, "30,00%"},
        {Kind::Percent, "7,125", 2, "7,13%"},
        {Kind::Percent, "-2,5", 1, "-2,5%"},
        {Kind::Percent, "1500", 0, "1.500%"},
    };
    expectShown(cases);
}

TEST(BrFormatFigures, KeepsAtMostTheSignificantDigitsOfEachKind)
{
    const FormatCase cases[] = {
        // 14 digits fit exactly.
        {Kind::Money, "123456789012,34", 2, "R$ 123.456.789.012,34"},
        {Kind::Number, "12345678901,234", 3, "12.345.678.901,234"},
        // One digit too many: rounded at the last place that fits, decimals kept as zeros.
        {Kind::Money, "1234567890123,45", 2, "R$ 1.234.567.890.123,50"},
        {Kind::Number, "123456789012,345", 3, "123.456.789.012,350"},
        {Kind::Number, "-123456789012,345", 3, "-123.456.789.012,350"},
        // A whole part longer than the limit is rounded inside it.
        {Kind::Number, "123456789012345", 0, "123.456.789.012.350"},
        {Kind::Money, "99999999999999,99", 2, "R$ 100.000.000.000.000,00"},
        // Percentages keep 10.
        {Kind::Percent, "12345678,12", 2, "12.345.678,12%"},
        {Kind::Percent, "123456789,12", 2, "123.456.789,10%"},
        // Small values are not cut: leading zeros are not significant.
        {Kind::Number, "0,000000001", 9, "0,000000001"},
    };
    expectShown(cases);
    // The largest value a Decimal carries still formats without overflow.
    EXPECT_EQ(BrFormat::number(Decimal(INT64_MAX, 0), 0), QStringLiteral("9.223.372.036.854.800.000"));
    EXPECT_EQ(BrFormat::money(Decimal(INT64_MIN + 1, 9), 9), QStringLiteral("-R$ 9.223.372.036,854800000"));
}

TEST(BrFormatParse, ReadsWhatTheScreenShows)
{
    struct Case { const char *text; std::optional<const char *> value; };
    const Case cases[] = {
        {"R$ 1.234,56", "1234,56"},
        {"-R$ 1.234,56", "-1234,56"},
        {"30,00%", "30,00"},
        {"1.234,500", "1234,5"},
        {"-5", "-5"},
        {"1234,5", "1234,5"},
        {",5", "0,5"},
        {"7,", "7"},
        {"0,00", "0"},
        {"", std::nullopt},
        {"R$ ", std::nullopt},
        {"abc", std::nullopt},
        {"1,2,3", std::nullopt},
        {"--", std::nullopt},
        {"-", std::nullopt},
        {"5-", std::nullopt},
        {",", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<Decimal> read = BrFormat::parse(QString::fromUtf8(c.text));
        ASSERT_EQ(read.has_value(), c.value.has_value());
        if (c.value) {
            EXPECT_EQ(*read, dec(*c.value)) << read->toString(u',').toStdString();
        }
    }
}

TEST(BrFormatLeaving, ZeroTexts)
{
    struct Case { bool moeda; bool porcentagem; int casas; const char *text; };
    const Case cases[] = {
        {true, false, 0, "0,00"},  {true, false, 2, "0,00"},  {true, false, 3, "0,00"},
        {false, false, 0, "0"},    {false, false, 1, "0,0"},  {false, false, 2, "0,00"},
        {false, false, 3, "0,000"}, {false, false, 4, "0,0000"},
        {false, true, 0, "0%"},    {false, true, 1, "0,0%"},  {false, true, 2, "0,00%"},
        {false, true, 3, "0,000%"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(BrFormat::zeroText(c.moeda, c.porcentagem, c.casas), QString::fromLatin1(c.text));
    }
}

TEST(BrFormatLeaving, FormatsOrFallsBackToZeroText)
{
    struct Case { const char *typed; bool moeda; bool porcentagem; int casas; const char *shown; bool ok; };
    const Case cases[] = {
        {"1234,5", false, false, 3, "1.234,500", true},
        {"1234,5", true, false, 2, "R$ 1.234,50", true},
        {"30", false, true, 2, "30,00%", true},
        {"12", false, false, 0, "12", true},
        {"1234", false, false, 0, "1.234", true},
        {"R$ 1.234,56", true, false, 2, "R$ 1.234,56", true},
        {"-5", true, false, 2, "-R$ 5,00", true},
        {"", true, false, 2, "0,00", false},
        {"", false, true, 2, "0,00%", false},
        {"", false, false, 3, "0,000", false},
        {"1,2,3", false, false, 0, "0", false},
        {"--", true, false, 2, "0,00", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        bool ok = !c.ok;
        EXPECT_EQ(BrFormat::formatForLeaving(QString::fromUtf8(c.typed), c.moeda, c.porcentagem, c.casas, &ok),
                  QString::fromUtf8(c.shown));
        EXPECT_EQ(ok, c.ok);
    }
    // Whatever a field shows after leaving reads back to the same figure.
    const QString shown = BrFormat::formatForLeaving(QStringLiteral("1234,567"), true, false, 2);
    EXPECT_EQ(BrFormat::parse(shown), dec("1234,57"));
}

TEST(BrFormatDates, ShortDateAndTime)
{
    EXPECT_EQ(BrFormat::date(QDate(2024, 3, 7)), QStringLiteral("07/03/2024"));
    EXPECT_EQ(BrFormat::date(QDate()), QString());
    EXPECT_EQ(BrFormat::time(QTime(9, 5, 3)), QStringLiteral("09:05:03"));
    EXPECT_EQ(BrFormat::dateTime(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 0))),
              QStringLiteral("31/12/2024 23:59:00"));
    EXPECT_EQ(BrFormat::dateTime(QDateTime()), QString());
}

} // namespace

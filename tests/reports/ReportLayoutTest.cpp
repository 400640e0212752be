#include "reports/ReportDocument.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <set>

using namespace Report;

namespace {

// A table of MOV_OPER / MOV_QUANT / MOV_VALOR rows.
std::shared_ptr<ResultSetData> movements(const std::vector<std::tuple<QString, QString, QString>> &rows)
{
    ResultSet set(QStringList{QStringLiteral("MOV_OPER"), QStringLiteral("MOV_QUANT"), QStringLiteral("MOV_VALOR")});
    for (const auto &[oper, quant, valor] : rows)
        set.appendRow({SqlValue(oper), SqlValue(*Decimal::parse(quant, u'.')), SqlValue(*Decimal::parse(valor, u'.'))});
    return std::make_shared<ResultSetData>(set);
}

std::shared_ptr<ResultSetData> rowsOf(int n)
{
    std::vector<std::tuple<QString, QString, QString>> rows(std::size_t(n), {QStringLiteral("EE"), "1", "1"});
    return movements(rows);
}

// A 100 x 100 mm sheet with 10 mm margins: 80 mm of body; header and footer
// take 10 each, leaving 60 for title (20), column header (10), rows (10 each)
// and summary (15).
std::shared_ptr<Definition> smallSheet(bool headerEveryPage, std::set<int> tallRows = {})
{
    auto def = std::make_shared<Definition>();
    def->pageSizeMm = {100, 100};
    def->pageHeader.height = 10;
    def->title.height = 20;
    def->columnHeader.height = 10;
    def->columnHeaderEveryPage = headerEveryPage;
    def->detail.height = 10;
    if (!tallRows.empty())
        def->detail.heightFor = [tallRows](const Context &c) { return tallRows.count(c.row) ? 20.0 : 10.0; };
    def->summary.height = 15;
    def->pageFooter.height = 10;
    return def;
}

struct PageCase {
    const char *name;
    int rows;
    bool headerEveryPage;
    std::set<int> tallRows;
    // Per page: first row, row count, title, column header, summary.
    std::vector<std::tuple<int, int, bool, bool, bool>> pages;
};

class PageBreaking : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageBreaking, PlacesRowsTitleHeaderAndSummary)
{
    const PageCase &c = GetParam();
    const Document doc(smallSheet(c.headerEveryPage, c.tallRows), rowsOf(c.rows), QDateTime());
    std::vector<std::tuple<int, int, bool, bool, bool>> got;
    for (int i = 0; i < doc.pageCount(); ++i) {
        const PagePlan &p = doc.page(i);
        got.emplace_back(p.firstRow, p.rowCount, p.title, p.columnHeader, p.summary);
    }
    EXPECT_EQ(got, c.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Report, PageBreaking,
    ::testing::Values(
        PageCase{"EmptyReportKeepsHeadersAndSummary", 0, true, {}, {{0, 0, true, true, true}}},
        PageCase{"SummaryFitsAfterOneRow", 1, true, {}, {{0, 1, true, true, true}}},
        PageCase{"SummaryMovesToANewPage", 3, true, {}, {{0, 3, true, true, false}, {3, 0, false, true, true}}},
        PageCase{"ColumnHeaderOnEveryPage", 10, true, {},
                 {{0, 3, true, true, false}, {3, 5, false, true, false}, {8, 2, false, true, true}}},
        PageCase{"TitleAndColumnHeaderOnFirstPageOnly", 10, false, {},
                 {{0, 3, true, true, false}, {3, 6, false, false, false}, {9, 1, false, false, true}}},
        PageCase{"TwoLineRowBreaksEarlier", 4, true, {1},
                 {{0, 2, true, true, false}, {2, 2, false, true, true}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ReportTotals, ConditionedSumsProductsAndABalanceAreExact)
{
    auto def = smallSheet(true);
    def->sums = {{.id = "qEE", .factors = {"MOV_QUANT"}, .whenColumn = "MOV_OPER", .whenValue = "EE"},
                 {.id = "vEE", .factors = {"MOV_VALOR"}, .whenColumn = "MOV_OPER", .whenValue = "EE"},
                 {.id = "vOut", .factors = {"MOV_VALOR"}, .whenColumn = "MOV_OPER", .whenValue = "EE", .whenNot = true},
                 {.id = "qv", .factors = {"MOV_QUANT", "MOV_VALOR"}}};
    def->derived = {{"balanco", [](const Totals &t) { return t["vOut"] - t["vEE"]; }}};
    const Document doc(def, movements({{"EE", "0.100", "0.10"}, {"EE", "0.200", "0.20"}, {"SS", "1.005", "150.00"},
                                       {"XX", "1", "0.01"}}),
                       QDateTime());
    EXPECT_EQ(doc.totals()["qEE"].toString(), QStringLiteral("0.300"));
    EXPECT_EQ(doc.totals()["vEE"].toString(), QStringLiteral("0.30"));
    EXPECT_EQ(doc.totals()["balanco"].toString(), QStringLiteral("149.71"));
    EXPECT_EQ(doc.totals()["qv"].withScale(2).toString(), QStringLiteral("150.81")); // 0.01+0.04+150.75+0.01

    const Item total = Item::total(0, 0, 50, "balanco", Format::Money, Align::Right, "Balanço do Período:");
    EXPECT_EQ(doc.itemText(total, 0, -1), QStringLiteral("Balanço do Período:R$ 149,71"));
}

TEST(ReportTotals, EmptyReportShowsZeroTotals)
{
    auto def = smallSheet(true);
    def->sums = {{.id = "v", .factors = {"MOV_VALOR"}}};
    const Document doc(def, rowsOf(0), QDateTime());
    EXPECT_EQ(doc.itemText(Item::total(0, 0, 50, "v", Format::Money), 0, -1), QStringLiteral("R$ 0,00"));
}

TEST(ReportPlacement, BandsStackAndTheFooterSitsAtTheBottomWithItsPageNumber)
{
    auto def = smallSheet(true, {1});
    def->pageFooter.items = {
        Item::computed(0, 0, 50, [](const Context &c) { return QStringLiteral("Página:%1").arg(c.page); })};
    const Document doc(def, rowsOf(4), QDateTime());
    std::vector<std::pair<double, int>> got;
    for (const Placement &p : doc.placements(1))
        got.emplace_back(p.y, p.row);
    // header, column header, rows 2 and 3, summary, footer at 80 - 10.
    const std::vector<std::pair<double, int>> expected{{0, -1}, {10, -1}, {20, 2}, {30, 3}, {40, -1}, {70, -1}};
    EXPECT_EQ(got, expected);
    EXPECT_EQ(doc.itemText(def->pageFooter.items[0], 1, -1), QStringLiteral("Página:2"));
}

TEST(ReportFormats, FieldsAreWrittenInTheBrazilianFormsAndNullIsNothing)
{
    EXPECT_EQ(formatValue(SqlValue(Decimal(123456, 2)), Format::Money), QStringLiteral("R$ 1.234,56"));
    EXPECT_EQ(formatValue(SqlValue(Decimal(2750, 3)), Format::Quantity), QStringLiteral("2,750"));
    EXPECT_EQ(formatValue(SqlValue(QDate(2026, 3, 4)), Format::Date), QStringLiteral("04/03/2026"));
    EXPECT_EQ(formatValue(SqlValue::null(), Format::Money), QString());
}

} // namespace

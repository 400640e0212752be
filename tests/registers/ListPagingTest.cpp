#include "core/Database.h"
#include "core/RecordListLogic.h"
#include "core/ResultSetModel.h"
#include "registers/CustomerListDescription.h"
#include "registers/ui/RegisterWindows.h"
#include "registers/ui/TfManut_Cli.h"
#include "core/ui/TfPrincipal.h"
#include "support/TestEnvironment.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QTimer>

namespace {

class ListPagingTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        // Cliente 001 .. Cliente 250, inserted in reverse so the order comes from the query.
        db.execute(QStringLiteral(
            "insert into Clientes (CLI_Codigo, CLI_Nome) "
            "with recursive d (x) as (select 1 from rdb$database union all select x + 1 from d where x < 250) "
            "select lpad(251 - x, 10, '0'), 'Cliente ' || lpad(251 - x, 3, '0') from d"));
    }
    QString nameAt(int row) const { return list.rows().value(row, QStringLiteral("CLI_NOME")).toString(); }

    RecordListLogic list{ctx, customerListDescription()};
};

TEST_F(ListPagingTest, RowsAreReadAPageAtATimeAsTheGridScrolls)
{
    list.show();
    EXPECT_EQ(list.rows().size(), RecordListLogic::kPageRows);
    EXPECT_EQ(nameAt(0), QStringLiteral("Cliente 001"));

    ResultSetModel model(list.description().columns);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setFetcher([this] { return list.canFetchMore(); }, [this] { list.fetchMore(); });
    model.setRows(list.rows());
    int fetches = 0;
    while (model.canFetchMore({})) {
        model.fetchMore({});
        ++fetches;
    }
    EXPECT_EQ(fetches, 2);
    EXPECT_EQ(model.rowCount(), 250);
    EXPECT_EQ(model.index(249, 1).data().toString(), QStringLiteral("Cliente 250"));

    list.setCurrent(180);
    list.reload();
    EXPECT_EQ(list.rows().size(), 250) << "a re-read keeps the rows the grid had";
    EXPECT_EQ(list.currentCode(), QStringLiteral("0000000181"));
}

TEST_F(ListPagingTest, SearchPastTheRowsReadFindsTheFirstMatchThroughTheDatabase)
{
    list.show();
    struct Case { const char *prefix; bool found; const char *landsOn; };
    const Case cases[] = {
        {"Cliente 05", true, "Cliente 050"},   // among the rows read
        {"Cliente 2", true, "Cliente 200"},    // past them: the list goes on from there
        {"Cliente 1", true, "Cliente 100"},    // before the row the list now starts at
        {"cliente", false, "Cliente 100"},     // case-sensitive: no move
        {"Nada", false, "Cliente 100"},
        {"", true, "Cliente 001"},             // back to the first row
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.prefix);
        list.setSearchText(QString::fromLatin1(c.prefix));
        EXPECT_EQ(list.search(), c.found);
        ASSERT_GE(list.current(), 0);
        EXPECT_EQ(nameAt(list.current()), QString::fromLatin1(c.landsOn));
    }
    list.setSearchText(QStringLiteral("Cliente 24"));
    ASSERT_TRUE(list.search());
    while (list.fetchMore() > 0) {
    }
    EXPECT_EQ(nameAt(list.rows().size() - 1), QStringLiteral("Cliente 250")) << "scrolling goes on to the end";
}

// The customer list opens wide enough for all its columns, up to the screen's width.
TEST_F(ListPagingTest, ListOpensWideEnoughForItsColumns)
{
    TfPrincipal principal(ctx);
    RegisterWindows &registry = RegisterWindows::plugInto(principal, ctx);
    TfManut_Cli &window = registry.customerList();
    int needed = 0;
    QTimer::singleShot(0, &window, [&] {
        for (int c = 0; c < window.grid()->model()->columnCount(); ++c)
            needed += window.grid()->columnWidth(c);
        window.reject();
    });
    window.exec();
    const int screenWidth = window.screen()->availableGeometry().width();
    EXPECT_GE(window.width(), std::min(needed, screenWidth));
    EXPECT_LE(window.width(), std::max(screenWidth, 900));
}

} // namespace

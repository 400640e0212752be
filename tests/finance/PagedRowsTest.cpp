#include "finance/PagedRows.h"
#include "support/TestEnvironment.h"

namespace {

class PagedRowsTest : public DatabaseTest {};

// The pages follow each other without a gap or a repeat, and the last one
// (short or empty) ends the reading.
TEST_F(PagedRowsTest, PagesFollowEachOtherToTheEnd)
{
    for (const int total : {0, 7, 10, 23}) {
        SCOPED_TRACE(total);
        db.execute(QStringLiteral("Delete From Caixa"));
        for (int i = 1; i <= total; ++i)
            db.execute(QStringLiteral("Insert Into Caixa (CAI_CodInt, CAI_Data, CAI_DC, CAI_Valor) "
                                      "Values (:n, :d, 'C', 1)"),
                       {{"n", i}, {"d", QDate(2026, 1, 1).addDays(total - i)}});
        PagedRows rows(db, 5);
        rows.reset(QStringLiteral("Select CAI_CodInt From Caixa Where CAI_Data >= :d Order By CAI_Data, CAI_CodInt"),
                   {{"d", QDate(2000, 1, 1)}});
        EXPECT_EQ(rows.size(), std::min(total, 5));
        rows.fetchAll();
        ASSERT_EQ(rows.size(), total);
        EXPECT_FALSE(rows.canFetchMore());
        for (int i = 0; i < total; ++i)
            EXPECT_EQ(rows.rows().value(i, 0).toInt(), total - i);
        EXPECT_EQ(rows.fetchMore(), 0);
    }
}

} // namespace

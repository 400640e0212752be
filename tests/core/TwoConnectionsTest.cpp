#include "core/Database.h"
#include "core/DbError.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>

// Two workstations on one database, each with a connection of its own: two
// attachments of the embedded engine in this process, and, beside a real
// server (scripts/with-firebird-server.sh sets VELMORA_TEST_SERVER), two
// connections through it.
namespace {

class TwoConnections : public WorkDirTest, public ::testing::WithParamInterface<const char *> {
protected:
    void SetUp() override
    {
        const bool server = QByteArray(GetParam()) == "server";
        const QString host = qEnvironmentVariable("VELMORA_TEST_SERVER");
        if (server && host.isEmpty())
            GTEST_SKIP() << "VELMORA_TEST_SERVER is not set; run through scripts/with-firebird-server.sh";
        WorkDirTest::SetUp();
        copyFreshDatabase(workDir());
        const QString file = workDir() + QStringLiteral("/vd.fdb");
        const QString location = server ? host + u':' + file : file;
        const auto engine = server ? Database::Engine::Any : Database::Engine::Embedded;
        first.open(location, engine);
        second.open(location, engine);
        m_started = true;
    }
    void TearDown() override
    {
        if (!m_started)
            return;
        first.close();
        second.close();
        WorkDirTest::TearDown();
    }

    static QString version(Database &db)
    {
        return db.select(QStringLiteral("Select Numero From Versao")).first().text(QStringLiteral("Numero"));
    }

    Database first;
    Database second;
    bool m_started = false;
};

TEST_P(TwoConnections, AWaitForAHeldRowEndsWithALockConflictThenTheRowIsFree)
{
    const QString update = QStringLiteral("Update Versao Set Numero = :cNumero");
    Transaction holding(first);
    first.execute(holding, update, {{"cNumero", QStringLiteral("primeira")}});

    QElapsedTimer waited;
    waited.start();
    try {
        second.execute(update, {{"cNumero", QStringLiteral("segunda")}});
        FAIL() << "the second connection changed a row the first one holds";
    } catch (const DbError &e) {
        EXPECT_EQ(e.category(), DbError::Category::LockConflict) << e.what();
        EXPECT_NE(e.sqlCode(), 0) << e.what();
        EXPECT_FALSE(e.message().isEmpty());
    }
    // It did wait for the other workstation, and then gave up on its own.
    EXPECT_GE(waited.elapsed(), (Database::kLockTimeoutSeconds - 1) * 1000);

    holding.commit();
    EXPECT_EQ(second.execute(update, {{"cNumero", QStringLiteral("segunda")}}), 1);
    EXPECT_EQ(version(first), QStringLiteral("segunda"));
}

// An attachment shut down from outside (here by the other connection, as an
// administrator or a stopping server would) fails as a connection error, and
// closing it afterwards returns at once instead of hanging.
TEST_P(TwoConnections, AConnectionShutDownFromOutsideIsAConnectionErrorAndClosesCleanly)
{
    second.execute(QStringLiteral("Delete From MON$ATTACHMENTS Where MON$ATTACHMENT_ID <> CURRENT_CONNECTION "
                                  "And MON$SYSTEM_FLAG = 0"));
    try {
        version(first);
        FAIL() << "the shut-down connection still answered";
    } catch (const DbError &e) {
        EXPECT_EQ(e.category(), DbError::Category::Connection) << e.what();
    }
    first.close();
    EXPECT_FALSE(first.isOpen());
    EXPECT_FALSE(version(second).isEmpty()); // the other workstation goes on
}

INSTANTIATE_TEST_SUITE_P(, TwoConnections, ::testing::Values("embedded", "server"),
                         [](const ::testing::TestParamInfo<const char *> &info) { return std::string(info.param); });

} // namespace

#include "core/ConfigBancoDadosLogic.h"
#include "core/DataModuleConexao.h"
#include "core/Startup.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

// These run only beside a real Firebird server (scripts/with-firebird-server.sh
// sets VELMORA_TEST_SERVER to its "host" or "host/port").
namespace {

class ServerConnectionTest : public WorkDirTest {
protected:
    void SetUp() override
    {
        m_server = qEnvironmentVariable("VELMORA_TEST_SERVER");
        if (m_server.isEmpty())
            GTEST_SKIP() << "VELMORA_TEST_SERVER is not set; run through scripts/with-firebird-server.sh";
        WorkDirTest::SetUp();
        copyFreshDatabase(workDir());
    }
    void TearDown() override
    {
        if (!m_server.isEmpty()) {
            db.close();
            WorkDirTest::TearDown();
        }
    }
    QString remoteFolder() const { return m_server + u':' + workDir(); }

    QString m_server;
    Database db;
    ScriptedMessages messages;
    DataModuleConexao conexao{db, m_dir.path()};
};

TEST_F(ServerConnectionTest, StartupReachesTheServerFolderOfConfigIni)
{
    QFile f(QStringLiteral("Config.INI"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[PASTA]\r\nPATH=" + remoteFolder().toUtf8() + "\r\n");
    f.close();

    Startup startup(conexao, messages, {});
    EXPECT_EQ(startup.run(), Startup::Outcome::Run);
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.shown().value(0).text.toStdString();
    // The host:folder text goes to the client library unchanged.
    EXPECT_EQ(db.path(), remoteFolder() + QStringLiteral("/vd.fdb"));
    EXPECT_EQ(db.select(QStringLiteral("Select * From Versao")).first().text("Numero"),
              QString::fromLatin1(Session::kBuildVersion));
}

TEST_F(ServerConnectionTest, SetupTestsAndSavesAServerFolder)
{
    ConfigBancoDadosLogic logic(conexao, messages);
    EXPECT_EQ(logic.testar(m_server + QStringLiteral(":/pasta/que/nao/existe")), ConfigBancoDadosLogic::Outcome::Failed);
    EXPECT_EQ(logic.testar(remoteFolder()), ConfigBancoDadosLogic::Outcome::Found);
    EXPECT_EQ(logic.gravar(remoteFolder()), ConfigBancoDadosLogic::Outcome::Saved);
    EXPECT_EQ(conexao.configuredFolder(), remoteFolder());
    EXPECT_TRUE(db.isOpen());
}

} // namespace

#include "core/DataModuleConexao.h"
#include "utilities/BackupLogic.h"
#include "utilities/DatabaseLocation.h"
#include "utilities/RestoreLogic.h"
#include "support/TestEnvironment.h"

#include <QFile>

namespace {

void writeFile(const QString &name, const QByteArray &content)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

class DatabaseLocationTest : public WorkDirTest {
protected:
    DatabaseLocation find() const
    {
        Database db;
        return DatabaseLocation::find(DataModuleConexao(db, workDir()));
    }
};

TEST_F(DatabaseLocationTest, TheMarkerWinsOverConfigIni)
{
    writeFile(QStringLiteral("Config.INI"), "[PASTA]\r\nPATH=servidor:/dados\r\n");
    writeFile(QStringLiteral("single"), "");
    const DatabaseLocation at = find();
    EXPECT_TRUE(at.embedded);
    EXPECT_FALSE(at.onServer());
    EXPECT_EQ(at.databaseFile(), workDir() + QStringLiteral("/vd.fdb"));
    EXPECT_EQ(at.serviceManager(), QStringLiteral("service_mgr"));
}

TEST_F(DatabaseLocationTest, ConfigIniFolders)
{
    struct Case {
        const char *path;
        const char *host;
        const char *databaseFile;
        const char *serviceManager;
        bool reachable;
    };
    const Case cases[] = {
        {"servidor:/dados", "servidor", "/dados/vd.fdb", "servidor:service_mgr", false},
        {"192.168.0.10:C:\\Dados", "192.168.0.10", "C:\\Dados/vd.fdb", "192.168.0.10:service_mgr", false},
        {"localhost/3051:/srv/vd", "localhost/3051", "/srv/vd/vd.fdb", "localhost/3051:service_mgr", true},
        {"127.0.0.1:/srv/vd", "127.0.0.1", "/srv/vd/vd.fdb", "127.0.0.1:service_mgr", true},
        {"/srv/vd", "", "/srv/vd/vd.fdb", "service_mgr", true},
        {"C:\\Dados", "", "C:\\Dados/vd.fdb", "service_mgr", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        writeFile(QStringLiteral("Config.INI"), QByteArray("[PASTA]\r\nPATH=") + c.path + "\r\n");
        const DatabaseLocation at = find();
        EXPECT_FALSE(at.embedded);
        EXPECT_EQ(at.host, QString::fromLatin1(c.host));
        EXPECT_EQ(at.databaseFile(), QString::fromLatin1(c.databaseFile));
        EXPECT_EQ(at.serviceManager(), QString::fromLatin1(c.serviceManager));
        EXPECT_EQ(at.filesReachable(), c.reachable);
        EXPECT_EQ(at.connectionString(at.databaseFile()), QString::fromLatin1(c.path) + QStringLiteral("/vd.fdb"));
    }
}

// With the database on a server, both windows name the server's files and
// say so; the working directory plays no part in them.
class ServerFilesTest : public DatabaseTest {};

TEST_F(ServerFilesTest, BothWindowsNameTheServersFiles)
{
    writeFile(QStringLiteral("Config.INI"), "[PASTA]\r\nPATH=servidor:/dados\r\n");
    BackupLogic backup(ctx, workDir());
    backup.prepare();
    EXPECT_EQ(backup.backupFile(), QStringLiteral("/dados/backup.gbk"));
    EXPECT_TRUE(backup.whereNote().contains(QStringLiteral("Servidor servidor"))) << backup.whereNote().toStdString();

    RestoreLogic restore(ctx, workDir());
    restore.prepare();
    EXPECT_EQ(restore.databaseFile(), QStringLiteral("/dados/vd.fdb"));
    EXPECT_TRUE(restore.whereNote().contains(QStringLiteral("Servidor servidor")));

    // A local installation names local files and needs no note.
    writeFile(QStringLiteral("single"), {});
    backup.prepare();
    EXPECT_EQ(backup.backupFile(), workDir() + QStringLiteral("/backup.gbk"));
    EXPECT_TRUE(backup.whereNote().isEmpty());
}

} // namespace

#include "core/DbError.h"
#include "utilities/BackupLogic.h"
#include "utilities/RestoreLogic.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <algorithm>
#include <ostream>

// Backup and restore on the in-process engine of a local installation, and
// through the Firebird server of scripts/with-firebird-server.sh (which sets
// VELMORA_TEST_SERVER; those cases are skipped without it). The server runs on
// this machine, so its files are the test's files.
namespace {

enum class Where { Embedded, Server };

void PrintTo(Where where, std::ostream *os) { *os << (where == Where::Embedded ? "Embedded" : "Server"); }

QByteArray contentOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &file, const QByteArray &content)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

class BackupRestoreTest : public DatabaseTest, public ::testing::WithParamInterface<Where> {
protected:
    void SetUp() override
    {
        if (GetParam() == Where::Server) {
            m_server = qEnvironmentVariable("VELMORA_TEST_SERVER");
            if (m_server.isEmpty())
                GTEST_SKIP() << "VELMORA_TEST_SERVER is not set; run through scripts/with-firebird-server.sh";
        }
        DatabaseTest::SetUp();
        m_started = true;
        if (GetParam() == Where::Embedded) {
            writeFile(workDir() + QStringLiteral("/single"), {});
        } else {
            writeFile(workDir() + QStringLiteral("/Config.INI"),
                      "[PASTA]\r\nPATH=" + (m_server + u':' + workDir()).toUtf8() + "\r\n");
            db.close();
        }
        reopen();
        setCompanyName(QStringLiteral("Antes do Backup"));
    }
    void TearDown() override
    {
        if (m_started)
            DatabaseTest::TearDown();
    }

    // What the next start of the program opens.
    QString connection(const QString &file = QStringLiteral("vd.fdb")) const
    {
        const QString path = workDir() + u'/' + file;
        return m_server.isEmpty() ? path : m_server + u':' + path;
    }
    void reopen()
    {
        db.close();
        db.open(connection(), m_server.isEmpty() ? Database::Engine::Embedded : Database::Engine::Any);
    }
    void setCompanyName(const QString &name)
    {
        ASSERT_EQ(db.execute(QStringLiteral("Update Empresa Set EMP_Nome = :cNome"), {{QStringLiteral("cNome"), name}}),
                  1);
    }
    static QString companyName(Database &from)
    {
        return from.select(QStringLiteral("Select EMP_Nome From Empresa")).first().text(QStringLiteral("EMP_Nome"));
    }

    // Follows the work as a window would, noting what had been shown by then.
    struct Watch {
        int lines = 0;
        int shownWhileWorking = 0;
        bool finished = false;
        WorkObserver observer(const ScriptedMessages &messages)
        {
            return {.started = {},
                    .progress =
                        [this, &messages](const QString &line) {
                            lines += line.isEmpty() ? 0 : 1;
                            shownWhileWorking = std::max(shownWhileWorking, int(messages.shown().size()));
                        },
                    .finished = [this] { finished = true; }};
        }
    };

    bool makeBackup(BackupLogic &backup, Watch *watch = nullptr)
    {
        Watch ignored;
        Watch &w = watch ? *watch : ignored;
        return backup.gerarBackup(w.observer(messages));
    }
    void chooseBackup(RestoreLogic &restore, const QString &file)
    {
        messages.fileNameNext(file);
        restore.procurarBackup();
    }

    QString m_server;
    bool m_started = false;
    BackupLogic backup{ctx, workDir()};
    RestoreLogic restore{ctx, workDir()};
};

TEST_P(BackupRestoreTest, RoundTripGivesBackTheDataAndKeepsThePreviousDatabase)
{
    backup.prepare();
    EXPECT_EQ(backup.backupFile(), workDir() + QStringLiteral("/backup.gbk"));
    Watch backupWatch;
    ASSERT_TRUE(makeBackup(backup, &backupWatch));
    // The success text comes after the server's last line, never before.
    EXPECT_GT(backupWatch.lines, 0);
    EXPECT_EQ(backupWatch.shownWhileWorking, 0);
    EXPECT_TRUE(backupWatch.finished);
    EXPECT_TRUE(messages.showedOnly(ScriptedMessages::Kind::Information, BackupLogic::kSucesso));
    EXPECT_FALSE(QFile::exists(backup.backupFile() + BackupLogic::kSufixoTemporario));

    setCompanyName(QStringLiteral("Depois do Backup"));
    messages.clear();
    restore.prepare();
    EXPECT_EQ(restore.databaseFile(), workDir() + QStringLiteral("/vd.fdb"));
    chooseBackup(restore, backup.backupFile());
    messages.answerNext(true);
    Watch restoreWatch;
    ASSERT_EQ(restore.restaurar(restoreWatch.observer(messages)), RestoreLogic::Outcome::Restored)
        << messages.shown().value(1).text.toStdString();
    EXPECT_GT(restoreWatch.lines, 0);
    EXPECT_EQ(restoreWatch.shownWhileWorking, 1); // only the confirmation
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown()[0].kind, ScriptedMessages::Kind::Confirmation);
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral("Guardado como vd.fdb.anterior")));
    EXPECT_EQ(messages.shown()[1], (ScriptedMessages::Shown{ScriptedMessages::Kind::Information, RestoreLogic::kSucesso}));
    // The program ends now: the shared connection is not opened again.
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(QFile::exists(workDir() + QStringLiteral("/vd.fdb.novo")));

    reopen();
    EXPECT_EQ(companyName(db), QStringLiteral("Antes do Backup"));
    Database previous;
    previous.open(connection(QStringLiteral("vd.fdb.anterior")),
                  m_server.isEmpty() ? Database::Engine::Embedded : Database::Engine::Any);
    EXPECT_EQ(companyName(previous), QStringLiteral("Depois do Backup"));
}

TEST_P(BackupRestoreTest, FailedBackupShowsTheServersErrorAndKeepsThePreviousFile)
{
    backup.prepare();
    const QString previousBackup = backup.backupFile();
    writeFile(previousBackup, "backup anterior");

    struct Case {
        const char *name;
        std::function<void()> arrange;
        QString chosen;
    };
    const Case cases[] = {
        {"pasta que o servidor não consegue gravar", [] {}, workDir() + QStringLiteral("/nao/existe/backup.gbk")},
        {"banco de dados indisponível",
         [this] {
             db.close();
             ASSERT_TRUE(QFile::rename(dbPath(), dbPath() + QStringLiteral(".fora")));
         },
         previousBackup},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        backup.prepare();
        c.arrange();
        messages.fileNameNext(c.chosen);
        backup.escolherPasta();
        ASSERT_EQ(backup.backupFile(), c.chosen);
        messages.clear();
        Watch watch;
        EXPECT_FALSE(makeBackup(backup, &watch));
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown()[0].kind, ScriptedMessages::Kind::Warning);
        EXPECT_TRUE(messages.shown()[0].text.startsWith(BackupLogic::kFalha));
        EXPECT_GT(messages.shown()[0].text.size(), BackupLogic::kFalha.size() + 5) << "the server's own text follows";
        EXPECT_TRUE(watch.finished);
        EXPECT_EQ(contentOf(previousBackup), QByteArray("backup anterior"));
        EXPECT_FALSE(QFile::exists(c.chosen + BackupLogic::kSufixoTemporario));
    }
}

TEST_P(BackupRestoreTest, BackupNeverGoesOverTheDatabaseItself)
{
    backup.prepare();
    messages.fileNameNext(workDir() + QStringLiteral("/./vd.fdb"));
    backup.escolherPasta();
    EXPECT_FALSE(makeBackup(backup));
    EXPECT_TRUE(messages.showedOnly(ScriptedMessages::Kind::Warning, BackupLogic::kFalha + BackupLogic::kSobreOBanco));
    EXPECT_EQ(companyName(db), QStringLiteral("Antes do Backup"));
}

TEST_P(BackupRestoreTest, BadBackupLeavesTheDatabaseUntouched)
{
    backup.prepare();
    ASSERT_TRUE(makeBackup(backup));
    const QByteArray good = contentOf(backup.backupFile());
    setCompanyName(QStringLiteral("Dados Atuais"));

    struct Case {
        const char *name;
        QByteArray content;
    };
    const Case cases[] = {
        {"arquivo que não é backup", QByteArray(4096, 'x')},
        {"backup cortado ao meio", good.left(good.size() / 2)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = workDir() + QStringLiteral("/ruim.gbk");
        writeFile(file, c.content);
        messages.clear();
        restore.prepare();
        chooseBackup(restore, file);
        messages.answerNext(true);
        EXPECT_EQ(restore.restaurar(), RestoreLogic::Outcome::Failed);
        ASSERT_EQ(messages.shown().size(), 2);
        EXPECT_EQ(messages.shown()[1].kind, ScriptedMessages::Kind::Warning);
        EXPECT_TRUE(messages.shown()[1].text.startsWith(RestoreLogic::kFalha)) << messages.shown()[1].text.toStdString();
        ASSERT_TRUE(db.isOpen());
        EXPECT_EQ(companyName(db), QStringLiteral("Dados Atuais"));
        EXPECT_FALSE(QFile::exists(workDir() + QStringLiteral("/vd.fdb.novo")));
        EXPECT_FALSE(QFile::exists(workDir() + QStringLiteral("/vd.fdb.anterior")));
    }
}

TEST_P(BackupRestoreTest, RestoreRefusedWhileAnotherConnectionIsAttached)
{
    backup.prepare();
    ASSERT_TRUE(makeBackup(backup));
    setCompanyName(QStringLiteral("Dados Atuais"));

    Database otherWorkstation;
    otherWorkstation.open(connection(), m_server.isEmpty() ? Database::Engine::Embedded : Database::Engine::Any);
    messages.clear();
    restore.prepare();
    chooseBackup(restore, backup.backupFile());
    messages.answerNext(true);
    EXPECT_EQ(restore.restaurar(), RestoreLogic::Outcome::Refused);
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown()[1], (ScriptedMessages::Shown{ScriptedMessages::Kind::Warning, RestoreLogic::refusalText(1)}));
    ASSERT_TRUE(db.isOpen());
    EXPECT_EQ(companyName(db), QStringLiteral("Dados Atuais"));

    // A workstation that comes in while the server restores keeps the old database.
    otherWorkstation.close();
    messages.clear();
    messages.answerNext(true);
    WorkObserver arrivesMeanwhile{.started = {}, .progress = [&](const QString &) {
                                      if (!otherWorkstation.isOpen())
                                          otherWorkstation.open(connection(), m_server.isEmpty()
                                                                                  ? Database::Engine::Embedded
                                                                                  : Database::Engine::Any);
                                  },
                                  .finished = {}};
    EXPECT_EQ(restore.restaurar(arrivesMeanwhile), RestoreLogic::Outcome::Refused);
    EXPECT_EQ(messages.shown().value(1), (ScriptedMessages::Shown{ScriptedMessages::Kind::Warning, RestoreLogic::refusalText(1)}));
    ASSERT_TRUE(db.isOpen());
    EXPECT_EQ(companyName(db), QStringLiteral("Dados Atuais"));
    EXPECT_FALSE(QFile::exists(workDir() + QStringLiteral("/vd.fdb.novo")));

    // Once the other workstation has left, the same restore goes through.
    otherWorkstation.close();
    messages.clear();
    messages.answerNext(true);
    EXPECT_EQ(restore.restaurar(), RestoreLogic::Outcome::Restored);
}

TEST_P(BackupRestoreTest, NothingHappensWithoutABackupFileOrWithoutConfirmation)
{
    restore.prepare();
    EXPECT_EQ(restore.restaurar(), RestoreLogic::Outcome::Failed);
    EXPECT_TRUE(messages.showedOnly(ScriptedMessages::Kind::Warning, RestoreLogic::kFalha + RestoreLogic::kSemBackup));

    backup.prepare();
    ASSERT_TRUE(makeBackup(backup));
    messages.clear();
    chooseBackup(restore, backup.backupFile());
    messages.answerNext(false);
    EXPECT_EQ(restore.restaurar(), RestoreLogic::Outcome::Cancelled);
    EXPECT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(db.isOpen());
    EXPECT_FALSE(QFile::exists(workDir() + QStringLiteral("/vd.fdb.anterior")));
}

INSTANTIATE_TEST_SUITE_P(Engines, BackupRestoreTest, ::testing::Values(Where::Embedded, Where::Server),
                         [](const auto &info) { return info.param == Where::Embedded ? "Embedded" : "Server"; });

} // namespace

#include "core/ConfigBancoDadosLogic.h"
#include "core/ConnectionMessages.h"
#include "core/DataModuleConexao.h"
#include "core/DbError.h"
#include "core/Startup.h"
#include "core/WorkingFiles.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

namespace {

using Kind = MessageService::Kind;

const QString kLocalCauses = QStringLiteral(
    "Não Consegui encontrar o Banco de Dados as Possíveis causas podem ser:\r"
    " 1 - Verifique se o arquivo GDS32.DLL está na pasta onde está instalado o arquivo\r"
    " 2 - Verique se o arquivo VD.FDB está na mesma pasta onde está instalado o sistema\r");
const QString kLocationCauses = QStringLiteral(
    "Não Consegui encontrar o Banco de Dados as Possíveis causas podem ser:\r"
    " 1 - verifique se o FireBird está Ativo\r"
    " 2 - Verique no arquivo Config.ini se o Path dos Dados está correto\r");
const QString kTail = QStringLiteral("\r E diga o Código de Erro:");
const QString kSupport = QStringLiteral(
    "Caso não consiga resolver entre em Contato Através do Email suporte@velmora.com.br ou pelo Telefone (19) 3025-4100");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A failure box of the given kind: the causes, the support line, and a
// non-empty error text from the database library.
::testing::AssertionResult isFailureBox(const ScriptedMessages::Shown &box, const QString &causes)
{
    const QString head = causes + kSupport + kTail;
    if (box.kind != Kind::Error)
        return ::testing::AssertionFailure() << "not an error box";
    if (!box.text.startsWith(head) || box.text.size() == head.size())
        return ::testing::AssertionFailure() << "text: " << box.text.toStdString();
    return ::testing::AssertionSuccess();
}

TEST(ConnectionMessagesTest, FixedTextThenSupportLineThenTheErrorText)
{
    EXPECT_EQ(ConnectionMessages::localFailure(QStringLiteral("I/O error")),
              kLocalCauses + kSupport + kTail + QStringLiteral("I/O error"));
    EXPECT_EQ(ConnectionMessages::locationFailure(QStringLiteral("I/O error")),
              kLocationCauses + kSupport + kTail + QStringLiteral("I/O error"));
    EXPECT_EQ(ConnectionMessages::startupFailure(QStringLiteral("x")), ConnectionMessages::locationFailure("x"));
}

// Runs the start-up in a working directory, recording what each step did.
class StartupTest : public WorkDirTest {
protected:
    Startup::Outcome run()
    {
        Startup startup(conexao, messages,
                        {.showSetupWindow =
                             [this] {
                                 events << QStringLiteral("setup");
                                 return setupWindow ? setupWindow() : false;
                             },
                         .setProgress = [this](const QString &text) { events << text; },
                         .createGroup =
                             [this](int group) {
                                 events << QStringLiteral("group %1").arg(group);
                                 if (group == failingGroup)
                                     throw DbError(QStringLiteral("tabela ausente"));
                             }});
        return startup.run();
    }

    QStringList allGroups() const
    {
        QStringList all;
        for (int i = 0; i < 6; ++i)
            all << Startup::progressTexts().at(i) << QStringLiteral("group %1").arg(i);
        return all;
    }

    Database db;
    ScriptedMessages messages;
    DataModuleConexao conexao{db, m_dir.path()};
    std::function<bool()> setupWindow;
    int failingGroup = -1;
    QStringList events;
};

TEST_F(StartupTest, ProgressTextsComeInOrderBeforeEachGroup)
{
    EXPECT_EQ(Startup::progressTexts(),
              (QStringList{"Criando Tela Princial", "Criando Módulo de Cadastros", "Criando Módulo de Pedidos",
                           "Criando Módulo de Relatórios", "Criando Módulo de Utilitários",
                           "Criando Módulo de Movimentação de Estoque"}));
}

TEST_F(StartupTest, MarkerFileOpensTheLocalDatabaseAndIgnoresConfigIni)
{
    copyFreshDatabase(workDir());
    writeFile(QStringLiteral("single"), "");
    writeFile(QStringLiteral("Config.INI"), "[PASTA]\r\nPATH=/nao/existe\r\n");

    EXPECT_EQ(run(), Startup::Outcome::Run);
    EXPECT_EQ(events, allGroups()); // no setup window
    EXPECT_TRUE(messages.shown().isEmpty());
    ASSERT_TRUE(db.isOpen());
    EXPECT_EQ(db.path(), QDir::currentPath() + QStringLiteral("/vd.fdb"));
}

TEST_F(StartupTest, MarkerWithoutDatabaseShowsLocalThenStartupFailureAndEnds)
{
    writeFile(QStringLiteral("single"), "");

    EXPECT_EQ(run(), Startup::Outcome::Ended);
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_TRUE(isFailureBox(messages.shown()[0], kLocalCauses));
    EXPECT_TRUE(isFailureBox(messages.shown()[1], kLocationCauses));
    EXPECT_EQ(events, QStringList{"Criando Tela Princial"}); // nothing was created
    EXPECT_FALSE(QFile::exists(QStringLiteral("Config.ini")));
}

TEST_F(StartupTest, NeitherFileShowsTheSetupFirstThenConnectsFromWhatItWrote)
{
    copyFreshDatabase(workDir());
    setupWindow = [this] {
        EXPECT_TRUE(events == QStringList{"setup"}); // before anything else of the program
        ConfigBancoDadosLogic logic(conexao, messages);
        EXPECT_EQ(logic.gravar(logic.initialFolder()), ConfigBancoDadosLogic::Outcome::Saved);
        db.close(); // start-up must connect again from Config.INI on its own
        return logic.endRequested();
    };

    EXPECT_EQ(run(), Startup::Outcome::Run);
    EXPECT_EQ(events, QStringList{"setup"} + allGroups());
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_TRUE(db.isOpen());
}

TEST_F(StartupTest, ClosingTheSetupWithoutSavingFailsAndEnds)
{
    copyFreshDatabase(workDir());
    setupWindow = [this] {
        ConfigBancoDadosLogic logic(conexao, messages);
        EXPECT_EQ(logic.testar(logic.initialFolder()), ConfigBancoDadosLogic::Outcome::Found);
        return logic.endRequested(); // the title-bar button: nothing saved, no end asked
    };

    EXPECT_EQ(run(), Startup::Outcome::Ended);
    // The test found the database, but nothing was saved: the path is "" + "/vd.fdb".
    ASSERT_EQ(messages.shown().size(), 3);
    EXPECT_EQ(messages.shown()[0], (ScriptedMessages::Shown{Kind::Information, "Banco de Dados Encontrado"}));
    EXPECT_TRUE(isFailureBox(messages.shown()[1], kLocationCauses));
    EXPECT_TRUE(isFailureBox(messages.shown()[2], kLocationCauses));
    EXPECT_EQ(conexao.lastPath(), QStringLiteral("/vd.fdb"));
    EXPECT_FALSE(WorkingFiles::exists(workDir(), QStringLiteral("Config.ini")));
}

TEST_F(StartupTest, SairDoProgramaEndsAtOnceWithoutAnotherMessage)
{
    copyFreshDatabase(workDir());
    setupWindow = [this] {
        ConfigBancoDadosLogic logic(conexao, messages);
        EXPECT_EQ(logic.testar(logic.initialFolder()), ConfigBancoDadosLogic::Outcome::Found);
        logic.sairDoPrograma();
        return logic.endRequested();
    };

    EXPECT_EQ(run(), Startup::Outcome::Quit);
    // Only the box the person asked for; no failure is reported and nothing is created.
    EXPECT_EQ(messages.shown(),
              (QList<ScriptedMessages::Shown>{{Kind::Information, "Banco de Dados Encontrado"}}));
    EXPECT_EQ(events, QStringList{"setup"});
    EXPECT_FALSE(WorkingFiles::exists(workDir(), QStringLiteral("Config.ini")));
}

TEST_F(StartupTest, ConfigIniNamingAFolderWithoutDatabaseFailsAndIsLeftAsItWas)
{
    QDir().mkdir(QStringLiteral("vazia"));
    const QByteArray config = "[PASTA]\r\nPATH=" + QDir::current().filePath(QStringLiteral("vazia")).toUtf8() + "\r\n";
    writeFile(QStringLiteral("config.ini"), config);

    EXPECT_EQ(run(), Startup::Outcome::Ended);
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_TRUE(isFailureBox(messages.shown()[0], kLocationCauses));
    EXPECT_TRUE(isFailureBox(messages.shown()[1], kLocationCauses));
    EXPECT_FALSE(events.contains(QStringLiteral("setup")));
    EXPECT_EQ(readFile(QStringLiteral("config.ini")), config);
}

TEST_F(StartupTest, TheRetryBeforeTheFirstGroupCanStillConnect)
{
    QDir().mkdir(QStringLiteral("dados"));
    const QString folder = QDir::current().filePath(QStringLiteral("dados"));
    writeFile(QStringLiteral("Config.INI"), "[PASTA]\r\nPATH=" + folder.toUtf8() + "\r\n");
    Startup startup(conexao, messages,
                    {.showSetupWindow = {},
                     .setProgress =
                         [&](const QString &text) {
                             if (text == Startup::progressTexts().first())
                                 copyFreshDatabase(folder); // the database became reachable meanwhile
                         },
                     .createGroup = {}});

    EXPECT_EQ(startup.run(), Startup::Outcome::Run);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(isFailureBox(messages.shown()[0], kLocationCauses));
    EXPECT_TRUE(db.isOpen());
}

TEST_F(StartupTest, AnErrorWhileCreatingAGroupShowsTheStartupFailureAndEnds)
{
    copyFreshDatabase(workDir());
    writeFile(QStringLiteral("single"), "");
    failingGroup = 2;

    EXPECT_EQ(run(), Startup::Outcome::Ended);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, ConnectionMessages::startupFailure(QStringLiteral("tabela ausente"))));
    EXPECT_EQ(events, allGroups().mid(0, 6)); // groups 3 to 5 were never created
}

} // namespace

#include "core/ConfigBancoDadosLogic.h"
#include "core/ConnectionMessages.h"
#include "core/DataModuleConexao.h"
#include "core/IniFile.h"
#include "core/WorkingFiles.h"
#include "core/ui/TfConfig_BancoDados.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Kind = MessageService::Kind;
using Outcome = ConfigBancoDadosLogic::Outcome;

const QString kLocationHead = ConnectionMessages::locationFailure(QString());

class ConfigBancoDadosTest : public WorkDirTest {
protected:
    void SetUp() override
    {
        WorkDirTest::SetUp();
        copyFreshDatabase(workDir());
        QDir().mkdir(QStringLiteral("vazia"));
    }
    QString emptyFolder() const { return QDir(workDir()).filePath(QStringLiteral("vazia")); }
    bool configLeft() const { return WorkingFiles::exists(workDir(), QStringLiteral("Config.ini")); }

    Database db;
    ScriptedMessages messages;
    DataModuleConexao conexao{db, m_dir.path()};
    ConfigBancoDadosLogic logic{conexao, messages};
};

TEST_F(ConfigBancoDadosTest, GravarWithTheProposedFolderWritesConfigAndConnects)
{
    EXPECT_EQ(logic.initialFolder(), workDir());
    EXPECT_EQ(logic.gravar(logic.initialFolder()), Outcome::Saved);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_TRUE(db.isOpen());
    ASSERT_TRUE(QFile::exists(QStringLiteral("Config.ini")));
    EXPECT_EQ(IniFile::load(QStringLiteral("Config.ini")).value(QStringLiteral("PASTA"), QStringLiteral("PATH")),
              workDir());
}

TEST_F(ConfigBancoDadosTest, TestarFindsTheDatabaseWithoutWritingConfig)
{
    EXPECT_EQ(logic.testar(workDir()), Outcome::Found);
    EXPECT_TRUE(messages.showedOnly(Kind::Information, QStringLiteral("Banco de Dados Encontrado")));
    EXPECT_TRUE(db.isOpen());
    EXPECT_FALSE(configLeft());
}

TEST_F(ConfigBancoDadosTest, AFailedConnectionNeverLeavesAConfigIniBehind)
{
    struct Case {
        const char *name;
        const char *existingConfig; // file present before the button, or nullptr
        bool gravar;
    };
    const std::vector<Case> cases{
        {"Gravar, no file before", nullptr, true},
        {"Gravar over an upper-case file", "CONFIG.INI", true},
        {"Testar with a lower-case file", "config.ini", false},
        {"Testar with the usual name", "Config.INI", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        if (c.existingConfig) {
            QFile f(QString::fromLatin1(c.existingConfig));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("[PASTA]\r\nPATH=/outra\r\n");
        }
        const Outcome outcome = c.gravar ? logic.gravar(emptyFolder()) : logic.testar(emptyFolder());
        EXPECT_EQ(outcome, Outcome::Failed);
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown()[0].kind, Kind::Error);
        EXPECT_TRUE(messages.shown()[0].text.startsWith(kLocationHead));
        EXPECT_GT(messages.shown()[0].text.size(), kLocationHead.size()); // the library's error text
        EXPECT_FALSE(configLeft());
        EXPECT_FALSE(db.isOpen());
    }
}

TEST_F(ConfigBancoDadosTest, WindowClearsTheFieldOnFailureAndSairEndsTheProgram)
{
    TfConfig_BancoDados window(logic);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Configurações do Banco de Dados"));
    EXPECT_EQ(window.folderField()->text(), workDir());

    window.folderField()->setText(emptyFolder());
    QTest::mouseClick(window.gravarButton(), Qt::LeftButton);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.folderField()->text(), QString());
    EXPECT_TRUE(window.folderField()->hasFocus());
    EXPECT_FALSE(configLeft());

    QTest::mouseClick(window.sairButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_TRUE(logic.endRequested());
}

TEST_F(ConfigBancoDadosTest, WindowClosesAfterASuccessfulGravar)
{
    TfConfig_BancoDados window(logic);
    window.show();
    QTest::mouseClick(window.gravarButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(logic.endRequested());
    EXPECT_TRUE(configLeft());
}

} // namespace

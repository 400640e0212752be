#include "SecurityTestSupport.h"
#include "security/SwitchesLogic.h"
#include "security/ui/SwitchWindow.h"
#include "support/TestEnvironment.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

using Kind = MessageService::Kind;
using S = SwitchesLogic::Switch;
const QString kReiniciar = QStringLiteral("Para que as novas Configurações façam efeito é necessário reiniciar o Programa");

class SwitchesTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        insertUser(db, "000001", "admin");
    }
    SwitchesLogic logic{ctx};
};

TEST_F(SwitchesTest, LoginOffTurnsTheOtherTwoOffAndOnLeavesThemAsStored)
{
    setSwitches(db, "S", "S", "S");
    EXPECT_TRUE(logic.save(S::Login, false).saved);
    EXPECT_EQ(storedSwitches(db), QStringLiteral("NNN"));
    EXPECT_TRUE(messages.showedOnly(Kind::Information, kReiniciar));

    // Whatever another workstation stored meanwhile stays as it is.
    db.execute(QStringLiteral("Update Configuracoes Set Log = 'S'"));
    EXPECT_TRUE(logic.save(S::Login, true).saved);
    EXPECT_EQ(storedSwitches(db), QStringLiteral("SNS"));
    EXPECT_TRUE(logic.isOn(S::Login));
    EXPECT_FALSE(logic.isOn(S::Permissao));
    EXPECT_TRUE(logic.isOn(S::Log));
}

TEST_F(SwitchesTest, PermissionAndLogNeedTheLogin)
{
    struct Case { S which; const char *error; const char *after; };
    const Case cases[] = {
        {S::Permissao, "O Login de Usuários Precisa estar Habilitado para ter PERMISSÃO de Usuários", "SSN"},
        {S::Log, "O Login de Usuários Precisa estar Habilitado para ter LOG de Usuários", "SNS"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.error);
        setSwitches(db, "N", "N", "N");
        messages.clear();
        const auto refused = logic.save(c.which, true);
        EXPECT_FALSE(refused.saved);
        EXPECT_TRUE(refused.chooseNao);
        EXPECT_TRUE(messages.showedOnly(Kind::Error, QString::fromUtf8(c.error)));
        EXPECT_EQ(storedSwitches(db), QStringLiteral("NNN"));

        setSwitches(db, "S", "N", "N");
        messages.clear();
        EXPECT_TRUE(logic.save(c.which, true).saved);
        EXPECT_EQ(storedSwitches(db), QString::fromLatin1(c.after));
        EXPECT_TRUE(messages.showedOnly(Kind::Information, kReiniciar));
        EXPECT_TRUE(logic.save(c.which, false).saved);
        EXPECT_EQ(storedSwitches(db), QStringLiteral("SNN"));
    }
}

TEST_F(SwitchesTest, LoginCannotBeTurnedOnWithoutAnActiveUser)
{
    db.execute(QStringLiteral("Update Usuarios Set USU_Ativo = 'I'"));
    insertUser(db, "000002", "outro", "I");
    const auto refused = logic.save(S::Login, true);
    EXPECT_FALSE(refused.saved);
    EXPECT_TRUE(refused.chooseNao);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, SwitchesLogic::kLoginSemUsuarioAtivo));
    EXPECT_EQ(storedSwitches(db), QStringLiteral("NNN"));

    db.execute(QStringLiteral("Delete From Usuarios"));
    messages.clear();
    EXPECT_FALSE(logic.save(S::Login, true).saved);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, SwitchesLogic::kLoginSemUsuarioAtivo));

    // Turning it off is always allowed.
    setSwitches(db, "S", "S", "N");
    messages.clear();
    EXPECT_TRUE(logic.save(S::Login, false).saved);
    EXPECT_EQ(storedSwitches(db), QStringLiteral("NNN"));
}

TEST_F(SwitchesTest, AMissingRowIsAFailureNotASilentSuccess)
{
    setSwitches(db, "S", "N", "N");
    db.execute(QStringLiteral("Delete From Configuracoes"));
    EXPECT_FALSE(logic.save(S::Login, false).saved);
    EXPECT_TRUE(messages.showedOnly(Kind::Warning, QStringLiteral("Não Consegui Alterar, Tente Novamente")));
    db.execute(QStringLiteral("Insert Into Configuracoes (LOGIN, Permissao, Log) Values ('S', 'N', 'N')"));
    db.execute(QStringLiteral("Create Exception NO_CONF_EXC 'Configuracoes bloqueada'"));
    db.execute(QStringLiteral("Create Trigger NO_CONF_UPD For Configuracoes Before Update As "
                              "Begin Exception NO_CONF_EXC; End"));
    messages.clear();
    EXPECT_FALSE(logic.save(S::Log, true).saved);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().front().kind, Kind::Warning);
    EXPECT_TRUE(messages.shown().front().text.startsWith(
        QStringLiteral("Não Consegui Alterar a Configuração, Tente Novamente !\rErro:  ")));
    EXPECT_TRUE(messages.shown().front().text.contains(QStringLiteral("Configuracoes bloqueada")));
    EXPECT_EQ(storedSwitches(db), QStringLiteral("SNN"));
}

TEST_F(SwitchesTest, WindowsShowTheStoredChoiceAndSetItBackWhenRefused)
{
    struct Case {
        std::function<SwitchWindow *()> make;
        const char *caption;
        const char *question;
    };
    const Case cases[] = {
        {[this] { return new TfConfig_Login(ctx); }, "Configurações de Login de Usuário",
         "Deseja ter Login de Usuários no Programa ?"},
        {[this] { return new TfConfig_Log(ctx); }, "Deseja Gravar o Log das Operações dos Usuários ?",
         "Deseja Gravar o Log das Operações do Usuários:"},
        {[this] { return new TfPermissao_Usuarios(ctx); }, "Deseja Ter Permissão de Usuários no Programa ?",
         "Deseja ter Permissão de Usuários ?"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caption);
        std::unique_ptr<SwitchWindow> w(c.make());
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_FALSE(w->windowFlags() & Qt::WindowCloseButtonHint);
        QStringList labels;
        for (const QLabel *l : w->findChildren<QLabel *>())
            labels << l->text();
        EXPECT_TRUE(labels.contains(QString::fromUtf8(c.question)));

        setSwitches(db, "S", "S", "S");
        w->show();
        EXPECT_EQ(w->choice()->currentText(), QStringLiteral("Sim"));
        w->hide();
        setSwitches(db, "N", "N", "N");
        w->show();
        EXPECT_EQ(w->choice()->currentText(), QStringLiteral("Não"));

        // "Sim" refused (no login; for the login itself, no active user).
        db.execute(QStringLiteral("Update Usuarios Set USU_Ativo = 'I'"));
        w->choice()->setCurrentText(QStringLiteral("Sim"));
        messages.clear();
        QTest::mouseClick(w->gravarButton(), Qt::LeftButton);
        EXPECT_EQ(w->choice()->currentText(), QStringLiteral("Não"));
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().front().kind, Kind::Error);
        EXPECT_EQ(storedSwitches(db), QStringLiteral("NNN"));
        db.execute(QStringLiteral("Update Usuarios Set USU_Ativo = 'A'"));

        // "Fechar" saves nothing.
        w->choice()->setCurrentText(QStringLiteral("Sim"));
        QTest::mouseClick(w->fecharButton(), Qt::LeftButton);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(storedSwitches(db), QStringLiteral("NNN"));
    }
}

} // namespace

#include "security/LoginLogic.h"
#include "security/ui/TfLogin.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Kind = MessageService::Kind;

class LoginTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        session.confLogin = QStringLiteral("S");
        addUser("000001", "maria", "Segredo", "A");
        addUser("000002", "joao", "abc", "I");
    }
    void addUser(const char *code, const char *login, const char *senha, const char *ativo)
    {
        db.execute(QStringLiteral("Insert Into Usuarios (USU_Codigo, USU_Nome, USU_Login, USU_Senha, USU_Ativo) "
                                  "Values (:cCod, :cCod, :cLogin, :cSenha, :cAtivo)"),
                   {{QStringLiteral("cCod"), code}, {QStringLiteral("cLogin"), login},
                    {QStringLiteral("cSenha"), senha}, {QStringLiteral("cAtivo"), ativo}});
    }
};

TEST_F(LoginTest, EntrarFindsTheUserExactlyAsTyped)
{
    struct Case { const char *login, *senha, *codigo; };
    const Case cases[] = {
        {"maria", "Segredo", "000001"},
        {"joao", "abc", nullptr},          // inactive: refused like a wrong password
        {"maria  ", "Segredo ", "000001"}, // trailing spaces do not count
        {"maria", "segredo", nullptr},     // case matters in the password
        {"Maria", "Segredo", nullptr},     // and in the login
        {" maria", "Segredo", nullptr},
        {"maria", "abc", nullptr},         // another user's password
        {"", "", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.login) + "/" + c.senha);
        session.codUsuario = session.loginUsuario = QString();
        messages.clear();
        LoginLogic logic(ctx);
        const bool found = logic.entrar(QString::fromLatin1(c.login), QString::fromLatin1(c.senha));
        EXPECT_EQ(found, c.codigo != nullptr);
        EXPECT_FALSE(logic.programEndRequested());
        if (c.codigo) {
            EXPECT_EQ(session.codUsuario, QString::fromLatin1(c.codigo));
            EXPECT_EQ(session.loginUsuario, c.codigo[5] == '1' ? QStringLiteral("maria") : QStringLiteral("joao"));
            EXPECT_EQ(logic.statusPanel(), QStringLiteral("Usuario:") + session.loginUsuario);
            EXPECT_TRUE(messages.shown().isEmpty());
        } else {
            EXPECT_TRUE(session.codUsuario.isEmpty());
            EXPECT_TRUE(messages.showedOnly(Kind::Warning, QStringLiteral("Login ou Senha não Cadastrados, Tente Novamente")));
        }
    }
}

TEST_F(LoginTest, ClosingCheckEndsTheProgramWithoutAUser)
{
    LoginLogic known(ctx);
    EXPECT_TRUE(known.closingCheck(QStringLiteral("maria"), QStringLiteral("Segredo")));
    EXPECT_EQ(session.codUsuario, QStringLiteral("000001"));
    EXPECT_TRUE(session.loginUsuario.isEmpty()); // only "Entrar" sets the login name
    EXPECT_FALSE(known.programEndRequested());
    EXPECT_TRUE(messages.shown().isEmpty());

    for (const char *senha : {"ABC", "abc"}) { // a wrong password; an inactive user's right one
        SCOPED_TRACE(senha);
        session.codUsuario.clear();
        messages.clear();
        LoginLogic unknown(ctx);
        EXPECT_FALSE(unknown.closingCheck(QStringLiteral("joao"), QString::fromLatin1(senha)));
        EXPECT_TRUE(unknown.programEndRequested());
        EXPECT_TRUE(session.codUsuario.isEmpty());
        EXPECT_TRUE(messages.showedOnly(Kind::Warning, QStringLiteral("Login ou Senha não Cadastrados, o Sistema será Fechado !")));
    }

    messages.clear();
    LoginLogic cancelled(ctx);
    cancelled.cancelar();
    EXPECT_TRUE(cancelled.programEndRequested());
    EXPECT_TRUE(messages.shown().isEmpty());
}

class LoginWindowTest : public LoginTest {
protected:
    void SetUp() override
    {
        LoginTest::SetUp();
        window = std::make_unique<TfLogin>(ctx);
        window->show();
        login = window->findChild<QLineEdit *>(QStringLiteral("edLogin"));
        senha = window->findChild<QLineEdit *>(QStringLiteral("edSenha"));
        entrar = window->findChild<QPushButton *>(QStringLiteral("btEntrar"));
        cancelar = window->findChild<QPushButton *>(QStringLiteral("btCancelar"));
        ASSERT_TRUE(login && senha && entrar && cancelar);
    }
    void type(const char *l, const char *s)
    {
        login->clear();
        senha->clear();
        QTest::keyClicks(login, QString::fromLatin1(l));
        QTest::keyClicks(senha, QString::fromLatin1(s));
    }

    std::unique_ptr<TfLogin> window;
    QLineEdit *login = nullptr;
    QLineEdit *senha = nullptr;
    QPushButton *entrar = nullptr;
    QPushButton *cancelar = nullptr;
};

TEST_F(LoginWindowTest, ShowsItsCaptionFieldsAndNoTitleBarButtons)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Login"));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowSystemMenuHint);
    QStringList labels;
    for (const QLabel *l : window->findChildren<QLabel *>())
        labels << l->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Por Favor, identifique-se")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Login")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Senha")));
    EXPECT_EQ(senha->echoMode(), QLineEdit::Password);
    EXPECT_EQ(login->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(entrar->text(), QStringLiteral("Entrar"));
    EXPECT_EQ(cancelar->text(), QStringLiteral("Cancelar"));
}

TEST_F(LoginWindowTest, EntrarRetriesThenClosesWithoutASecondMessage)
{
    type("maria", "segredo");
    QTest::mouseClick(entrar, Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(messages.showedOnly(Kind::Warning, QStringLiteral("Login ou Senha não Cadastrados, Tente Novamente")));

    messages.clear();
    type("maria", "Segredo");
    QTest::mouseClick(entrar, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(messages.shown().isEmpty()); // the closing check found the same user
    EXPECT_FALSE(window->logic().programEndRequested());
    EXPECT_EQ(session.codUsuario, QStringLiteral("000001"));
    EXPECT_EQ(session.loginUsuario, QStringLiteral("maria"));
}

TEST_F(LoginWindowTest, EnterDoesNotPressEntrar)
{
    type("maria", "Segredo");
    QTest::keyClick(senha, Qt::Key_Return);
    QTest::keyClick(login, Qt::Key_Enter);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(session.codUsuario.isEmpty());
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(LoginWindowTest, EveryOtherWayOutRunsTheClosingCheck)
{
    struct Case { const char *name; std::function<void()> leave; };
    const Case ways[] = {
        {"Escape", [this] { QTest::keyClick(login, Qt::Key_Escape); }},
        {"close", [this] { window->close(); }},
    };
    for (const auto &w : ways) {
        SCOPED_TRACE(w.name);
        messages.clear();
        session.codUsuario.clear();
        window = std::make_unique<TfLogin>(ctx);
        window->show();
        login = window->findChild<QLineEdit *>(QStringLiteral("edLogin"));
        senha = window->findChild<QLineEdit *>(QStringLiteral("edSenha"));
        type("joao", "wrong");
        w.leave();
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(window->logic().programEndRequested());
        EXPECT_TRUE(messages.showedOnly(Kind::Warning, QStringLiteral("Login ou Senha não Cadastrados, o Sistema será Fechado !")));
        EXPECT_TRUE(session.codUsuario.isEmpty());
    }
}

TEST_F(LoginWindowTest, CancelarEndsAtOnceEvenWithValidCredentials)
{
    type("maria", "Segredo");
    QTest::mouseClick(cancelar, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->logic().programEndRequested());
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_TRUE(session.codUsuario.isEmpty());
}

TEST_F(LoginWindowTest, EmptyUserTableOnlyLetsTheProgramEnd)
{
    db.execute(QStringLiteral("Delete From Usuarios"));
    type("", "");
    QTest::mouseClick(entrar, Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->logic().programEndRequested());
    EXPECT_EQ(messages.shown(),
              (QList<ScriptedMessages::Shown>{
                  {Kind::Warning, QStringLiteral("Login ou Senha não Cadastrados, Tente Novamente")},
                  {Kind::Warning, QStringLiteral("Login ou Senha não Cadastrados, o Sistema será Fechado !")}}));
}

TEST_F(LoginWindowTest, DatabaseErrorKeepsTheWindowOpen)
{
    db.execute(QStringLiteral("Drop Table Usuarios"));
    type("maria", "Segredo");
    QTest::mouseClick(entrar, Qt::LeftButton);
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->logic().programEndRequested());
    ASSERT_EQ(messages.shown().size(), 2);
    for (const auto &shown : messages.shown())
        EXPECT_EQ(shown.kind, Kind::Error);
}

} // namespace

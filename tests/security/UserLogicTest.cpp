#include "SecurityTestSupport.h"
#include "security/ModuleCodes.h"
#include "security/UserLogic.h"
#include "support/TestEnvironment.h"

namespace {

using Kind = MessageService::Kind;

class UserLogicTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        session.confLog = QStringLiteral("S");
        session.codUsuario = QStringLiteral("000001");
    }
    // Adds a user through the data window's logic, as "Inclui" does.
    UserLogic::SaveResult add(const QString &nome, bool ativo = true)
    {
        UserLogic logic(ctx);
        logic.setModo(QStringLiteral("Inclui"));
        logic.prepare();
        logic.enterCode();
        auto &v = logic.values();
        v.nome = nome;
        v.login = nome.left(10);
        v.senha = v.senha2 = QStringLiteral("pw");
        v.ativo = ativo;
        return logic.save();
    }
    UserLogic::SaveResult edit(const char *modo, const QString &code, const std::function<void(UserLogic::Values &)> &change = {})
    {
        UserLogic logic(ctx);
        logic.setModo(QString::fromLatin1(modo));
        logic.setSelectedCode(code);
        logic.prepare();
        if (change)
            change(logic.values());
        return logic.save();
    }
    int count(const QString &sql, const QString &code)
    {
        return int(db.select(sql, {{"c", code}}).value(0, 0).toInt());
    }
    int permissionRows(const QString &code)
    {
        return count(QStringLiteral("Select Count(*) From Permissoes Where PER_CodUser = :c"), code);
    }
    int logLines(const QString &prefix)
    {
        return count(QStringLiteral("Select Count(*) From Log Where LOG_Descricao = :c"), prefix);
    }
};

TEST_F(UserLogicTest, AddingWritesTheUserItsFiftyFourGrantedRowsAndOneAuditLine)
{
    ASSERT_TRUE(add(QStringLiteral("Ana")).saved);
    EXPECT_TRUE(messages.shown().isEmpty());
    const auto u = db.select(QStringLiteral("Select * From Usuarios")).first();
    EXPECT_EQ(u.text("USU_CODIGO"), QStringLiteral("000001"));
    EXPECT_EQ(u.text("USU_ATIVO"), QStringLiteral("A"));
    EXPECT_EQ(u.value("USU_DCAD").toDate(), clock.today());

    const auto rows = db.select(QStringLiteral("Select PER_CodMod, PER_Descricao, PER_Ativo From Permissoes "
                                               "Where PER_CodUser = '000001'"));
    const auto &table = ModuleCodes::table();
    ASSERT_EQ(rows.size(), 54);
    QStringList stored, expected;
    for (int i = 0; i < rows.size(); ++i) {
        stored << rows.row(i).text("PER_CODMOD") + u'|' + rows.row(i).text("PER_DESCRICAO") + u'|'
                      + rows.row(i).text("PER_ATIVO");
        expected << table[size_t(i)].code.leftJustified(13) + u'|' + table[size_t(i)].description.leftJustified(50)
                        + QStringLiteral("|S");
    }
    stored.sort();
    expected.sort();
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(logLines(QStringLiteral("Inclusão de Usuário.:000001")), 1);
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Log Where LOG_CodUser = :c"), QStringLiteral("000001")), 1);

    ASSERT_TRUE(add(QStringLiteral("Bia")).saved);
    EXPECT_EQ(permissionRows(QStringLiteral("000002")), 54);
}

TEST_F(UserLogicTest, ACodeReusedAfterADeleteGetsACleanSet)
{
    ASSERT_TRUE(add(QStringLiteral("Ana")).saved);
    ASSERT_TRUE(add(QStringLiteral("Bia")).saved);
    db.execute(QStringLiteral("Update Permissoes Set PER_Ativo = 'N' Where PER_CodUser = '000002'"));
    ASSERT_TRUE(edit("Exclui", QStringLiteral("000002")).saved);
    EXPECT_EQ(permissionRows(QStringLiteral("000002")), 54); // left in place by the delete

    ASSERT_TRUE(add(QStringLiteral("Caio")).saved); // receives 000002 again
    EXPECT_EQ(permissionRows(QStringLiteral("000002")), 54);
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Permissoes Where PER_CodUser = :c And PER_Ativo = 'N'"),
                    QStringLiteral("000002")),
              0);
}

TEST_F(UserLogicTest, ValidationInOrderLeavesEverythingAsTyped)
{
    struct Case { const char *nome, *login, *senha, *senha2; QString warning; UserLogic::Field focus; };
    const Case cases[] = {
        {"  ", "x", "p", "p", UserLogic::kNomeVazio, UserLogic::Field::Nome},
        {"Ana", " ", "", "", UserLogic::kLoginVazio, UserLogic::Field::Login},
        {"Ana", "ana", "  ", "  ", UserLogic::kSenhaVazia, UserLogic::Field::Senha},
        {"Ana", "ana", "abc", "abd", UserLogic::kSenhasDiferentes, UserLogic::Field::Senha},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.warning.toStdString());
        messages.clear();
        UserLogic logic(ctx);
        logic.setModo(QStringLiteral("Inclui"));
        logic.prepare();
        auto &v = logic.values();
        v.nome = QString::fromLatin1(c.nome);
        v.login = QString::fromLatin1(c.login);
        v.senha = QString::fromLatin1(c.senha);
        v.senha2 = QString::fromLatin1(c.senha2);
        const auto r = logic.save();
        EXPECT_FALSE(r.saved);
        EXPECT_EQ(r.focus, c.focus);
        EXPECT_TRUE(messages.showedOnly(Kind::Warning, c.warning));
        EXPECT_EQ(logic.values().senha2, QString::fromLatin1(c.senha2));
    }
    EXPECT_TRUE(db.select(QStringLiteral("Select USU_Codigo From Usuarios")).isEmpty());
}

TEST_F(UserLogicTest, NobodyCanLockEveryoneOut)
{
    ASSERT_TRUE(add(QStringLiteral("Ana")).saved);          // 000001, the logged-in user
    ASSERT_TRUE(add(QStringLiteral("Bia")).saved);          // 000002
    ASSERT_TRUE(add(QStringLiteral("Caio"), false).saved);  // 000003, inactive
    const auto deactivate = [](UserLogic::Values &v) { v.ativo = false; };
    struct Case { const char *what; std::function<UserLogic::SaveResult()> run; QString refusal; };
    const Case refused[] = {
        {"delete itself", [&] { return edit("Exclui", QStringLiteral("000001")); }, UserLogic::kProprioExclui},
        {"deactivate itself", [&] { return edit("Altera", QStringLiteral("000001"), deactivate); },
         UserLogic::kProprioInativa},
    };
    for (const Case &c : refused) {
        SCOPED_TRACE(c.what);
        messages.clear();
        EXPECT_FALSE(c.run().saved);
        EXPECT_TRUE(messages.showedOnly(Kind::Error, c.refusal));
    }
    EXPECT_EQ(db.select(QStringLiteral("Select USU_Codigo From Usuarios Where USU_Ativo = 'A'")).size(), 2);

    // Without a login (nobody logged in), the last active user is still kept.
    session.codUsuario.clear();
    messages.clear();
    EXPECT_TRUE(edit("Altera", QStringLiteral("000001"), deactivate).saved);
    const Case last[] = {
        {"deactivate the last", [&] { return edit("Altera", QStringLiteral("000002"), deactivate); },
         UserLogic::kUltimoInativa},
        {"delete the last", [&] { return edit("Exclui", QStringLiteral("000002")); }, UserLogic::kUltimoExclui},
    };
    for (const Case &c : last) {
        SCOPED_TRACE(c.what);
        messages.clear();
        EXPECT_FALSE(c.run().saved);
        EXPECT_TRUE(messages.showedOnly(Kind::Error, c.refusal));
    }
    EXPECT_EQ(db.select(QStringLiteral("Select USU_Codigo From Usuarios Where USU_Ativo = 'A'")).size(), 1);
    // Inactive users are deleted and changed freely.
    messages.clear();
    EXPECT_TRUE(edit("Altera", QStringLiteral("000003"), [](UserLogic::Values &v) { v.nome = QStringLiteral("C"); }).saved);
    EXPECT_TRUE(edit("Exclui", QStringLiteral("000003")).saved);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(logLines(QStringLiteral("Exclusão de Usuário.:000003")), 1);
    EXPECT_EQ(logLines(QStringLiteral("Exclusão de Usuário.:000002")), 0);
}

TEST_F(UserLogicTest, ThePasswordIsReadOnlyToBeChanged)
{
    ASSERT_TRUE(add(QStringLiteral("Ana")).saved);
    for (const char *modo : {"Consulta", "Exclui", "Altera"}) {
        SCOPED_TRACE(modo);
        UserLogic logic(ctx);
        logic.setModo(QString::fromLatin1(modo));
        logic.setSelectedCode(QStringLiteral("000001"));
        logic.prepare();
        EXPECT_EQ(logic.values().nome, QStringLiteral("Ana"));
        const bool altera = QString::fromLatin1(modo) == QStringLiteral("Altera");
        EXPECT_EQ(logic.values().senha, altera ? QStringLiteral("pw") : QString());
        EXPECT_EQ(logic.values().senha2, logic.values().senha);
    }
}

TEST_F(UserLogicTest, ChangeAndFailuresRollBackTheWhole)
{
    ASSERT_TRUE(add(QStringLiteral("Ana")).saved);
    EXPECT_TRUE(edit("Altera", QStringLiteral("000001"), [](UserLogic::Values &v) {
                    v.login = QStringLiteral("anab");
                    v.senha = v.senha2 = QStringLiteral("nova ");
                }).saved);
    const auto u = db.select(QStringLiteral("Select USU_Login, USU_Senha From Usuarios")).first();
    EXPECT_EQ(u.text("USU_LOGIN") + u'|' + u.text("USU_SENHA"), QStringLiteral("anab|nova "));
    EXPECT_EQ(logLines(QStringLiteral("Alteração de Usuário.:000001")), 1);

    db.execute(QStringLiteral("Create Exception LOG_CHEIO 'log cheio'"));
    db.execute(QStringLiteral("Create Trigger LOG_RECUSA For Log Before Insert As Begin Exception LOG_CHEIO; End"));
    messages.clear();
    EXPECT_FALSE(add(QStringLiteral("Bia")).saved);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().front().text.startsWith(UserLogic::kFalhaInclui));
    EXPECT_EQ(db.select(QStringLiteral("Select USU_Codigo From Usuarios")).size(), 1);
    EXPECT_EQ(permissionRows(QStringLiteral("000002")), 0);

    // Deleted by another workstation after it was shown: reported, not a success.
    insertUser(db, "000005", "eva");
    UserLogic logic(ctx);
    logic.setModo(QStringLiteral("Exclui"));
    logic.setSelectedCode(QStringLiteral("000005"));
    logic.prepare();
    db.execute(QStringLiteral("Delete From Usuarios Where USU_Codigo = '000005'"));
    messages.clear();
    EXPECT_FALSE(logic.save().saved);
    EXPECT_TRUE(messages.showedOnly(Kind::Warning, UserLogic::kFalhaExclui + UserLogic::kNaoEncontrado));
}

TEST_F(UserLogicTest, ACodeTakenMeanwhileGivesTheNextOne)
{
    UserLogic logic(ctx);
    logic.setModo(QStringLiteral("Inclui"));
    logic.prepare();
    EXPECT_EQ(logic.enterCode(), QStringLiteral("000001"));
    insertUser(db, "000001", "outra"); // another workstation
    auto &v = logic.values();
    v.nome = v.login = QStringLiteral("ana");
    v.senha = v.senha2 = QStringLiteral("pw");
    ASSERT_TRUE(logic.save().saved);
    EXPECT_TRUE(messages.showedOnly(Kind::Information, QStringLiteral("Novo Código:000002")));
    EXPECT_EQ(permissionRows(QStringLiteral("000002")), 54);
    EXPECT_EQ(permissionRows(QStringLiteral("000001")), 0);
    EXPECT_TRUE(logic.values().nome.isEmpty()); // cleared for the next user
}

} // namespace

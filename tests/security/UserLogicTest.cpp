#include "SecurityTestSupport.h"
#include "security/ModuleCodes.h"
#include "security/UserLogic.h"
#include "support/TestEnvironment.h"

#include <chrono>
#include <thread>

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
    RecordSaveResult add(const QString &nome, bool ativo = true)
    {
        UserLogic logic(ctx);
        logic.open(Modo::Inclui, {});
        logic.prepare();
        logic.proposeCode();
        fill(logic, nome, nome.left(10), QStringLiteral("pw"), QStringLiteral("pw"));
        logic.setAtivo(ativo);
        return logic.save();
    }
    static void fill(UserLogic &logic, const QString &nome, const QString &login, const QString &senha,
                     const QString &senha2)
    {
        logic.setField(QStringLiteral("USU_NOME"), nome);
        logic.setField(QStringLiteral("USU_LOGIN"), login);
        logic.setField(QStringLiteral("USU_SENHA"), senha);
        logic.setField(QStringLiteral("USU_SENHA2"), senha2);
    }
    RecordSaveResult edit(Modo modo, const QString &code, const std::function<void(UserLogic &)> &change = {})
    {
        UserLogic logic(ctx);
        logic.open(modo, code);
        logic.prepare();
        if (change)
            change(logic);
        return modo == Modo::Exclui ? logic.remove() : logic.save();
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
    ASSERT_TRUE(edit(Modo::Exclui, QStringLiteral("000002")).saved);
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
        logic.open(Modo::Inclui, {});
        logic.prepare();
        fill(logic, QString::fromLatin1(c.nome), QString::fromLatin1(c.login), QString::fromLatin1(c.senha),
             QString::fromLatin1(c.senha2));
        EXPECT_FALSE(logic.save().saved);
        EXPECT_EQ(logic.refusedAt(), c.focus);
        EXPECT_TRUE(messages.showedOnly(Kind::Warning, c.warning));
        EXPECT_EQ(logic.field(QStringLiteral("USU_SENHA2")), QString::fromLatin1(c.senha2));
    }
    EXPECT_TRUE(db.select(QStringLiteral("Select USU_Codigo From Usuarios")).isEmpty());
}

TEST_F(UserLogicTest, NobodyCanLockEveryoneOut)
{
    ASSERT_TRUE(add(QStringLiteral("Ana")).saved);          // 000001, the logged-in user
    ASSERT_TRUE(add(QStringLiteral("Bia")).saved);          // 000002
    ASSERT_TRUE(add(QStringLiteral("Caio"), false).saved);  // 000003, inactive
    const auto deactivate = [](UserLogic &l) { l.setAtivo(false); };
    struct Case { const char *what; std::function<RecordSaveResult()> run; QString refusal; };
    const Case refused[] = {
        {"delete itself", [&] { return edit(Modo::Exclui, QStringLiteral("000001")); }, UserLogic::kProprioExclui},
        {"deactivate itself", [&] { return edit(Modo::Altera, QStringLiteral("000001"), deactivate); },
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
    EXPECT_TRUE(edit(Modo::Altera, QStringLiteral("000001"), deactivate).saved);
    const Case last[] = {
        {"deactivate the last", [&] { return edit(Modo::Altera, QStringLiteral("000002"), deactivate); },
         UserLogic::kUltimoInativa},
        {"delete the last", [&] { return edit(Modo::Exclui, QStringLiteral("000002")); }, UserLogic::kUltimoExclui},
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
    EXPECT_TRUE(edit(Modo::Altera, QStringLiteral("000003"), [](UserLogic &l) { l.setField(QStringLiteral("USU_NOME"), QStringLiteral("C")); }).saved);
    EXPECT_TRUE(edit(Modo::Exclui, QStringLiteral("000003")).saved);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(logLines(QStringLiteral("Exclusão de Usuário.:000003")), 1);
    EXPECT_EQ(logLines(QStringLiteral("Exclusão de Usuário.:000002")), 0);
}

TEST_F(UserLogicTest, ThePasswordIsReadOnlyToBeChanged)
{
    ASSERT_TRUE(add(QStringLiteral("Ana")).saved);
    for (const Modo modo : {Modo::Consulta, Modo::Exclui, Modo::Altera}) {
        SCOPED_TRACE(RecordMode::toText(modo).toStdString());
        UserLogic logic(ctx);
        logic.open(modo, QStringLiteral("000001"));
        logic.prepare();
        EXPECT_EQ(logic.field(QStringLiteral("USU_NOME")), QStringLiteral("Ana"));
        EXPECT_TRUE(logic.ativo());
        const QString expected = modo == Modo::Altera ? QStringLiteral("pw") : QString();
        EXPECT_EQ(logic.field(QStringLiteral("USU_SENHA")), expected);
        EXPECT_EQ(logic.field(QStringLiteral("USU_SENHA2")), expected);
    }
}

TEST_F(UserLogicTest, ChangeAndFailuresRollBackTheWhole)
{
    ASSERT_TRUE(add(QStringLiteral("Ana")).saved);
    EXPECT_TRUE(edit(Modo::Altera, QStringLiteral("000001"), [](UserLogic &l) {
                    fill(l, QStringLiteral("Ana"), QStringLiteral("anab"), QStringLiteral("nova "), QStringLiteral("nova "));
                }).saved);
    const auto u = db.select(QStringLiteral("Select USU_Login, USU_Senha From Usuarios")).first();
    EXPECT_EQ(u.text("USU_LOGIN") + u'|' + u.text("USU_SENHA"), QStringLiteral("anab|nova "));
    EXPECT_EQ(logLines(QStringLiteral("Alteração de Usuário.:000001")), 1);

    db.execute(QStringLiteral("Create Exception LOG_CHEIO 'log cheio'"));
    db.execute(QStringLiteral("Create Trigger LOG_RECUSA For Log Before Insert As Begin Exception LOG_CHEIO; End"));
    messages.clear();
    EXPECT_FALSE(add(QStringLiteral("Bia")).saved);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().front().text.startsWith(QStringLiteral("Não Consegui Incluir, Tente Novamente !\rErro:  ")));
    EXPECT_EQ(db.select(QStringLiteral("Select USU_Codigo From Usuarios")).size(), 1);
    EXPECT_EQ(permissionRows(QStringLiteral("000002")), 0);

    // Deleted by another workstation after it was shown: reported, not a success.
    insertUser(db, "000005", "eva");
    UserLogic logic(ctx);
    logic.open(Modo::Exclui, QStringLiteral("000005"));
    logic.prepare();
    db.execute(QStringLiteral("Delete From Usuarios Where USU_Codigo = '000005'"));
    messages.clear();
    EXPECT_FALSE(logic.remove().saved);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().front().text.startsWith(QStringLiteral("Não Consegui Excluir, Tente Novamente !\rErro:  ")));
}

TEST_F(UserLogicTest, ACodeTakenMeanwhileGivesTheNextOne)
{
    UserLogic logic(ctx);
    logic.open(Modo::Inclui, {});
    logic.prepare();
    EXPECT_EQ(logic.proposeCode(), QStringLiteral("000001"));
    insertUser(db, "000001", "outra"); // another workstation
    fill(logic, QStringLiteral("ana"), QStringLiteral("ana"), QStringLiteral("pw"), QStringLiteral("pw"));
    ASSERT_TRUE(logic.save().saved);
    EXPECT_TRUE(messages.showedOnly(Kind::Information, QStringLiteral("Novo Código:000002")));
    EXPECT_EQ(permissionRows(QStringLiteral("000002")), 54);
    EXPECT_EQ(permissionRows(QStringLiteral("000001")), 0);
    EXPECT_TRUE(logic.field(QStringLiteral("USU_NOME")).isEmpty()); // cleared for the next user
    EXPECT_EQ(logic.proposeCode(), QStringLiteral("000003"));
}

// Two workstations deactivating the two active users at the same moment: the
// second to reach the rows waits for the first and fails, so one stays active.
TEST_F(UserLogicTest, TwoWorkstationsCannotDeactivateTheLastTwoTogether)
{
    ASSERT_TRUE(add(QStringLiteral("Ana")).saved); // 000001
    ASSERT_TRUE(add(QStringLiteral("Bia")).saved); // 000002
    session.codUsuario.clear();

    Database other;
    other.open(dbPath(), Database::Engine::Embedded);
    Transaction elsewhere(other);
    other.execute(elsewhere, QStringLiteral("Update Usuarios Set USU_Ativo = 'I' Where USU_Codigo = '000002'"));

    RecordSaveResult result;
    std::thread here([&] {
        result = edit(Modo::Altera, QStringLiteral("000001"), [](UserLogic &l) { l.setAtivo(false); });
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(1500)); // "here" now waits for the other's row
    elsewhere.commit();
    here.join();

    EXPECT_FALSE(result.saved);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().front().kind, Kind::Warning);
    EXPECT_EQ(db.select(QStringLiteral("Select USU_Codigo From Usuarios Where USU_Ativo = 'A'")).size(), 1);
}

} // namespace

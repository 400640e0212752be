#include "SecurityTestSupport.h"
#include "controls/WidgetTestSupport.h"
#include "core/ResultSetModel.h"
#include "core/SchemaUpgrade.h"
#include "core/Session.h"
#include "security/ConsultaLogLogic.h"
#include "security/ui/TfConsulta_Log.h"
#include "support/TestEnvironment.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

using Kind = MessageService::Kind;
using Outcome = UserRules::Pick::Outcome;

class ConsultaLogTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        insertUser(db, "000001", "ana");
        insertUser(db, "000012", "bia");
        line("000001", "Novo Pedido:00000001", QDate(2026, 3, 9), QTime(23, 59, 59));
        line("000012", "Novo Pedido:00000002", QDate(2026, 3, 10), QTime(0, 0, 0));
        line("000001", "Alterado Ped. para Fechado:00000002", QDate(2026, 3, 10), QTime(18, 5));
        line("000012", "Cadastro de Cliente:0000000001", QDate(2026, 3, 10), QTime(9, 30));
        line("000009", "Exclusão de Usuário.:000009", QDate(2026, 3, 10), QTime(9, 0)); // user gone
        line("", "sem usuário", QDate(2026, 3, 10), QTime(9, 0));
        line("000001", "Novo Pedido:00000003", QDate(2026, 3, 11), QTime(0, 0, 1));
    }
    void line(const char *user, const char *text, QDate date, QTime time)
    {
        db.execute(QStringLiteral("Insert Into Log (LOG_CodUser, LOG_Descricao, LOG_Data, LOG_Hora) "
                                  "Values (:cUser, :cText, :dData, :tHora)"),
                   {{"cUser", user}, {"cText", QString::fromUtf8(text)}, {"dData", date}, {"tHora", time}});
    }
    QStringList events() const
    {
        QStringList out;
        for (int i = 0; i < logic.rows().size(); ++i)
            out << logic.rows().row(i).text("LOG_CODUSER") + u' ' + logic.rows().row(i).text("LOG_DESCRICAO");
        return out;
    }
    ConsultaLogLogic logic{ctx};
};

TEST_F(ConsultaLogTest, PeriodAndUserInDateAndTimeOrder)
{
    struct Case { const char *code; QDate from, to; QStringList expected; };
    const QDate d9(2026, 3, 9), d10(2026, 3, 10), d11(2026, 3, 11);
    const Case cases[] = {
        {"", d10, d10, {"000012 Novo Pedido:00000002", "000012 Cadastro de Cliente:0000000001",
                        "000001 Alterado Ped. para Fechado:00000002"}},
        {"000001", d10, d10, {"000001 Alterado Ped. para Fechado:00000002"}},
        {"12", d9, d11, {"000012 Novo Pedido:00000002", "000012 Cadastro de Cliente:0000000001"}},
        {"000001", d9, d11, {"000001 Novo Pedido:00000001", "000001 Alterado Ped. para Fechado:00000002",
                             "000001 Novo Pedido:00000003"}},
        {"", d11, d10, {}}, // final date before the start
        {"000009", d10, d10, {}}, // a deleted user's lines are not shown
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.code) + " " + c.from.toString().toStdString());
        logic.filtrar(QString::fromLatin1(c.code), c.from, c.to);
        EXPECT_EQ(events(), c.expected);
    }
    logic.filtrar({}, d9, d9);
    ASSERT_EQ(logic.rows().size(), 1);
    EXPECT_EQ(logic.rows().row(0).text("USU_NOME"), QStringLiteral("Nome ana"));
}

TEST_F(ConsultaLogTest, PickingAUserByCodeOrLogin)
{
    auto pick = logic.leaveCode(QStringLiteral("12"));
    EXPECT_EQ(pick.outcome, Outcome::Found);
    EXPECT_EQ(pick.user.codigo, QStringLiteral("000012"));
    EXPECT_EQ(pick.user.login, QStringLiteral("bia"));
    EXPECT_EQ(logic.leaveCode(QStringLiteral("  ")).outcome, Outcome::Blank);
    EXPECT_TRUE(messages.shown().isEmpty());

    EXPECT_EQ(logic.leaveCode(QStringLiteral("7")).outcome, Outcome::NotFound);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Usuário não Cadastrado, tente outro código")));
    messages.clear();
    pick = logic.leaveLogin(QStringLiteral("ana"));
    EXPECT_EQ(pick.outcome, Outcome::Found);
    EXPECT_EQ(pick.user.codigo, QStringLiteral("000001"));
    EXPECT_EQ(logic.leaveLogin(QStringLiteral("Ana")).outcome, Outcome::NotFound);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Usuário não Cadastrado, tente outro Login")));
}

// An older database gets the indexes of the log and of the permissions at
// its first showing, once.
TEST_F(ConsultaLogTest, OlderDatabasesGetTheQueryIndexesAtFirstShowing)
{
    const auto indexes = [this] {
        QStringList out;
        const auto rows = db.select(QStringLiteral(
            "Select trim(i.RDB$INDEX_NAME) || ':' || list(trim(s.RDB$FIELD_NAME), ',') as d From RDB$INDICES i "
            "Join RDB$INDEX_SEGMENTS s On s.RDB$INDEX_NAME = i.RDB$INDEX_NAME "
            "Where i.RDB$RELATION_NAME In ('LOG', 'PERMISSOES') Group By i.RDB$INDEX_NAME Order By 1"));
        for (int i = 0; i < rows.size(); ++i)
            out << rows.row(i).text("d");
        return out;
    };
    const QStringList expected{"IX_LOG_DATA:LOG_DATA,LOG_HORA", "IX_LOG_USUARIO_DATA:LOG_CODUSER,LOG_DATA",
                               "IX_PERMISSOES_USUARIO:PER_CODUSER,PER_CODMOD"};
    EXPECT_EQ(indexes(), expected); // a new database has them
    for (const char *name : {"IX_LOG_DATA", "IX_LOG_USUARIO_DATA", "IX_PERMISSOES_USUARIO"})
        db.execute(QStringLiteral("DROP INDEX ") + QString::fromLatin1(name));
    for (int showing = 0; showing < 2; ++showing) {
        QString versao = QString::fromLatin1(Session::kBuildVersion);
        SchemaUpgrade(ctx).runIfNeeded(versao);
        EXPECT_EQ(indexes(), expected);
        EXPECT_TRUE(messages.shown().isEmpty());
    }
}

TEST_F(ConsultaLogTest, WindowFillsTheCodeAndFiltersTheDayOfTheClock)
{
    clock.set(QDateTime(QDate(2026, 3, 10), QTime(12, 0)));
    TfConsulta_Log w(ctx);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Consulta de Log de Usuários"));
    ASSERT_TRUE(showActive(w));
    EXPECT_EQ(w.startDate()->date(), QDate(2026, 3, 10));
    EXPECT_EQ(w.endDate()->date(), QDate(2026, 3, 10));
    EXPECT_EQ(w.grid()->model()->rowCount(), 0);
    EXPECT_EQ(w.nameField()->focusPolicy(), Qt::NoFocus);

    focusBy(*w.codeField());
    QTest::keyClicks(w.codeField(), QStringLiteral("12"));
    focusBy(*w.loginField()); // leaving the code
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("000012"));
    EXPECT_EQ(w.loginField()->text(), QStringLiteral("bia"));
    EXPECT_EQ(w.nameField()->text(), QStringLiteral("Nome bia"));

    QTest::mouseClick(w.filtrarButton(), Qt::LeftButton);
    const QAbstractItemModel *m = w.grid()->model();
    ASSERT_EQ(m->rowCount(), 2);
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Cód.Usuário"));
    EXPECT_EQ(m->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Nome do Usuário"));
    EXPECT_EQ(m->index(1, 1).data().toString(), QStringLiteral("Cadastro de Cliente:0000000001"));
    EXPECT_EQ(m->index(1, 2).data().toString(), QStringLiteral("10/03/2026"));
    EXPECT_EQ(m->index(1, 3).data().toString(), QStringLiteral("09:30:00"));

    // An unknown code clears the user; "Filtrar" then reads everybody's lines.
    focusBy(*w.codeField());
    w.codeField()->setText(QStringLiteral("99"));
    focusBy(*w.loginField());
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Usuário não Cadastrado, tente outro código")));
    EXPECT_TRUE(w.codeField()->text().isEmpty());
    EXPECT_TRUE(w.loginField()->text().isEmpty());
    QTest::mouseClick(w.filtrarButton(), Qt::LeftButton);
    EXPECT_EQ(w.grid()->model()->rowCount(), 3);
}

} // namespace

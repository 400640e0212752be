#include "SecurityTestSupport.h"
#include "controls/WidgetTestSupport.h"
#include "security/ModuleCodes.h"
#include "security/PermissionsLogic.h"
#include "security/ui/TfDaRetiraPermissoes.h"
#include "support/TestEnvironment.h"

#include <QBrush>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

using Kind = MessageService::Kind;

class PermissionsTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        insertUser(db, "000001", "admin");
        insertUser(db, "000003", "caixa");
        for (const char *user : {"000001", "000003"})
            for (const char *mod : {"1", "7.3", "7"})
                permission(user, mod, "S");
    }
    void permission(const char *user, const char *mod, const char *ativo)
    {
        db.execute(QStringLiteral("Insert Into Permissoes (PER_CodMod, PER_Descricao, PER_CodUser, PER_Ativo) "
                                  "Values (:cMod, :cDesc, :cUser, :cAtivo)"),
                   {{"cMod", ModuleCodes::storedCode(QString::fromLatin1(mod))}, {"cDesc", "x"}, {"cUser", user},
                    {"cAtivo", ativo}});
    }
    QString ativo(const char *user, const char *mod)
    {
        QStringList values;
        const auto rows = db.select(QStringLiteral("Select PER_Ativo From Permissoes Where PER_CodUser = :u And PER_CodMod = :m"),
                                    {{"u", user}, {"m", mod}});
        for (int i = 0; i < rows.size(); ++i)
            values << rows.row(i).text("PER_ATIVO");
        return values.join(u',');
    }
    int rowOf(const char *mod) const
    {
        for (int i = 0; i < logic.rows().size(); ++i)
            if (logic.rows().row(i).text("PER_CODMOD").trimmed() == QString::fromLatin1(mod))
                return i;
        return -1;
    }
    PermissionsLogic logic{ctx};
};

TEST_F(PermissionsTest, AlteraTogglesTheRowAndTwiceRestoresIt)
{
    ASSERT_TRUE(logic.mostrar(QStringLiteral("3")));
    ASSERT_EQ(logic.rows().size(), 3);
    EXPECT_EQ(logic.rows().row(0).text("PER_CODMOD"), QStringLiteral("1            ")); // read with its spaces
    EXPECT_TRUE(logic.altera(rowOf("7.3")));
    EXPECT_EQ(ativo("000003", "7.3"), QStringLiteral("N"));
    EXPECT_TRUE(PermissionsLogic::revoked(logic.rows().row(rowOf("7.3"))));
    EXPECT_EQ(ativo("000001", "7.3"), QStringLiteral("S")); // another user's row is untouched
    EXPECT_TRUE(logic.altera(rowOf("7.3")));
    EXPECT_EQ(ativo("000003", "7.3"), QStringLiteral("S"));
    EXPECT_TRUE(messages.shown().isEmpty());

    logic.clear();
    EXPECT_FALSE(logic.altera(0)); // an empty grid: nothing, no message
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(PermissionsTest, DuplicateRowsOfOneCodeChangeTogether)
{
    permission("000003", "1", "S");
    ASSERT_TRUE(logic.mostrar(QStringLiteral("000003")));
    ASSERT_EQ(logic.rows().size(), 4);
    EXPECT_TRUE(logic.altera(rowOf("1")));
    EXPECT_EQ(ativo("000003", "1"), QStringLiteral("N,N"));
}

TEST_F(PermissionsTest, TheLoggedInUserCannotRevokeItsOwnUserWindows)
{
    session.codUsuario = QStringLiteral("000001");
    ASSERT_TRUE(logic.mostrar(QStringLiteral("1")));
    EXPECT_FALSE(logic.altera(rowOf("7.3")));
    EXPECT_TRUE(messages.showedOnly(Kind::Error, PermissionsLogic::kPropriaPermissao));
    EXPECT_EQ(ativo("000001", "7.3"), QStringLiteral("S"));

    // Its other codes, and another user's "7.3", can be revoked.
    messages.clear();
    EXPECT_TRUE(logic.altera(rowOf("7")));
    ASSERT_TRUE(logic.mostrar(QStringLiteral("3")));
    EXPECT_TRUE(logic.altera(rowOf("7.3")));
    EXPECT_EQ(ativo("000001", "7"), QStringLiteral("N"));
    EXPECT_EQ(ativo("000003", "7.3"), QStringLiteral("N"));
    EXPECT_TRUE(messages.shown().isEmpty());

    // Granting it back to itself is allowed.
    db.execute(QStringLiteral("Update Permissoes Set PER_Ativo = 'N' Where PER_CodUser = '000001'"));
    ASSERT_TRUE(logic.mostrar(QStringLiteral("1")));
    EXPECT_TRUE(logic.altera(rowOf("7.3")));
    EXPECT_EQ(ativo("000001", "7.3"), QStringLiteral("S"));
}

TEST_F(PermissionsTest, ARowToggledElsewhereMeanwhileIsReportedNotToggledBack)
{
    ASSERT_TRUE(logic.mostrar(QStringLiteral("3")));
    db.execute(QStringLiteral("Update Permissoes Set PER_Ativo = 'N' Where PER_CodUser = '000003' And PER_CodMod = '1'"));
    EXPECT_FALSE(logic.altera(rowOf("1")));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().front().kind, Kind::Warning);
    EXPECT_TRUE(messages.shown().front().text.startsWith(PermissionsLogic::kFalha));
    EXPECT_EQ(ativo("000003", "1"), QStringLiteral("N"));
    EXPECT_TRUE(PermissionsLogic::revoked(logic.rows().row(rowOf("1")))); // the grid shows what is stored
}

TEST_F(PermissionsTest, WindowPicksTheUserShowsRevokedRowsInRedAndToggles)
{
    permission("000003", "6", "N");
    TfDaRetiraPermissoes w(ctx);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Dá/Retira Permissão de Usuários"));
    ASSERT_TRUE(showActive(w));
    EXPECT_EQ(w.grid()->model()->rowCount(), 0);

    focusBy(*w.codeField());
    QTest::keyClicks(w.codeField(), QStringLiteral("3"));
    focusBy(*w.mostrarButton());
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("000003"));
    EXPECT_EQ(w.loginField()->text(), QStringLiteral("caixa"));
    QTest::mouseClick(w.mostrarButton(), Qt::LeftButton);
    const QAbstractItemModel *m = w.grid()->model();
    ASSERT_EQ(m->rowCount(), 4);
    EXPECT_EQ(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Tem Permissão"));
    for (int r = 0; r < 4; ++r) {
        const bool red = m->index(r, 0).data(Qt::ForegroundRole).value<QBrush>().color() == QColor(Qt::red);
        EXPECT_EQ(red, m->index(r, 2).data().toString() == QStringLiteral("N")) << r;
    }

    w.grid()->selectRow(0);
    QTest::mouseClick(w.alteraButton(), Qt::LeftButton);
    EXPECT_EQ(ativo("000003", "1"), QStringLiteral("N"));
    EXPECT_EQ(m->index(0, 2).data().toString(), QStringLiteral("N"));

    // An unknown user: the error, the fields cleared; "Mostrar" without a user.
    focusBy(*w.codeField());
    w.codeField()->setText(QStringLiteral("8"));
    focusBy(*w.mostrarButton());
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Usuário não Cadastrado, tente outro")));
    EXPECT_TRUE(w.codeField()->text().isEmpty());
    messages.clear();
    QTest::mouseClick(w.mostrarButton(), Qt::LeftButton);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("É preciso Escolher um Usuário")));
}

} // namespace

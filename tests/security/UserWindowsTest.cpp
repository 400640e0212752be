#include "SecurityTestSupport.h"
#include "controls/WidgetTestSupport.h"
#include "security/ui/TfDados_Usuarios.h"
#include "security/ui/TfManut_Usuarios.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

using Kind = MessageService::Kind;
using O = UserListLogic::Order;

template <typename W>
void whenModal(std::function<void(W &)> step, int triesLeft = 200)
{
    QTimer::singleShot(10, [step = std::move(step), triesLeft] {
        if (auto *w = qobject_cast<W *>(QApplication::activeModalWidget()); w && w->isVisible()) {
            step(*w);
            return;
        }
        if (triesLeft > 0)
            whenModal<W>(step, triesLeft - 1);
        else
            ADD_FAILURE() << "window " << W::staticMetaObject.className() << " never opened";
    });
}

class UserWindowsTest : public DatabaseTest {
protected:
    QString cell(int row, int column) const { return list.grid()->model()->index(row, column).data().toString(); }
    QString selectedCode() const
    {
        const QModelIndex i = list.grid()->currentIndex();
        return i.isValid() ? cell(i.row(), 0) : QString();
    }

    TfDados_Usuarios data{ctx};
    TfManut_Usuarios list{ctx, data};
};

TEST_F(UserWindowsTest, ListOrdersSearchesAndShowsNoPassword)
{
    insertUser(db, "000007", "zeca", "A", "Ana Lima");
    insertUser(db, "000002", "bela", "I", "Carla Dias");
    insertUser(db, "000010", "Ana", "A", "Bruno Reis");
    EXPECT_EQ(list.windowTitle(), QStringLiteral("Manutencao de Usuários"));
    ASSERT_TRUE(showActive(list));
    EXPECT_TRUE(list.orderButton(O::Nome)->isChecked());
    EXPECT_EQ(list.searchLabel()->text(), QStringLiteral("Nome:"));
    EXPECT_EQ(list.grid()->model()->columnCount(), 5);
    EXPECT_EQ(list.grid()->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("D.Cadastramento"));
    EXPECT_EQ(cell(0, 1) + u'|' + cell(1, 1) + u'|' + cell(2, 1), QStringLiteral("Ana Lima|Bruno Reis|Carla Dias"));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_NE(cell(r, c), QStringLiteral("segredo"));

    struct Case { O order; const char *label, *typed, *shown, *found; };
    const Case cases[] = {
        {O::Codigo, "Código:", "7", "000007", "000007"},
        {O::Login, "Login:", "A", "A", "000010"},   // case counts: "Ana", not "bela"
        {O::Login, "Login:", "x", "x", "000010"},   // no match: the selection stays
        {O::Nome, "Nome:", "Car", "Car", "000002"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        QTest::mouseClick(list.orderButton(c.order), Qt::LeftButton);
        EXPECT_EQ(list.searchLabel()->text(), QString::fromUtf8(c.label));
        list.searchField()->setText(QString::fromLatin1(c.typed));
        QTest::mouseClick(list.buscaButton(), Qt::LeftButton);
        EXPECT_EQ(list.searchField()->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(selectedCode(), QString::fromLatin1(c.found));
    }
    QTest::mouseClick(list.orderButton(O::Codigo), Qt::LeftButton);
    EXPECT_EQ(cell(0, 0) + u'|' + cell(2, 0), QStringLiteral("000002|000010"));
}

TEST_F(UserWindowsTest, EmptyListButtonsSayThereIsNobody)
{
    ASSERT_TRUE(showActive(list));
    const struct { Modo modo; const char *text; } cases[] = {
        {Modo::Altera, "Nenhum Usuário para Alterar !"},
        {Modo::Exclui, "Nenhum Usuário para Excluir !"},
        {Modo::Consulta, "Nenhum Usuário para Consulta !"},
    };
    for (const auto &c : cases) {
        messages.clear();
        QTest::mouseClick(list.button(c.modo), Qt::LeftButton);
        EXPECT_TRUE(messages.showedOnly(Kind::Information, QString::fromUtf8(c.text)));
    }
}

TEST_F(UserWindowsTest, AddingThroughTheWindowsProposesTheCodeAndStaysOpen)
{
    insertUser(db, "000004", "maria");
    session.codUsuario = QStringLiteral("000004");
    ASSERT_TRUE(showActive(list));
    int rowsAfter = -1;
    QString codeShown, titleShown;
    bool maskedFields = false;
    whenModal<TfDados_Usuarios>([&](TfDados_Usuarios &w) {
        titleShown = w.windowTitle();
        QApplication::processEvents();
        QApplication::processEvents();
        codeShown = w.edit(QStringLiteral("USU_CODIGO"))->text();
        maskedFields = w.edit(QStringLiteral("USU_SENHA"))->echoMode() == QLineEdit::Password
                    && w.edit(QStringLiteral("USU_SENHA2"))->echoMode() == QLineEdit::Password;
        auto *ativo = qobject_cast<QComboBox *>(w.fieldWidget(QStringLiteral("USU_ATIVO")));
        EXPECT_EQ(ativo->currentText(), QStringLiteral("Ativo"));
        EXPECT_EQ(ativo->itemText(1), QStringLiteral("Inativo"));
        w.edit(QStringLiteral("USU_NOME"))->setText(QStringLiteral("João"));
        w.edit(QStringLiteral("USU_LOGIN"))->setText(QStringLiteral("joao"));
        w.edit(QStringLiteral("USU_SENHA"))->setText(QStringLiteral("abc"));
        w.edit(QStringLiteral("USU_SENHA2"))->setText(QStringLiteral("abd"));
        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        EXPECT_TRUE(messages.showedOnly(Kind::Warning, UserLogic::kSenhasDiferentes));
        w.edit(QStringLiteral("USU_SENHA2"))->setText(QStringLiteral("abc"));
        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        EXPECT_TRUE(w.isVisible()); // stays open, cleared, for the next user
        EXPECT_TRUE(w.edit(QStringLiteral("USU_NOME"))->text().isEmpty());
        rowsAfter = list.grid()->model()->rowCount();
        w.reject();
    });
    QTest::mouseClick(list.button(Modo::Inclui), Qt::LeftButton);
    EXPECT_EQ(titleShown, QStringLiteral("Inclusão de Usuários"));
    EXPECT_EQ(codeShown, QStringLiteral("000005"));
    EXPECT_TRUE(maskedFields);
    EXPECT_EQ(rowsAfter, 2);
    const auto added = db.select(QStringLiteral("Select USU_Nome, USU_Senha, USU_Ativo From Usuarios Where USU_Codigo = '000005'"));
    ASSERT_EQ(added.size(), 1);
    EXPECT_EQ(added.row(0).text("USU_SENHA") + added.row(0).text("USU_ATIVO"), QStringLiteral("abcA"));
    EXPECT_EQ(db.select(QStringLiteral("Select PER_CodMod From Permissoes Where PER_CodUser = '000005'")).size(), 54);

    // "Exclui" shows the user but not the password; deleting itself is refused.
    QString senhaShown = QStringLiteral("?");
    whenModal<TfDados_Usuarios>([&](TfDados_Usuarios &w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Exclusão de Usuários"));
        senhaShown = w.edit(QStringLiteral("USU_SENHA"))->text();
        EXPECT_EQ(w.deleteButton()->text(), QStringLiteral("Excluir"));
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        EXPECT_TRUE(messages.showedOnly(Kind::Error, UserLogic::kProprioExclui));
        w.reject();
    });
    messages.clear();
    list.grid()->selectRow(1); // ordered by name: "João", "Nome maria"
    ASSERT_EQ(cell(1, 0), QStringLiteral("000004"));
    QTest::mouseClick(list.button(Modo::Exclui), Qt::LeftButton);
    EXPECT_TRUE(senhaShown.isEmpty());
    EXPECT_EQ(db.select(QStringLiteral("Select USU_Codigo From Usuarios")).size(), 2);
}

} // namespace

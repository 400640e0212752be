#include "core/ui/TfPrincipal.h"
#include "registers/ui/RegisterWindows.h"
#include "registers/ui/TfDadosCli.h"
#include "registers/ui/TfDadosPro.h"
#include "registers/ui/TfManutPro.h"
#include "registers/ui/TfManut_Cli.h"
#include "support/TestEnvironment.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Runs `step` on the modal window of type W as soon as it is the active one.
// The step runs inside that window's exec(), as the user's clicks would.
template <class W>
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

int rowsOf(const QTableView *grid)
{
    return grid->model()->rowCount();
}

QString cellOf(const QTableView *grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

class RegisterWindowsTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        RegisterWindows::plugInto(principal, ctx);
    }
    void choose(const char *title, const char *item)
    {
        QAction *a = principal.menuAction({QString::fromUtf8(title), QString::fromUtf8(item)});
        ASSERT_NE(a, nullptr);
        ASSERT_TRUE(a->isEnabled());
        a->trigger();
    }

    TfPrincipal principal{ctx};
};

TEST_F(RegisterWindowsTest, CustomerAddedAndDeletedFromTheMainMenu)
{
    int rowsAfterAdding = -1;
    QString nameShown;
    whenModal<TfManut_Cli>([&](TfManut_Cli &list) {
        whenModal<TfDadosCli>([&](TfDadosCli &data) {
            data.edit(QStringLiteral("CLI_NOME"))->setText(QStringLiteral("Maria Souza"));
            data.edit(QStringLiteral("CLI_FONE"))->setText(QStringLiteral("32320000"));
            QTest::mouseClick(data.saveButton(), Qt::LeftButton);
            // Adding keeps the window open and cleared for the next customer.
            EXPECT_TRUE(data.isVisible());
            EXPECT_TRUE(data.edit(QStringLiteral("CLI_NOME"))->text().isEmpty());
            data.reject();
        });
        QTest::mouseClick(list.button(RecordListLogic::Button::Novo), Qt::LeftButton);
        rowsAfterAdding = rowsOf(list.grid());
        for (int c = 0; c < list.grid()->model()->columnCount(); ++c)
            if (cellOf(list.grid(), 0, c).startsWith(QStringLiteral("Maria")))
                nameShown = cellOf(list.grid(), 0, c).trimmed();

        messages.answerNext(true);
        whenModal<TfDadosCli>([&](TfDadosCli &data) {
            EXPECT_EQ(data.edit(QStringLiteral("CLI_NOME"))->text().trimmed(), QStringLiteral("Maria Souza"));
            QTest::mouseClick(data.saveButton(), Qt::LeftButton);
            if (data.isVisible())
                data.reject();
        });
        list.grid()->selectRow(0);
        QTest::mouseClick(list.button(RecordListLogic::Button::Exclui), Qt::LeftButton);
        EXPECT_EQ(rowsOf(list.grid()), 0);
        list.reject();
    });
    choose("Cadastros", "Clientes");

    EXPECT_EQ(rowsAfterAdding, 1);
    EXPECT_EQ(nameShown, QStringLiteral("Maria Souza"));
    EXPECT_TRUE(db.select(QStringLiteral("Select CLI_CODIGO From Clientes")).isEmpty());
}

// Typing as the user does: into the field, then Tab to the next one, which
// runs the field's leaving rules (here the price from cost and margin).
void typeInto(QDialog &window, const char *field, const QString &text)
{
    auto *edit = window.findChild<QLineEdit *>(QString::fromLatin1(field));
    ASSERT_NE(edit, nullptr) << field;
    edit->setFocus();
    QCoreApplication::processEvents();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCoreApplication::processEvents();
}

TEST_F(RegisterWindowsTest, ProductAddedWithItsPriceFromCostAndMargin)
{
    QString priceShown;
    int rowsAfterAdding = -1;
    whenModal<TfManutPro>([&](TfManutPro &list) {
        whenModal<TfDadosPro>([&](TfDadosPro &data) {
            data.activateWindow();
            typeInto(data, "PRO_CODIGO", QStringLiteral("77"));
            typeInto(data, "PRO_DESCRICAO", QStringLiteral("Pizza Calabresa"));
            typeInto(data, "PRO_PCUSTO", QStringLiteral("10"));
            typeInto(data, "PRO_MARGEM", QStringLiteral("30"));
            // Tab lands in the price, which shows the figure bare for editing;
            // leaving it shows it as money again.
            auto *price = data.findChild<QLineEdit *>(QStringLiteral("PRO_PVENDA"));
            EXPECT_EQ(price->text(), QStringLiteral("13,00"));
            QTest::keyClick(price, Qt::Key_Tab);
            priceShown = price->text();
            QTest::mouseClick(data.findChild<QPushButton *>(QStringLiteral("Grava")), Qt::LeftButton);
            data.reject();
        });
        QTest::mouseClick(list.button(RecordListLogic::Button::Novo), Qt::LeftButton);
        rowsAfterAdding = rowsOf(list.grid());
        list.reject();
    });
    choose("Cadastros", "Produtos");

    EXPECT_EQ(priceShown, QStringLiteral("R$ 13,00"));
    EXPECT_EQ(rowsAfterAdding, 1);
    const ResultSet saved = db.select(QStringLiteral("Select PRO_CODIGO, PRO_PVENDA From Produtos"));
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved.value(0, 0).toString(), QStringLiteral("        77"));
    EXPECT_EQ(saved.value(0, 1).toString(), QStringLiteral("13.00"));
    EXPECT_EQ(messages.shown(), QList<ScriptedMessages::Shown>{});
}

// The data window shows each mode as its logic describes it: the title, the
// buttons, what can be typed into and where the focus starts.
TEST_F(RegisterWindowsTest, ProductDataWindowOpensInEachMode)
{
    db.execute(QStringLiteral("Insert Into Produtos (PRO_CODIGO, PRO_DESCRICAO, PRO_PF, PRO_FEITOHORA, PRO_ATIVO, "
                              "PRO_QUANT) Values ('         3', 'Coxinha', 'S', 'N', 'S', 0)"));
    struct Case { const char *modo; const char *title; bool save; bool del; bool typing; const char *focus; };
    const Case cases[] = {
        {"Inclui", "Inclusão de Produtos", true, false, true, "PRO_CODIGO"},
        {"Altera", "Alteração de Produto", true, false, true, "PRO_DESCRICAO"},
        {"Exclui", "Exclusão de Produto", false, true, false, "Excluir"},
        {"Consulta", "Consulta de Produto", false, false, false, "Fechar"},
    };
    TfDadosPro data(ctx, &principal);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.modo);
        data.logic().open(RecordMode::fromText(QString::fromLatin1(c.modo)), QStringLiteral("         3"));
        data.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(data.windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(data.saveButton()->isVisible(), c.save);
        EXPECT_EQ(data.deleteButton()->isVisible(), c.del);
        EXPECT_EQ(!data.findChild<QLineEdit *>(QStringLiteral("PRO_DESCRICAO"))->isReadOnly(), c.typing);
        EXPECT_EQ(!data.findChild<QPlainTextEdit *>(QStringLiteral("PRO_OBS"))->isReadOnly(), c.typing);
        EXPECT_EQ(data.findChild<QComboBox *>(QStringLiteral("PRO_ATIVO"))->isEnabled(), c.typing);
        EXPECT_TRUE(data.findChild<QLineEdit *>(QStringLiteral("PRO_QUANT"))->isReadOnly());
        // The code can be typed only when adding.
        EXPECT_EQ(!data.findChild<QLineEdit *>(QStringLiteral("PRO_CODIGO"))->isReadOnly(), c.modo == std::string("Inclui"));
        if (c.modo != std::string("Inclui")) {
            EXPECT_EQ(data.findChild<QLineEdit *>(QStringLiteral("PRO_DESCRICAO"))->text(), QStringLiteral("Coxinha"));
        }
        ASSERT_NE(data.focusWidget(), nullptr);
        EXPECT_EQ(data.focusWidget()->objectName(), QString::fromLatin1(c.focus));
        data.hide();
    }
}

// Opening a choice's drop-down list (or switching windows) takes the focus
// away without leaving the field: the own-product rule runs only when the
// choice is really left, with the value picked.
TEST_F(RegisterWindowsTest, OwnProductRuleRunsWhenTheChoiceIsLeftNotWhenItsListOpens)
{
    TfDadosPro data(ctx, &principal);
    data.logic().open(Modo::Inclui, {});
    data.show();
    QCoreApplication::processEvents();
    auto *pf = data.findChild<QComboBox *>(QStringLiteral("PRO_PF"));
    auto *feito = data.findChild<QComboBox *>(QStringLiteral("PRO_FEITOHORA"));
    pf->setFocus();
    QCoreApplication::processEvents();

    QFocusEvent toPopup(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(pf, &toPopup);
    pf->setCurrentIndex(1); // "Não" picked in the list
    EXPECT_TRUE(feito->isEnabled());

    QTest::keyClick(pf, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_FALSE(feito->isEnabled());
    EXPECT_EQ(feito->currentIndex(), 1);
    EXPECT_EQ(data.focusWidget(), data.findChild<QComboBox *>(QStringLiteral("PRO_ATIVO")));
}

// A customer registered without a date is shown with an empty date and keeps
// it when changed, even right after one that had a date.
TEST_F(RegisterWindowsTest, CustomerWithoutADateKeepsItEmpty)
{
    db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo, CLI_Nome, CLI_DCad) Values "
                              "('0000000001', 'Ana', '2020-01-01')"));
    db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo, CLI_Nome) Values ('0000000002', 'Bruno')"));
    TfDadosCli data(ctx, &principal);
    for (const char *code : {"0000000001", "0000000002"}) {
        data.logic().setRequest(CustomerRequest::fromList(Modo::Altera, QString::fromLatin1(code)));
        data.show();
        QCoreApplication::processEvents();
        QTest::mouseClick(data.saveButton(), Qt::LeftButton);
        data.hide();
    }
    EXPECT_TRUE(data.findChild<QDateEdit *>(QStringLiteral("CLI_DCAD"))->text().trimmed().isEmpty());
    const ResultSet dates = db.select(QStringLiteral("Select CLI_DCad From Clientes Order By CLI_Codigo"));
    EXPECT_EQ(dates.value(0, 0).toDate(), QDate(2020, 1, 1));
    EXPECT_TRUE(dates.value(1, 0).isNull());
}

// Minimising and restoring the data window is not opening it again.
TEST_F(RegisterWindowsTest, RestoringAMinimisedDataWindowKeepsWhatWasTyped)
{
    TfDadosCli data(ctx, &principal);
    data.logic().setRequest(CustomerRequest::fromList(Modo::Inclui, {}));
    data.show();
    QCoreApplication::processEvents();
    data.edit(QStringLiteral("CLI_NOME"))->setText(QStringLiteral("Maria"));
    data.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    data.setWindowState(Qt::WindowNoState);
    data.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(data.edit(QStringLiteral("CLI_NOME"))->text(), QStringLiteral("Maria"));
}

} // namespace

namespace {

// Order entry reaches the customer data window through the registry of the
// main window and gets the new customer's telephone or code back.
TEST_F(RegisterWindowsTest, OrderEntryAddsACustomerAndGetsItsTelephoneOrCodeBack)
{
    RegisterWindows *registry = RegisterWindows::of(&principal);
    ASSERT_NE(registry, nullptr);
    EXPECT_EQ(&RegisterWindows::plugInto(principal, ctx), registry);
    struct Case { OrderField field; QString value; };
    const Case cases[] = {{OrderField::Telephone, QStringLiteral("3232-1111")},
                          {OrderField::Code, QStringLiteral("0000000002")}};
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.field));
        whenModal<TfDadosCli>([](TfDadosCli &data) {
            EXPECT_EQ(data.edit(QStringLiteral("CLI_FONE"))->text(), QStringLiteral("3232-1111"));
            data.edit(QStringLiteral("CLI_NOME"))->setText(QStringLiteral("Joana"));
            QTest::mouseClick(data.saveButton(), Qt::LeftButton);
        });
        const CustomerDataOutcome outcome =
            registry->openCustomerData(CustomerRequest::addFromOrder(c.field, QStringLiteral("3232-1111")));
        EXPECT_TRUE(outcome.saved);
        ASSERT_TRUE(outcome.handBack);
        EXPECT_EQ(*outcome.handBack, (CustomerHandBack{c.field, c.value}));
    }

    whenModal<TfDadosCli>([](TfDadosCli &data) {
        EXPECT_EQ(data.windowTitle(), QStringLiteral("Consulta de Clientes"));
        EXPECT_EQ(data.edit(QStringLiteral("CLI_NOME"))->text(), QStringLiteral("Joana"));
        data.closeButton()->click();
    });
    const CustomerDataOutcome viewed =
        registry->openCustomerData(CustomerRequest::viewFromOrder(QStringLiteral("0000000001"), QStringLiteral("1")));
    EXPECT_FALSE(viewed.saved);
    EXPECT_FALSE(viewed.handBack);
}

} // namespace

#include "registers/ui/TfDadosEnt.h"
#include "registers/ui/TfDadosReg.h"
#include "registers/ui/TfEmpresa.h"
#include "registers/ui/TfManutEnt.h"
#include "registers/ui/TfManutReg.h"

#include <QAbstractItemModelTester>

namespace {

// A delivery person added from the menu: the list follows, the grid passes
// the model checks and the rate comes back as typed.
TEST_F(RegisterWindowsTest, DeliveryPersonAndRegionMaintainedFromTheMenu)
{
    struct Case { const char *item; const char *nameColumn; const char *numberColumn; const char *typed; const char *stored; };
    const Case cases[] = {
        {"Entregadores", "ENT_NOME", "ENT_COMISSAO", "12,5", "12.50"},
        {"Regiões de Entrega", "REG_DESC", "REG_VALOR", "4,5", "4.50"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.item);
        int rows = -1;
        auto onList = [&](RegisterListWindow &list) {
            QAbstractItemModelTester tester(list.grid()->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
            whenModal<RecordDataWindow>([&](RecordDataWindow &data) {
                data.activateWindow();
                typeInto(data, c.nameColumn, QStringLiteral("Centro Norte"));
                typeInto(data, c.numberColumn, QString::fromLatin1(c.typed));
                QTest::mouseClick(data.saveButton(), Qt::LeftButton);
                EXPECT_TRUE(data.isVisible()) << "adding stays open for the next record";
                data.reject();
            });
            QTest::mouseClick(list.button(RecordListLogic::Button::Novo), Qt::LeftButton);
            rows = list.grid()->model()->rowCount();
            list.reject();
        };
        if (c.item == std::string("Entregadores"))
            whenModal<TfManutEnt>(onList);
        else
            whenModal<TfManutReg>(onList);
        choose("Cadastros", c.item);
        EXPECT_EQ(rows, 1);
        const QString table = c.item == std::string("Entregadores") ? QStringLiteral("Entregadores") : QStringLiteral("Regioes");
        const ResultSet saved = db.select(QStringLiteral("Select %1, %2 From %3").arg(QLatin1String(c.nameColumn), QLatin1String(c.numberColumn), table));
        ASSERT_EQ(saved.size(), 1);
        EXPECT_EQ(saved.value(0, 0).toString(), QStringLiteral("Centro Norte"));
        EXPECT_EQ(saved.value(0, 1).toString(), QString::fromLatin1(c.stored));
        EXPECT_EQ(messages.shown(), QList<ScriptedMessages::Shown>{});
    }
}

// With login and permissions on and no permission given, no list button opens anything.
TEST_F(RegisterWindowsTest, NewListButtonsPassTheirGate)
{
    session.confLogin = session.confPermissao = QStringLiteral("S");
    session.codUsuario = QStringLiteral("000001");
    RegisterWindows &registry = *RegisterWindows::of(&principal);
    for (RegisterListWindow *list : {static_cast<RegisterListWindow *>(&registry.deliveryPersonList()),
                                     static_cast<RegisterListWindow *>(&registry.regionList())}) {
        SCOPED_TRACE(list->windowTitle().toStdString());
        list->show();
        QCoreApplication::processEvents();
        for (auto b : {RecordListLogic::Button::Novo, RecordListLogic::Button::Altera, RecordListLogic::Button::Exclui,
                       RecordListLogic::Button::Consulta}) {
            messages.clear();
            QTest::mouseClick(list->button(b), Qt::LeftButton);
            EXPECT_TRUE(messages.showedOnly(MessageService::Kind::Warning,
                                            QStringLiteral("Usuário Sem Permissão para Entrar nesse Módulo")));
        }
        list->hide();
    }
}

TEST_F(RegisterWindowsTest, CompanySaveUpdatesTheMainWindowHeader)
{
    whenModal<TfEmpresa>([&](TfEmpresa &window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Dados da Empresa"));
        EXPECT_EQ(window.focusWidget(), window.fieldWidget(QStringLiteral("EMP_NOME")));
        window.edit(QStringLiteral("EMP_NOME"))->setText(QStringLiteral("Pizzaria Bela"));
        window.edit(QStringLiteral("EMP_HOMEP"))->setText(QStringLiteral("bela.com"));
        QTest::mouseClick(window.saveButton(), Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        window.reject();
    });
    choose("Utilitários", "Dados da Empresa");
    EXPECT_EQ(principal.companyHeader().nome, QStringLiteral("Pizzaria Bela"));
    EXPECT_EQ(principal.companyHeader().homeP, QStringLiteral("bela.com"));
    EXPECT_EQ(session.empNome, QStringLiteral("Pizzaria Bela"));
}

} // namespace

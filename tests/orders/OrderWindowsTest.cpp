#include "OrderFixture.h"

#include "controls/WidgetTestSupport.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/TMemoV.h"
#include "orders/ui/TfDadosEntrega.h"
#include "orders/ui/TfDadosIPed.h"
#include "orders/ui/TfDadosPed.h"
#include "orders/ui/TfObsPed.h"
#include "registers/ui/TfDadosCli.h"

#include <QTimer>

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <functional>

namespace {

// Order entry driven by the keyboard. Windows it opens modally are shown by a
// runner that hands them to the script of that window and then closes them.
class OrderWindowsTest : public OrderTest {
protected:
    void SetUp() override
    {
        OrderTest::SetUp();
        window = std::make_unique<TfDadosPed>(ctx);
        window->setModalRunner([this](QDialog &d) {
            opened << d.objectName();
            showActive(d);
            if (const auto it = scripts.find(d.objectName()); it != scripts.end())
                it->second(d);
            d.hide();
            showActive(*window);
        });
        window->setCustomerOpener([this](const CustomerRequest &r) {
            requests.push_back(r);
            return CustomerDataOutcome{};
        });
    }
    void type(QWidget *field, const QString &text, int key = Qt::Key_Tab)
    {
        focusBy(*field);
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            edit->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key(key));
        QApplication::processEvents();
        QApplication::processEvents();
    }

    std::unique_ptr<TfDadosPed> window;
    QStringList opened;
    std::map<QString, std::function<void(QDialog &)>> scripts;
    std::vector<CustomerRequest> requests;
};

TEST_F(OrderWindowsTest, AWholeOrderByKeyboard)
{
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Total, PED_Data, PED_CodCli, PED_CodReg) "
                              "Values ('00000003', 'F', 10, '2026-11-01', '0000000001', '000003')"));
    ASSERT_TRUE(window->prepare(OrderMode::Inclui));
    ASSERT_TRUE(showActive(*window));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Inclusão de Pedido"));
    EXPECT_EQ(window->numberField()->text(), QStringLiteral("00000004"));
    EXPECT_EQ(window->statusLabel()->text(), QStringLiteral("Fazendo Pedido"));
    EXPECT_EQ(QApplication::focusWidget(), window->telephoneField());

    type(window->telephoneField(), QStringLiteral("3333-3333"));
    EXPECT_EQ(window->customerNameField()->text(), QStringLiteral("Ana"));
    EXPECT_EQ(QApplication::focusWidget(), window->addItemButton());

    scripts[QStringLiteral("TfDadosIPed")] = [this](QDialog &d) {
        auto &items = static_cast<TfDadosIPed &>(d);
        type(items.codeField(), QStringLiteral("1"));
        EXPECT_EQ(items.descriptionField()->text(), QStringLiteral("Refrigerante"));
        EXPECT_EQ(QApplication::focusWidget(), items.quantityField());
        type(items.quantityField(), QStringLiteral("2"), Qt::Key_Return);
        EXPECT_EQ(items.totalField()->text(), QStringLiteral("R$ 11,00"));
        QTest::keyClick(items.saveButton(), Qt::Key_Space);
        EXPECT_EQ(items.codeField()->text(), QString());
        type(items.codeField(), QStringLiteral("2"));
        QTest::keyClick(items.saveButton(), Qt::Key_Space);
        QTest::keyClick(items.closeButton(), Qt::Key_Space);
    };
    QTest::keyClick(window->addItemButton(), Qt::Key_Space);
    EXPECT_TRUE(window->numberField()->isReadOnly());
    EXPECT_EQ(window->itemsGrid()->model()->rowCount(), 2);
    EXPECT_EQ(window->itemsTotalField()->text(), QStringLiteral("R$ 41,00"));

    // F4 from anywhere opens the delivery data, with the customer's last region proposed.
    scripts[QStringLiteral("TfDadosEntrega")] = [this](QDialog &d) {
        auto &delivery = static_cast<TfDadosEntrega &>(d);
        EXPECT_EQ(delivery.regionField()->text(), QStringLiteral("000003"));
        type(delivery.regionField(), QString());
        EXPECT_EQ(delivery.unitValueField()->text(), QStringLiteral("R$ 4,50"));
        type(delivery.quantityField(), QStringLiteral("2"));
        type(delivery.paidField(), QStringLiteral("100"));
        EXPECT_EQ(delivery.changeField()->text(), QStringLiteral("R$ 50,00"));
        type(delivery.deliveryPersonField(), QStringLiteral("1"));
        QTest::keyClick(delivery.saveButton(), Qt::Key_Space);
        EXPECT_TRUE(delivery.logic().savedDuringOpening());
    };
    focusBy(*window->discountField());
    QTest::keyClick(window->discountField(), Qt::Key_F4);
    EXPECT_EQ(opened.last(), QStringLiteral("TfDadosEntrega"));
    EXPECT_EQ(window->deliveryValueField()->text(), QStringLiteral("R$ 9,00"));
    EXPECT_EQ(window->totalField()->text(), QStringLiteral("R$ 50,00"));

    scripts[QStringLiteral("TfObsPed")] = [](QDialog &d) {
        auto &notes = static_cast<TfObsPed &>(d);
        QTest::keyClicks(notes.textField(), QStringLiteral("Troco em notas"));
        QTest::keyClick(notes.saveButton(), Qt::Key_Space);
    };
    QTest::keyClick(window->notesButton(), Qt::Key_Space);

    type(window->discountField(), QStringLiteral("5"));
    EXPECT_EQ(window->totalField()->text(), QStringLiteral("R$ 45,00"));

    // Esc and the title bar do not close it; "Finalizar" does.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->close() == false);
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(window->finishButton(), Qt::Key_Space);
    EXPECT_FALSE(window->isVisible());

    const Row row = order(QStringLiteral("00000004"));
    EXPECT_EQ(row.text("PED_SITU"), QStringLiteral("A"));
    EXPECT_EQ(row.text("PED_CODCLI"), QStringLiteral("0000000001"));
    EXPECT_EQ(row["PED_TOTAL"].toDecimal(), dec("45"));
    EXPECT_EQ(row["PED_TROCO"].toDecimal(), dec("55"));
    EXPECT_EQ(row.text("PED_OBS"), QStringLiteral("Troco em notas"));
    EXPECT_EQ(row.text("PED_CODENT"), QStringLiteral("000001"));
    EXPECT_EQ(stock("1"), dec("8"));
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From MOV_ESTQ Where MOV_Doc='00000004' And MOV_Oper='SS'")), 2);
}

// F5, F7, F8 and F9 act wherever the focus is.
TEST_F(OrderWindowsTest, CustomerKeysActFromAnyField)
{
    ASSERT_TRUE(window->prepare(OrderMode::Inclui));
    ASSERT_TRUE(showActive(*window));
    focusBy(*window->discountField());
    QTest::keyClick(window->discountField(), Qt::Key_F8);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Para alterar os dados de um cliente é necessário primeiro selecionar um cliente no pedido.")));
    messages.clear();
    QTest::keyClick(window->discountField(), Qt::Key_F4);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Para Preencher os Dados de Entrega, é preciso preencher os dados do Cliente")));

    type(window->customerCodeField(), QStringLiteral("2"));
    EXPECT_EQ(window->telephoneField()->text(), QStringLiteral("4444-4444"));
    focusBy(*window->itemsGrid());
    QTest::keyClick(window->itemsGrid(), Qt::Key_F7);
    QTest::keyClick(window->itemsGrid(), Qt::Key_F8);
    QTest::keyClick(window->itemsGrid(), Qt::Key_F9);
    QApplication::processEvents(); // the focus hand-backs after the customer window
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].modo, Modo::Inclui);
    EXPECT_EQ(requests[1].modo, Modo::Altera);
    EXPECT_EQ(requests[1].code, QStringLiteral("0000000002"));
    EXPECT_EQ(requests[2].modo, Modo::Consulta);

    // An unknown telephone answered Yes opens the customer window to register it.
    messages.answerNext(true);
    focusBy(*window->telephoneField()); // leaving the code found the customer and went on to "Cad.Item"
    type(window->telephoneField(), QStringLiteral("7777"));
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[3].field, OrderField::Telephone);
    EXPECT_EQ(requests[3].orderTelephone, QStringLiteral("7777"));

    messages.answerNext(false); // leaving the telephone again searches again
    focusBy(*window->discountField());
    QTest::keyClick(window->discountField(), Qt::Key_F5);
    EXPECT_EQ(opened.size(), 1); // the customer lookup
}

// A caller not registered yet is registered on the spot through the
// customer data window, which hands the telephone back; leaving the
// telephone again finds the new customer.
TEST_F(OrderWindowsTest, UnknownCallerRegisteredOnTheSpot)
{
    TfDadosPed entry(ctx); // the real customer data window
    entry.setModalRunner([](QDialog &d) { d.show(); d.hide(); });
    ASSERT_TRUE(entry.prepare(OrderMode::Inclui));
    ASSERT_TRUE(showActive(entry));

    focusBy(*entry.telephoneField());
    QTest::keyClicks(entry.telephoneField(), QStringLiteral("5555-1234"));
    bool registered = false;
    // Runs once the customer data window is up (modal).
    QTimer::singleShot(0, [&] {
        auto *data = qobject_cast<TfDadosCli *>(QApplication::activeModalWidget());
        if (!data) {
            ADD_FAILURE() << "the customer data window did not open";
            if (QApplication::activeModalWidget())
                QApplication::activeModalWidget()->close();
            return;
        }
        EXPECT_EQ(data->edit(QStringLiteral("CLI_FONE"))->text(), QStringLiteral("5555-1234"));
        focusBy(*data->edit(QStringLiteral("CLI_NOME")));
        QTest::keyClicks(data->edit(QStringLiteral("CLI_NOME")), QStringLiteral("Carla"));
        QTest::keyClick(data->saveButton(), Qt::Key_Space);
        registered = true;
        if (data->isVisible())
            QTest::keyClick(data->closeButton(), Qt::Key_Space);
    });
    messages.answerNext(true);
    QTest::keyClick(entry.telephoneField(), Qt::Key_Tab);
    ASSERT_TRUE(registered);
    QApplication::processEvents();
    EXPECT_EQ(entry.focusWidget(), entry.telephoneField());
    showActive(entry); // what the window manager does when the modal window goes
    EXPECT_EQ(entry.telephoneField()->text(), QStringLiteral("5555-1234"));
    QTest::keyClick(entry.telephoneField(), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(entry.customerNameField()->text(), QStringLiteral("Carla"));
    EXPECT_EQ(entry.customerCodeField()->text(), QStringLiteral("0000000003"));
}

} // namespace

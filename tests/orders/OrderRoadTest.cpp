#include "OrderFixture.h"

#include "controls/WidgetTestSupport.h"
#include "controls/ui/TEditV.h"
#include "orders/ui/OrderWindows.h"
#include "orders/ui/TfDadosEntrega.h"
#include "orders/ui/TfDadosIPed.h"
#include "orders/ui/TfDadosPed.h"
#include "orders/ui/TfManutPed.h"

#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <functional>
#include <map>

// The road of one order through order management: "Novo", order entry,
// "Finalizar", "Em Andamento", "Saiu p/ Entrega", "Fechado", "Cancelar", and
// exactly the rows each step books.
namespace {

template <class W>
void whenModal(std::function<void(W &)> step, int triesLeft = 300)
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

class OrderRoadTest : public OrderTest {
protected:
    void type(QWidget *field, const QString &text)
    {
        focusBy(*field);
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            edit->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
        QApplication::processEvents();
    }
    void press(TfManutPed &list, const char *caption)
    {
        messages.clear();
        QTest::mouseClick(list.button(QString::fromUtf8(caption)), Qt::LeftButton);
    }
    QString status() { return order(kCodigo).text("PED_SITU"); }

    const QString kCodigo = QStringLiteral("00000001");
    std::map<QString, std::function<void(QDialog &)>> scripts;
};

TEST_F(OrderRoadTest, OneOrderFromNovoToCancelar)
{
    OrderWindows windows(ctx, nullptr);
    TfDadosPed &entry = windows.orderEntry();
    entry.setCustomerOpener([](const CustomerRequest &) { return CustomerDataOutcome{}; });
    entry.setModalRunner([&](QDialog &d) {
        showActive(d);
        if (const auto it = scripts.find(d.objectName()); it != scripts.end())
            it->second(d);
        d.hide();
        if (entry.isVisible())
            showActive(entry);
    });
    scripts[QStringLiteral("TfDadosIPed")] = [this](QDialog &d) {
        auto &items = static_cast<TfDadosIPed &>(d);
        type(items.codeField(), QStringLiteral("1"));
        type(items.quantityField(), QStringLiteral("2"));
        QTest::keyClick(items.saveButton(), Qt::Key_Space);
        QTest::keyClick(items.closeButton(), Qt::Key_Space);
    };
    auto delivery = [this](bool withData) {
        scripts[QStringLiteral("TfDadosEntrega")] = [this, withData](QDialog &d) {
            auto &w = static_cast<TfDadosEntrega &>(d);
            if (withData) {
                type(w.regionField(), QStringLiteral("000003"));
                type(w.quantityField(), QStringLiteral("1"));
                type(w.deliveryPersonField(), QStringLiteral("1"));
                type(w.paidField(), QStringLiteral("20"));
            }
            QTest::keyClick(w.saveButton(), Qt::Key_Space);
        };
    };

    bool walked = false;
    whenModal<TfManutPed>([&](TfManutPed &list) {
        // "Novo": order entry takes the order and "Finalizar" lists it
        whenModal<TfDadosPed>([&](TfDadosPed &w) {
            showActive(w);
            type(w.telephoneField(), QStringLiteral("3333-3333"));
            QTest::keyClick(w.addItemButton(), Qt::Key_Space);
            QTest::keyClick(w.finishButton(), Qt::Key_Space);
        });
        press(list, "Novo");
        ASSERT_EQ(list.grid()->model()->rowCount(), 1);
        EXPECT_EQ(list.list().currentCode(), kCodigo);
        EXPECT_EQ(status(), QStringLiteral("A"));
        EXPECT_EQ(stock("1"), dec("8"));

        press(list, "Em Andamento");
        EXPECT_EQ(status(), QStringLiteral("E"));

        delivery(true);
        press(list, "Saiu p/ Entrega");
        EXPECT_EQ(status(), QStringLiteral("S"));
        EXPECT_TRUE(messages.showedOnly(Kind::Information,
                                        QStringLiteral("Pedido Colocado no Estado: Saiu para Entrega com Sucesso !")));

        delivery(false);
        press(list, "Fechado");
        EXPECT_EQ(status(), QStringLiteral("F"));
        EXPECT_TRUE(messages.showedOnly(Kind::Information, QStringLiteral("Pedido Colocado no Estado: Fechado com Sucesso !")));

        messages.answerNext(true);
        press(list, "Cancelar");
        EXPECT_EQ(status(), QStringLiteral("C"));
        QTest::mouseClick(list.button(QStringLiteral("Fechar")), Qt::LeftButton);
        walked = true;
    });
    windows.openOrders();
    ASSERT_TRUE(walked);

    // 2 x 5,50 plus a fee of 4,50: one credit and, on cancelling, one debit of 15,50
    const Row credit = db.select(QStringLiteral("Select * From Caixa Where CAI_DC='C'")).first();
    EXPECT_EQ(credit["CAI_VALOR"].toDecimal(), dec("15,50"));
    EXPECT_EQ(credit.text("CAI_DESC"), QStringLiteral("Pedido:00000001"));
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Caixa")), 2);
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Caixa Where CAI_DC='D' And CAI_Valor=15.50")), 1);
    // one commission of 4,50 x 10 %, left as it was by the cancelling
    const ResultSet cce = db.select(QStringLiteral("Select * From CCE"));
    ASSERT_EQ(cce.size(), 1);
    EXPECT_EQ(cce.first()["CCE_VALOR"].toDecimal(), dec("0,45"));
    EXPECT_EQ(cce.first().text("CCE_SITU"), QStringLiteral("A"));
    // the stock back, the movements gone
    EXPECT_EQ(stock("1"), dec("10"));
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From MOV_ESTQ")), 0);
}

} // namespace

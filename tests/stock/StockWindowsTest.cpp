#include "controls/ui/TEditV.h"
#include "core/ui/TfPrincipal.h"
#include "finance/ui/LedgerGrid.h"
#include "orders/ui/TfBusca_Produtos.h"
#include "stock/StockMessages.h"
#include "stock/ui/StockWindows.h"
#include "stock/ui/TfEntrada_Estq.h"
#include "stock/ui/TfManutMovEstq.h"
#include "stock/ui/TfSaida_Estq.h"
#include "stock/StockFixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

// Runs `step` on the modal window of type W as soon as it is the active one.
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

void activate(QWidget &window)
{
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

void typeInto(QWidget &window, const char *field, const QString &text)
{
    auto *edit = window.findChild<QLineEdit *>(QString::fromLatin1(field));
    ASSERT_NE(edit, nullptr) << field;
    edit->setFocus();
    QCoreApplication::processEvents();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCoreApplication::processEvents();
}

QString textOf(QWidget &window, const char *field)
{
    return window.findChild<QLineEdit *>(QString::fromLatin1(field))->text();
}

class StockWindowsTest : public StockFixture {
protected:
    void SetUp() override
    {
        StockFixture::SetUp();
        StockWindows::plugInto(principal, ctx);
    }
    void choose(const QStringList &path)
    {
        QAction *a = principal.menuAction(path);
        ASSERT_NE(a, nullptr);
        ASSERT_TRUE(a->isEnabled());
        a->trigger();
    }

    TfPrincipal principal{ctx};
};

// From the menu: an entry found through the product lookup, an exit, then the
// entry reverted in the movement maintenance.
TEST_F(StockWindowsTest, EntryExitAndRevertFromTheMenu)
{
    addProduct(code("7"), "5", "N", "2", "4");
    QString description, price;
    whenModal<TfEntrada_Estq>([&](TfEntrada_Estq &w) {
        activate(w);
        whenModal<TfBusca_Produtos>([&](TfBusca_Produtos &lookup) {
            QTest::mouseClick(lookup.selecionaButton(), Qt::LeftButton);
        });
        QTest::mouseClick(w.lookupButton(), Qt::LeftButton);
        activate(w);
        EXPECT_EQ(w.codeField()->text(), code("7"));
        w.codeField()->setFocus();
        QCoreApplication::processEvents();
        QTest::keyClick(w.codeField(), Qt::Key_Tab); // leaving the code loads the product
        description = textOf(w, "PRO_DESCRICAO");
        typeInto(w, "MOV_QUANT", QStringLiteral("10"));
        typeInto(w, "PRO_PCUSTO", QStringLiteral("2,5"));
        price = textOf(w, "PRO_PVENDA");
        QTest::mouseClick(w.gravarButton(), Qt::LeftButton);
        EXPECT_TRUE(w.codeField()->text().isEmpty());
        QTest::mouseClick(w.fecharButton(), Qt::LeftButton);
    });
    choose({QStringLiteral("Movimentação de Estoque"), QStringLiteral("Entrada")});
    EXPECT_EQ(description, QStringLiteral("Produto"));
    EXPECT_EQ(price, QStringLiteral("R$ 4,00"));
    EXPECT_EQ(stock(code("7")), QStringLiteral("15.000"));
    EXPECT_EQ(cash(), QStringList{QStringLiteral("D|Entrada de Produto:%1|25.00||2026-12-10").arg(code("7"))});

    whenModal<TfSaida_Estq>([&](TfSaida_Estq &w) {
        activate(w);
        typeInto(w, "PRO_CODIGO", QStringLiteral("7"));
        typeInto(w, "MOV_QUANT", QStringLiteral("3"));
        QTest::mouseClick(w.gravarButton(), Qt::LeftButton);
        QTest::mouseClick(w.fecharButton(), Qt::LeftButton);
    });
    choose({QStringLiteral("Movimentação de Estoque"), QStringLiteral("Saída")});
    EXPECT_EQ(stock(code("7")), QStringLiteral("12.000"));
    EXPECT_EQ(cash().last(), QStringLiteral("C|Saída de Produto:%1|12.00||2026-12-10").arg(code("7")));

    int rowsShown = -1;
    whenModal<TfManutMovEstq>([&](TfManutMovEstq &w) {
        activate(w);
        rowsShown = w.grid()->model()->rowCount();
        messages.answerNext(true);
        QTest::mouseClick(w.excluirReverterButton(), Qt::LeftButton); // the first row: the entry
        w.reject();
    });
    choose({QStringLiteral("Utilitários"), QStringLiteral("Manutenção de Movimentação de Estoque")});
    EXPECT_EQ(rowsShown, 2);
    EXPECT_EQ(stock(code("7")), QStringLiteral("2.000"));
    EXPECT_EQ(movements().size(), 1);
    EXPECT_EQ(cash().last(), QStringLiteral("C|Exclui/Reverte Mov. Prod.:%1|25.00||2026-12-10").arg(code("7")));
    EXPECT_TRUE(messages.showedOnly(MessageService::Kind::Confirmation, StockMessages::kConfirmaExcluirReverter))
        << messages.shown().value(0).text.toStdString();
}

} // namespace

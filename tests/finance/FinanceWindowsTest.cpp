#include "core/ui/TfPrincipal.h"
#include "finance/ui/FinanceWindows.h"
#include "finance/ui/LedgerGrid.h"
#include "finance/ui/TfDados_Caixa.h"
#include "finance/ui/TfManutCCE.h"
#include "finance/ui/TfManutCaixa.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
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

class FinanceWindowsTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        FinanceWindows::plugInto(principal, ctx);
    }
    void choose(const QString &item)
    {
        QAction *a = principal.menuAction({item});
        ASSERT_NE(a, nullptr);
        ASSERT_TRUE(a->isEnabled());
        a->trigger();
    }

    TfPrincipal principal{ctx};
};

TEST_F(FinanceWindowsTest, CommissionPaidFromTheMenu)
{
    db.execute(QStringLiteral("Insert Into Entregadores (ENT_Codigo, ENT_Nome) Values ('000001', 'Ana')"));
    for (int n : {1, 2})
        db.execute(QStringLiteral("Insert Into CCE (CCE_CodInt, CCE_CodEnt, CCE_Data, CCE_Valor, CCE_Op, CCE_Situ, "
                                  "CCE_Doc) Values (:n, '000001', :d, 0.5, 'P', 'A', :doc)"),
                   {{"n", n}, {"d", clock.today()}, {"doc", QStringLiteral("0000000%1").arg(n)}});
    QString before, after, paid, name;
    whenModal<TfManutCCE>([&](TfManutCCE &w) {
        activate(w);
        before = w.totalField(0)->text();
        QTest::mouseClick(w.pagarButton(), Qt::LeftButton);
        after = w.totalField(0)->text();
        paid = w.totalField(1)->text();
        w.codeField()->setFocus();
        QCoreApplication::processEvents();
        QTest::keyClicks(w.codeField(), QStringLiteral("1"));
        QTest::keyClick(w.codeField(), Qt::Key_Tab);
        QCoreApplication::processEvents();
        name = w.findChild<QLineEdit *>(QStringLiteral("ENT_NOME"))->text();
        w.reject();
    });
    choose(QStringLiteral("Comissão Entregadores"));
    EXPECT_EQ(before, QStringLiteral("R$ 1,00"));
    EXPECT_EQ(after, QStringLiteral("R$ 0,50"));
    EXPECT_EQ(paid, QStringLiteral("R$ 0,50"));
    EXPECT_EQ(name, QStringLiteral("Ana"));
    EXPECT_EQ(db.select(QStringLiteral("Select CCE_Situ From CCE Order By CCE_CodInt")).first().text("CCE_SITU"),
              QStringLiteral("P"));
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.shown().value(0).text.toStdString();
}

TEST_F(FinanceWindowsTest, CashEntryAddedAndDeletedFromTheMenu)
{
    int rowsAfterAdding = -1, rowsAfterDeleting = -1;
    QString balance;
    whenModal<TfManutCaixa>([&](TfManutCaixa &list) {
        activate(list);
        whenModal<TfDados_Caixa>([&](TfDados_Caixa &entry) {
            activate(entry);
            auto *valor = entry.findChild<QLineEdit *>(QStringLiteral("CAI_VALOR"));
            valor->setFocus();
            valor->selectAll();
            QTest::keyClicks(valor, QStringLiteral("12,5"));
            QTest::keyClick(valor, Qt::Key_Tab);
            entry.findChild<QLineEdit *>(QStringLiteral("CAI_DOC"))->setText(QStringLiteral("D1"));
            QTest::mouseClick(entry.gravarButton(), Qt::LeftButton);
            EXPECT_TRUE(entry.isVisible()); // stays open for the next entry
            entry.reject();
        });
        QTest::mouseClick(list.novoButton(), Qt::LeftButton);
        rowsAfterAdding = list.grid()->model()->rowCount();
        balance = list.saldoField()->text();
        whenModal<TfDados_Caixa>([&](TfDados_Caixa &entry) {
            EXPECT_EQ(entry.windowTitle(), QStringLiteral("Exclusão de Caixa"));
            EXPECT_EQ(entry.findChild<QLineEdit *>(QStringLiteral("CAI_DOC"))->text(), QStringLiteral("D1"));
            QTest::mouseClick(entry.excluirButton(), Qt::LeftButton);
        });
        QTest::mouseClick(list.excluirButton(), Qt::LeftButton);
        rowsAfterDeleting = list.grid()->model()->rowCount();
        // With nothing selected "Excluir" does nothing.
        QTest::mouseClick(list.excluirButton(), Qt::LeftButton);
        list.reject();
    });
    choose(QStringLiteral("Fluxo de Caixa"));
    EXPECT_EQ(rowsAfterAdding, 1);
    EXPECT_EQ(balance, QStringLiteral("-R$ 12,50"));
    EXPECT_EQ(rowsAfterDeleting, 0);
    EXPECT_TRUE(db.select(QStringLiteral("Select * From Caixa")).isEmpty());
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.shown().value(0).text.toStdString();
}

} // namespace

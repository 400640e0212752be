#include "core/ui/TfPrincipal.h"
#include "orders/ui/OrderWindows.h"
#include "orders/ui/TfManutPed.h"
#include "support/TestEnvironment.h"

#include "OrderFixtures.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace OrderFixtures;
using Kind = MessageService::Kind;

namespace {

QString cell(const QTableView *grid, int row, int column) { return grid->model()->index(row, column).data().toString(); }

class ManutPedWindowTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        registers(db);
        clock.set(QDateTime(QDate(2026, 12, 1), QTime(20, 0)));
        order(db, {.codigo = QStringLiteral("00000001"), .hora = QTime(18, 0)});
        order(db, {.codigo = QStringLiteral("00000002"), .situ = QStringLiteral("E"), .hora = QTime(19, 0)});
    }

    std::vector<std::pair<QString, QString>> entryOpened;
    OrderWindowHooks hooks{
        .openOrderEntry = [this](const QString &modo, const QString &code) { entryOpened.emplace_back(modo, code); },
        .openDelivery =
            [this](const QString &, const QString &code) {
                db.execute(QStringLiteral("Update Pedidos Set PED_CodEnt='000001', PED_CodReg='000001', PED_VEnt=5, "
                                          "PED_QEnt=1, PED_DataS=:d, PED_DataT=:d Where PED_Codigo=:c"),
                           {{"d", QDate(2026, 12, 1)}, {"c", code}});
                return true;
            },
        .printTicket = nullptr,
    };
};

TEST_F(ManutPedWindowTest, ListsTheDayAndMovesTheSelectedOrder)
{
    TfManutPed window(ctx, hooks);
    window.show();
    QTableView *grid = window.grid();
    ASSERT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(cell(grid, 0, 0), QStringLiteral("00000002")); // latest first
    EXPECT_EQ(cell(grid, 0, 2), QStringLiteral("R$ 41,00"));
    EXPECT_EQ(grid->model()->headerData(16, Qt::Horizontal).toString(), QStringLiteral("Nome do Cliente"));
    EXPECT_FALSE(window.button(QStringLiteral("Imprimir"))->isEnabled());

    // "Altera" only for open orders; "Consulta" for any
    QTest::mouseClick(window.button(QStringLiteral("Altera")), Qt::LeftButton);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Somente Pedidos em Aberto que podem ser Alterados")));
    QTest::mouseClick(window.button(QStringLiteral("Consulta")), Qt::LeftButton);
    ASSERT_EQ(entryOpened.size(), 1u);
    EXPECT_EQ(entryOpened[0], std::make_pair(QStringLiteral("Consulta"), QStringLiteral("00000002")));

    messages.clear();
    QTest::mouseClick(window.button(QStringLiteral("Fechado")), Qt::LeftButton);
    EXPECT_TRUE(messages.showedOnly(Kind::Information, QStringLiteral("Pedido Colocado no Estado: Fechado com Sucesso !")));
    EXPECT_EQ(status(db, QStringLiteral("00000002")), QStringLiteral("F"));
    // the grid shows the re-read list with the same order selected
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(cell(grid, 0, 4), QStringLiteral("F"));

    // the status filter changes only when its "Filtrar" is pressed
    window.statusBox(4)->setChecked(false); // "Fechados"
    EXPECT_EQ(grid->model()->rowCount(), 2);
    const QList<QPushButton *> filtrar = window.findChildren<QPushButton *>();
    for (QPushButton *b : filtrar)
        if (b->text() == QStringLiteral("Filtrar") && b->parentWidget()->findChild<QCheckBox *>())
            QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(cell(grid, 0, 0), QStringLiteral("00000001"));
    window.statusBox(4)->setChecked(true);
}

TEST_F(ManutPedWindowTest, OpensFromTheMenu)
{
    TfPrincipal principal(ctx);
    OrderWindows::plugInto(principal, ctx);
    QAction *a = principal.menuAction({QStringLiteral("Delivery"), QStringLiteral("Pedidos")});
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->isEnabled());
    bool shown = false;
    QTimer::singleShot(50, [&] {
        if (auto *w = qobject_cast<TfManutPed *>(QApplication::activeModalWidget())) {
            shown = true;
            EXPECT_EQ(w->windowTitle(), QStringLiteral("Manutenção de Pedidos"));
            EXPECT_EQ(w->grid()->model()->rowCount(), 2);
            QTest::mouseClick(w->button(QStringLiteral("Fechar")), Qt::LeftButton);
        }
    });
    a->trigger();
    EXPECT_TRUE(shown);
}

} // namespace

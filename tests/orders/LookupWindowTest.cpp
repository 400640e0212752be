#include "core/Database.h"
#include "orders/ui/TfBuscaCli.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

class LookupWindowTest : public DatabaseTest {};

TEST_F(LookupWindowTest, CodeSearchAndSelecionaFillTheOpenersField)
{
    db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo, CLI_Nome) Values ('0000000012', 'Maria')"));
    db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo, CLI_Nome) Values ('0000000003', 'Ana')"));
    TfBuscaCli window(ctx);
    QLineEdit opener;
    window.registry().add(QStringLiteral("Pedidos"), [&](const QString &code) { opener.setText(code); });
    window.setOrigem(QStringLiteral("Pedidos"));
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Busca de Clientes"));
    EXPECT_TRUE(window.nameOrderButton()->isChecked());
    QTest::mouseClick(window.codeOrderButton(), Qt::LeftButton);
    EXPECT_TRUE(window.codeOrderButton()->isChecked());
    EXPECT_EQ(window.searchLabel()->text(), QStringLiteral("Código:"));
    QTest::keyClicks(window.searchField(), QStringLiteral("12"));
    QTest::mouseClick(window.searchButton(), Qt::LeftButton);
    EXPECT_EQ(window.searchField()->text(), QStringLiteral("0000000012"));
    EXPECT_EQ(window.grid()->currentIndex().row(), 1);
    QTest::mouseClick(window.selecionaButton(), Qt::LeftButton);
    EXPECT_EQ(opener.text(), QStringLiteral("0000000012"));
    EXPECT_FALSE(window.isVisible());
}

// The opener gets the chosen code as choose()'s value; "Fechar" gives none.
TEST_F(LookupWindowTest, ChooseReturnsTheSelectedCode)
{
    db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo, CLI_Nome) Values ('0000000007', 'Bia')"));
    TfBuscaCli window(ctx);
    for (const bool pick : {true, false}) {
        SCOPED_TRACE(pick);
        QTimer::singleShot(0, &window, [&window, pick] {
            window.grid()->selectRow(0);
            if (pick)
                window.selecionaButton()->click();
            else
                window.reject();
        });
        const std::optional<QString> code = window.choose();
        EXPECT_EQ(code, pick ? std::optional<QString>(QStringLiteral("0000000007")) : std::nullopt);
    }
}

} // namespace

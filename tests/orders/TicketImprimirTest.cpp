#include "TicketFixture.h"

#include "core/PrinterIni.h"
#include "orders/TicketData.h"
#include "orders/TicketText.h"
#include "orders/ui/OrderWindows.h"
#include "orders/ui/TfManutPed.h"

#include <QPushButton>
#include <QTest>

namespace {

class TicketImprimirTest : public TicketFixture {};

TEST_F(TicketImprimirTest, ImprimirInOrderManagementPrintsTheSelectedOrdersTicket)
{
    addItem(QStringLiteral("101"), QStringLiteral("Pizza Calabresa Grande"), "1", "45.90");
    const QString lpt2 = workDir() + QStringLiteral("/lpt2.out");
    QFile(lpt2).open(QIODevice::WriteOnly);
    PrinterIni(workDir() + QStringLiteral("/vd.ini")).write({}, {QStringLiteral("/dev/null"), lpt2});
    session.tipoI = QStringLiteral("5");

    OrderWindows windows(ctx, nullptr);
    TfManutPed &list = windows.orders();
    list.show();
    QPushButton *imprimir = list.button(QStringLiteral("Imprimir"));
    ASSERT_TRUE(imprimir->isEnabled());
    QTest::mouseClick(imprimir, Qt::LeftButton);

    std::optional<TicketData> t = TicketLoader::load(db, QStringLiteral("00000042"));
    ASSERT_TRUE(t);
    t->empresa = session.empNome;
    EXPECT_EQ(readAll(lpt2), TicketText::bytes(TicketText::lines40(*t, {.obs = true, .nroLin = 4}, clock.now())));
    EXPECT_TRUE(messages.shown().isEmpty());
}

} // namespace

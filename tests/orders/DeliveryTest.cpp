#include "OrderFixture.h"

#include "orders/DeliveryLogic.h"
#include "orders/OrderItemLogic.h"

namespace {

class DeliveryTest : public OrderTest {
protected:
    OrderEntryLogic entry{ctx};
    DeliveryLogic delivery{ctx};

    // A new order of customer 1 with one pizza (R$ 30,00), customer found by telephone.
    void newOrderWithPizza()
    {
        ASSERT_TRUE(entry.open(OrderMode::Inclui));
        ASSERT_EQ(entry.leaveTelephone(QStringLiteral("1111-1111")), OrderEntryLogic::CustomerSearch::Found);
        OrderItemLogic item(entry);
        item.leaveCode(QStringLiteral("2"));
        ASSERT_TRUE(item.save(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("30,00"), {}).saved);
    }
    void closedOrder(const char *code, const char *date, const char *region)
    {
        db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Total, PED_Data, PED_CodCli, PED_CodReg) "
                                  "Values (:c, 'F', 10, :d, '0000000001', :r)"),
                   {{"c", QString::fromLatin1(code)}, {"d", QDate::fromString(QString::fromLatin1(date), Qt::ISODate)},
                    {"r", QString::fromLatin1(region)}});
    }
};

TEST_F(DeliveryTest, RegionOfTheCustomersLatestClosedOrderIsProposed)
{
    closedOrder("00000090", "2026-05-01", "000004");
    closedOrder("00000091", "2026-06-01", "000003");
    closedOrder("00000089", "2026-06-01", "000004"); // same day, lower number
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Total, PED_Data, PED_CodCli, PED_CodReg) "
                              "Values ('00000095', 'A', 10, '2026-07-01', '0000000001', '000004')"));
    newOrderWithPizza();
    ASSERT_TRUE(delivery.openFromOrderEntry(entry));
    EXPECT_EQ(delivery.regionCode(), QStringLiteral("000003"));
    EXPECT_EQ(delivery.quantity(), dec("1,000"));
    EXPECT_EQ(delivery.deliveryTotal(), dec("0"));
    EXPECT_EQ(delivery.change(), dec("-30,00"));
    EXPECT_FALSE(delivery.departureShown());

    // A customer without closed orders gets no region.
    OrderEntryLogic other(ctx);
    ASSERT_TRUE(other.open(OrderMode::Inclui));
    other.leaveCustomerCode(QStringLiteral("2"));
    ASSERT_TRUE(delivery.openFromOrderEntry(other));
    EXPECT_EQ(delivery.regionCode(), QString());
}

// Fee × quantity, the quantity kept to the 2 decimals its column stores, and
// the totals and change following every figure.
TEST_F(DeliveryTest, FiguresFollowEveryChangeAndGravarUpdatesOrderEntry)
{
    newOrderWithPizza();
    ASSERT_TRUE(entry.leaveDiscount(QStringLiteral("2,00")));
    ASSERT_TRUE(delivery.openFromOrderEntry(entry));
    struct Step { const char *what; const char *typed; const char *quantity; const char *deliveryTotal; const char *total; const char *change; };
    const Step steps[] = {
        {"region", "3", "1,000", "4,50", "32,50", "-32,50"},
        {"quantity", "2", "2,000", "9,00", "37,00", "-37,00"},
        {"paid", "R$ 100,00", "2,000", "9,00", "37,00", "63,00"},
        {"quantity", "1,255", "1,260", "5,67", "33,67", "66,33"},
        {"region", "4", "1,260", "8,82", "36,82", "63,18"},
        {"fee", "7,333", "1,260", "9,24", "37,24", "62,76"},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(std::string(s.what) + " " + s.typed);
        const QString typed = QString::fromLatin1(s.typed);
        const QString what = QString::fromLatin1(s.what);
        bool ok = what == u"region" ? delivery.leaveRegion(typed)
                : what == u"quantity" ? delivery.leaveQuantity(typed)
                : what == u"paid" ? delivery.leavePaid(typed) : delivery.leaveUnitValue(typed);
        ASSERT_TRUE(ok);
        EXPECT_EQ(delivery.quantity(), dec(s.quantity));
        EXPECT_EQ(delivery.deliveryTotal(), dec(s.deliveryTotal));
        EXPECT_EQ(delivery.orderTotal(), dec(s.total));
        EXPECT_EQ(delivery.change(), dec(s.change));
    }
    EXPECT_EQ(delivery.regionCode(), QStringLiteral("000004"));
    EXPECT_EQ(delivery.regionDescription(), QStringLiteral("Vila"));
    ASSERT_TRUE(delivery.leaveDeliveryPerson(QStringLiteral("1")));
    EXPECT_EQ(delivery.deliveryPersonName(), QStringLiteral("Pedro"));

    ASSERT_TRUE(delivery.save());
    EXPECT_TRUE(delivery.savedDuringOpening());
    EXPECT_EQ(entry.deliveryValue(), dec("9,24"));
    EXPECT_EQ(entry.total(), dec("37,24"));
    const Row row = order(entry.code());
    EXPECT_EQ(row.text("PED_CODREG"), QStringLiteral("000004"));
    EXPECT_EQ(row.text("PED_CODENT"), QStringLiteral("000001"));
    EXPECT_EQ(row["PED_QENT"].toDecimal(), dec("1,26"));
    EXPECT_EQ(row["PED_VENT"].toDecimal(), dec("7,33"));
    EXPECT_EQ(row["PED_VPAGO"].toDecimal(), dec("100"));
    EXPECT_EQ(row["PED_TROCO"].toDecimal(), dec("62,76"));
    EXPECT_EQ(row["PED_TOTAL"].toDecimal(), dec("37,24"));

    // Reopening shows what was stored.
    ASSERT_TRUE(delivery.openFromOrderEntry(entry));
    EXPECT_FALSE(delivery.savedDuringOpening());
    EXPECT_EQ(delivery.regionDescription(), QStringLiteral("Vila"));
    EXPECT_EQ(delivery.deliveryTotal(), dec("9,24"));
    EXPECT_EQ(delivery.change(), dec("62,76"));
}

TEST_F(DeliveryTest, BadInputIsRefused)
{
    newOrderWithPizza();
    ASSERT_TRUE(delivery.openFromOrderEntry(entry));
    struct Case { const char *what; const char *typed; const char *message; };
    const Case cases[] = {
        {"region", "99", "Código de Região não Encontrado, tente outro !"},
        {"region", "1234567", "Código de Região não Encontrado, tente outro !"},
        {"person", "7", "Entregador Não Cadastrado, tente outro !"},
        {"quantity", "1a", "Quantidade inválida, digite somente números !"},
        {"quantity", "-1", "Quantidade inválida, digite somente números !"},
        {"paid", "dez", "Valor Pago inválido, digite somente o valor em R$ !"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        messages.clear();
        const QString typed = QString::fromLatin1(c.typed);
        const QString what = QString::fromLatin1(c.what);
        const bool ok = what == u"region" ? delivery.leaveRegion(typed)
                      : what == u"person" ? delivery.leaveDeliveryPerson(typed)
                      : what == u"quantity" ? delivery.leaveQuantity(typed) : delivery.leavePaid(typed);
        EXPECT_FALSE(ok);
        EXPECT_TRUE(messages.showedOnly(Kind::Error, QString::fromUtf8(c.message)));
    }
    EXPECT_EQ(delivery.quantity(), dec("1,000"));
    EXPECT_EQ(delivery.paid(), dec("0"));
}

// Order management opens the window alone for the departure and the closing.
TEST_F(DeliveryTest, DepartureAndClosingStampsAndGuardedStatus)
{
    clock.set(QDateTime(QDate(2026, 12, 10), QTime(20, 0)));
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Total, PED_Data, PED_CodCli, PED_Desconto, PED_QEnt, PED_VEnt) "
                              "Values ('00000010', 'E', 40.50, '2026-12-10', '0000000001', 1, 2, 4.5)"));
    db.execute(QStringLiteral("Insert Into IPedidos (IPD_CodPed, IPD_Sequen, IPD_CodPro, IPD_Quant, IPD_Valor, IPD_CodInt) "
                              "Values ('00000010', 1, '         2', 1, 32.50, 0)"));
    ASSERT_TRUE(delivery.openForTransition(OrderMode::Saiu, QStringLiteral("00000010")));
    EXPECT_TRUE(delivery.departureShown());
    EXPECT_FALSE(delivery.closingShown());
    EXPECT_EQ(delivery.departure(), clock.now());
    EXPECT_EQ(delivery.orderTotal(), dec("40,50"));
    ASSERT_TRUE(delivery.leaveRegion(QStringLiteral("3")));
    ASSERT_TRUE(delivery.leaveDeliveryPerson(QStringLiteral("1")));
    ASSERT_TRUE(delivery.leavePaid(QStringLiteral("50")));
    EXPECT_EQ(delivery.orderTotal(), dec("40,50")); // 32,50 - 1,00 + 2 × 4,50
    ASSERT_TRUE(delivery.save());
    Row row = order(QStringLiteral("00000010"));
    EXPECT_EQ(row["PED_DATAS"].toDate(), QDate(2026, 12, 10));
    EXPECT_EQ(row["PED_HORAS"].toTime(), QTime(20, 0));
    EXPECT_TRUE(row["PED_DATAT"].isNull());
    EXPECT_EQ(row["PED_TROCO"].toDecimal(), dec("9,50"));

    db.execute(QStringLiteral("Update Pedidos Set PED_Situ='S' Where PED_Codigo='00000010'"));
    clock.set(QDateTime(QDate(2026, 12, 10), QTime(20, 40)));
    ASSERT_TRUE(delivery.openForTransition(OrderMode::Fechado, QStringLiteral("00000010")));
    EXPECT_EQ(delivery.departure(), QDateTime(QDate(2026, 12, 10), QTime(20, 0)));
    EXPECT_EQ(delivery.closing(), clock.now());
    EXPECT_EQ(delivery.regionCode(), QStringLiteral("000003"));
    EXPECT_EQ(delivery.deliveryPersonCode(), QStringLiteral("000001"));
    EXPECT_EQ(delivery.paid(), dec("50"));
    EXPECT_EQ(delivery.deliveryTotal(), dec("9,00"));

    // Closed meanwhile by another workstation: nothing is written.
    db.execute(QStringLiteral("Update Pedidos Set PED_Situ='C' Where PED_Codigo='00000010'"));
    messages.clear();
    EXPECT_FALSE(delivery.save());
    EXPECT_FALSE(delivery.savedDuringOpening());
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().first().text.startsWith(QStringLiteral("Não Consegui Gravar, Tente Novamente !\rErro:  ")));
    EXPECT_TRUE(order(QStringLiteral("00000010"))["PED_DATAT"].isNull());
    EXPECT_EQ(delivery.closingDate(), QDate(2026, 12, 10));
}

TEST_F(DeliveryTest, ViewModeShowsTheStampsAndSavesNothing)
{
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Situ, PED_Total, PED_Data, PED_DataS, PED_HoraS, PED_DataT, PED_HoraT) "
                              "Values ('00000011', 'F', 10, '2026-12-01', '2026-12-01', '18:00:00', '2026-12-01', '18:30:00')"));
    ASSERT_TRUE(entry.open(OrderMode::Consulta, QStringLiteral("00000011")));
    ASSERT_TRUE(delivery.openFromOrderEntry(entry));
    EXPECT_FALSE(delivery.saveVisible());
    EXPECT_TRUE(delivery.closingShown());
    EXPECT_EQ(delivery.closing(), QDateTime(QDate(2026, 12, 1), QTime(18, 30)));
    EXPECT_TRUE(delivery.leaveRegion(QStringLiteral("3")));
    EXPECT_EQ(delivery.regionCode(), QString());
    EXPECT_FALSE(delivery.save());
}

} // namespace

#include "orders/OrderListLogic.h"
#include "orders/OrderStatusLogic.h"
#include "support/TestEnvironment.h"

#include "OrderFixtures.h"

using namespace OrderFixtures;
using OrderStatus::Move;
using Kind = MessageService::Kind;
using Outcome = OrderStatusLogic::Outcome;

namespace {

const QString kCodigo = QStringLiteral("00000001");

class OrderStatusTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        registers(db);
        clock.set(QDateTime(QDate(2026, 12, 1), QTime(20, 0)));
    }

    // The delivery window: saves the delivery person, region, fee and the
    // dates of its mode when `save` is set.
    OrderStatusLogic::DeliveryWindow deliveryWindow()
    {
        return [this](const QString &modo, const QString &codigo) {
            windowModes << modo;
            if (!saves)
                return false;
            db.execute(QStringLiteral("Update Pedidos Set PED_CodEnt=:ent, PED_CodReg='000001', PED_VEnt=3.30, "
                                      "PED_QEnt=1, PED_DataS=:ds, PED_DataT=:dt Where PED_Codigo=:c"),
                       {{"ent", deliveryPerson}, {"ds", QDate(2026, 12, 2)},
                        {"dt", modo == QStringLiteral("Fechado") ? SqlValue(QDate(2026, 12, 3)) : SqlValue()},
                        {"c", codigo}});
            return true;
        };
    }

    Outcome press(Move move, const QString &codigo = kCodigo)
    {
        list.show(OrderListLogic::allStatuses());
        list.setPeriod(QDate(2026, 11, 1), QDate(2026, 12, 31));
        return logic.run(move, codigo);
    }

    bool saves = true;
    QString deliveryPerson = QStringLiteral("000001");
    QStringList windowModes;
    OrderListLogic list{ctx};
    OrderStatusLogic logic{ctx, list, deliveryWindow()};
};

struct MoveCase {
    Move move;
    const char *from;
    const char *refusal; // nullptr: the move is allowed
};

const char *moveName(Move m)
{
    switch (m) {
    case Move::Aberto: return "Aberto";
    case Move::Cancelar: return "Cancelar";
    case Move::EmAndamento: return "EmAndamento";
    case Move::SaiuEntrega: return "SaiuEntrega";
    case Move::Fechado: return "Fechado";
    }
    return "";
}

const MoveCase kMoves[] = {
    {Move::Aberto, "A", "Pedido já está em Aberto"},
    {Move::Aberto, "E", nullptr},
    {Move::Aberto, "S", nullptr},
    {Move::Aberto, "F", "Pedido Fechado, não pode ser colocado em Aberto"},
    {Move::Aberto, "C", "Pedido Cancelado, não pode ser colocado em Aberto"},
    {Move::Cancelar, "A", nullptr},
    {Move::Cancelar, "E", nullptr},
    {Move::Cancelar, "S", "Pedido precisa primeiro ser Entregue ou Ficar em Aberto para poder ser Cancelado !"},
    {Move::Cancelar, "F", nullptr},
    {Move::Cancelar, "C", "Pedido não Pode ser Cancelado, pois já foi cancelado !"},
    {Move::EmAndamento, "A", nullptr},
    {Move::EmAndamento, "E", "Pedido já colocado em Andamento"},
    {Move::EmAndamento, "S", "Pedido já saiu para Entrega, não pode ser Colocado em Andamento"},
    {Move::EmAndamento, "F", "Pedido já foi Fechado, não pode ser colocado em Andamento"},
    {Move::EmAndamento, "C", "Pedido Cancelado, não pode ser colocado em Andamento"},
    {Move::SaiuEntrega, "A", nullptr},
    {Move::SaiuEntrega, "E", nullptr},
    {Move::SaiuEntrega, "S", "Pedido já saiu para Entrega"},
    {Move::SaiuEntrega, "F", "Pedido já foi Fechado"},
    {Move::SaiuEntrega, "C", "Pedido Cancelado, não pode ser Entregue"},
    {Move::Fechado, "A", nullptr},
    {Move::Fechado, "E", nullptr},
    {Move::Fechado, "S", nullptr},
    {Move::Fechado, "F", "Pedido já foi Fechado"},
    {Move::Fechado, "C", "Pedido Cancelado, não pode ser Fechado"},
};

class EveryMove : public OrderStatusTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(EveryMove, MovesOnlyFromItsStatusesAndRefusesTheOthersWithTheirText)
{
    const MoveCase c = GetParam();
    session.confLog = QStringLiteral("S");
    order(db, {.codigo = kCodigo, .situ = QString::fromLatin1(c.from)});
    if (c.move == Move::Cancelar)
        messages.answerNext(true);

    const Outcome outcome = press(c.move);

    const OrderStatus::MoveRule &rule = OrderStatus::rule(c.move);
    const int logLines = count(db, QStringLiteral("Select Count(*) From Log"));
    if (c.refusal) {
        EXPECT_EQ(outcome, Outcome::Refused);
        EXPECT_TRUE(messages.showedOnly(Kind::Error, QString::fromUtf8(c.refusal)));
        EXPECT_EQ(status(db, kCodigo), QString::fromLatin1(c.from));
        EXPECT_EQ(logLines, 0);
        EXPECT_TRUE(windowModes.isEmpty());
    } else {
        EXPECT_EQ(outcome, Outcome::Done);
        EXPECT_EQ(messages.shown().last(), (ScriptedMessages::Shown{Kind::Information, rule.successText}));
        EXPECT_EQ(status(db, kCodigo), rule.target);
        EXPECT_EQ(logLines, 1);
        EXPECT_EQ(db.select(QStringLiteral("Select LOG_Descricao From Log")).first().text(QStringLiteral("LOG_DESCRICAO")),
                  rule.auditPrefix + kCodigo);
        EXPECT_EQ(windowModes, rule.deliveryMode.isEmpty() ? QStringList() : QStringList{rule.deliveryMode});
        EXPECT_EQ(list.currentCode(), kCodigo);
    }
}

INSTANTIATE_TEST_SUITE_P(ButtonByStatus, EveryMove, ::testing::ValuesIn(kMoves),
                         [](const ::testing::TestParamInfo<MoveCase> &info) {
                             return std::string(moveName(info.param.move)) + "_from_" + info.param.from;
                         });

TEST(OrderStatusRules, FourteenRefusals)
{
    int refusals = 0;
    for (const MoveCase &c : kMoves)
        refusals += c.refusal ? 1 : 0;
    EXPECT_EQ(refusals, 14);
}

TEST_F(OrderStatusTest, ClosingBooksTheOrderTotalOnItsDateAndTheCommissionOnTheClosingDate)
{
    order(db, {.codigo = kCodigo, .situ = QStringLiteral("S"), .total = dec("41.00")});
    ASSERT_EQ(press(Move::Fechado), Outcome::Done);

    const ResultSet cash = db.select(QStringLiteral("Select * From Caixa"));
    ASSERT_EQ(cash.size(), 1);
    const Row credit = cash.first();
    EXPECT_EQ(credit.value(QStringLiteral("CAI_CODINT")).toInt(), 1);
    EXPECT_EQ(credit.text(QStringLiteral("CAI_DC")), QStringLiteral("C"));
    EXPECT_EQ(credit.text(QStringLiteral("CAI_DESC")), QStringLiteral("Pedido:") + kCodigo);
    EXPECT_EQ(credit.value(QStringLiteral("CAI_VALOR")).toDecimal(), dec("41.00"));
    EXPECT_EQ(credit.value(QStringLiteral("CAI_DATA")).toDate(), QDate(2026, 12, 1));
    EXPECT_EQ(credit.text(QStringLiteral("CAI_DOC")), kCodigo);

    const ResultSet cce = db.select(QStringLiteral("Select * From CCE"));
    ASSERT_EQ(cce.size(), 1);
    const Row commission = cce.first();
    EXPECT_EQ(commission.value(QStringLiteral("CCE_VALOR")).toDecimal(), dec("0.50")); // 3,30 x 15 % = 0,495
    EXPECT_EQ(commission.value(QStringLiteral("CCE_DATA")).toDate(), QDate(2026, 12, 3));
    EXPECT_EQ(commission.text(QStringLiteral("CCE_CODENT")), QStringLiteral("000001"));
    EXPECT_EQ(commission.text(QStringLiteral("CCE_SITU")), QStringLiteral("A"));
    EXPECT_EQ(commission.text(QStringLiteral("CCE_DOC")), kCodigo);
    EXPECT_EQ(commission.value(QStringLiteral("CCE_CODINT")).toInt(), 1);
}

TEST_F(OrderStatusTest, ClosingWithoutRateOrFeeBooksOnlyTheCash)
{
    deliveryPerson = QStringLiteral("000002"); // 0 %
    order(db, {.codigo = kCodigo});
    ASSERT_EQ(press(Move::Fechado), Outcome::Done);
    EXPECT_EQ(count(db, QStringLiteral("Select Count(*) From Caixa")), 1);
    EXPECT_EQ(count(db, QStringLiteral("Select Count(*) From CCE")), 0);

    // A delivery window that stores no fee
    const QString second = QStringLiteral("00000002");
    order(db, {.codigo = second, .codEnt = QStringLiteral("000001"), .codReg = QStringLiteral("000001"),
               .dataS = QDate(2026, 12, 2), .dataT = QDate(2026, 12, 2)});
    OrderStatusLogic noFee(ctx, list, [](const QString &, const QString &) { return true; });
    ASSERT_EQ(noFee.run(Move::Fechado, second), Outcome::Done);
    EXPECT_EQ(count(db, QStringLiteral("Select Count(*) From Caixa")), 2);
    EXPECT_EQ(count(db, QStringLiteral("Select Count(*) From CCE")), 0);
}

TEST_F(OrderStatusTest, ClosingNeedsGravarDuringThisOpening)
{
    // Dates and delivery person saved by an earlier opening are not enough.
    order(db, {.codigo = kCodigo, .situ = QStringLiteral("S"), .codEnt = QStringLiteral("000001"),
               .codReg = QStringLiteral("000001"), .vent = dec("3.30"), .qent = dec("1"),
               .dataS = QDate(2026, 12, 2), .dataT = QDate(2026, 12, 2)});
    saves = false;
    EXPECT_EQ(press(Move::Fechado), Outcome::Refused);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Não foi Possível fechar o pedido, quando sair da Tela "
                                                                "dos Dados da Entrega, clique em GRAVAR")));
    EXPECT_EQ(status(db, kCodigo), QStringLiteral("S"));
    EXPECT_EQ(count(db, QStringLiteral("Select Count(*) From Caixa")), 0);
}

TEST_F(OrderStatusTest, DeliveryPersonAndRegionAreNeeded)
{
    order(db, {.codigo = kCodigo});
    saves = false;
    for (Move move : {Move::SaiuEntrega, Move::Fechado}) {
        messages.clear();
        EXPECT_EQ(press(move), Outcome::Refused);
        EXPECT_TRUE(messages.showedOnly(
            Kind::Error, QStringLiteral("O Campo para Código do Entregador e/ou da Região Precisam ser Preenchidos")));
    }
    EXPECT_EQ(status(db, kCodigo), QStringLiteral("A"));
}

TEST_F(OrderStatusTest, ReopenedOrderKeepsItsDepartureForASecondDeparture)
{
    order(db, {.codigo = kCodigo, .situ = QStringLiteral("E"), .codEnt = QStringLiteral("000001"),
               .codReg = QStringLiteral("000001"), .dataS = QDate(2026, 12, 2)});
    saves = false;
    EXPECT_EQ(press(Move::SaiuEntrega), Outcome::Done);

    const QString second = QStringLiteral("00000002");
    order(db, {.codigo = second, .codEnt = QStringLiteral("000001"), .codReg = QStringLiteral("000001")});
    messages.clear();
    EXPECT_EQ(press(Move::SaiuEntrega, second), Outcome::Refused);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Não foi Possível Alterar a Situação do Pedido para: "
                                                                "Saiu para Entrega, quando sair da Tela dos Dados da "
                                                                "Entrega, clique em GRAVAR")));
}

class CancelTest : public OrderStatusTest {
protected:
    void SetUp() override
    {
        OrderStatusTest::SetUp();
        db.execute(QStringLiteral("Insert Into Produtos (PRO_Codigo, PRO_FeitoHora, PRO_Quant) Values ('        99', 'N', 5)"));
        item(db, kCodigo, 1, QStringLiteral("        10"), "2", 7);  // stocked
        item(db, kCodigo, 2, QStringLiteral("         1"), "1", 8);  // made to order
        item(db, kCodigo, 3, QStringLiteral("        77"), "1", 9);  // product deleted since
        item(db, kCodigo, 4, QStringLiteral("        99"), "3", 10, false); // movement already gone
        db.execute(QStringLiteral("Insert Into MOV_ESTQ (MOV_CodInt, MOV_CodPro, MOV_Oper, MOV_Quant) "
                                  "Values (11, '        10', 'EE', 1)"));
    }
};

TEST_F(CancelTest, StockComesBackOnlyForMovementsRemovedOfStockedProducts)
{
    order(db, {.codigo = kCodigo});
    messages.answerNext(true);
    ASSERT_EQ(press(Move::Cancelar), Outcome::Done);

    EXPECT_EQ(messages.shown().first(), (ScriptedMessages::Shown{Kind::Confirmation, QStringLiteral("Deseja Cancelar o Pedido ?")}));
    EXPECT_EQ(stock(db, QStringLiteral("        10")), dec("52"));
    EXPECT_EQ(stock(db, QStringLiteral("         1")), dec("0"));
    EXPECT_EQ(stock(db, QStringLiteral("        99")), dec("5"));
    // every movement of the order is gone, the unrelated entry stays
    EXPECT_EQ(count(db, QStringLiteral("Select Count(*) From MOV_ESTQ")), 1);
    EXPECT_EQ(count(db, QStringLiteral("Select Count(*) From Caixa")), 0);
}

TEST_F(CancelTest, ClosedOrderGetsADebitAndKeepsItsCommission)
{
    order(db, {.codigo = kCodigo, .situ = QStringLiteral("F"), .total = dec("41.00")});
    db.execute(QStringLiteral("Insert Into CCE (CCE_CodInt, CCE_CodEnt, CCE_Valor, CCE_Op, CCE_Situ, CCE_Doc) "
                              "Values (1, '000001', 0.50, 'P', 'A', :c)"),
               {{"c", kCodigo}});
    messages.answerNext(true);
    ASSERT_EQ(press(Move::Cancelar), Outcome::Done);

    const Row debit = db.select(QStringLiteral("Select * From Caixa")).first();
    EXPECT_EQ(debit.text(QStringLiteral("CAI_DC")), QStringLiteral("D"));
    EXPECT_EQ(debit.text(QStringLiteral("CAI_DESC")), QStringLiteral("Cancelamento de Ped. Fechado:") + kCodigo);
    EXPECT_EQ(debit.value(QStringLiteral("CAI_VALOR")).toDecimal(), dec("41.00"));
    EXPECT_EQ(debit.value(QStringLiteral("CAI_DATA")).toDate(), QDate(2026, 12, 1));
    EXPECT_EQ(db.select(QStringLiteral("Select CCE_Situ From CCE")).first().text(QStringLiteral("CCE_SITU")),
              QStringLiteral("A"));
    EXPECT_EQ(stock(db, QStringLiteral("        10")), dec("52"));
}

TEST_F(CancelTest, AnsweringNoOrSelectingNothingChangesNothing)
{
    session.confLog = QStringLiteral("S");
    order(db, {.codigo = kCodigo});
    messages.answerNext(false);
    EXPECT_EQ(press(Move::Cancelar), Outcome::Stopped);
    EXPECT_EQ(press(Move::Cancelar, QString()), Outcome::Stopped);
    EXPECT_EQ(messages.shown().size(), 1); // the one confirmation
    EXPECT_EQ(status(db, kCodigo), QStringLiteral("A"));
    EXPECT_EQ(stock(db, QStringLiteral("        10")), dec("50"));
    EXPECT_EQ(count(db, QStringLiteral("Select Count(*) From Log")), 0);
}

// The list was read while the order was open; another workstation closed it
// while this one had the delivery window open.
TEST_F(OrderStatusTest, StatusMovedElsewhereMeanwhileGetsTheRefusalOfTheRealStatus)
{
    order(db, {.codigo = kCodigo, .situ = QStringLiteral("S")});
    Database other;
    other.open(dbPath(), Database::Engine::Embedded);
    OrderStatusLogic closing(ctx, list, [&](const QString &modo, const QString &codigo) {
        deliveryWindow()(modo, codigo);
        other.execute(QStringLiteral("Update Pedidos Set PED_Situ='F' Where PED_Codigo=:c"), {{"c", codigo}});
        return true;
    });
    list.show(OrderListLogic::allStatuses());
    EXPECT_EQ(closing.run(Move::Fechado, kCodigo), Outcome::Refused);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Pedido já foi Fechado")));
    EXPECT_EQ(count(db, QStringLiteral("Select Count(*) From Caixa")), 0);
    other.close();
}

// The delivery window could not save because another workstation closed the
// order meanwhile: the refusal names the real status, not the missing save.
TEST_F(OrderStatusTest, DeliveryNotSavedBecauseClosedElsewhereGetsTheRealStatus)
{
    order(db, {.codigo = kCodigo, .situ = QStringLiteral("S")});
    Database other;
    other.open(dbPath(), Database::Engine::Embedded);
    OrderStatusLogic closing(ctx, list, [&](const QString &, const QString &codigo) {
        other.execute(QStringLiteral("Update Pedidos Set PED_Situ='F' Where PED_Codigo=:c"), {{"c", codigo}});
        return false;
    });
    list.show(OrderListLogic::allStatuses());
    EXPECT_EQ(closing.run(Move::Fechado, kCodigo), Outcome::Refused);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Pedido já foi Fechado")));
    other.close();
}

TEST_F(OrderStatusTest, FailureRollsBackEverythingAndWarnsAfterwards)
{
    session.confLog = QStringLiteral("S");
    session.codUsuario = QStringLiteral("0000001"); // one too long for the audit line: the insert fails
    order(db, {.codigo = kCodigo, .situ = QStringLiteral("S")});
    EXPECT_EQ(press(Move::Fechado), Outcome::Failed);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().kind, Kind::Warning);
    EXPECT_TRUE(messages.shown().first().text.startsWith(
        QStringLiteral("Não Consegui Alterar o Estado do Pedido, Tente Novamente !\rErro:  ")));
    EXPECT_EQ(status(db, kCodigo), QStringLiteral("S"));
    EXPECT_EQ(count(db, QStringLiteral("Select Count(*) From Caixa")), 0);
    EXPECT_EQ(count(db, QStringLiteral("Select Count(*) From CCE")), 0);
}

TEST_F(OrderStatusTest, PermissionRefusalStopsBeforeAnything)
{
    session.confLogin = session.confPermissao = QStringLiteral("S");
    session.codUsuario = QStringLiteral("000001");
    order(db, {.codigo = kCodigo});
    EXPECT_EQ(press(Move::Fechado), Outcome::Refused);
    EXPECT_TRUE(messages.showedOnly(Kind::Warning, QStringLiteral("Usuário Sem Permissão para Entrar nesse Módulo")));
    EXPECT_TRUE(windowModes.isEmpty());
}

} // namespace

#include "core/Funcoes.h"
#include "stock/MovementMaintenanceLogic.h"
#include "stock/StockEntryLogic.h"
#include "stock/StockExitLogic.h"
#include "stock/StockFixture.h"
#include "stock/StockMessages.h"

namespace {

using Kind = MessageService::Kind;
using Outcome = MovementMaintenanceLogic::Outcome;

class MovementMaintenanceLogicTest : public StockFixture {
protected:
    void enter(const char *typed, const char *quantity, const char *cost, const QDate &date, const char *doc)
    {
        StockEntryLogic logic(ctx);
        logic.code = QString::fromLatin1(typed);
        ASSERT_TRUE(logic.leaveCode());
        logic.quantity = QString::fromLatin1(quantity);
        logic.cost = QString::fromLatin1(cost);
        logic.date = date;
        logic.document = QString::fromLatin1(doc);
        ASSERT_TRUE(logic.save());
    }
    void takeOut(const char *typed, const char *quantity, const char *price, const QDate &date, const char *doc)
    {
        StockExitLogic logic(ctx);
        logic.code = QString::fromLatin1(typed);
        ASSERT_TRUE(logic.leaveCode());
        logic.quantity = QString::fromLatin1(quantity);
        logic.price = QString::fromLatin1(price);
        logic.date = date;
        logic.document = QString::fromLatin1(doc);
        ASSERT_TRUE(logic.save());
    }
    // The maintenance window filtered on one day.
    void list(MovementMaintenanceLogic &logic, const QDate &day)
    {
        logic.dataInicial = logic.dataFinal = day;
        logic.filtrar();
    }
    const QDate may3{2026, 5, 3};
};

// Reverting takes back the stock change (for a product that keeps stock),
// books the opposite cash entry on the movement's date and removes the row.
TEST_F(MovementMaintenanceLogicTest, RevertOfAnEntryAndOfAnExit)
{
    struct Case {
        const char *name;
        const char *feitoHora;
        bool entry;
        const char *stockAfterMove;
        const char *opposite; // the cash entry the revert books
    };
    const Case cases[] = {
        {"entry of ten worth 25,00", "N", true, "15.000", "C|Exclui/Reverte Mov. Prod.:%1|25.00|NF|2026-05-03"},
        {"exit of three worth 12,00", "N", false, "2.000", "D|Exclui/Reverte Mov. Prod.:%1|12.00|NF|2026-05-03"},
        {"exit made on the spot", "S", false, "5.000", "D|Exclui/Reverte Mov. Prod.:%1|12.00|NF|2026-05-03"},
    };
    session.confLog = QStringLiteral("S");
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray typed = QByteArray::number(++n);
        const QString stored = code(typed);
        addProduct(stored, "5", c.feitoHora);
        if (c.entry)
            enter(typed, "10", "R$ 2,50", may3, "NF");
        else
            takeOut(typed, "3", "R$ 4,00", may3, "NF");
        EXPECT_EQ(stock(stored), QString::fromLatin1(c.stockAfterMove));
        const int cashBefore = count("Caixa");

        MovementMaintenanceLogic logic(ctx);
        list(logic, may3);
        ASSERT_EQ(logic.rows().size(), 1);
        messages.answerNext(true);
        EXPECT_EQ(logic.excluirEReverter(0), Outcome::Done);
        EXPECT_TRUE(messages.showedOnly(Kind::Confirmation, StockMessages::kConfirmaExcluirReverter));
        messages.clear();
        EXPECT_EQ(stock(stored), QStringLiteral("5.000"));
        EXPECT_EQ(count("Mov_Estq"), 0);
        EXPECT_EQ(count("Caixa"), cashBefore + 1);
        EXPECT_EQ(cash().last(), QString::fromLatin1(c.opposite).arg(stored));
        EXPECT_EQ(auditLines().last(), AuditEvent::ManutMovEstqExcRev + stored);
        EXPECT_EQ(logic.rows().size(), 0); // the grid was read again
    }
}

TEST_F(MovementMaintenanceLogicTest, SomenteExcluirRemovesTheRowOnly)
{
    addProduct(code("1"), "5");
    enter("1", "10", "R$ 2,50", may3, "NF");
    MovementMaintenanceLogic logic(ctx);
    list(logic, may3);
    messages.answerNext(false); // No changes nothing
    EXPECT_EQ(logic.somenteExcluir(0), Outcome::Refused);
    EXPECT_EQ(count("Mov_Estq"), 1);
    messages.answerNext(true);
    EXPECT_EQ(logic.somenteExcluir(0), Outcome::Done);
    EXPECT_EQ(count("Mov_Estq"), 0);
    EXPECT_EQ(stock(code("1")), QStringLiteral("15.000"));
    EXPECT_EQ(count("Caixa"), 1);
    // An empty grid does nothing, not even ask.
    messages.clear();
    EXPECT_EQ(logic.somenteExcluir(0), Outcome::Refused);
    EXPECT_EQ(logic.excluirEReverter(0), Outcome::Refused);
    EXPECT_TRUE(messages.shown().isEmpty());
}

// A movement kept from older data without a document is still reverted once.
TEST_F(MovementMaintenanceLogicTest, AMovementWithoutDocumentIsReverted)
{
    addProduct(code("1"), "5");
    db.execute(QStringLiteral("Insert Into Mov_Estq (MOV_CodInt, MOV_CodPro, MOV_Oper, MOV_Data, MOV_Quant, MOV_Valor) "
                              "Values (1, :p, 'EE', :d, 2, 5)"),
               {{"p", code("1")}, {"d", may3}});
    MovementMaintenanceLogic logic(ctx);
    list(logic, may3);
    ASSERT_EQ(logic.rows().size(), 1);
    messages.answerNext(true);
    EXPECT_EQ(logic.excluirEReverter(0), Outcome::Done);
    EXPECT_EQ(count("Mov_Estq"), 0);
    EXPECT_EQ(stock(code("1")), QStringLiteral("3.000"));
    EXPECT_EQ(count("Caixa"), 1);
}

// A movement booked by an order item is refused by both buttons: removing the
// item or cancelling the order gives its stock back.
TEST_F(MovementMaintenanceLogicTest, AnOrderItemsMovementIsRefused)
{
    addProduct(code("1"), "5");
    db.execute(QStringLiteral("Insert Into Mov_Estq (MOV_CodInt, MOV_CodPro, MOV_Oper, MOV_Data, MOV_Quant, "
                              "MOV_Valor, MOV_Doc) Values (4, :c, 'SS', :d, 2, 8, '00000012')"),
               {{"c", code("1")}, {"d", may3}});
    db.execute(QStringLiteral("Insert Into IPedidos (IPD_CodPed, IPD_Sequen, IPD_CodPro, IPD_Quant, IPD_Valor, "
                              "IPD_CodInt) Values ('00000012', 1, :c, 2, 4, 4)"),
               {{"c", code("1")}});
    MovementMaintenanceLogic logic(ctx);
    list(logic, may3);
    ASSERT_EQ(logic.rows().size(), 1);
    const QString refusal = StockMessages::kMovimentacaoDePedido + QStringLiteral("00000012");
    EXPECT_EQ(logic.somenteExcluir(0), Outcome::Refused);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, refusal));
    messages.clear();
    EXPECT_EQ(logic.excluirEReverter(0), Outcome::Refused);
    EXPECT_TRUE(messages.showedOnly(Kind::Error, refusal));
    EXPECT_EQ(count("Mov_Estq"), 1);
    EXPECT_EQ(count("Caixa"), 0);
    EXPECT_EQ(stock(code("1")), QStringLiteral("5.000"));
}

// Another workstation removed the movement after the grid was read: nothing
// is booked and the operator is told.
TEST_F(MovementMaintenanceLogicTest, AMovementAlreadyRemovedIsNotRevertedAgain)
{
    addProduct(code("1"), "5");
    enter("1", "10", "R$ 2,50", may3, "NF");
    MovementMaintenanceLogic logic(ctx);
    list(logic, may3);
    db.execute(QStringLiteral("Delete From Mov_Estq"));
    messages.answerNext(true);
    EXPECT_EQ(logic.excluirEReverter(0), Outcome::Refused);
    EXPECT_EQ(messages.shown().last(), (ScriptedMessages::Shown{Kind::Error, StockMessages::kMovimentacaoJaExcluida}));
    EXPECT_EQ(stock(code("1")), QStringLiteral("15.000"));
    EXPECT_EQ(count("Caixa"), 1);
    EXPECT_EQ(logic.rows().size(), 0);
}

TEST_F(MovementMaintenanceLogicTest, FiltersByPeriodAndProduct)
{
    addProduct(code("7"), "50");
    addProduct(code("8"), "50");
    enter("7", "1", "R$ 1,00", QDate(2026, 4, 30), "a");
    enter("7", "2", "R$ 1,00", QDate(2026, 5, 1), "b");
    enter("8", "3", "R$ 1,00", QDate(2026, 5, 15), "c");
    enter("7", "4", "R$ 1,00", QDate(2026, 5, 31), "d");
    enter("7", "5", "R$ 1,00", QDate(2026, 6, 1), "e");
    // A movement whose product no longer exists is not listed.
    db.execute(QStringLiteral("Insert Into Mov_Estq (MOV_CodInt, MOV_CodPro, MOV_Oper, MOV_Data, MOV_Quant, "
                              "MOV_Valor, MOV_Doc) Values (99, '        66', 'EE', :d, 1, 1, 'x')"),
               {{"d", QDate(2026, 5, 2)}});
    MovementMaintenanceLogic logic(ctx);
    logic.show(); // today only
    EXPECT_EQ(logic.rows().size(), 0);
    auto docs = [&] {
        QStringList out;
        for (int i = 0; i < logic.rows().size(); ++i)
            out << logic.rows().rows().value(i, QStringLiteral("MOV_DOC")).toString();
        return out;
    };
    logic.dataInicial = QDate(2026, 5, 1);
    logic.dataFinal = QDate(2026, 5, 31);
    logic.filtrar();
    EXPECT_EQ(docs(), (QStringList{"b", "c", "d"}));
    logic.code = QStringLiteral("7");
    EXPECT_TRUE(logic.leaveCode());
    EXPECT_EQ(logic.code, code("7"));
    EXPECT_EQ(logic.description, QStringLiteral("Produto"));
    logic.filtrar();
    EXPECT_EQ(docs(), (QStringList{"b", "d"}));
    logic.code = QStringLiteral("66");
    EXPECT_FALSE(logic.leaveCode());
    EXPECT_TRUE(messages.showedOnly(Kind::Error, StockMessages::kProdutoNaoCadastrado));
    EXPECT_TRUE(logic.code.isEmpty());
}

} // namespace

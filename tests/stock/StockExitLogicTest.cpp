#include "core/Funcoes.h"
#include "stock/StockExitLogic.h"
#include "stock/StockFixture.h"
#include "stock/StockMessages.h"

namespace {

using Kind = MessageService::Kind;

class StockExitLogicTest : public StockFixture {};

// Saved exits: the "SS" movement of sale price × quantity, the stock drop only
// for a product that keeps stock (checked against what the database holds),
// the cash credit and the audit line; refused exits write nothing.
TEST_F(StockExitLogicTest, ExitsAsATable)
{
    struct Case {
        const char *name;
        const char *feitoHora;
        const char *stockBefore;
        const char *quantity;
        const char *price;
        // Expected; empty refusal: saved.
        QString refusal;
        const char *stockAfter;
        const char *value;
    };
    const Case cases[] = {
        {"three of five at 4,00", "N", "5", "3", "R$ 4,00", {}, "2.000", "12.00"},
        {"exactly the stock", "N", "5", "5,000", "R$ 1,10", {}, "0.000", "5.50"},
        {"zero", "N", "5", "0", "R$ 4,00", {}, "5.000", "0.00"},
        {"made on the spot, more than the stock", "S", "5", "6", "R$ 2,50", {}, "5.000", "15.00"},
        {"fraction rounds half away from zero", "N", "1", "0,5", "R$ 0,99", {}, "0.500", "0.50"},
        {"more than the stock", "N", "5", "6", "R$ 4,00", StockMessages::kQuantidadeMaiorQueEstoque, "5.000", ""},
        {"below zero", "N", "5", "-1", "R$ 4,00", StockMessages::kQuantidadeNegativa, "5.000", ""},
    };
    session.confLog = QStringLiteral("S");
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        const QByteArray typed = QByteArray::number(++n);
        const QString stored = code(typed);
        addProduct(stored, c.stockBefore, c.feitoHora, "1", "9");
        const int movementsBefore = count("Mov_Estq");
        StockExitLogic logic(ctx);
        logic.code = QString::fromLatin1(typed);
        ASSERT_TRUE(logic.leaveCode());
        EXPECT_EQ(logic.price, QStringLiteral("R$ 9,00"));
        logic.quantity = QString::fromLatin1(c.quantity);
        logic.price = QString::fromLatin1(c.price);
        logic.document = QStringLiteral("R%1").arg(n);
        logic.date = QDate(2026, 12, 9);
        const bool saved = logic.save();
        EXPECT_EQ(stock(stored), QString::fromLatin1(c.stockAfter));
        if (!c.refusal.isEmpty()) {
            EXPECT_FALSE(saved);
            EXPECT_TRUE(messages.showedOnly(Kind::Error, c.refusal)) << messages.shown().value(0).text.toStdString();
            EXPECT_EQ(logic.focusAfterSave(), StockExitLogic::Focus::Quantity);
            EXPECT_EQ(count("Mov_Estq"), movementsBefore);
            continue;
        }
        ASSERT_TRUE(saved) << messages.shown().value(0).text.toStdString();
        const QString quant = Decimal::parse(QString::fromLatin1(c.quantity))->withScale(3).toString();
        EXPECT_EQ(movements().last(), QStringLiteral("SS|%1|%2|R%3|2026-12-09").arg(quant, c.value).arg(n));
        EXPECT_EQ(cash().last(),
                  QStringLiteral("C|Saída de Produto:%1|%2|R%3|2026-12-09").arg(stored, c.value).arg(n));
        EXPECT_EQ(auditLines().last(), AuditEvent::SaidaEstoque + stored);
        EXPECT_TRUE(messages.shown().isEmpty());
    }
}

// The check reads the stock inside the transaction, not the figure loaded.
TEST_F(StockExitLogicTest, ChecksTheStockTheDatabaseHoldsNow)
{
    addProduct(code("1"), "5", "N", "1", "2");
    StockExitLogic logic(ctx);
    logic.code = QStringLiteral("1");
    ASSERT_TRUE(logic.leaveCode());
    EXPECT_EQ(logic.currentStock, QStringLiteral("5,000"));
    db.execute(QStringLiteral("Update Produtos Set PRO_Quant=PRO_Quant - 3 Where PRO_Codigo=:c"), {{"c", code("1")}});
    logic.quantity = QStringLiteral("3");
    EXPECT_FALSE(logic.save());
    EXPECT_TRUE(messages.showedOnly(Kind::Error, StockMessages::kQuantidadeMaiorQueEstoque));
    logic.quantity = QStringLiteral("2");
    messages.clear();
    EXPECT_TRUE(logic.save());
    EXPECT_EQ(stock(code("1")), QStringLiteral("0.000"));
}

TEST_F(StockExitLogicTest, RefusesWithoutAProduct)
{
    addProduct(code("1"), "5");
    StockExitLogic logic(ctx);
    logic.code = QStringLiteral("8");
    EXPECT_FALSE(logic.leaveCode());
    EXPECT_TRUE(messages.showedOnly(Kind::Information, StockMessages::kProdutoNaoEncontrado));
    messages.clear();
    logic.quantity = QStringLiteral("1");
    EXPECT_FALSE(logic.save());
    EXPECT_TRUE(messages.showedOnly(Kind::Information, StockMessages::kProdutoNaoEncontrado));
    EXPECT_EQ(logic.focusAfterSave(), StockExitLogic::Focus::Code);
    EXPECT_EQ(count("Mov_Estq"), 0);
    EXPECT_EQ(count("Caixa"), 0);
}

} // namespace

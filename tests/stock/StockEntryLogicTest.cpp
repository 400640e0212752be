#include "core/Funcoes.h"
#include "stock/StockEntryLogic.h"
#include "stock/StockFixture.h"
#include "stock/StockMessages.h"

namespace {

using Kind = MessageService::Kind;

class StockEntryLogicTest : public StockFixture {
protected:
    // A logic with the product of `typed` loaded.
    void load(StockEntryLogic &logic, const char *typed)
    {
        logic.code = QString::fromLatin1(typed);
        ASSERT_TRUE(logic.leaveCode());
    }
};

// Each saved entry: the "EE" movement, the stock rise, the cash debit of
// cost × quantity (rounded half away from zero to cents) and the audit line.
TEST_F(StockEntryLogicTest, SavedEntriesBookMovementStockAndCashDebit)
{
    struct Case {
        const char *name;
        const char *stockBefore;
        const char *quantity;
        const char *cost;
        const char *movQuant;
        const char *stockAfter;
        const char *value;
    };
    const Case cases[] = {
        {"ten at 2,50", "5", "10", "R$ 2,50", "10.000", "15.000", "25.00"},
        {"a fraction rounds half away from zero", "0", "1,5", "R$ 0,33", "1.500", "1.500", "0.50"},
        {"large figures stay exact", "1000", "1.234,567", "R$ 12.345,67", "1234.567", "2234.567", "15241556.77"},
        {"zero quantity", "4", "0,000", "R$ 9,99", "0.000", "4.000", "0.00"},
    };
    session.confLog = QStringLiteral("S");
    session.codUsuario = QStringLiteral("000001");
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray typed = QByteArray::number(++n);
        const QString stored = code(typed);
        addProduct(stored, c.stockBefore, "N", "1", "2");
        StockEntryLogic logic(ctx);
        load(logic, typed);
        logic.quantity = QString::fromLatin1(c.quantity);
        logic.cost = QString::fromLatin1(c.cost);
        logic.document = QStringLiteral("NF%1").arg(n);
        logic.date = QDate(2026, 11, 30);
        ASSERT_TRUE(logic.save()) << messages.shown().value(0).text.toStdString();
        EXPECT_EQ(stock(stored), QString::fromLatin1(c.stockAfter));
        EXPECT_EQ(movements().last(),
                  QStringLiteral("EE|%1|%2|NF%3|2026-11-30").arg(c.movQuant, c.value).arg(n));
        EXPECT_EQ(cash().last(),
                  QStringLiteral("D|Entrada de Produto:%1|%2|NF%3|2026-11-30").arg(stored, c.value).arg(n));
        EXPECT_EQ(auditLines().last(), AuditEvent::EntradaEstoque + stored);
        EXPECT_TRUE(logic.code.isEmpty()); // cleared for the next entry
        EXPECT_EQ(logic.quantity, QStringLiteral("0,000"));
    }
    EXPECT_TRUE(messages.shown().isEmpty());
}

// Only what the entry changes is written back: a description, unit and notes
// edited meanwhile by another workstation survive, and its stock change counts.
TEST_F(StockEntryLogicTest, WritesBackOnlyPricesLimitsStockAndLastPurchase)
{
    addProduct(code("7"), "5", "N", "1", "2");
    StockEntryLogic logic(ctx);
    load(logic, "7");
    EXPECT_EQ(logic.description, QStringLiteral("Produto"));
    EXPECT_EQ(logic.currentStock, QStringLiteral("5,000"));
    db.execute(QStringLiteral("Update Produtos Set PRO_Descricao='Outro', PRO_Unid='KG', PRO_Obs='nova', "
                              "PRO_Quant=PRO_Quant - 2 Where PRO_Codigo=:c"),
               {{"c", code("7")}});
    logic.quantity = QStringLiteral("10");
    logic.cost = QStringLiteral("R$ 3,00");
    logic.price = QStringLiteral("R$ 4,50");
    logic.margin = QStringLiteral("50,00%");
    logic.minimum = QStringLiteral("2");
    logic.maximum = QStringLiteral("40");
    logic.date = QDate(2026, 12, 1);
    ASSERT_TRUE(logic.save());
    const Row p = db.select(QStringLiteral("Select * From Produtos Where PRO_Codigo=:c"), {{"c", code("7")}}).first();
    EXPECT_EQ(p.text("PRO_DESCRICAO"), QStringLiteral("Outro"));
    EXPECT_EQ(p.text("PRO_UNID"), QStringLiteral("KG"));
    EXPECT_EQ(p.text("PRO_OBS"), QStringLiteral("nova"));
    EXPECT_EQ(p.text("PRO_QUANT"), QStringLiteral("13.000"));
    EXPECT_EQ(p.text("PRO_PCUSTO"), QStringLiteral("3.00"));
    EXPECT_EQ(p.text("PRO_PVENDA"), QStringLiteral("4.50"));
    EXPECT_EQ(p.text("PRO_MARGEM"), QStringLiteral("50.00"));
    EXPECT_EQ(p.text("PRO_MIN"), QStringLiteral("2"));
    EXPECT_EQ(p.text("PRO_EMAX"), QStringLiteral("40"));
    EXPECT_EQ(p.value("PRO_UCOMP").toDate(), QDate(2026, 12, 1));
}

// Nothing is written when the product is missing, was never loaded, or is
// (or became) made on the spot.
TEST_F(StockEntryLogicTest, RefusesWithoutAStockedProduct)
{
    addProduct(code("1"), "5");
    addProduct(code("2"), "0", "S");
    addProduct(code("3"), "5");
    addProduct(code("4"), "5");
    struct Case {
        const char *name;
        std::function<void(StockEntryLogic &)> arrange;
        Kind kind;
        QString text;
    };
    const Case cases[] = {
        {"nothing loaded", [](StockEntryLogic &) {}, Kind::Error, StockMessages::kProdutoNaoEncontrado},
        {"code typed over after loading", [&](StockEntryLogic &l) { load(l, "1"); l.code = QStringLiteral("4"); },
         Kind::Error, StockMessages::kProdutoNaoEncontrado},
        {"deleted after loading",
         [&](StockEntryLogic &l) {
             load(l, "3");
             db.execute(QStringLiteral("Delete From Produtos Where PRO_Codigo=:c"), {{"c", code("3")}});
         },
         Kind::Error, StockMessages::kProdutoNaoEncontrado},
        {"made on the spot after loading",
         [&](StockEntryLogic &l) {
             load(l, "4");
             db.execute(QStringLiteral("Update Produtos Set PRO_FeitoHora='S' Where PRO_Codigo=:c"), {{"c", code("4")}});
         },
         Kind::Error, StockMessages::kFeitoNaHora},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        StockEntryLogic logic(ctx);
        c.arrange(logic);
        logic.quantity = QStringLiteral("3");
        logic.cost = QStringLiteral("R$ 1,00");
        EXPECT_FALSE(logic.save());
        EXPECT_TRUE(messages.showedOnly(c.kind, c.text)) << messages.shown().value(0).text.toStdString();
        EXPECT_EQ(logic.focusAfterSave(), StockEntryLogic::Focus::Code);
        EXPECT_TRUE(logic.code.isEmpty());
        EXPECT_EQ(count("Mov_Estq"), 0);
        EXPECT_EQ(count("Caixa"), 0);
    }
    EXPECT_EQ(stock(code("1")), QStringLiteral("5.000"));
    EXPECT_EQ(stock(code("4")), QStringLiteral("5.000"));

    // A product made on the spot is not even loaded; an unknown code neither.
    for (const char *typed : {"2", "99"}) {
        SCOPED_TRACE(typed);
        messages.clear();
        StockEntryLogic logic(ctx);
        logic.code = QString::fromLatin1(typed);
        EXPECT_FALSE(logic.leaveCode());
        EXPECT_TRUE(logic.code.isEmpty());
        EXPECT_TRUE(messages.showedOnly(Kind::Error, QByteArray(typed) == "2" ? StockMessages::kFeitoNaHora
                                                                                : StockMessages::kProdutoNaoEncontrado));
    }
}

// A failing statement (the document is longer than the cash entry's column)
// leaves no movement, no stock change and no cash entry; the fields stay.
TEST_F(StockEntryLogicTest, AFailureRollsEverythingBack)
{
    addProduct(code("5"), "5");
    StockEntryLogic logic(ctx);
    load(logic, "5");
    logic.quantity = QStringLiteral("2");
    logic.cost = QStringLiteral("R$ 1,00");
    logic.document = QStringLiteral("12345678901");
    EXPECT_FALSE(logic.save());
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].kind, Kind::Warning);
    EXPECT_TRUE(messages.shown()[0].text.startsWith(StockMessages::kNaoConseguiGravar));
    EXPECT_EQ(count("Mov_Estq"), 0);
    EXPECT_EQ(count("Caixa"), 0);
    EXPECT_EQ(stock(code("5")), QStringLiteral("5.000"));
    EXPECT_EQ(logic.document, QStringLiteral("12345678901"));
    EXPECT_EQ(logic.loadedCode(), code("5"));
}

TEST_F(StockEntryLogicTest, CostMarginAndPriceFollowEachOther)
{
    StockEntryLogic logic(ctx);
    logic.cost = QStringLiteral("R$ 10,00");
    logic.price = QStringLiteral("R$ 15,00");
    logic.leaveCost(); // the price is kept, the margin follows
    EXPECT_EQ(logic.margin, QStringLiteral("50,00%"));
    logic.margin = QStringLiteral("30");
    logic.leaveMargin();
    EXPECT_EQ(logic.price, QStringLiteral("R$ 13,00"));
    logic.price = QStringLiteral("R$ 12,00");
    logic.leavePrice();
    EXPECT_EQ(logic.margin, QStringLiteral("20,00%"));
    logic.cost = QStringLiteral("R$ 0,00"); // nothing follows a zero cost
    logic.leaveMargin();
    logic.leaveCost();
    EXPECT_EQ(logic.price, QStringLiteral("R$ 12,00"));
    EXPECT_EQ(logic.margin, QStringLiteral("20,00%"));
}

} // namespace

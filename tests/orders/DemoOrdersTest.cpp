#include "db/NewDatabase.h"
#include "finance/CommissionLedger.h"
#include "support/TestEnvironment.h"

#include <QSet>

// The demonstration orders must look exactly as the order windows and the
// status moves would have left them.
namespace {

class DemoOrdersTest : public WorkDirTest {
protected:
    void SetUp() override
    {
        WorkDirTest::SetUp();
        NewDatabase::create(workDir() + QStringLiteral("/demo.fdb"), NewDatabase::Content::WithDemoData);
        db.open(workDir() + QStringLiteral("/demo.fdb"), Database::Engine::Embedded);
    }
    void TearDown() override
    {
        db.close();
        WorkDirTest::TearDown();
    }
    Database db;
};

TEST_F(DemoOrdersTest, EveryStatusWithWhatItsMovesBook)
{
    const ResultSet orders = db.select(QStringLiteral("Select * From Pedidos Order By PED_Codigo"));
    ASSERT_GE(orders.size(), 10);
    QSet<QString> statuses;
    for (int i = 0; i < orders.size(); ++i) {
        const Row o = orders.row(i);
        const QString code = o.text(QStringLiteral("PED_CODIGO"));
        const QString situ = o.text(QStringLiteral("PED_SITU"));
        SCOPED_TRACE(code.toStdString() + " " + situ.toStdString());
        statuses << situ;
        const Params byCode{{QStringLiteral("c"), code}};

        // total = items + delivery - discount; each item's movement while the order stands
        const ResultSet items = db.select(QStringLiteral("Select * From IPedidos Where IPD_CodPed=:c"), byCode);
        Decimal itemsTotal(0, 2);
        for (int k = 0; k < items.size(); ++k) {
            const Row it = items.row(k);
            const Decimal value = it.value(QStringLiteral("IPD_QUANT")).toDecimal() * it.value(QStringLiteral("IPD_VALOR")).toDecimal();
            itemsTotal = itemsTotal + value;
            const ResultSet mov = db.select(QStringLiteral("Select * From MOV_ESTQ Where MOV_CodInt=:n"),
                                            {{QStringLiteral("n"), it.value(QStringLiteral("IPD_CODINT"))}});
            if (situ == QStringLiteral("C")) {
                EXPECT_TRUE(mov.isEmpty());
                continue;
            }
            ASSERT_EQ(mov.size(), 1);
            EXPECT_EQ(mov.first().text(QStringLiteral("MOV_OPER")), QStringLiteral("SS"));
            EXPECT_EQ(mov.first().text(QStringLiteral("MOV_DOC")), code);
            EXPECT_EQ(mov.first().value(QStringLiteral("MOV_VALOR")).toDecimal(), value.withScale(2));
            EXPECT_EQ(mov.first().value(QStringLiteral("MOV_DATA")).toDate(), o.value(QStringLiteral("PED_DATA")).toDate());
        }
        const Decimal delivery = o.value(QStringLiteral("PED_VENT")).toDecimal() * o.value(QStringLiteral("PED_QENT")).toDecimal();
        EXPECT_EQ(o.value(QStringLiteral("PED_TOTAL")).toDecimal(),
                  (itemsTotal + delivery - o.value(QStringLiteral("PED_DESCONTO")).toDecimal()).withScale(2));

        // a closing books one credit of the total on the order's date and its commission
        const ResultSet credits = db.select(QStringLiteral("Select * From Caixa Where CAI_Doc=:c And CAI_DC='C'"), byCode);
        const ResultSet debits = db.select(QStringLiteral("Select * From Caixa Where CAI_Doc=:c And CAI_DC='D'"), byCode);
        const bool closed = situ == QStringLiteral("F") || !debits.isEmpty();
        ASSERT_EQ(credits.size(), closed ? 1 : 0);
        EXPECT_EQ(debits.size(), (closed && situ == QStringLiteral("C")) ? 1 : 0);
        EXPECT_TRUE(situ == QStringLiteral("F") || situ == QStringLiteral("C") || !closed);
        if (!closed)
            continue;
        const Row credit = credits.first();
        EXPECT_EQ(credit.text(QStringLiteral("CAI_DESC")), QStringLiteral("Pedido:") + code);
        EXPECT_EQ(credit.value(QStringLiteral("CAI_VALOR")).toDecimal(), o.value(QStringLiteral("PED_TOTAL")).toDecimal());
        EXPECT_EQ(credit.value(QStringLiteral("CAI_DATA")).toDate(), o.value(QStringLiteral("PED_DATA")).toDate());
        for (int k = 0; k < debits.size(); ++k) {
            EXPECT_EQ(debits.row(k).text(QStringLiteral("CAI_DESC")), QStringLiteral("Cancelamento de Ped. Fechado:") + code);
            EXPECT_EQ(debits.row(k).value(QStringLiteral("CAI_VALOR")).toDecimal(), o.value(QStringLiteral("PED_TOTAL")).toDecimal());
        }
        const Decimal rate = db.select(QStringLiteral("Select ENT_Comissao From Entregadores Where ENT_Codigo=:e"),
                                       {{QStringLiteral("e"), o.value(QStringLiteral("PED_CODENT"))}})
                                 .first()
                                 .value(0)
                                 .toDecimal();
        const ResultSet cce = db.select(QStringLiteral("Select * From CCE Where CCE_Doc=:c"), byCode);
        ASSERT_EQ(cce.size(), 1);
        EXPECT_EQ(cce.first().value(QStringLiteral("CCE_VALOR")).toDecimal(), CommissionLedger::commissionOf(delivery, rate));
        EXPECT_EQ(cce.first().value(QStringLiteral("CCE_DATA")).toDate(), o.value(QStringLiteral("PED_DATAT")).toDate());
        EXPECT_EQ(cce.first().text(QStringLiteral("CCE_CODENT")), o.text(QStringLiteral("PED_CODENT")));
    }
    EXPECT_EQ(statuses, (QSet<QString>{"A", "E", "S", "F", "C"}));

    // the stocked product lost exactly what the standing items took (48 at the start)
    const Decimal sold = db.select(QStringLiteral("Select Sum(MOV_Quant) From MOV_ESTQ Where MOV_CodPro='        10' "
                                                  "And MOV_Oper='SS'"))
                             .first()
                             .value(0)
                             .toDecimal();
    const Decimal stock = db.select(QStringLiteral("Select PRO_Quant From Produtos Where PRO_Codigo='        10'"))
                              .first()
                              .value(0)
                              .toDecimal();
    EXPECT_EQ(stock + sold, Decimal::fromInt(48));
    // ledger codes as the allocation would have given them
    EXPECT_EQ(db.select(QStringLiteral("Select Count(*) From Caixa")).first().value(0).toInt(),
              db.select(QStringLiteral("Select Max(CAI_CodInt) From Caixa")).first().value(0).toInt());
    EXPECT_EQ(db.select(QStringLiteral("Select Count(*) From CCE")).first().value(0).toInt(),
              db.select(QStringLiteral("Select Max(CCE_CodInt) From CCE")).first().value(0).toInt());
}

} // namespace

#include "core/Funcoes.h"
#include "stock/MovementMaintenanceLogic.h"
#include "stock/StockEntryLogic.h"
#include "stock/StockMessages.h"
#include "stock/StockService.h"
#include "support/TestEnvironment.h"

#include <QThread>
#include <thread>

// Two workstations sharing one database through the real server (run through
// scripts/with-firebird-server.sh, which sets VELMORA_TEST_SERVER).
namespace {

using Outcome = MovementMaintenanceLogic::Outcome;

struct Workstation {
    Database db;
    Session session;
    ScriptedMessages messages;
    FixedClock clock;
    AppContext ctx{db, session, messages, clock};
};

class StockServerTest : public WorkDirTest {
protected:
    void SetUp() override
    {
        m_server = qEnvironmentVariable("VELMORA_TEST_SERVER");
        if (m_server.isEmpty())
            GTEST_SKIP() << "VELMORA_TEST_SERVER is not set; run through scripts/with-firebird-server.sh";
        WorkDirTest::SetUp();
        copyFreshDatabase(workDir());
        for (Workstation *w : {&a, &b}) {
            w->db.open(m_server + u':' + workDir() + QStringLiteral("/vd.fdb"));
            w->session.confLogin = w->session.confPermissao = QStringLiteral("N");
            w->session.confLog = QStringLiteral("S");
        }
        a.db.execute(QStringLiteral("Insert Into Produtos (PRO_Codigo, PRO_Descricao, PRO_Ativo, PRO_FeitoHora, "
                                    "PRO_Quant, PRO_PCusto, PRO_PVenda) Values (:c, 'Produto', 'S', 'N', 5, 1, 2)"),
                     {{"c", kCode}});
    }
    void TearDown() override
    {
        if (m_server.isEmpty())
            return;
        a.db.close();
        b.db.close();
        WorkDirTest::TearDown();
    }
    QString stock()
    {
        return a.db.select(QStringLiteral("Select PRO_Quant From Produtos Where PRO_Codigo=:c"), {{"c", kCode}})
            .first()
            .text("PRO_QUANT");
    }
    int count(const char *table)
    {
        return int(a.db.select(QStringLiteral("Select Count(*) From ") + QString::fromLatin1(table)).first().value(0).toInt());
    }

    const QString kCode = QStringLiteral("         7");
    QString m_server;
    Workstation a, b;
};

// An entry saved while an order item on the same product holds the row: the
// entry waits, meets the other change, runs again, and the stock counts both.
TEST_F(StockServerTest, AnEntryAndAnOrderItemOnTheSameProductBothCount)
{
    StockEntryLogic entry(a.ctx);
    entry.code = QStringLiteral("7");
    ASSERT_TRUE(entry.leaveCode());
    entry.quantity = QStringLiteral("10");
    entry.cost = QStringLiteral("R$ 1,00");

    Transaction item(b.db);
    StockService::insertMovement(item, {.productCode = kCode,
                                        .oper = StockService::kExit,
                                        .date = QDate(2026, 12, 10),
                                        .value = Decimal(600, 2),
                                        .quantity = Decimal(3, 0),
                                        .doc = QStringLiteral("00000001")});
    ASSERT_TRUE(StockService::changeStockIfStocked(item, kCode, Decimal(-3, 0)));
    bool saved = false;
    std::thread other([&] { saved = entry.save(); });
    QThread::msleep(500); // the entry is now waiting for the product row
    item.commit();
    other.join();
    EXPECT_TRUE(saved) << a.messages.shown().value(0).text.toStdString();
    EXPECT_EQ(stock(), QStringLiteral("12.000"));
    EXPECT_EQ(count("Mov_Estq"), 2);
    EXPECT_EQ(count("Caixa"), 1);
}

// Both workstations revert the same movement at once: it is undone once, and
// the one that comes second is told.
TEST_F(StockServerTest, TheSameMovementRevertedTwiceIsUndoneOnce)
{
    StockEntryLogic entry(a.ctx);
    entry.code = QStringLiteral("7");
    ASSERT_TRUE(entry.leaveCode());
    entry.quantity = QStringLiteral("10");
    entry.cost = QStringLiteral("R$ 2,50");
    ASSERT_TRUE(entry.save());
    ASSERT_EQ(stock(), QStringLiteral("15.000"));

    MovementMaintenanceLogic first(a.ctx), second(b.ctx);
    for (MovementMaintenanceLogic *l : {&first, &second}) {
        l->show();
        ASSERT_EQ(l->rows().size(), 1);
    }
    a.messages.answerNext(true);
    b.messages.answerNext(true);
    Outcome outA = Outcome::Failed, outB = Outcome::Failed;
    std::thread other([&] { outA = first.excluirEReverter(0); });
    outB = second.excluirEReverter(0);
    other.join();
    EXPECT_EQ(int(outA == Outcome::Done) + int(outB == Outcome::Done), 1);
    ScriptedMessages &loser = outA == Outcome::Done ? b.messages : a.messages;
    EXPECT_EQ(loser.shown().last().text, StockMessages::kMovimentacaoJaExcluida);
    EXPECT_EQ(stock(), QStringLiteral("5.000"));
    EXPECT_EQ(count("Mov_Estq"), 0);
    EXPECT_EQ(count("Caixa"), 2); // the entry's debit and one opposite credit
}

// A revert that waits for another workstation's removal of the same row finds
// it gone when that one commits.
TEST_F(StockServerTest, ARevertWaitingForAnotherRemovalIsRefused)
{
    a.db.execute(QStringLiteral("Insert Into Mov_Estq (MOV_CodInt, MOV_CodPro, MOV_Oper, MOV_Data, MOV_Quant, "
                                "MOV_Valor, MOV_Doc) Values (0, :c, 'EE', :d, 2, 4, 'NF')"),
                 {{"c", kCode}, {"d", a.clock.today()}});
    MovementMaintenanceLogic logic(a.ctx);
    logic.show();
    ASSERT_EQ(logic.rows().size(), 1);
    Transaction removal(b.db);
    ASSERT_TRUE(StockService::deleteMovement(removal, 0, QStringLiteral("NF"), StockService::kEntry));
    a.messages.answerNext(true);
    Outcome out = Outcome::Done;
    std::thread waiting([&] { out = logic.excluirEReverter(0); });
    QThread::msleep(500);
    removal.commit();
    waiting.join();
    EXPECT_EQ(out, Outcome::Refused);
    EXPECT_EQ(a.messages.shown().last().text, StockMessages::kMovimentacaoJaExcluida);
    EXPECT_EQ(stock(), QStringLiteral("5.000"));
    EXPECT_EQ(count("Caixa"), 0);
}

} // namespace

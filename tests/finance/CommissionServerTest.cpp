#include "finance/CommissionList.h"
#include "support/TestEnvironment.h"

#include <QThread>
#include <thread>

// Two workstations sharing one database through the real server (run through
// scripts/with-firebird-server.sh, which sets VELMORA_TEST_SERVER).
namespace {

using Outcome = CommissionList::Outcome;

struct Workstation {
    Database db;
    Session session;
    ScriptedMessages messages;
    FixedClock clock;
    AppContext ctx{db, session, messages, clock};
};

class CommissionServerTest : public WorkDirTest {
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
            w->session.confLogin = w->session.confPermissao = w->session.confLog = QStringLiteral("N");
        }
        a.db.execute(QStringLiteral("Insert Into Entregadores (ENT_Codigo, ENT_Nome) Values ('000001', 'Ana')"));
        a.db.execute(QStringLiteral("Insert Into CCE (CCE_CodInt, CCE_CodEnt, CCE_Data, CCE_Valor, CCE_Op, "
                                    "CCE_Situ, CCE_Doc) Values (1, '000001', :d, 5, 'P', 'A', '00000001')"),
                     {{"d", a.clock.today()}});
    }
    void TearDown() override
    {
        if (m_server.isEmpty())
            return;
        a.db.close();
        b.db.close();
        WorkDirTest::TearDown();
    }
    QString situ()
    {
        return a.db.select(QStringLiteral("Select CCE_Situ From CCE Where CCE_CodInt=1")).first().text("CCE_SITU");
    }

    QString m_server;
    Workstation a, b;
};

// One workstation pays while the other cancels the same commission: one wins,
// the other is told the status it found.
TEST_F(CommissionServerTest, PaidAndCancelledAtOnceOneWins)
{
    CommissionList paying(a.ctx), cancelling(b.ctx);
    paying.show();
    cancelling.show();
    ASSERT_EQ(paying.rows().size(), 1);
    ASSERT_EQ(cancelling.rows().size(), 1);
    Outcome paid = Outcome::Failed, cancelled = Outcome::Failed;
    std::thread other([&] { paid = paying.pagar(0); });
    cancelled = cancelling.cancelar(0);
    other.join();
    ASSERT_EQ(int(paid == Outcome::Done) + int(cancelled == Outcome::Done), 1);
    if (paid == Outcome::Done) {
        EXPECT_EQ(situ(), QStringLiteral("P"));
        EXPECT_TRUE(b.messages.showedOnly(MessageService::Kind::Error,
                                          QStringLiteral("Comissão já foi Paga, não pode ser Cancelada")));
    } else {
        EXPECT_EQ(situ(), QStringLiteral("C"));
        EXPECT_TRUE(a.messages.showedOnly(MessageService::Kind::Error, QStringLiteral("Comissão Cancelada")));
    }
}

// A cancel that waits for another workstation's payment of the same
// commission is refused with the status the payment left.
TEST_F(CommissionServerTest, ACancelWaitingForAPaymentIsRefused)
{
    CommissionList cancelling(b.ctx);
    cancelling.show();
    ASSERT_EQ(cancelling.rows().size(), 1);
    Transaction payment(a.db);
    ASSERT_EQ(a.db.execute(payment, QStringLiteral("Update CCE Set CCE_Situ='P' Where CCE_CodInt=1 And CCE_Situ='A'")), 1);
    Outcome out = Outcome::Done;
    std::thread waiting([&] { out = cancelling.cancelar(0); });
    QThread::msleep(500);
    payment.commit();
    waiting.join();
    EXPECT_EQ(out, Outcome::Refused);
    EXPECT_TRUE(b.messages.showedOnly(MessageService::Kind::Error,
                                      QStringLiteral("Comissão já foi Paga, não pode ser Cancelada")))
        << b.messages.shown().value(0).text.toStdString();
    EXPECT_EQ(situ(), QStringLiteral("P"));
}

} // namespace

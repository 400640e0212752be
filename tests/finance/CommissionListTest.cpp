#include "core/Funcoes.h"
#include "finance/CommissionList.h"
#include "support/TestEnvironment.h"

namespace {

using Kind = MessageService::Kind;
using Outcome = CommissionList::Outcome;

class CommissionListTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        for (const char *e : {"000001", "000002"})
            db.execute(QStringLiteral("Insert Into Entregadores (ENT_Codigo, ENT_Nome) Values (:c, :n)"),
                       {{"c", QString::fromLatin1(e)}, {"n", QStringLiteral("Entregador ") + QString::fromLatin1(e)}});
    }
    void add(int codInt, const char *ent, const QDate &date, const char *valor, const char *situ)
    {
        db.execute(QStringLiteral("Insert Into CCE (CCE_CodInt, CCE_CodEnt, CCE_Data, CCE_Valor, CCE_Op, CCE_Situ, "
                                  "CCE_Doc) Values (:n, :e, :d, :v, 'P', :s, :doc)"),
                   {{"n", codInt},
                    {"e", QString::fromLatin1(ent)},
                    {"d", date},
                    {"v", *Decimal::parse(QString::fromLatin1(valor))},
                    {"s", QString::fromLatin1(situ)},
                    {"doc", QStringLiteral("%1").arg(codInt, 8, 10, QLatin1Char('0'))}});
    }
    QString situ(int codInt)
    {
        return db.select(QStringLiteral("Select CCE_Situ From CCE Where CCE_CodInt=:n"), {{"n", codInt}})
            .first()
            .text("CCE_SITU");
    }
    // The row of the list holding a commission.
    int rowOf(const CommissionList &list, int codInt)
    {
        for (int i = 0; i < list.rows().size(); ++i)
            if (list.rows().rows().value(i, QStringLiteral("CCE_CODINT")).toInt() == codInt)
                return i;
        return -1;
    }
    void may(CommissionList &list)
    {
        list.dataInicial = QDate(2026, 5, 1);
        list.dataFinal = QDate(2026, 5, 31);
        list.filtrar();
    }
    void ledger()
    {
        add(1, "000001", QDate(2026, 5, 1), "0,50", "A");
        add(2, "000002", QDate(2026, 5, 31), "1,25", "A");
        add(3, "000001", QDate(2026, 5, 10), "2,00", "P");
        add(4, "000002", QDate(2026, 5, 11), "3,10", "C");
        add(5, "000001", QDate(2026, 6, 1), "100,00", "A"); // after the period
        add(6, "000009", QDate(2026, 5, 12), "200,00", "A"); // no such delivery person
    }
};

// The three totals add the rows shown by status; an unticked status shows
// neither its rows nor its total.
TEST_F(CommissionListTest, TotalsOverTheThreeStatuses)
{
    ledger();
    CommissionList list(ctx);
    list.show();
    EXPECT_EQ(list.rows().size(), 0);
    EXPECT_EQ(list.totalAPagarText(), QStringLiteral("R$ 0,00"));
    struct Case {
        const char *name;
        bool a, p, c;
        const char *ent;
        int rows;
        const char *aPagar, *pago, *cancelado;
    };
    const Case cases[] = {
        {"all", true, true, true, "", 4, "R$ 1,75", "R$ 2,00", "R$ 3,10"},
        {"without paid", true, false, true, "", 3, "R$ 1,75", "R$ 0,00", "R$ 3,10"},
        {"cancelled only", false, false, true, "", 1, "R$ 0,00", "R$ 0,00", "R$ 3,10"},
        {"none", false, false, false, "", 0, "R$ 0,00", "R$ 0,00", "R$ 0,00"},
        {"one delivery person", true, true, true, "000001", 2, "R$ 0,50", "R$ 2,00", "R$ 0,00"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        list.aPagar = c.a;
        list.pagas = c.p;
        list.canceladas = c.c;
        list.codEnt = QString::fromLatin1(c.ent);
        may(list);
        EXPECT_EQ(list.rows().size(), c.rows);
        EXPECT_EQ(list.totalAPagarText(), QString::fromLatin1(c.aPagar));
        EXPECT_EQ(list.totalPagoText(), QString::fromLatin1(c.pago));
        EXPECT_EQ(list.totalCanceladoText(), QString::fromLatin1(c.cancelado));
    }
    // A click on a box keeps the period and person of the last "Filtrar".
    list.codEnt.clear();
    list.dataInicial = QDate(2020, 1, 1);
    list.pagas = true;
    list.statusChanged();
    EXPECT_EQ(list.rows().size(), 2);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(CommissionListTest, PayingMovesTheValueToPaidWithTodaysDate)
{
    ledger();
    session.confLog = QStringLiteral("S");
    CommissionList list(ctx);
    may(list);
    EXPECT_EQ(list.pagar(rowOf(list, 1)), Outcome::Done);
    EXPECT_EQ(situ(1), QStringLiteral("P"));
    EXPECT_EQ(db.select(QStringLiteral("Select CCE_DataP From CCE Where CCE_CodInt=1")).first().value(0).toDate(),
              clock.today());
    EXPECT_EQ(list.totalAPagarText(), QStringLiteral("R$ 1,25"));
    EXPECT_EQ(list.totalPagoText(), QStringLiteral("R$ 2,50"));
    EXPECT_EQ(list.cancelar(rowOf(list, 2)), Outcome::Done);
    EXPECT_EQ(situ(2), QStringLiteral("C"));
    EXPECT_TRUE(db.select(QStringLiteral("Select CCE_DataP From CCE Where CCE_CodInt=2")).first().value(0).isNull());
    EXPECT_EQ(list.totalAPagarText(), QStringLiteral("R$ 0,00"));
    EXPECT_EQ(list.totalCanceladoText(), QStringLiteral("R$ 4,35"));
    const ResultSet log = db.select(QStringLiteral("Select LOG_Descricao From LOG"));
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log.value(0, 0).toString(), AuditEvent::PagamentoComissao + QStringLiteral("00000001"));
    EXPECT_EQ(log.value(1, 0).toString(), AuditEvent::CancelamentoComissao + QStringLiteral("00000002"));
    EXPECT_TRUE(messages.shown().isEmpty());
    // An empty list does nothing.
    list.aPagar = list.pagas = list.canceladas = false;
    list.statusChanged();
    EXPECT_EQ(list.pagar(0), Outcome::Refused);
    EXPECT_TRUE(messages.shown().isEmpty());
}

// "Pagar" and "Cancelar" change a commission only from "A": whether the list
// already shows "P"/"C", or another workstation changed it after the list was
// read, the refusal names the status it really has, and nothing is written.
TEST_F(CommissionListTest, PayAndCancelRefusedFromPaidAndCancelled)
{
    struct Case {
        const char *name;
        const char *situ;
        bool changedMeanwhile;
        bool pay;
        const char *refusal;
    };
    const Case cases[] = {
        {"pay a paid one", "P", false, true, "Comissão já foi Paga"},
        {"pay a cancelled one", "C", false, true, "Comissão Cancelada"},
        {"cancel a paid one", "P", false, false, "Comissão já foi Paga, não pode ser Cancelada"},
        {"cancel a cancelled one", "C", false, false, "Comissão já foi Cancelada"},
        {"pay one paid meanwhile", "P", true, true, "Comissão já foi Paga"},
        {"pay one cancelled meanwhile", "C", true, true, "Comissão Cancelada"},
        {"cancel one paid meanwhile", "P", true, false, "Comissão já foi Paga, não pode ser Cancelada"},
        {"cancel one cancelled meanwhile", "C", true, false, "Comissão já foi Cancelada"},
    };
    session.confLog = QStringLiteral("S");
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        ++n;
        add(n, "000001", QDate(2026, 5, 2), "1,00", c.changedMeanwhile ? "A" : c.situ);
        CommissionList list(ctx);
        may(list);
        if (c.changedMeanwhile)
            db.execute(QStringLiteral("Update CCE Set CCE_Situ=:s, CCE_DataP=Null Where CCE_CodInt=:n"),
                       {{"s", QString::fromLatin1(c.situ)}, {"n", n}});
        const int row = rowOf(list, n);
        ASSERT_GE(row, 0);
        EXPECT_EQ(c.pay ? list.pagar(row) : list.cancelar(row), Outcome::Refused);
        EXPECT_TRUE(messages.showedOnly(Kind::Error, QString::fromUtf8(c.refusal)))
            << messages.shown().value(0).text.toStdString();
        EXPECT_EQ(situ(n), QString::fromLatin1(c.situ));
        EXPECT_TRUE(db.select(QStringLiteral("Select CCE_DataP From CCE Where CCE_CodInt=:n"), {{"n", n}})
                        .first()
                        .value(0)
                        .isNull());
        // The list shows what the database holds.
        EXPECT_EQ(list.rows().rows().value(row, QStringLiteral("CCE_SITU")).toString(), QString::fromLatin1(c.situ));
    }
    EXPECT_TRUE(db.select(QStringLiteral("Select * From LOG")).isEmpty());
}

TEST_F(CommissionListTest, GateAndDeliveryPersonField)
{
    add(1, "000001", QDate(2026, 5, 2), "1,00", "A");
    CommissionList list(ctx);
    list.codEnt = QStringLiteral(" 1 ");
    EXPECT_TRUE(list.leaveCode());
    EXPECT_EQ(list.codEnt, QStringLiteral("000001"));
    EXPECT_EQ(list.nomeEnt, QStringLiteral("Entregador 000001"));
    list.codEnt = QStringLiteral("7");
    EXPECT_FALSE(list.leaveCode());
    EXPECT_TRUE(messages.showedOnly(Kind::Error, QStringLiteral("Entregador não Encontrado, tente outro")));
    EXPECT_TRUE(list.codEnt.isEmpty());
    EXPECT_TRUE(list.nomeEnt.isEmpty());

    // With both switches on and no permission row, "Pagar" stops at the gate.
    messages.clear();
    session.confLogin = session.confPermissao = QStringLiteral("S");
    session.codUsuario = QStringLiteral("000001");
    may(list);
    EXPECT_EQ(list.pagar(0), Outcome::Refused);
    EXPECT_TRUE(messages.showedOnly(Kind::Warning, Funcoes::kSemPermissao));
    EXPECT_EQ(situ(1), QStringLiteral("A"));
}

} // namespace

#include "core/Funcoes.h"
#include "finance/CashFlow.h"
#include "finance/CashFlowEntry.h"
#include "support/TestEnvironment.h"

namespace {

using Kind = MessageService::Kind;

class CashFlowTest : public DatabaseTest {
protected:
    void add(int codInt, const QDate &date, const char *dc, const char *valor, const char *doc = "")
    {
        db.execute(QStringLiteral("Insert Into Caixa (CAI_CodInt, CAI_Data, CAI_DC, CAI_Desc, CAI_Valor, CAI_Doc) "
                                  "Values (:n, :d, :dc, 'x', :v, :doc)"),
                   {{"n", codInt},
                    {"d", date},
                    {"dc", QString::fromLatin1(dc)},
                    {"v", *Decimal::parse(QString::fromLatin1(valor))},
                    {"doc", QString::fromLatin1(doc)}});
    }
    int count() { return int(db.select(QStringLiteral("Select Count(*) From Caixa")).first().value(0).toInt()); }
};

// Credits minus debits of the period, or of everything up to its final date;
// entries after the final date never count.
TEST_F(CashFlowTest, BalanceWithAndWithoutThePreviousBalance)
{
    add(1, QDate(2026, 4, 30), "C", "50,00");
    add(2, QDate(2026, 5, 1), "C", "100,00");
    add(3, QDate(2026, 5, 15), "D", "30,00");
    add(4, QDate(2026, 5, 31), "D", "0,01");
    add(5, QDate(2026, 6, 1), "C", "999,99");
    add(6, QDate(2026, 3, 1), "D", "0,10");
    struct Case {
        const char *name;
        QDate from, to;
        bool previous;
        const char *saldo;
    };
    const Case cases[] = {
        {"May", {2026, 5, 1}, {2026, 5, 31}, false, "R$ 69,99"},
        {"May with the previous balance", {2026, 5, 1}, {2026, 5, 31}, true, "R$ 119,89"},
        {"a day without entries", {2026, 5, 2}, {2026, 5, 2}, false, "R$ 0,00"},
        {"before everything, with the previous balance", {2026, 1, 1}, {2026, 2, 1}, true, "R$ 0,00"},
        {"a debit only", {2026, 5, 15}, {2026, 5, 15}, false, "-R$ 30,00"},
    };
    CashFlow flow(ctx);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        flow.dataInicial = c.from;
        flow.dataFinal = c.to;
        flow.saldoAnterior = c.previous;
        flow.filtrar();
        EXPECT_EQ(flow.saldoText(), QString::fromLatin1(c.saldo));
    }
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(CashFlowTest, OpensOnTodaysEntriesAndListsThePeriodInOrder)
{
    add(1, clock.today(), "C", "1,00", "hoje");
    add(2, clock.today().addDays(-1), "C", "2,00", "ontem");
    add(3, clock.today(), "D", "0,50", "hoje2");
    CashFlow flow(ctx);
    flow.dataInicial = QDate(2000, 1, 1);
    flow.dataFinal = clock.today();
    flow.filtrar();
    EXPECT_EQ(flow.rows().size(), 3);
    flow.show();
    EXPECT_EQ(flow.dataInicial, clock.today());
    ASSERT_EQ(flow.rows().size(), 2);
    EXPECT_EQ(flow.rows().rows().value(0, QStringLiteral("CAI_DOC")).toString(), QStringLiteral("hoje"));
    EXPECT_EQ(flow.saldoText(), QStringLiteral("R$ 0,50"));
    EXPECT_EQ(flow.codeAt(1), 3);
    EXPECT_FALSE(flow.codeAt(2));
}

TEST_F(CashFlowTest, AnEntryByHandIsBookedAndTheWindowCleared)
{
    session.confLog = QStringLiteral("S");
    CashFlowEntry entry(ctx);
    entry.setModo(QStringLiteral("Inclui"));
    entry.prepare();
    EXPECT_EQ(entry.title(), QStringLiteral("Inclusão de Caixa"));
    EXPECT_TRUE(entry.debito);
    EXPECT_EQ(entry.valor, QStringLiteral("R$ 0,00"));
    entry.debito = false;
    entry.data = QDate(2026, 5, 5);
    entry.valor = QStringLiteral("R$ 1.234,56");
    entry.documento = QStringLiteral("REC1");
    entry.descricao = QStringLiteral("Venda avulsa");
    ASSERT_TRUE(entry.gravar());
    const Row r = db.select(QStringLiteral("Select * From Caixa")).first();
    EXPECT_EQ(r.text("CAI_CODINT"), QStringLiteral("1"));
    EXPECT_EQ(r.text("CAI_DC"), QStringLiteral("C"));
    EXPECT_EQ(r.text("CAI_VALOR"), QStringLiteral("1234.56"));
    EXPECT_EQ(r.value("CAI_DATA").toDate(), QDate(2026, 5, 5));
    EXPECT_EQ(r.text("CAI_DESC"), QStringLiteral("Venda avulsa"));
    EXPECT_EQ(db.select(QStringLiteral("Select LOG_Descricao From LOG")).first().value(0).toString(),
              AuditEvent::LancamentoCaixa + QStringLiteral("REC1"));
    EXPECT_TRUE(entry.debito);
    EXPECT_TRUE(entry.documento.isEmpty());
    EXPECT_EQ(entry.valor, QStringLiteral("R$ 0,00"));

    // An unreadable value or a text longer than its column fails the insert.
    for (const auto &[valor, doc] : {std::pair{"abc", "ok"}, std::pair{"1,00", "12345678901"}}) {
        SCOPED_TRACE(valor);
        messages.clear();
        entry.valor = QString::fromLatin1(valor);
        entry.documento = QString::fromLatin1(doc);
        EXPECT_FALSE(entry.gravar());
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown()[0].kind, Kind::Warning);
        EXPECT_TRUE(messages.shown()[0].text.startsWith(QStringLiteral("Não Consegui Incluir, Tente Novamente !\rErro:  ")));
        EXPECT_EQ(entry.documento, QString::fromLatin1(doc));
    }
    EXPECT_EQ(count(), 1);
}

// Deleting the entry shown checks that one row went: one deleted meanwhile by
// another workstation is reported, and no audit line is written for it.
TEST_F(CashFlowTest, DeletingChecksThatTheRowWent)
{
    session.confLog = QStringLiteral("S");
    add(1, QDate(2026, 5, 5), "D", "7,50", "DOC1");
    add(2, QDate(2026, 5, 5), "C", "1,00", "DOC2");
    CashFlowEntry entry(ctx);
    entry.setModo(QStringLiteral("Exclui"));
    entry.setSelectedCode(1);
    entry.prepare();
    EXPECT_EQ(entry.title(), QStringLiteral("Exclusão de Caixa"));
    EXPECT_EQ(entry.valor, QStringLiteral("R$ 7,50"));
    EXPECT_TRUE(entry.debito);
    EXPECT_EQ(entry.documento, QStringLiteral("DOC1"));
    ASSERT_TRUE(entry.excluir());
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(db.select(QStringLiteral("Select LOG_Descricao From LOG")).first().value(0).toString(),
              AuditEvent::ExclusaoLancCaixa + QStringLiteral("DOC1"));

    entry.setSelectedCode(2);
    entry.prepare();
    EXPECT_FALSE(entry.debito);
    db.execute(QStringLiteral("Delete From Caixa Where CAI_CodInt=2"));
    EXPECT_FALSE(entry.excluir());
    EXPECT_TRUE(messages.showedOnly(
        Kind::Warning, QStringLiteral("Não Consegui Excluir, Tente Novamente !\rErro:  Lançamento de Caixa não Encontrado")));
    EXPECT_EQ(db.select(QStringLiteral("Select * From LOG")).size(), 1);
}

} // namespace

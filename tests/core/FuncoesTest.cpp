#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "support/TestEnvironment.h"

namespace {

using Kind = MessageService::Kind;

TEST(FuncoesText, SoNumerosKeepsDigitsCommaAndMinus)
{
    struct Case { const char16_t *in; const char16_t *out; };
    const Case cases[] = {
        {u"", u""},
        {u"R$ 1.234,56", u"1234,56"},
        {u"30,00%", u"30,00"},
        {u"-5", u"-5"},
        {u"1,000", u"1,000"},
        {u"R$ -0,50", u"-0,50"},
        {u"abc", u""},
        {u" 12 . 3 ", u"123"},
        {u"1-2,3,4", u"1-2,3,4"}, // order kept, nothing judged
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.in).toStdString());
        EXPECT_EQ(Funcoes::soNumeros(QString::fromUtf16(c.in)), QString::fromUtf16(c.out));
    }
}

TEST(FuncoesText, CompletaZerosFillsOnTheLeftNeverCuts)
{
    struct Case { const char *in; int width; const char *out; };
    const Case cases[] = {
        {"42", 6, "000042"},
        {"1234567", 6, "1234567"},
        {"123456", 6, "123456"},
        {"", 8, "00000000"},
        {"7", 10, "0000000007"},
        {"ab", 0, "ab"},
        {"ab", -3, "ab"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(Funcoes::completaZeros(QString::fromLatin1(c.in), c.width), QString::fromLatin1(c.out));
    }
}

TEST(FuncoesText, CompletaEspacosSideLowerSOnlyAlignsLeft)
{
    struct Case { const char *in; int width; const char *side; const char *out; };
    const Case cases[] = {
        {"abc", 5, "s", "abc  "},
        {"abc", 5, "S", "  abc"},
        {"abc", 5, "d", "  abc"},
        {"abc", 5, "", "  abc"},
        {"abc", 5, "ss", "  abc"},
        {"abc", 3, "s", "abc"},
        {"abcdef", 3, "s", "abcdef"},
        {"abcdef", 3, "d", "abcdef"},
        {"", 2, "s", "  "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.in) + " / " + c.side);
        EXPECT_EQ(Funcoes::completaEspacos(QString::fromLatin1(c.in), c.width, QString::fromLatin1(c.side)),
                  QString::fromLatin1(c.out));
    }
}

class FuncoesOnDatabase : public DatabaseTest {
protected:
    void grant(const QString &user, const QString &module, const QString &ativo)
    {
        db.execute(QStringLiteral("Insert Into Permissoes (PER_CodUser, PER_CodMod, PER_Ativo) "
                                  "Values (:cUser, :cMod, :cAtivo)"),
                   {{QStringLiteral("cUser"), user}, {QStringLiteral("cMod"), module},
                    {QStringLiteral("cAtivo"), ativo}});
    }
    qint64 logRows()
    {
        return db.select(QStringLiteral("Select Count(*) From LOG")).value(0, 0).toInt();
    }
};

TEST_F(FuncoesOnDatabase, TemPermissaoOnlyForActiveS)
{
    grant(QStringLiteral("000001"), QStringLiteral("1.1"), QStringLiteral("S"));
    grant(QStringLiteral("000001"), QStringLiteral("1.2"), QStringLiteral("N"));
    grant(QStringLiteral("000001"), QStringLiteral("1.3"), QString());
    grant(QStringLiteral("000001"), QStringLiteral("1.4            "), QStringLiteral("S")); // stored filled
    grant(QStringLiteral("000001"), QStringLiteral("123456789012345"), QStringLiteral("S"));
    grant(QStringLiteral("000002"), QStringLiteral("2.1"), QStringLiteral("s"));

    struct Case { const char *user; const char *module; bool allowed; };
    const Case cases[] = {
        {"000001", "1.1", true},
        {"000001", "1.2", false},
        {"000001", "1.3", false},
        {"000001", "1.4", true},
        {"000001", "6", false},              // no row
        {"000002", "1.1", false},            // another user's row
        {"000002", "2.1", false},            // only an upper-case S counts
        {"000001", "123456789012345", true}, // 15 characters: unchanged
        {"", "1.1", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.user) + " " + c.module);
        EXPECT_EQ(Funcoes::temPermissao(db, QString::fromLatin1(c.user), QString::fromLatin1(c.module)), c.allowed);
    }
}

TEST_F(FuncoesOnDatabase, GateAppliesOnlyWithBothSwitchesOn)
{
    grant(QStringLiteral("000001"), QStringLiteral("1.1"), QStringLiteral("S"));
    session.codUsuario = QStringLiteral("000001");

    struct Case { const char *login; const char *permissao; const char *module; bool allowed; };
    const Case cases[] = {
        {"N", "N", "6", true},
        {"S", "N", "6", true},
        {"N", "S", "6", true}, // login off: no user, every gate allows
        {"S", "S", "6", false},
        {"S", "S", "1.1", true},
        {"s", "S", "6", true}, // only an upper-case S switches on
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.login) + c.permissao + " " + c.module);
        messages.clear();
        session.confLogin = QString::fromLatin1(c.login);
        session.confPermissao = QString::fromLatin1(c.permissao);
        EXPECT_EQ(Funcoes::permissionGate(ctx, QString::fromLatin1(c.module)), c.allowed);
        if (c.allowed)
            EXPECT_TRUE(messages.shown().isEmpty());
        else
            EXPECT_TRUE(messages.showedOnly(Kind::Warning, QStringLiteral("Usuário Sem Permissão para Entrar nesse Módulo")));
    }
}

TEST_F(FuncoesOnDatabase, GateWithLongModuleCodePassesItUnchanged)
{
    grant(QStringLiteral("000001"), QStringLiteral("123456789012345"), QStringLiteral("S"));
    session.codUsuario = QStringLiteral("000001");
    session.confLogin = session.confPermissao = QStringLiteral("S");
    EXPECT_TRUE(Funcoes::permissionGate(ctx, QStringLiteral("123456789012345")));
    // Wider than the column: not cut to fit (which would match the row above);
    // the database refuses the text and the error reaches the caller, no warning.
    EXPECT_THROW(Funcoes::permissionGate(ctx, QStringLiteral("1234567890123456")), DbError);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(FuncoesOnDatabase, GravaLogGoesWithItsTransaction)
{
    session.confLog = QStringLiteral("S");
    session.codUsuario = QStringLiteral("000007");
    clock.set(QDateTime(QDate(2026, 3, 4), QTime(21, 15, 30)));
    {
        Transaction tx(db);
        Funcoes::gravaLog(ctx, tx, AuditEvent::NovoPedido + QStringLiteral("00000001"));
        // not committed: rolled back with the caller's change
    }
    EXPECT_EQ(logRows(), 0);

    {
        Transaction tx(db);
        Funcoes::gravaLog(ctx, tx, AuditEvent::PedidoSaiuEntrega + QStringLiteral("00000002"));
        tx.commit();
    }
    const ResultSet rows = db.select(QStringLiteral("Select * From LOG"));
    ASSERT_EQ(rows.size(), 1);
    const Row row = rows.first();
    EXPECT_EQ(row.text(QStringLiteral("LOG_CodUser")), QStringLiteral("000007"));
    EXPECT_EQ(row.text(QStringLiteral("LOG_Descricao")), QStringLiteral("Alterado Ped. para Saiu par Entrega:00000002"));
    EXPECT_EQ(row.value(QStringLiteral("LOG_Data")).toDate(), QDate(2026, 3, 4));
    EXPECT_EQ(row.value(QStringLiteral("LOG_Hora")).toTime(), QTime(21, 15, 30));
}

TEST_F(FuncoesOnDatabase, GravaLogWritesNothingUnlessSwitchIsS)
{
    for (const char *sw : {"N", "", "s"}) {
        SCOPED_TRACE(sw);
        session.confLog = QString::fromLatin1(sw);
        Transaction tx(db);
        Funcoes::gravaLog(ctx, tx, AuditEvent::CadastroCliente + QStringLiteral("0000000001"));
        tx.commit();
    }
    EXPECT_EQ(logRows(), 0);
}

TEST_F(FuncoesOnDatabase, GravaLogFailureReachesTheCaller)
{
    session.confLog = QStringLiteral("S");
    Transaction tx(db);
    // Longer than LOG_DESCRICAO holds.
    EXPECT_THROW(Funcoes::gravaLog(ctx, tx, QString(51, u'x')), DbError);
}

} // namespace

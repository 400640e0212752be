#include "core/Database.h"
#include "core/DbError.h"
#include "core/NamedParameters.h"
#include "support/TestEnvironment.h"

#include <ibase.h>

namespace {

class DatabaseLayer : public DatabaseTest {};

TEST(NamedParametersTest, ReplacesNamesKeepsQuotedColonsAndRepeats)
{
    const auto p = NamedParameters::parse(
        QStringLiteral("Select ':x' as a, \"A:B\" From T Where A=:nDesconto and B=:cCodigo or C=:nDesconto -- :no\n/* :no */"));
    EXPECT_EQ(p.sql, QStringLiteral("Select ':x' as a, \"A:B\" From T Where A=? and B=? or C=? -- :no\n/* :no */"));
    EXPECT_EQ(p.names, (QStringList{"nDesconto", "cCodigo", "nDesconto"}));
}

TEST_F(DatabaseLayer, TextRoundTripsWin1252AndTrailingSpaces)
{
    const QStringList samples = {QStringLiteral("São João – “ação” … €"), QStringLiteral("abc   "),
                                 QStringLiteral("ŠšŽžŸœŒ‰‹›†‡•˜™ƒ"), QString()};
    for (const QString &s : samples) {
        SCOPED_TRACE(s.toStdString());
        db.execute(QStringLiteral("Delete From Clientes"));
        db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo, CLI_Nome) Values ('1', :cNome)"),
                   {{"cNome", s}});
        const auto rows = db.select(QStringLiteral("Select cli_nome From Clientes"));
        EXPECT_EQ(rows.value(0, "CLI_NOME").toString(), s);
    }
}

TEST_F(DatabaseLayer, CharColumnsKeepTheirPadding)
{
    db.execute(QStringLiteral("Insert Into CCE (CCE_CodInt, CCE_Op, CCE_Situ) Values (1, :c, '')"), {{"c", "P"}});
    const auto rows = db.select(QStringLiteral("Select CCE_Op, CCE_Situ From CCE"));
    EXPECT_EQ(rows.value(0, "cce_op").toString(), QStringLiteral("P"));
    EXPECT_EQ(rows.value(0, "cce_situ").toString(), QStringLiteral(" "));
}

TEST_F(DatabaseLayer, UnencodableCharacterIsAClearError)
{
    try {
        db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo, CLI_Nome) Values ('1', :cNome)"),
                   {{"cNome", QStringLiteral("Zoë 日本")}});
        FAIL() << "no error";
    } catch (const DbError &e) {
        EXPECT_EQ(e.category(), DbError::Category::Encoding);
        EXPECT_TRUE(e.message().contains(QStringLiteral("日")));
    }
    EXPECT_TRUE(db.select(QStringLiteral("Select * From Clientes")).isEmpty());
}

TEST_F(DatabaseLayer, NumericScalesAreExact)
{
    struct Case { const char *quant; const char *valor; const char *min; };
    const Case cases[] = {{"1234.567", "-0.01", "0"}, {"-999999999999.999", "9999999999999.99", "-42"},
                          {"0.001", "0.10", "999999999999999"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.quant);
        db.execute(QStringLiteral("Delete From Produtos"));
        db.execute(QStringLiteral("Insert Into Produtos (PRO_Codigo, PRO_Quant, PRO_PVenda, PRO_Min) Values ('1', :q, :v, :m)"),
                   {{"q", *Decimal::parse(c.quant, u'.')}, {"v", *Decimal::parse(c.valor, u'.')}, {"m", *Decimal::parse(c.min, u'.')}});
        const auto r = db.select(QStringLiteral("Select PRO_Quant, PRO_PVenda, PRO_Min From Produtos")).first();
        EXPECT_EQ(r.value("PRO_QUANT").toDecimal().toString(), QString::fromLatin1(c.quant));
        EXPECT_EQ(r.value("PRO_QUANT").toDecimal().scale(), 3);
        EXPECT_EQ(r.value("PRO_PVENDA").toDecimal().toString(), QString::fromLatin1(c.valor));
        EXPECT_EQ(r.value("PRO_MIN").toDecimal().toString(), QString::fromLatin1(c.min));
    }
}

TEST_F(DatabaseLayer, DatesTimesAndNulls)
{
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Data, PED_Hora, PED_DataS, PED_HoraS) Values ('1', :d, :t, :dn, :tn)"),
               {{"d", QDate(2026, 2, 28)}, {"t", QTime(23, 59, 58, 120)}, {"dn", QDate()}, {"tn", SqlValue::null()}});
    const auto r = db.select(QStringLiteral("Select * From Pedidos")).first();
    EXPECT_EQ(r.value("PED_DATA").toDate(), QDate(2026, 2, 28));
    EXPECT_EQ(r.value("PED_HORA").toTime(), QTime(23, 59, 58, 120));
    EXPECT_TRUE(r.value("PED_DATAS").isNull());
    EXPECT_TRUE(r.value("PED_HORAS").isNull());
    EXPECT_TRUE(r.value("PED_TOTAL").isNull());
}

TEST_F(DatabaseLayer, RepeatedParameterAndColonInLiteral)
{
    db.execute(QStringLiteral("Insert Into Pedidos (PED_Codigo, PED_Desconto, PED_VDesc, PED_Obs) Values ('1', :nDesconto, :nDesconto, 'hora: 10:30')"),
               {{"nDesconto", Decimal(250, 2)}});
    const auto r = db.select(QStringLiteral("Select * From Pedidos Where PED_Desconto = :nDesconto and PED_VDesc = :nDesconto"),
                             {{"NDESCONTO", Decimal(25, 1)}}).first();
    EXPECT_EQ(r.text("PED_OBS"), QStringLiteral("hora: 10:30"));
    EXPECT_EQ(r.value("PED_VDESC").toDecimal(), Decimal(250, 2));
}

TEST_F(DatabaseLayer, MissingParameterIsAnError)
{
    EXPECT_THROW(db.select(QStringLiteral("Select * From Clientes Where CLI_Codigo=:cCodigo")), DbError);
}

TEST_F(DatabaseLayer, RolledBackTransactionLeavesNothing)
{
    {
        Transaction tx(db);
        db.execute(tx, QStringLiteral("Insert Into Regioes (REG_Codigo) Values ('000001')"));
        EXPECT_EQ(db.select(tx, QStringLiteral("Select * From Regioes")).size(), 1);
    } // destroyed uncommitted
    {
        Transaction tx(db);
        db.execute(tx, QStringLiteral("Insert Into Regioes (REG_Codigo) Values ('000002')"));
        tx.rollback();
    }
    EXPECT_TRUE(db.select(QStringLiteral("Select * From Regioes")).isEmpty());
    Transaction tx(db);
    EXPECT_EQ(db.execute(tx, QStringLiteral("Insert Into Regioes (REG_Codigo) Values ('000003')")), 1);
    tx.commit();
    EXPECT_EQ(db.select(QStringLiteral("Select * From Regioes")).size(), 1);
}

TEST_F(DatabaseLayer, ConstraintViolationCarriesFirebirdText)
{
    db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo) Values ('0000000001')"));
    try {
        db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo) Values ('0000000001')"));
        FAIL();
    } catch (const DbError &e) {
        EXPECT_EQ(e.category(), DbError::Category::ConstraintViolation);
        EXPECT_EQ(e.sqlCode(), -803);
        EXPECT_EQ(e.gdsCode(), isc_unique_key_violation);
        EXPECT_TRUE(e.message().contains(QStringLiteral("violation of PRIMARY or UNIQUE KEY constraint"))) << e.what();
    }
}

TEST_F(DatabaseLayer, TooLongTextIsFirebirdsTruncationError)
{
    try {
        db.execute(QStringLiteral("Insert Into Clientes (CLI_Codigo, CLI_UF) Values ('1', :c)"), {{"c", "SPX"}});
        FAIL();
    } catch (const DbError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("truncation"))) << e.what();
    }
}

TEST(DatabaseOpen, MissingFileGivesFirebirdMessage)
{
    Database db;
    try {
        db.open(QStringLiteral("/nonexistent/folder/vd.fdb"), Database::Engine::Embedded);
        FAIL();
    } catch (const DbError &e) {
        EXPECT_FALSE(e.message().isEmpty());
        EXPECT_FALSE(db.isOpen());
    }
}

} // namespace

#include "core/IniFile.h"
#include "core/SchemaUpgrade.h"
#include "support/TestEnvironment.h"

#include <QFile>

namespace {

using Kind = MessageService::Kind;

const QString kBuild = QString::fromLatin1(Session::kBuildVersion);
const QList<ScriptedMessages::Shown> kSuccessBoxes{
    {Kind::Message, QStringLiteral("Clique em Ok para Atualizar a Versão....")},
    {Kind::Message, QStringLiteral("Versão Atualizada com Sucesso....")},
};
// Indexes an old database lacks before the upgrade (two of the version's own
// list and one descending allocation index).
const QStringList kDropped{"IDX_PEDIDOS_2", "IDX_REGIOES_2", "IDX_CLIENTES_CODIGO_DESC"};
const QByteArray kOldVdIni = "[Impressora]\r\nTipoI=1\r\nOBS=S\r\nNroLin=8\r\n";

class SchemaUpgradeTest : public DatabaseTest {
protected:
    // Makes the fresh database look like one left by an older program.
    void makeOld(const QString &version)
    {
        for (const QString &index : kDropped)
            db.execute(QStringLiteral("DROP INDEX ") + index);
        db.execute(QStringLiteral("UPDATE Versao SET Numero=:cNumero"), {{"cNumero", version}});
        db.execute(QStringLiteral("UPDATE Empresa SET EMP_Codigo=NULL"));
    }
    void writeVdIni()
    {
        QFile f(QStringLiteral("vd.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kOldVdIni);
    }
    bool hasIndex(const QString &name)
    {
        return !db.select(QStringLiteral("SELECT RDB$INDEX_NAME FROM RDB$INDICES WHERE RDB$INDEX_NAME=:cNome"),
                          {{"cNome", name}})
                    .isEmpty();
    }
    QString storedVersion() { return db.select(QStringLiteral("Select * From Versao")).first().text("Numero"); }
    QString companyKey() { return db.select(QStringLiteral("Select * From Empresa")).first().text("EMP_Codigo"); }
    QByteArray vdIni()
    {
        QFile f(QStringLiteral("vd.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(SchemaUpgradeTest, EachVersionGroupGetsItsSteps)
{
    struct Case {
        QString version;
        bool withVdIni;
        QByteArray vdIniAfter; // empty: no vd.ini afterwards
        bool indexes;
        bool companyKey;
    };
    const QByteArray fixed = "[Impressora]\r\nTipoI=1\r\nOBS=S\r\nNroLin=4\r\n";
    const std::vector<Case> cases{
        {"1.0.1-11082006", true, fixed, true, true},
        {"1.0.1-11082006", false, {}, true, true},
        {"1.0.2-24112006", true, fixed, true, true},
        {"1.0.5-31072008", true, kOldVdIni, true, true},
        {"1.0.7-30062009", false, {}, true, true},
        {"1.1.2-08072011", true, kOldVdIni, false, true},
        {"1.0.5-31072008 ", true, kOldVdIni, false, false}, // not a known version: every character counts
        {"1.1.4-06022011", true, kOldVdIni, false, false},
        {"", true, kOldVdIni, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(("version \"" + c.version + "\"" + (c.withVdIni ? " with vd.ini" : "")).toStdString());
        TearDown(); // a fresh database for each case
        SetUp();
        messages.clear();
        QFile::remove(QStringLiteral("vd.ini"));
        makeOld(c.version);
        if (c.withVdIni)
            writeVdIni();

        QString versao = c.version;
        SchemaUpgrade(ctx).runIfNeeded(versao);

        EXPECT_EQ(messages.shown(), kSuccessBoxes);
        EXPECT_EQ(versao, kBuild);
        EXPECT_EQ(session.versaoSistema, kBuild);
        EXPECT_EQ(storedVersion(), kBuild);
        EXPECT_EQ(vdIni(), c.vdIniAfter);
        EXPECT_EQ(hasIndex("IDX_PEDIDOS_2"), c.indexes);
        EXPECT_EQ(hasIndex("IDX_REGIOES_2"), c.indexes);
        EXPECT_TRUE(hasIndex("IDX_CLIENTES_CODIGO_DESC")); // needed by code allocation on every database
        EXPECT_EQ(companyKey(), c.companyKey ? QStringLiteral("001") : QString());
    }
}

TEST_F(SchemaUpgradeTest, CurrentVersionShowsNothingAndChangesNothing)
{
    db.execute(QStringLiteral("UPDATE Empresa SET EMP_Codigo=NULL"));
    writeVdIni();
    QString versao = kBuild;
    SchemaUpgrade(ctx).runIfNeeded(versao);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(companyKey(), QString());
    EXPECT_EQ(vdIni(), kOldVdIni);
}

// A current database made without the allocation indexes gets them; one that
// cannot be made does not stop the upgrade.
TEST_F(SchemaUpgradeTest, AllocationIndexesAreBestEffortOnAnyVersion)
{
    db.execute(QStringLiteral("DROP INDEX IDX_CLIENTES_CODIGO_DESC"));
    db.execute(QStringLiteral("DROP INDEX IDX_CCE_DOC"));
    QString versao = kBuild;
    SchemaUpgrade(ctx).runIfNeeded(versao);
    EXPECT_TRUE(hasIndex("IDX_CLIENTES_CODIGO_DESC"));
    EXPECT_TRUE(hasIndex("IDX_CCE_DOC")); // the ledgers' query indexes likewise
    EXPECT_TRUE(messages.shown().isEmpty());

    db.execute(QStringLiteral("DROP TABLE CCE"));
    versao = QStringLiteral("1.1.2-01012011");
    SchemaUpgrade(ctx).runIfNeeded(versao);
    EXPECT_EQ(messages.shown(), kSuccessBoxes);
    EXPECT_EQ(versao, kBuild);
    EXPECT_EQ(storedVersion(), kBuild);
}

TEST_F(SchemaUpgradeTest, RunningAgainCreatesOnlyTheMissingIndexes)
{
    makeOld(QStringLiteral("1.0.3-25032008"));
    QString versao = QStringLiteral("1.0.3-25032008");
    SchemaUpgrade(ctx).runIfNeeded(versao);
    for (const SchemaUpgrade::IndexStatement &index : SchemaUpgrade::indexStatements())
        EXPECT_TRUE(hasIndex(index.name)) << index.name.toStdString();

    // A second run over a database that already has them all (as after an
    // interrupted upgrade) must not try to create any of them again.
    db.execute(QStringLiteral("UPDATE Versao SET Numero='1.0.3-25032008'"));
    messages.clear();
    versao = QStringLiteral("1.0.3-25032008");
    SchemaUpgrade(ctx).runIfNeeded(versao);
    EXPECT_EQ(messages.shown(), kSuccessBoxes);
    EXPECT_EQ(versao, kBuild);
}

TEST_F(SchemaUpgradeTest, AFailingVersionStepWarnsRollsBackAndKeepsTheOldVersion)
{
    makeOld(QStringLiteral("1.1.1-01072011"));
    db.execute(QStringLiteral("CREATE EXCEPTION E_VERSAO_BLOQUEADA 'versao bloqueada'"));
    db.execute(QStringLiteral("CREATE TRIGGER TRG_VERSAO_BLOQUEADA FOR Versao BEFORE UPDATE AS "
                              "BEGIN EXCEPTION E_VERSAO_BLOQUEADA; END"));
    session.versaoSistema = QStringLiteral("1.1.1-01072011");

    QString versao = QStringLiteral("1.1.1-01072011");
    SchemaUpgrade(ctx).runIfNeeded(versao);

    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown()[0],
              (ScriptedMessages::Shown{Kind::Message, QStringLiteral("Clique em Ok para Atualizar a Versão....")}));
    // The fixed text, then the database's own reason.
    EXPECT_EQ(messages.shown()[1].kind, Kind::Warning);
    EXPECT_TRUE(messages.shown()[1].text.startsWith(
        QStringLiteral("Não Consegui Alterar o Número da Versão, tente Novamente\rErro:  ")));
    EXPECT_TRUE(messages.shown()[1].text.contains(QStringLiteral("versao bloqueada")))
        << messages.shown()[1].text.toStdString();
    EXPECT_EQ(versao, QStringLiteral("1.1.1-01072011"));
    EXPECT_EQ(session.versaoSistema, QStringLiteral("1.1.1-01072011"));
    EXPECT_EQ(storedVersion(), QStringLiteral("1.1.1-01072011"));
    EXPECT_EQ(companyKey(), QStringLiteral("001")); // the earlier steps committed on their own
}

TEST_F(SchemaUpgradeTest, AMissingVersionRowIsWrittenRatherThanReportedAsDone)
{
    db.execute(QStringLiteral("DELETE FROM Versao"));
    QString versao;
    SchemaUpgrade(ctx).runIfNeeded(versao);
    EXPECT_EQ(messages.shown(), kSuccessBoxes);
    EXPECT_EQ(storedVersion(), kBuild);
}

TEST_F(SchemaUpgradeTest, StatementsAreTheQuotedOnesAndAllocationIndexesAreRead)
{
    const auto &list = SchemaUpgrade::indexStatements();
    ASSERT_EQ(list.size(), 20);
    EXPECT_EQ(list.first().createSql, QStringLiteral("CREATE INDEX \"IDX_PEDIDOS_1\" ON \"PEDIDOS\"(\"PED_CODIGO\");"));
    EXPECT_EQ(list.at(12).createSql,
              QStringLiteral("CREATE INDEX \"IDX_IPEDIDOS_2\" ON \"IPEDIDOS\"(\"IPD_CODPED\", \"IPD_CODPRO\");"));
    EXPECT_EQ(list.last().name, QStringLiteral("IDX_REGIOES_2"));
    EXPECT_EQ(SchemaUpgrade::allocationIndexStatements().size(), 11); // eight for allocation, three for queries
}

} // namespace

#include "core/DbError.h"
#include "core/FirstShowing.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

namespace {

using Kind = MessageService::Kind;

const QByteArray kDefaultIni = "[Impressora]\r\nTipoI=3\r\nOBS=N\r\nNroLin=4\r\n";

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class FirstShowingTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        session = Session{}; // nothing known before the first showing
        db.execute(QStringLiteral("Update Empresa Set EMP_Nome='Pizzaria Aurora', EMP_Ender='Rua Um, 10', "
                                  "EMP_Fone='3232-0000', EMP_Email='contato@aurora.test', "
                                  "EMP_HomeP='aurora.test'"));
    }
    void setSwitches(const char *login, const char *permissao, const char *log)
    {
        db.execute(QStringLiteral("Update Configuracoes Set LOGIN=:cLogin, Permissao=:cPer, Log=:cLog"),
                   {{QStringLiteral("cLogin"), login}, {QStringLiteral("cPer"), permissao},
                    {QStringLiteral("cLog"), log}});
    }
    bool iniExists() const { return QFile::exists(QStringLiteral("vd.ini")); }

    // A first showing that records what the session looked like when each
    // step it can see ran.
    FirstShowing::Result run(bool loginStays = true)
    {
        FirstShowing work(
            ctx,
            [this, loginStays] {
                trace << QStringLiteral("login switches=%1%2%3 empresa=%4 ini=%5")
                             .arg(session.confLogin, session.confPermissao, session.confLog, session.empNome,
                                  iniExists() ? QStringLiteral("yes") : QStringLiteral("no"));
                return loginStays;
            },
            [this](QString &versao) {
                trace << QStringLiteral("upgrade from=%1 switches=%2").arg(versao, session.confLogin);
                if (upgradeFails)
                    throw DbError(QStringLiteral("unsuccessful metadata update"));
                versao = QString::fromLatin1(Session::kBuildVersion);
            });
        return work.run();
    }

    QStringList trace;
    bool upgradeFails = false;
};

TEST_F(FirstShowingTest, RunsItsStepsInOrder)
{
    db.execute(QStringLiteral("Update Versao Set Numero='1.1.3-01012011'"));
    setSwitches("S", "S", "N");

    const FirstShowing::Result r = run();

    EXPECT_EQ(r.outcome, FirstShowing::Outcome::Completed);
    EXPECT_EQ(trace, QStringList({QStringLiteral("upgrade from=1.1.3-01012011 switches="),
                                  QStringLiteral("login switches=SSN empresa= ini=no")}));
    EXPECT_EQ(session.versaoSistema, QStringLiteral("1.1.4-06022012"));
    EXPECT_EQ(r.versionPanel, QStringLiteral("Versão:1.1.4-06022012"));
    ASSERT_TRUE(r.header.has_value());
    EXPECT_EQ(*r.header, (CompanyHeader{QStringLiteral("Pizzaria Aurora"), QStringLiteral("Rua Um, 10"),
                                        QStringLiteral("3232-0000"), QStringLiteral("contato@aurora.test"),
                                        QStringLiteral("aurora.test")}));
    EXPECT_EQ(session.empNome, QStringLiteral("Pizzaria Aurora"));
    EXPECT_EQ(session.empFone, QStringLiteral("3232-0000"));
    EXPECT_EQ(readFile(QStringLiteral("vd.ini")), kDefaultIni);
    EXPECT_EQ(session.tipoI, QStringLiteral("3"));
    EXPECT_EQ(session.obs, QStringLiteral("N"));
    EXPECT_EQ(session.nroLin, QStringLiteral("4"));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(FirstShowingTest, UpgradeAndLoginOnlyWhenCalledFor)
{
    // Same version: no upgrade. Login only for an upper-case "S".
    for (const char *login : {"N", "s", ""}) {
        SCOPED_TRACE(login);
        trace.clear();
        setSwitches(login, "S", "S");
        const FirstShowing::Result r = run();
        EXPECT_EQ(r.outcome, FirstShowing::Outcome::Completed);
        EXPECT_TRUE(trace.isEmpty()) << trace.join(u'|').toStdString();
        EXPECT_EQ(session.confLogin, QString::fromLatin1(login));
        EXPECT_EQ(session.confPermissao, QStringLiteral("S"));
        EXPECT_EQ(session.confLog, QStringLiteral("S"));
        EXPECT_TRUE(session.codUsuario.isEmpty());
        EXPECT_EQ(r.versionPanel, QStringLiteral("Versão:1.1.4-06022012"));
    }
}

TEST_F(FirstShowingTest, LoginEndingTheProgramStopsTheWork)
{
    setSwitches("S", "N", "N");
    const FirstShowing::Result r = run(false);
    EXPECT_EQ(r.outcome, FirstShowing::Outcome::ProgramEnded);
    EXPECT_FALSE(r.header.has_value());
    EXPECT_TRUE(r.versionPanel.isEmpty());
    EXPECT_TRUE(session.empNome.isEmpty());
    EXPECT_FALSE(iniExists());
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(FirstShowingTest, ExistingIniIsReadNeverRewritten)
{
    struct Case { const char *name; QByteArray content; const char *tipoI, *obs, *nroLin; };
    const Case cases[] = {
        {"own values", "[Impressora]\r\nTipoI=1\r\nOBS=S\r\nNroLin=6\r\n", "1", "S", "6"},
        {"names in any case, spaces, Unix lines", "[impressora]\ntipoi = 2\nobs=N\n", "2", "N", ""},
        {"other sections around", "[Outra]\nTipoI=9\n[Impressora]\nNroLin=8\n[Mais]\nOBS=X\n", "", "", "8"},
        {"no section", "TipoI=1\r\n", "", "", ""},
        {"empty file", "", "", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(QStringLiteral("vd.ini"), c.content);
        session.tipoI = session.obs = session.nroLin = QStringLiteral("?");
        EXPECT_EQ(run().outcome, FirstShowing::Outcome::Completed);
        EXPECT_EQ(readFile(QStringLiteral("vd.ini")), c.content);
        EXPECT_EQ(session.tipoI, QString::fromLatin1(c.tipoI));
        EXPECT_EQ(session.obs, QString::fromLatin1(c.obs));
        EXPECT_EQ(session.nroLin, QString::fromLatin1(c.nroLin));
    }
}

TEST_F(FirstShowingTest, IniWrittenInCapitalsIsTheOneRead)
{
    writeFile(QStringLiteral("VD.INI"), "[Impressora]\r\nTipoI=1\r\nOBS=S\r\nNroLin=6\r\n");
    EXPECT_EQ(run().outcome, FirstShowing::Outcome::Completed);
    EXPECT_EQ(session.tipoI, QStringLiteral("1"));
    EXPECT_EQ(session.nroLin, QStringLiteral("6"));
    EXPECT_EQ(QDir().entryList({QStringLiteral("*.ini"), QStringLiteral("*.INI")}, QDir::Files),
              QStringList{QStringLiteral("VD.INI")});
}

TEST_F(FirstShowingTest, AnErrorIsShownAndEndsTheWorkThere)
{
    struct Case {
        const char *name;
        std::function<void()> breakIt;
        bool switchesRead, headerRead;
    };
    const Case cases[] = {
        {"upgrade fails", [this] {
             db.execute(QStringLiteral("Update Versao Set Numero='1.0'"));
             upgradeFails = true;
         }, false, false},
        {"no Configuracoes table", [this] {
             db.execute(QStringLiteral("Drop Table Configuracoes"));
         }, false, false},
        {"no Empresa table", [this] {
             db.execute(QStringLiteral("Drop Table Empresa"));
         }, true, false},
        {"vd.ini unreadable", [] {
             ASSERT_TRUE(QDir().mkdir(QStringLiteral("vd.ini")));
         }, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        db.close(); // a clean start for each case
        copyFreshDatabase(workDir());
        db.open(dbPath(), Database::Engine::Embedded);
        QFile::remove(QStringLiteral("vd.ini"));
        session = Session{};
        messages.clear();
        trace.clear();
        upgradeFails = false;
        c.breakIt();

        const FirstShowing::Result r = run();
        EXPECT_EQ(r.outcome, FirstShowing::Outcome::Failed);
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().kind, Kind::Error);
        EXPECT_FALSE(messages.shown().first().text.isEmpty());
        EXPECT_EQ(session.confLogin == QStringLiteral("N"), c.switchesRead);
        EXPECT_EQ(r.header.has_value(), c.headerRead);
        EXPECT_EQ(r.versionPanel.isEmpty(), !c.headerRead);
        EXPECT_TRUE(session.tipoI.isEmpty());
        if (!c.headerRead) {
            EXPECT_FALSE(iniExists());
        }
        QDir().rmdir(QStringLiteral("vd.ini"));
    }
}

} // namespace

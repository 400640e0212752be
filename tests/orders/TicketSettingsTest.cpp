#include "core/IniFile.h"
#include "core/PrinterIni.h"
#include "core/ui/TfPrincipal.h"
#include "orders/ui/TfConfigImpPed.h"
#include "orders/ui/TicketWindows.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

class TicketSettingsTest : public DatabaseTest {
protected:
    QString ini() const { return workDir() + QStringLiteral("/vd.ini"); }
    QString key(const QString &section, const QString &name) const { return IniFile::load(ini()).value(section, name); }
    template <class T> T *child(TfConfigImpPed &w, const char *name) { return w.findChild<T *>(QString::fromLatin1(name)); }
};

TEST_F(TicketSettingsTest, FirstShowingCreatesTheFileWithTypeOneAndShowsTheSession)
{
    session.obs = QStringLiteral("S");
    session.nroLin = QStringLiteral("6");
    TfConfigImpPed w(ctx);
    w.show();
    QFile file(ini());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[Impressora]\r\nTipoI=1\r\n"));
    EXPECT_EQ(session.tipoI, QStringLiteral("1"));
    EXPECT_TRUE(child<QRadioButton>(w, "rbTipo1")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(w, "cbOBS")->isChecked());
    EXPECT_EQ(child<QLineEdit>(w, "edNroLin")->text(), QStringLiteral("6"));
    EXPECT_EQ(child<QLineEdit>(w, "edLPT1")->text(), QStringLiteral("/dev/lp0"));
    EXPECT_EQ(child<QLineEdit>(w, "edLPT2")->text(), QStringLiteral("/dev/lp1"));
}

TEST_F(TicketSettingsTest, GravarWritesFileAndSessionWithAPlainWholeNumber)
{
    TfConfigImpPed w(ctx);
    w.show();
    child<QRadioButton>(w, "rbTipo5")->setChecked(true);
    child<QCheckBox>(w, "cbOBS")->setChecked(false);
    child<QLineEdit>(w, "edNroLin")->setText(QStringLiteral("1.000"));
    child<QLineEdit>(w, "edLPT1")->setText(QStringLiteral("/dev/usb/lp0"));
    child<QLineEdit>(w, "edLPT2")->setText(QStringLiteral("cups:Balcao"));
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("btGravar")), Qt::LeftButton);

    EXPECT_TRUE(messages.showedOnly(MessageService::Kind::Information, QStringLiteral("Configurações Alteradas com Sucesso !")));
    EXPECT_TRUE(w.isVisible());
    const std::vector<std::tuple<QString, QString, QString>> expected{
        {"Impressora", "TipoI", "5"}, {"Impressora", "OBS", "N"}, {"Impressora", "NroLin", "1000"},
        {"Portas", "LPT1", "/dev/usb/lp0"}, {"Portas", "LPT2", "cups:Balcao"}};
    for (const auto &[section, name, value] : expected)
        EXPECT_EQ(key(section, name), value) << name.toStdString();
    EXPECT_EQ(session.tipoI, QStringLiteral("5"));
    EXPECT_EQ(session.obs, QStringLiteral("N"));
    EXPECT_EQ(session.nroLin, QStringLiteral("1000"));
}

TEST_F(TicketSettingsTest, UnknownTypeLeavesTheRadioButtonsAsTheyWere)
{
    PrinterIni(ini()).write({QStringLiteral("9"), QStringLiteral("N"), QStringLiteral("4")},
                            {QStringLiteral("/dev/lp0"), QStringLiteral("/dev/lp1")});
    TfConfigImpPed w(ctx);
    w.show();
    EXPECT_EQ(session.tipoI, QStringLiteral("9"));
    EXPECT_TRUE(child<QRadioButton>(w, "rbTipo3")->isChecked());
}

TEST(PrinterIniPorts, MissingPortsReadAsTheFirstTwoParallelPorts)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/vd.ini");
    PrinterIni ini(path);
    ini.writeDefaults();
    EXPECT_EQ(ini.readPorts().lpt1, QStringLiteral("/dev/lp0"));
    EXPECT_EQ(ini.readPorts().lpt2, QStringLiteral("/dev/lp1"));
    ini.write(ini.read(), {QStringLiteral("/dev/usb/lp0"), QStringLiteral("cups:X")});
    EXPECT_EQ(ini.read().tipoI, QStringLiteral("3"));
    EXPECT_EQ(ini.readPorts().lpt2, QStringLiteral("cups:X"));
}

} // namespace

namespace {

TEST_F(TicketSettingsTest, UtilitariosMenuItemIsEnabledByTheTicketWindows)
{
    TfPrincipal principal(ctx);
    const QStringList path{QStringLiteral("Utilitários"),
                           QStringLiteral("Configuração do Tipo de Impressora para a Impressão dos Pedidos")};
    ASSERT_NE(principal.menuAction(path), nullptr);
    EXPECT_FALSE(principal.menuAction(path)->isEnabled());
    TicketWindows::plugInto(principal, ctx);
    EXPECT_TRUE(principal.menuAction(path)->isEnabled());
}

} // namespace

#include "TicketFixture.h"

#include "core/PrinterIni.h"
#include "orders/TicketData.h"
#include "orders/TicketPrinting.h"
#include "orders/TicketText.h"
#include "reports/ui/ReportOutput.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Text of a PDF as pdftotext reads it, with runs of blanks made one space
// so that font metrics do not move the comparison.
QByteArray pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    QStringList lines;
    for (QString line : text.split(u'\n')) {
        line = line.simplified();
        if (!line.isEmpty())
            lines << line;
    }
    return lines.join(u'\n').toUtf8() + '\n';
}

class TicketPrintingTest : public TicketFixture {
protected:
    void SetUp() override
    {
        TicketFixture::SetUp();
        lpt1 = workDir() + QStringLiteral("/lpt1.out");
        lpt2 = workDir() + QStringLiteral("/lpt2.out");
        for (const QString &f : {lpt1, lpt2}) {
            QFile file(f);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        writePorts(lpt1, lpt2);
        addItem(QStringLiteral("101"), QStringLiteral("Pizza Calabresa Grande"), "1", "45.90", QStringLiteral("Sem cebola"));
        addItem(QStringLiteral("7"), QStringLiteral("Refrigerante 2L"), "2", "12.50");
    }

    void writePorts(const QString &one, const QString &two)
    {
        PrinterIni(workDir() + QStringLiteral("/vd.ini"))
            .write({session.tipoI, session.obs, session.nroLin}, {one, two});
    }

    bool print(const QString &tipo, TicketPrinting::SinkFactory sinks = TicketSinks::forPort)
    {
        session.tipoI = tipo;
        return TicketPrinting(ctx, pdf, std::move(sinks)).print(QStringLiteral("00000042"));
    }

    QString lpt1, lpt2;
    QString pdfPath = workDir() + QStringLiteral("/ticket.pdf");
    PdfFilePrinter pdf{pdfPath};
};

TEST_F(TicketPrintingTest, EachPrinterTypeGoesToItsPrinter)
{
    std::optional<TicketData> t = TicketLoader::load(db, QStringLiteral("00000042"));
    ASSERT_TRUE(t);
    t->empresa = session.empNome;
    const TicketText::Options options{.obs = true, .nroLin = 4};
    const QByteArray wide = TicketText::bytes(TicketText::lines80(*t, options, clock.now()));
    const QByteArray narrow = TicketText::bytes(TicketText::lines40(*t, options, clock.now()));

    struct Case {
        const char *tipo;
        QByteArray lpt1, lpt2;
        int pdfs;
    };
    const std::vector<Case> cases{{"1", wide, "", 0}, {"2", "", wide, 0}, {"3", "", "", 1},
                                  {"4", narrow, "", 0}, {"5", "", narrow, 0}, {"6", "", "", 0}, {"", "", "", 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tipo);
        for (const QString &f : {lpt1, lpt2})
            QFile(f).resize(0);
        PdfFilePrinter printer(pdfPath);
        session.tipoI = QString::fromLatin1(c.tipo);
        const bool printed = TicketPrinting(ctx, printer).print(QStringLiteral("00000042"));
        EXPECT_EQ(printed, c.lpt1.size() + c.lpt2.size() + c.pdfs > 0);
        EXPECT_EQ(readAll(lpt1), c.lpt1);
        EXPECT_EQ(readAll(lpt2), c.lpt2);
        EXPECT_EQ(printer.printed(), c.pdfs);
        EXPECT_TRUE(messages.shown().isEmpty());
    }
}

TEST_F(TicketPrintingTest, PageTicketAsTextMatchesTheGolden)
{
    ASSERT_TRUE(print(QStringLiteral("3")));
    expectGolden(QStringLiteral("ticket_page.txt"), pdfText(pdfPath));
}

TEST_F(TicketPrintingTest, PageTicketShowsNoNoteRowWhenNotesAreOff)
{
    session.obs = QStringLiteral("N");
    ASSERT_TRUE(print(QStringLiteral("3")));
    const QByteArray text = pdfText(pdfPath);
    EXPECT_FALSE(text.contains("OBS.:"));
    EXPECT_TRUE(text.contains("Pizza Calabresa Grande"));
}

TEST_F(TicketPrintingTest, PageTicketWithoutItemsOrDeliveryPerson)
{
    db.execute(QStringLiteral("Delete From IPedidos"));
    set(QStringLiteral("PED_CodEnt = Null, PED_DataS = Null, PED_HoraS = Null"));
    ASSERT_TRUE(print(QStringLiteral("3")));
    expectGolden(QStringLiteral("ticket_page_empty.txt"), pdfText(pdfPath));
}

TEST_F(TicketPrintingTest, UnreadableNroLinStopsNoPrinterType)
{
    session.nroLin = QStringLiteral("abc");
    ASSERT_TRUE(print(QStringLiteral("1")));
    ASSERT_TRUE(print(QStringLiteral("4")));
    EXPECT_TRUE(readAll(lpt1).endsWith(QByteArray(" \r\n").repeated(5) + ".\r\n"));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(TicketPrintingTest, OrderWithoutItemsPrintsNoTextTicket)
{
    db.execute(QStringLiteral("Delete From IPedidos"));
    EXPECT_FALSE(print(QStringLiteral("1")));
    EXPECT_TRUE(readAll(lpt1).isEmpty());
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(TicketPrintingTest, PermissionRefusedPrintsNothing)
{
    session.confLogin = session.confPermissao = QStringLiteral("S");
    session.codUsuario = QStringLiteral("000001");
    EXPECT_FALSE(print(QStringLiteral("1")));
    EXPECT_TRUE(readAll(lpt1).isEmpty());
    EXPECT_TRUE(messages.showedOnly(MessageService::Kind::Warning, QStringLiteral("Usuário Sem Permissão para Entrar nesse Módulo")));
}

TEST_F(TicketPrintingTest, PortThatCannotBeOpenedShowsTheSystemError)
{
    struct Case {
        QString port;
        QString error;
    };
    const std::vector<Case> cases{{workDir() + QStringLiteral("/naoexiste/lp0"), QStringLiteral("No such file or directory")},
                                  {workDir(), QStringLiteral("Is a directory")}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.port.toStdString());
        messages.clear();
        writePorts(c.port, lpt2);
        EXPECT_FALSE(print(QStringLiteral("1")));
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown()[0].kind, MessageService::Kind::Warning);
        EXPECT_EQ(messages.shown()[0].text,
                  TicketPrinting::kErroImpressao + c.port + QStringLiteral(" !\rErro:  ") + c.error);
    }
}

TEST_F(TicketPrintingTest, PrinterThatStopsTakingBytesFailsAfterTheTimeoutKeepingWhatItTook)
{
    addItems(40);
    const QString fifo = workDir() + QStringLiteral("/lp-parado");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    // A printer that never reads: the pipe takes one small buffer and no more.
    const int reader = ::open(fifo.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const int taken = ::fcntl(reader, F_SETPIPE_SZ, 4096);
    ASSERT_GT(taken, 0);
    writePorts(fifo, lpt2);

    EXPECT_FALSE(print(QStringLiteral("1"), [](const QString &port) { return std::make_unique<DeviceSink>(port, 200); }));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.startsWith(TicketPrinting::kErroImpressao + fifo));
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral("tempo esgotado")));

    QByteArray got(taken, '\0');
    const ssize_t n = ::read(reader, got.data(), size_t(got.size()));
    ::close(reader);
    ASSERT_GT(n, 0);
    got.resize(n);
    EXPECT_TRUE(got.endsWith("\r\n")); // whole lines, as written
    EXPECT_TRUE(got.startsWith(session.empNome.toLatin1() + "\r\n"));
}

TEST_F(TicketPrintingTest, CupsQueueWithoutServerShowsTheError)
{
    writePorts(QStringLiteral("cups:fila-que-nao-existe"), lpt2);
    EXPECT_FALSE(print(QStringLiteral("4")));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.startsWith(TicketPrinting::kErroImpressao +
                                                    QStringLiteral("cups:fila-que-nao-existe !\rErro:  ")));
}

TEST_F(TicketPrintingTest, NoDefaultPrinterIsAWarning)
{
    ScriptedMessages local;
    DefaultPrinter printer(local);
    session.tipoI = QStringLiteral("3");
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    EXPECT_FALSE(TicketPrinting(ctx, printer).print(QStringLiteral("00000042")));
    EXPECT_TRUE(local.showedOnly(MessageService::Kind::Warning, Report::kSemImpressora));
}

} // namespace

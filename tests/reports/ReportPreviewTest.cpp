#include "reports/ReportDocument.h"
#include "reports/ui/ReportOutput.h"
#include "reports/ui/ReportPainter.h"
#include "reports/ui/ReportPreview.h"
#include "support/ScriptedMessages.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Report;

namespace {

// 20 rows of 10 mm a page: 200 rows make 10 pages; each row shows its number.
std::shared_ptr<const Document> numberedRows(int rows)
{
    ResultSet set(QStringList{QStringLiteral("N")});
    for (int i = 0; i < rows; ++i)
        set.appendRow({SqlValue(QStringLiteral("Linha %1").arg(i + 1))});
    auto def = std::make_shared<Definition>();
    def->pageSizeMm = {210, 297};
    def->pageHeader.height = 37;
    def->pageHeader.items = {Item::label(0, 0, 190, QStringLiteral("Cabeçalho"), Align::Center, Font::Title)};
    def->detail.height = 10;
    def->detail.items = {Item::field(0, 0, 190, QStringLiteral("N"))};
    def->pageFooter.height = 40;
    def->pageFooter.items = {Item::computed(0, 0, 60, [](const Context &c) { return QStringLiteral("Página:%1").arg(c.page); })};
    return std::make_shared<Document>(def, std::make_shared<ResultSetData>(set), QDateTime(QDate(2026, 12, 10), QTime(8, 0)));
}

class ReportPreviewTest : public ::testing::Test {
protected:
    QPushButton *button(const char *name) { return preview.findChild<QPushButton *>(QString::fromLatin1(name)); }

    std::shared_ptr<const Document> doc = numberedRows(200);
    ScriptedMessages messages;
    ReportPreview preview{doc, messages};
    QTemporaryDir dir;
};

TEST_F(ReportPreviewTest, PagesWithTheButtonsAndTheTypedNumber)
{
    ASSERT_EQ(doc->pageCount(), 10);
    preview.show();
    EXPECT_EQ(preview.currentPage(), 0);
    EXPECT_FALSE(button("btAnterior")->isEnabled());
    const std::vector<std::pair<const char *, int>> steps{
        {"btProxima", 1}, {"btProxima", 2}, {"btUltima", 9}, {"btAnterior", 8}, {"btPrimeira", 0}};
    for (const auto &[name, page] : steps) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        EXPECT_EQ(preview.currentPage(), page) << name;
    }
    auto *number = preview.findChild<QSpinBox *>(QStringLiteral("edPagina"));
    number->setValue(7);
    EXPECT_EQ(preview.currentPage(), 6);
    EXPECT_FALSE(button("btProxima")->isEnabled() && preview.currentPage() == 9);
}

TEST_F(ReportPreviewTest, ZoomChangesTheDrawnPage)
{
    preview.show();
    preview.setZoom(ReportPreview::Zoom::Percent, 100);
    const int at100 = preview.pageImage().width();
    preview.setZoom(ReportPreview::Zoom::Percent, 200);
    EXPECT_NEAR(preview.pageImage().width(), 2 * at100, 2);
    preview.setZoom(ReportPreview::Zoom::WholePage);
    EXPECT_LT(preview.pageImage().height(), preview.height());
}

TEST_F(ReportPreviewTest, SalvarPdfAsksThroughTheSeamAndWritesEveryPage)
{
    const QString path = dir.path() + QStringLiteral("/relatorio");
    messages.fileNameNext(path);
    QTest::mouseClick(button("btSalvarPDF"), Qt::LeftButton);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path + QStringLiteral(".pdf"), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString all = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_EQ(all.count(QStringLiteral("Cabeçalho")), 10);
    EXPECT_TRUE(all.contains(QStringLiteral("Linha 200")));
    EXPECT_TRUE(all.contains(QStringLiteral("Página:10")));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(ReportPreviewTest, ImprimirPrintsOnThePrinterTheDialogChose)
{
    const QString path = dir.path() + QStringLiteral("/impresso.pdf");
    preview.setPrinterChooser([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    QTest::mouseClick(button("btImprimir"), Qt::LeftButton);
    EXPECT_GT(QFile(path).size(), 1000);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST(ReportDrawing, ItemsAreCutToTheirWidth)
{
    ResultSet set(QStringList{QStringLiteral("N")});
    set.appendRow({SqlValue(QString(200, u'W'))});
    auto def = std::make_shared<Definition>();
    def->detail.height = 10;
    def->detail.items = {Item::field(0, 0, 20, QStringLiteral("N"))};
    const Document doc(def, std::make_shared<ResultSetData>(set), QDateTime());
    QImage page(210 * 4, 297 * 4, QImage::Format_RGB32);
    QPainter painter(&page);
    drawPage(painter, doc, 0, QRectF(QPointF(0, 0), page.size()));
    painter.end();
    // Nothing drawn right of the item's 20 mm (from the 10 mm margin).
    for (int x = (10 + 21) * 4; x < page.width(); ++x)
        for (int y = 10 * 4; y < 20 * 4; ++y)
            ASSERT_EQ(page.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

} // namespace

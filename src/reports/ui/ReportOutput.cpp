#include "reports/ui/ReportOutput.h"

#include "core/MessageService.h"
#include "reports/ReportDocument.h"
#include "reports/ui/ReportPainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace Report {

namespace {

QPageLayout sheetOf(const Document &document)
{
    const QSizeF mm = document.definition().pageSizeMm;
    return QPageLayout(QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch), QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

bool printOn(QPrinter &printer, const Document &document)
{
    printer.setFullPage(true);
    printer.setPageLayout(sheetOf(document));
    int from = 0, to = document.pageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = printer.fromPage() - 1;
        to = qMin(to, printer.toPage() - 1);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF sheet(QPointF(0, 0), printer.pageLayout().fullRectPixels(printer.resolution()).size());
    for (int i = from; i <= to; ++i) {
        if (i > from)
            printer.newPage();
        drawPage(painter, document, i, sheet);
    }
    return painter.end();
}

bool writePdf(const QString &path, const Document &document)
{
    QPdfWriter writer(path);
    writer.setResolution(300);
    writer.setPageLayout(sheetOf(document));
    writer.setCreator(QStringLiteral("Velmora Delivery"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const QRectF sheet(0, 0, writer.width(), writer.height());
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        drawPage(painter, document, i, sheet);
    }
    return painter.end();
}

} // namespace Report

bool DefaultPrinter::print(const Report::Document &document)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        m_messages.warning(Report::kSemImpressora);
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (!Report::printOn(printer, document)) {
        m_messages.warning(Report::kErroImpressora + info.printerName() + QStringLiteral(" !"));
        return false;
    }
    return true;
}

bool PdfFilePrinter::print(const Report::Document &document)
{
    if (!Report::writePdf(m_path, document))
        return false;
    ++m_printed;
    return true;
}

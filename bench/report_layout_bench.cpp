// Lays out a ten-year stock movement list (3,000,000 rows by default, about
// 50,000 pages) and measures what the preview waits for: the page layout and
// the first page drawn; then a page far inside, the last page with its exact
// totals (summed when first shown), and the memory.
//   velmora-bench-report-layout [rows]
#include "reports/CompactTable.h"
#include "reports/ReportDocument.h"
#include "reports/ui/ReportPainter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

using namespace Report;

namespace {

// Resident memory now and at its peak, in MB.
std::pair<double, double> residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    double now = 0, peak = 0;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                now = line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
            if (line.startsWith("VmHWM:"))
                peak = line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
        }
    }
    return {now, peak};
}

std::shared_ptr<Definition> movementList()
{
    auto def = std::make_shared<Definition>();
    def->pageHeader.height = 30;
    def->pageHeader.items = {
        Item::label(0, 0, 190, QStringLiteral("Lista de Movimentação de Estoque Geral por Data"), Align::Center,
                    Font::Title),
        Item::label(0, 12, 120, QStringLiteral("Período: 01/01/2016 à 31/12/2025")),
        Item::label(0, 24, 20, QStringLiteral("Código"), Align::Left, Font::Bold),
        Item::label(22, 24, 80, QStringLiteral("Descrição"), Align::Left, Font::Bold),
        Item::label(104, 24, 20, QStringLiteral("Data"), Align::Left, Font::Bold),
        Item::label(126, 24, 10, QStringLiteral("Oper."), Align::Left, Font::Bold),
        Item::label(138, 24, 24, QStringLiteral("Quantidade"), Align::Right, Font::Bold),
        Item::label(164, 24, 26, QStringLiteral("Valor"), Align::Right, Font::Bold),
    };
    def->detail.height = 4;
    def->detail.items = {
        Item::field(0, 0, 20, QStringLiteral("MOV_CODPRO")),
        Item::field(22, 0, 80, QStringLiteral("PRO_DESCRICAO")),
        Item::field(104, 0, 20, QStringLiteral("MOV_DATA"), Format::Date),
        Item::field(126, 0, 10, QStringLiteral("MOV_OPER")),
        Item::field(138, 0, 24, QStringLiteral("MOV_QUANT"), Format::Quantity, Align::Right),
        Item::field(164, 0, 26, QStringLiteral("MOV_VALOR"), Format::Money, Align::Right),
    };
    def->sums = {{.id = "qEE", .factors = {"MOV_QUANT"}, .whenColumn = "MOV_OPER", .whenValue = "EE"},
                 {.id = "vEE", .factors = {"MOV_VALOR"}, .whenColumn = "MOV_OPER", .whenValue = "EE"},
                 {.id = "qSS", .factors = {"MOV_QUANT"}, .whenColumn = "MOV_OPER", .whenValue = "SS"},
                 {.id = "vSS", .factors = {"MOV_VALOR"}, .whenColumn = "MOV_OPER", .whenValue = "SS"},
                 {.id = "vNotEE", .factors = {"MOV_VALOR"}, .whenColumn = "MOV_OPER", .whenValue = "EE", .whenNot = true}};
    def->derived = {{"balanco", [](const Totals &t) { return t["vNotEE"] - t["vEE"]; }}};
    def->summary.height = 20;
    def->summary.items = {Item::total(0, 2, 90, "qEE", Format::Quantity, Align::Left, "Total de Entradas(Quantidade):"),
                          Item::total(100, 2, 90, "vEE", Format::Money, Align::Left, "Total de Entradas(R$):"),
                          Item::total(0, 8, 90, "qSS", Format::Quantity, Align::Left, "Total de Saídas(Quantidade):"),
                          Item::total(100, 8, 90, "vSS", Format::Money, Align::Left, "Total de Saídas(R$):"),
                          Item::total(0, 14, 90, "balanco", Format::Money, Align::Left, "Balanço do Período:")};
    def->pageFooter.height = 10;
    def->pageFooter.items = {
        Item::computed(0, 2, 60, [](const Context &c) { return QStringLiteral("Página:%1").arg(c.page); }),
        Item::label(100, 2, 90, QStringLiteral("Legenda: EE=Entrada,  SS=Saída"), Align::Right)};
    return def;
}

double drawMs(const Document &doc, int page)
{
    QElapsedTimer t;
    t.start();
    QImage image(794, 1123, QImage::Format_RGB32); // A4 at 96 dpi, as the preview shows it
    QPainter painter(&image);
    drawPage(painter, doc, page, QRectF(QPointF(0, 0), image.size()));
    painter.end();
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 3000000;
    const auto before = residentMb();

    QElapsedTimer load;
    load.start();
    auto table = std::make_shared<CompactTable>(std::vector<CompactTable::Column>{
        {"MOV_CODPRO", CompactTable::Kind::Text},
        {"PRO_DESCRICAO", CompactTable::Kind::Text},
        {"MOV_DATA", CompactTable::Kind::Date},
        {"MOV_OPER", CompactTable::Kind::Text},
        {"MOV_QUANT", CompactTable::Kind::Number, 3},
        {"MOV_VALOR", CompactTable::Kind::Number, 2}});
    table->reserve(rows);
    const QDate start(2016, 1, 1);
    for (int i = 0; i < rows; ++i) {
        const int product = (i * 7919) % 2000;
        table->append({SqlValue(QString::number(product).rightJustified(10, u' ')),
                       SqlValue(QStringLiteral("Produto de demonstração número %1").arg(product)),
                       SqlValue(start.addDays(i / 822)), SqlValue(i % 3 == 0 ? "EE" : "SS"),
                       SqlValue(Decimal(1000 + i % 5000, 3)), SqlValue(Decimal(250 + i % 100000, 2))});
    }
    const double loadMs = double(load.nsecsElapsed()) / 1e6;
    const auto loaded = residentMb();

    QElapsedTimer layout;
    layout.start();
    const Document doc(movementList(), table, QDateTime::currentDateTime());
    const double layoutMs = double(layout.nsecsElapsed()) / 1e6;
    const double firstMs = drawMs(doc, 0);
    const double middleMs = drawMs(doc, doc.pageCount() / 2);
    QElapsedTimer summing;
    summing.start();
    doc.totals();
    const double sumMs = double(summing.nsecsElapsed()) / 1e6;
    const double lastMs = drawMs(doc, doc.pageCount() - 1);
    const auto after = residentMb();

    std::printf("rows: %d, pages: %d\n", rows, doc.pageCount());
    std::printf("rows kept in a compact table: %.0f ms, %.1f MB\n", loadMs, loaded.first - before.first);
    std::printf("page layout: %.0f ms, %.2f MB of page plans\n", layoutMs,
                doc.pageCount() * sizeof(PagePlan) / 1048576.0);
    std::printf("time to the first page (layout + drawing page 1): %.0f ms\n", layoutMs + firstMs);
    std::printf("drawing page 1: %.1f ms, page %d: %.1f ms\n", firstMs, doc.pageCount() / 2 + 1, middleMs);
    std::printf("exact totals over every row: %.0f ms; last page with the summary: %.1f ms\n", sumMs, lastMs);
    std::printf("resident memory: %.1f MB now, %.1f MB at peak\n", after.first, after.second);
    std::printf("balance: %s\n", qPrintable(doc.totals()["balanco"].toString()));
    return 0;
}

#include "reports/ui/ReportPainter.h"

#include "reports/ReportDocument.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRectF>

namespace Report {

namespace {

// Point sizes of the three fonts on the sheet.
double pointSize(Font f)
{
    return f == Font::Title ? 16 : 9;
}

QFont fontFor(Font f, double mmToUnits)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // 1 pt = 25.4/72 mm; sized in painter units so any device scale works.
    font.setPixelSize(qMax(1, qRound(pointSize(f) * 25.4 / 72.0 * mmToUnits)));
    font.setBold(f != Font::Normal);
    return font;
}

// The longest start of `text` that fits in `width`: a figure or a name is cut,
// never drawn over its neighbour.
QString fitted(const QString &text, const QFontMetricsF &metrics, double width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    int lo = 0, hi = int(text.size());
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= width)
            lo = mid;
        else
            hi = mid - 1;
    }
    return text.left(lo);
}

} // namespace

void drawPage(QPainter &painter, const Document &document, int pageIndex, const QRectF &pageRect)
{
    const Definition &def = document.definition();
    const double unit = pageRect.width() / def.pageSizeMm.width(); // painter units per millimetre
    const QPointF origin = pageRect.topLeft() + QPointF(def.margin * unit, def.margin * unit);

    painter.save();
    painter.fillRect(pageRect, Qt::white);
    painter.setPen(QPen(Qt::black, qMax(1.0, 0.2 * unit)));
    QFont fonts[3] = {fontFor(Font::Normal, unit), fontFor(Font::Bold, unit), fontFor(Font::Title, unit)};

    for (const Placement &p : document.placements(pageIndex)) {
        for (const Item &item : p.band->items) {
            if (item.y + item.height > p.height + 1e-6)
                continue; // below the height this row's band was given
            const QPointF at = origin + QPointF(item.x * unit, (p.y + item.y) * unit);
            if (item.kind == Item::Kind::Rule) {
                painter.drawLine(at, at + QPointF(item.width * unit, 0));
                continue;
            }
            const QFont &font = fonts[int(item.font)];
            painter.setFont(font);
            const QRectF box(at, QSizeF(item.width * unit, item.height * unit));
            const QString text = fitted(document.itemText(item, pageIndex, p.row), QFontMetricsF(font), box.width());
            if (text.isEmpty())
                continue;
            const Qt::Alignment h = item.align == Align::Right    ? Qt::AlignRight
                                    : item.align == Align::Center ? Qt::AlignHCenter
                                                                  : Qt::AlignLeft;
            painter.drawText(box, int(h | Qt::AlignVCenter | Qt::TextSingleLine), text);
        }
    }
    painter.restore();
}

} // namespace Report

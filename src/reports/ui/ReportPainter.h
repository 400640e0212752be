#pragma once

class QPainter;
class QRectF;

namespace Report {
class Document;

// Draws one page of a document on any painter (screen image, printer, PDF).
// `pageRect` is the whole sheet in the painter's coordinates; millimetres are
// mapped onto it, and fonts take their size from the device's resolution
// scaled the same way, so every device shows the same page.
void drawPage(QPainter &painter, const Document &document, int pageIndex, const QRectF &pageRect);

} // namespace Report

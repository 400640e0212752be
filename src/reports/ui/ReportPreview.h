#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class MessageService;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace Report {
class Document;
}

// The modal preview of a report: first, previous, next and last page, a page
// number to type, zoom (whole page, page width, percentages), print with the
// printer dialog and "Salvar PDF". Only the page on screen is drawn, so a
// report of any length opens at once.
class ReportPreview final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportPreview)
public:
    enum class Zoom { WholePage, PageWidth, Percent };

    ReportPreview(std::shared_ptr<const Report::Document> document, MessageService &messages,
                  QWidget *parent = nullptr);
    ~ReportPreview() override;

    // The printer dialog; replaced in tests. Returns false when cancelled.
    void setPrinterChooser(std::function<bool(QPrinter &)> choose) { m_choosePrinter = std::move(choose); }

    int currentPage() const { return m_page; } // 0-based
    void showPage(int index);
    void setZoom(Zoom zoom, int percent = 100);
    // Painter units per millimetre of the page as shown.
    double scale() const { return m_scale; }
    const QImage &pageImage() const;

    void printWithDialog();
    void savePdf();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void render();
    void zoomChosen(int index);

    std::shared_ptr<const Report::Document> m_document;
    MessageService &m_messages;
    std::function<bool(QPrinter &)> m_choosePrinter;
    int m_page = 0;
    Zoom m_zoom = Zoom::PageWidth;
    int m_percent = 100;
    double m_scale = 1;
    QScrollArea *m_area;
    QLabel *m_view;
    QSpinBox *m_pageNumber;
    QLabel *m_pageTotal;
    QComboBox *m_zoomChoice;
    QPushButton *m_first, *m_prev, *m_next, *m_last;
    std::unique_ptr<QImage> m_image;
};

#include "reports/ui/ReportPreview.h"

#include "core/MessageService.h"
#include "reports/ReportDocument.h"
#include "reports/ui/ReportOutput.h"
#include "reports/ui/ReportPainter.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const int kPercents[] = {50, 75, 100, 150, 200};

QPushButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ReportPreview::ReportPreview(std::shared_ptr<const Report::Document> document, MessageService &messages,
                             QWidget *parent)
    : QDialog(parent), m_document(std::move(document)), m_messages(messages), m_image(std::make_unique<QImage>())
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Visualização do Relatório"));
    setModal(true);
    m_choosePrinter = [this](QPrinter &printer) {
        QPrintDialog dialog(&printer, this);
        dialog.setMinMax(1, m_document->pageCount());
        return dialog.exec() == QDialog::Accepted;
    };

    m_first = button(QStringLiteral("|< Primeira"), QStringLiteral("btPrimeira"), this);
    m_prev = button(QStringLiteral("< Anterior"), QStringLiteral("btAnterior"), this);
    m_next = button(QStringLiteral("Próxima >"), QStringLiteral("btProxima"), this);
    m_last = button(QStringLiteral("Última >|"), QStringLiteral("btUltima"), this);
    m_pageNumber = new QSpinBox(this);
    m_pageNumber->setObjectName(QStringLiteral("edPagina"));
    m_pageNumber->setRange(1, qMax(1, m_document->pageCount()));
    m_pageNumber->setKeyboardTracking(false);
    m_pageTotal = new QLabel(QStringLiteral("de %1").arg(m_document->pageCount()), this);
    m_zoomChoice = new QComboBox(this);
    m_zoomChoice->setObjectName(QStringLiteral("cbZoom"));
    m_zoomChoice->addItem(QStringLiteral("Página Inteira"));
    m_zoomChoice->addItem(QStringLiteral("Largura da Página"));
    for (int p : kPercents)
        m_zoomChoice->addItem(QStringLiteral("%1%").arg(p));
    m_zoomChoice->setCurrentIndex(1);
    auto *imprimir = button(QStringLiteral("Imprimir"), QStringLiteral("btImprimir"), this);
    auto *salvar = button(QStringLiteral("Salvar PDF"), QStringLiteral("btSalvarPDF"), this);
    auto *fechar = button(QStringLiteral("Fechar"), QStringLiteral("btFechar"), this);

    connect(m_first, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(m_prev, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(m_last, &QPushButton::clicked, this, [this] { showPage(m_document->pageCount() - 1); });
    connect(m_pageNumber, &QSpinBox::valueChanged, this, [this](int n) { showPage(n - 1); });
    connect(m_zoomChoice, &QComboBox::activated, this, &ReportPreview::zoomChosen);
    connect(imprimir, &QPushButton::clicked, this, &ReportPreview::printWithDialog);
    connect(salvar, &QPushButton::clicked, this, &ReportPreview::savePdf);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);

    auto *bar = new QHBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(m_first), static_cast<QWidget *>(m_prev)})
        bar->addWidget(w);
    bar->addWidget(new QLabel(QStringLiteral("Página:"), this));
    bar->addWidget(m_pageNumber);
    bar->addWidget(m_pageTotal);
    bar->addWidget(m_next);
    bar->addWidget(m_last);
    bar->addSpacing(12);
    bar->addWidget(new QLabel(QStringLiteral("Zoom:"), this));
    bar->addWidget(m_zoomChoice);
    bar->addStretch();
    bar->addWidget(imprimir);
    bar->addWidget(salvar);
    bar->addWidget(fechar);

    m_view = new QLabel(this);
    m_view->setObjectName(QStringLiteral("pagina"));
    m_view->setAlignment(Qt::AlignCenter);
    m_area = new QScrollArea(this);
    m_area->setWidget(m_view);
    m_area->setWidgetResizable(true);
    m_area->setAlignment(Qt::AlignCenter);
    m_area->setBackgroundRole(QPalette::Dark);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_area, 1);
    resize(900, 1000);
    render();
}

ReportPreview::~ReportPreview() = default;

const QImage &ReportPreview::pageImage() const { return *m_image; }

void ReportPreview::showPage(int index)
{
    index = qBound(0, index, m_document->pageCount() - 1);
    if (index == m_page && !m_image->isNull())
        return;
    m_page = index;
    render();
    m_area->verticalScrollBar()->setValue(0); // a new page is read from its top
}

void ReportPreview::setZoom(Zoom zoom, int percent)
{
    m_zoom = zoom;
    m_percent = percent;
    const int choice = zoom == Zoom::WholePage ? 0 : zoom == Zoom::PageWidth ? 1 : -1;
    if (choice >= 0) {
        m_zoomChoice->setCurrentIndex(choice);
    } else {
        const int at = m_zoomChoice->findText(QStringLiteral("%1%").arg(percent));
        if (at >= 0)
            m_zoomChoice->setCurrentIndex(at);
    }
    render();
}

void ReportPreview::zoomChosen(int index)
{
    if (index <= 1)
        setZoom(index == 0 ? Zoom::WholePage : Zoom::PageWidth);
    else
        setZoom(Zoom::Percent, kPercents[index - 2]);
}

void ReportPreview::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_zoom != Zoom::Percent)
        render();
}

void ReportPreview::render()
{
    const QSizeF mm = m_document->definition().pageSizeMm;
    const QSize room = m_area->viewport()->size() - QSize(24, 24);
    const double screen = logicalDpiX() / 25.4;
    switch (m_zoom) {
    case Zoom::WholePage:
        m_scale = qMin(room.width() / mm.width(), room.height() / mm.height());
        break;
    case Zoom::PageWidth:
        m_scale = room.width() / mm.width();
        break;
    case Zoom::Percent:
        m_scale = screen * m_percent / 100.0;
        break;
    }
    m_scale = qMax(m_scale, 0.5);
    *m_image = QImage(QSize(qRound(mm.width() * m_scale), qRound(mm.height() * m_scale)), QImage::Format_RGB32);
    QPainter painter(m_image.get());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Report::drawPage(painter, *m_document, m_page, QRectF(QPointF(0, 0), m_image->size()));
    painter.end();
    m_view->setPixmap(QPixmap::fromImage(*m_image));

    const QSignalBlocker block(m_pageNumber);
    m_pageNumber->setValue(m_page + 1);
    const int last = m_document->pageCount() - 1;
    m_first->setEnabled(m_page > 0);
    m_prev->setEnabled(m_page > 0);
    m_next->setEnabled(m_page < last);
    m_last->setEnabled(m_page < last);
}

void ReportPreview::printWithDialog()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!m_choosePrinter(printer))
        return;
    if (!Report::printOn(printer, *m_document))
        m_messages.warning(Report::kErroImpressora + printer.printerName() + QStringLiteral(" !"));
}

void ReportPreview::savePdf()
{
    QString path = m_messages.saveFileName(QStringLiteral("Salvar PDF"), QDir::currentPath(),
                                           QStringLiteral("Arquivos PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (!Report::writePdf(path, *m_document))
        m_messages.warning(QStringLiteral("Não foi Possível Gravar o Arquivo ") + path + QStringLiteral(" !"));
}

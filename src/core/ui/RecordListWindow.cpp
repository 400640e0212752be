#include "core/ui/RecordListWindow.h"
#include "controls/ui/WindowConventions.h"

#include "core/ResultSetModel.h"
#include "core/ui/FocusWatch.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>


RecordListWindow::RecordListWindow(RecordListLogic &logic, QWidget *parent)
    : QDialog(parent), m_logic(logic), m_model(new ResultSetModel(logic.description().columns, this))
{
    const ListDescription &d = logic.description();
    setWindowTitle(d.caption);
    // Esc closes a list (its "Fechar" does nothing more), so only the
    // title-bar buttons go here.
    if (!d.titleBarButtons)
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *layout = new QVBoxLayout(this);
    if (!d.heading.isEmpty())
        layout->addWidget(new QLabel(d.heading, this));

    auto *top = new QHBoxLayout;
    auto *orderBox = new QGroupBox(QStringLiteral("Ordenado por:"), this);
    auto *orderLayout = new QHBoxLayout(orderBox);
    m_byCode = new QRadioButton(d.codeOrderLabel, orderBox);
    m_byName = new QRadioButton(d.nameOrderLabel, orderBox);
    orderLayout->addWidget(m_byCode);
    orderLayout->addWidget(m_byName);
    top->addWidget(orderBox);
    connect(m_byCode, &QRadioButton::clicked, this, [this] { m_logic.chooseOrder(true); refresh(); });
    connect(m_byName, &QRadioButton::clicked, this, [this] { m_logic.chooseOrder(false); refresh(); });

    if (!d.filterLabels.isEmpty()) {
        auto *filterBox = new QGroupBox(QStringLiteral("Filtro:"), this);
        auto *filterLayout = new QHBoxLayout(filterBox);
        m_filters = new QButtonGroup(this);
        for (int i = 0; i < d.filterLabels.size(); ++i) {
            auto *b = new QRadioButton(d.filterLabels[i], filterBox);
            m_filters->addButton(b, i);
            filterLayout->addWidget(b);
        }
        connect(m_filters, &QButtonGroup::idClicked, this, [this](int id) { m_logic.chooseFilter(id); refresh(); });
        top->addWidget(filterBox);
    }

    QString searchTitle = d.searchGroupTitle;
    if (searchTitle.isEmpty())
        searchTitle = d.filterLabels.isEmpty() ? QStringLiteral("Busca") : QStringLiteral("Busca:");
    auto *searchBox = new QGroupBox(searchTitle, this);
    auto *searchLayout = new QHBoxLayout(searchBox);
    m_searchLabel = new QLabel(searchBox);
    m_search = new QLineEdit(searchBox);
    m_busca = new QPushButton(QStringLiteral("Busca"), searchBox);
    searchLayout->addWidget(m_searchLabel);
    searchLayout->addWidget(m_search);
    searchLayout->addWidget(m_busca);
    top->addWidget(searchBox);
    layout->addLayout(top);
    connect(m_search, &QLineEdit::textEdited, this, [this](const QString &t) { m_logic.setSearchText(t); });
    FocusWatch::onLeave(m_search, [this] {
        m_logic.setSearchText(m_search->text());
        m_logic.leaveSearch();
        m_search->setText(m_logic.searchText());
    });
    connect(m_busca, &QPushButton::clicked, this, [this] {
        m_logic.setSearchText(m_search->text());
        // The search may have read the list again from its row.
        if (m_logic.search())
            refresh(Columns::Keep);
        m_search->setText(m_logic.searchText());
    });

    m_model->setFetcher([this] { return m_logic.canFetchMore(); }, [this] { m_logic.fetchMore(); });
    m_grid = new QTableView(this);
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One line per record, columns as wide as what they show (measured on the
    // first rows only, so a long list opens as fast as a short one).
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setResizeContentsPrecision(100);
    if (d.striped)
        WindowConventions::stripedRows(m_grid);
    layout->addWidget(m_grid, 1);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &index) { m_logic.setCurrent(index.row()); });

    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    layout->addLayout(m_buttons);
    resize(900, 500);
    WindowConventions::focusHighlight(this);
}

QPushButton *RecordListWindow::addButton(const QString &caption)
{
    auto *b = new QPushButton(caption, this);
    b->setAutoDefault(false);
    m_buttons->addWidget(b);
    return b;
}

void RecordListWindow::showEvent(QShowEvent *event)
{
    // Restoring a minimised list keeps its order, filter, search and row.
    if (event->spontaneous()) {
        QDialog::showEvent(event);
        return;
    }
    m_logic.show();
    refresh();
    fitColumns();
    m_search->setFocus();
    QDialog::showEvent(event);
}

void RecordListWindow::fitColumns()
{
    // Wide enough for every column, up to the screen's width.
    int columns = m_grid->verticalHeader()->sizeHint().width() + 2 * m_grid->frameWidth() +
                  m_grid->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < m_model->columnCount(); ++c)
        columns += m_grid->columnWidth(c);
    const QMargins margins = layout()->contentsMargins();
    int wanted = columns + margins.left() + margins.right();
    if (const QScreen *s = screen())
        wanted = std::min(wanted, s->availableGeometry().width());
    if (wanted > width())
        resize(wanted, height());
}

void RecordListWindow::refresh(Columns columns)
{
    const int keep = m_logic.current();
    m_model->setRows(m_logic.rows());
    if (columns == Columns::Fit)
        m_grid->resizeColumnsToContents();
    m_logic.setCurrent(keep);
    (m_logic.byCode() ? m_byCode : m_byName)->setChecked(true);
    if (m_filters)
        if (auto *b = m_filters->button(m_logic.filter()))
            b->setChecked(true);
    m_searchLabel->setText(m_logic.searchLabel());
    m_search->setText(m_logic.searchText());
    selectCurrent();
}

void RecordListWindow::selectCurrent()
{
    if (m_logic.current() < 0)
        return;
    const QModelIndex index = m_model->index(m_logic.current(), 0);
    m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
}

#include "finance/ui/LedgerGrid.h"

#include "controls/ui/WindowConventions.h"
#include "finance/ui/PagedRowsModel.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>

LedgerGrid::LedgerGrid(PagedRowsModel *model, QWidget *parent) : QTableView(parent), m_model(model)
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setResizeContentsPrecision(100);
    WindowConventions::stripedRows(this);
}

void LedgerGrid::rowsChanged(int keep)
{
    m_model->reset();
    resizeColumnsToContents();
    const int rows = m_model->rowCount();
    if (rows == 0)
        return;
    const QModelIndex index = m_model->index(std::clamp(keep, 0, rows - 1), 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

int LedgerGrid::selectedRow() const
{
    const QModelIndex index = selectionModel()->currentIndex();
    return index.isValid() ? index.row() : -1;
}

#pragma once

#include "core/RecordListLogic.h"

#include <QAbstractTableModel>
#include <vector>

class PagedRows;

// Read-only grid model over PagedRows: the view asks for the next page as it
// scrolls towards the end. Call reset() after the rows were read again.
class PagedRowsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    PagedRowsModel(PagedRows &rows, std::vector<GridColumn> columns, QObject *parent = nullptr);

    void reset();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    void mapColumns();

    PagedRows &m_rows;
    std::vector<GridColumn> m_columns;
    std::vector<int> m_sourceColumn; // position in the rows, -1 when absent
    int m_shown = 0;                 // rows the view knows of
};

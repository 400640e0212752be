#pragma once

#include "core/RecordListLogic.h"
#include "core/ResultSet.h"

#include <QAbstractTableModel>
#include <functional>
#include <vector>

// Read-only table model over the rows of a list, showing the chosen columns
// with their titles and formats. With a fetcher it asks for more rows as the
// view scrolls to the end of those it has.
class ResultSetModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultSetModel(std::vector<GridColumn> columns, QObject *parent = nullptr);

    // Replaces every row (a model reset).
    void setRows(const ResultSet &rows);
    const ResultSet &rows() const { return m_rows; }
    // Where more rows come from: whether there are more, and reading the next
    // ones (appended to the rows given to setRows).
    void setFetcher(std::function<bool()> canFetch, std::function<void()> fetch);
    // Shows rows appended to the set since it was given (a search may read ahead).
    void syncRows();

    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    std::vector<GridColumn> m_columns;
    std::vector<int> m_sourceColumn; // position in m_rows, -1 when absent
    ResultSet m_rows;
    int m_shown = 0; // rows the views know of
    bool m_inserting = false; // during a reset or an insertion
    std::function<bool()> m_canFetch;
    std::function<void()> m_fetch;
};

#pragma once

#include "core/RecordListLogic.h"
#include "core/ResultSet.h"

#include <QAbstractTableModel>
#include <vector>

// Read-only table model over the rows of a list, showing the chosen columns
// with their titles and formats.
class ResultSetModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultSetModel(std::vector<GridColumn> columns, QObject *parent = nullptr);

    // Replaces every row (a model reset).
    void setRows(const ResultSet &rows);
    const ResultSet &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    std::vector<GridColumn> m_columns;
    std::vector<int> m_sourceColumn; // position in m_rows, -1 when absent
    ResultSet m_rows;
};

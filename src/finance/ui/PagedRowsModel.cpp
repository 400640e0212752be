#include "finance/ui/PagedRowsModel.h"

#include "finance/PagedRows.h"

PagedRowsModel::PagedRowsModel(PagedRows &rows, std::vector<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_rows(rows), m_columns(std::move(columns)), m_sourceColumn(m_columns.size(), -1)
{
    mapColumns();
}

void PagedRowsModel::mapColumns()
{
    for (size_t i = 0; i < m_columns.size(); ++i)
        m_sourceColumn[i] = m_rows.rows().columnIndex(m_columns[i].column);
    m_shown = m_rows.size();
}

void PagedRowsModel::reset()
{
    beginResetModel();
    mapColumns();
    endResetModel();
}

int PagedRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

int PagedRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant PagedRowsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const GridColumn &col = m_columns[size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(col.alignRight ? Qt::AlignRight | Qt::AlignVCenter
                                                                : Qt::AlignLeft | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    const int source = m_sourceColumn[size_t(index.column())];
    if (source < 0)
        return QString();
    const SqlValue &value = m_rows.rows().value(index.row(), source);
    if (value.isNull())
        return QString();
    return col.format ? col.format(value) : value.toString();
}

QVariant PagedRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < int(m_columns.size()) ? QVariant(m_columns[size_t(section)].title)
                                                               : QVariant();
    return section + 1;
}

Qt::ItemFlags PagedRowsModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

bool PagedRowsModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && (m_shown < m_rows.size() || m_rows.canFetchMore());
}

void PagedRowsModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    // A failed page read leaves the rows already shown; the grid is for reading.
    if (m_shown == m_rows.size() && m_rows.canFetchMore()) {
        try {
            m_rows.fetchMore();
        } catch (const std::exception &) {
        }
    }
    if (m_rows.size() == m_shown)
        return;
    beginInsertRows({}, m_shown, m_rows.size() - 1);
    m_shown = m_rows.size();
    endInsertRows();
}

#include "core/ResultSetModel.h"

ResultSetModel::ResultSetModel(std::vector<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)), m_sourceColumn(m_columns.size(), -1)
{
}

void ResultSetModel::setRows(const ResultSet &rows)
{
    m_inserting = true;
    beginResetModel();
    m_rows = rows;
    m_shown = rows.size();
    for (size_t i = 0; i < m_columns.size(); ++i)
        m_sourceColumn[i] = m_rows.columnIndex(m_columns[i].column);
    endResetModel();
    m_inserting = false;
}

int ResultSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

void ResultSetModel::setFetcher(std::function<bool()> canFetch, std::function<void()> fetch)
{
    m_canFetch = std::move(canFetch);
    m_fetch = std::move(fetch);
}

void ResultSetModel::syncRows()
{
    if (m_rows.size() <= m_shown || m_inserting)
        return;
    m_inserting = true;
    beginInsertRows({}, m_shown, m_rows.size() - 1);
    m_shown = m_rows.size();
    endInsertRows();
    m_inserting = false;
}

bool ResultSetModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && (m_rows.size() > m_shown || (m_canFetch && m_canFetch()));
}

void ResultSetModel::fetchMore(const QModelIndex &parent)
{
    // Views may ask again while they hear of the rows just added.
    if (parent.isValid() || m_inserting)
        return;
    if (m_rows.size() == m_shown && m_fetch && m_canFetch && m_canFetch())
        m_fetch();
    syncRows();
}

int ResultSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ResultSetModel::data(const QModelIndex &index, int role) const
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
    const SqlValue &value = m_rows.value(index.row(), source);
    if (value.isNull())
        return QString();
    return col.format ? col.format(value) : value.toString();
}

QVariant ResultSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < int(m_columns.size()) ? QVariant(m_columns[size_t(section)].title)
                                                               : QVariant();
    return section + 1;
}

Qt::ItemFlags ResultSetModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

#include "orders/OrderListModel.h"

#include "orders/OrderListLogic.h"

#include <exception>

OrderListModel::OrderListModel(OrderListLogic &logic, QObject *parent) : QAbstractTableModel(parent), m_logic(logic) {}

void OrderListModel::reset()
{
    beginResetModel();
    endResetModel();
}

int OrderListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_logic.size();
}

int OrderListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(OrderListLogic::gridColumns().size());
}

QVariant OrderListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const GridColumn &column = OrderListLogic::gridColumns()[size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return column.alignRight ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    try {
        const SqlValue value = m_logic.value(index.row(), column.column);
        if (value.isNull())
            return QString();
        return column.format ? column.format(value) : value.toString();
    } catch (const std::exception &) {
        return QString(); // a page that cannot be read shows empty; the next re-read tries again
    }
}

QVariant OrderListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return OrderListLogic::gridColumns()[size_t(section)].title;
}

Qt::ItemFlags OrderListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool OrderListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_logic.complete();
}

void OrderListModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    const int before = m_logic.size();
    try {
        if (!m_logic.fetchRest())
            return;
    } catch (const std::exception &) {
        return; // asked again at the next scroll
    }
    // The rest of the period comes after the rows already shown.
    if (m_logic.size() > before) {
        beginInsertRows({}, before, m_logic.size() - 1);
        endInsertRows();
    }
}

#pragma once

#include <QAbstractTableModel>

class OrderListLogic;

// Read-only grid model over the order list; a row's page is read from the
// database the first time the grid asks for it.
class OrderListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit OrderListModel(OrderListLogic &logic, QObject *parent = nullptr);

    // After the logic read its list again.
    void reset();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The rest of a long period's orders, when the grid scrolls past the first ones.
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    OrderListLogic &m_logic;
};

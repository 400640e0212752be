#pragma once

#include "core/SqlValue.h"

#include <QStringList>
#include <memory>
#include <vector>

class ResultSet;

// One row of a ResultSet; columns by name (case-insensitive) or position.
// It shares the rows it came from, so it stays valid after the set is gone.
class Row {
public:
    Row(const ResultSet &set, int index);
    const SqlValue &value(const QString &column) const;
    const SqlValue &value(int column) const;
    const SqlValue &operator[](const QString &column) const { return value(column); }
    QString text(const QString &column) const { return value(column).toString(); }
    int index() const { return m_index; }

private:
    std::shared_ptr<const ResultSet> m_set;
    int m_index;
};

// Every row of a query, read whole (the client-side copy the lists work on).
// Copies share the same rows.
class ResultSet {
public:
    ResultSet() : d(std::make_shared<Data>()) {}
    explicit ResultSet(QStringList columns) : d(std::make_shared<Data>()) { d->columns = std::move(columns); }

    const QStringList &columns() const { return d->columns; }
    // Position of a column by name, ignoring case; -1 when absent.
    int columnIndex(const QString &name) const;
    int size() const { return int(d->rows.size()); }
    bool isEmpty() const { return d->rows.empty(); }

    Row row(int i) const { return Row(*this, i); }
    // First row; throws DbError when the set is empty.
    Row first() const;
    // Throws DbError for an unknown column or row.
    const SqlValue &value(int row, int column) const;
    const SqlValue &value(int row, const QString &column) const;

    void appendRow(std::vector<SqlValue> values) { d->rows.push_back(std::move(values)); }

private:
    struct Data {
        QStringList columns;
        std::vector<std::vector<SqlValue>> rows;
    };
    std::shared_ptr<Data> d;
};

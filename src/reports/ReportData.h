#pragma once

#include "core/ResultSet.h"
#include "core/SqlValue.h"

#include <QString>

// The rows a report runs over, read by position. A report never asks for a
// row twice in a hot loop by column name: names are resolved once.
class ReportData {
public:
    virtual ~ReportData() = default;
    virtual int rowCount() const = 0;
    // Position of a column by name, ignoring case; -1 when absent.
    virtual int columnIndex(const QString &name) const = 0;
    virtual SqlValue value(int row, int column) const = 0;
    // The hot paths of the totals; a table may answer them without making a SqlValue.
    virtual Decimal decimal(int row, int column) const { return value(row, column).toDecimal(); }
    virtual bool textEquals(int row, int column, const QString &text) const
    {
        return value(row, column).toString() == text;
    }
};

// A query result as report rows.
class ResultSetData final : public ReportData {
public:
    explicit ResultSetData(ResultSet rows) : m_rows(std::move(rows)) {}
    int rowCount() const override { return m_rows.size(); }
    int columnIndex(const QString &name) const override { return m_rows.columnIndex(name); }
    SqlValue value(int row, int column) const override { return m_rows.value(row, column); }

private:
    ResultSet m_rows;
};

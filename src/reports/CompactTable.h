#pragma once

#include "reports/ReportData.h"

#include <QHash>
#include <QStringList>
#include <cstdint>
#include <vector>

// Report rows kept column by column in a few bytes a cell: exact numbers as
// their units, dates as day numbers, texts as an index into the distinct
// texts of the column (codes, names and descriptions repeat over long
// movement lists). Three million movement rows take about 100 MB this way
// instead of gigabytes of variant cells.
class CompactTable final : public ReportData {
public:
    enum class Kind { Text, Number, Date };
    struct Column {
        QString name;
        Kind kind = Kind::Text;
        int scale = 0; // Number only
    };

    explicit CompactTable(std::vector<Column> columns);

    void reserve(int rows);
    // One row, values in column order; a number is kept at its column's scale.
    void append(const std::vector<SqlValue> &values);

    int rowCount() const override { return m_rows; }
    int columnIndex(const QString &name) const override;
    SqlValue value(int row, int column) const override;
    Decimal decimal(int row, int column) const override;
    bool textEquals(int row, int column, const QString &text) const override;

private:
    struct Store {
        Column column;
        std::vector<std::int64_t> numbers;
        std::vector<std::int32_t> days;
        std::vector<std::uint32_t> texts;
        QStringList distinct;
        QHash<QString, std::uint32_t> index;
    };
    std::vector<Store> m_columns;
    int m_rows = 0;
};

#include "reports/CompactTable.h"

#include <limits>

namespace {

constexpr std::int64_t kNullNumber = std::numeric_limits<std::int64_t>::min();
constexpr std::int32_t kNullDay = std::numeric_limits<std::int32_t>::min();
constexpr std::uint32_t kNullText = std::numeric_limits<std::uint32_t>::max();

} // namespace

CompactTable::CompactTable(std::vector<Column> columns)
{
    for (Column &c : columns)
        m_columns.push_back(Store{std::move(c), {}, {}, {}, {}, {}});
}

void CompactTable::reserve(int rows)
{
    for (Store &s : m_columns) {
        switch (s.column.kind) {
        case Kind::Number:
            s.numbers.reserve(std::size_t(rows));
            break;
        case Kind::Date:
            s.days.reserve(std::size_t(rows));
            break;
        case Kind::Text:
            s.texts.reserve(std::size_t(rows));
            break;
        }
    }
}

void CompactTable::append(const std::vector<SqlValue> &values)
{
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        Store &s = m_columns[i];
        const SqlValue &v = i < values.size() ? values[i] : SqlValue();
        switch (s.column.kind) {
        case Kind::Number:
            s.numbers.push_back(v.isNull() ? kNullNumber : v.toDecimal().withScale(s.column.scale).units());
            break;
        case Kind::Date:
            s.days.push_back(v.isNull() ? kNullDay : std::int32_t(v.toDate().toJulianDay()));
            break;
        case Kind::Text: {
            if (v.isNull()) {
                s.texts.push_back(kNullText);
                break;
            }
            const QString text = v.toString();
            auto found = s.index.constFind(text);
            if (found == s.index.constEnd()) {
                found = s.index.insert(text, std::uint32_t(s.distinct.size()));
                s.distinct.append(text);
            }
            s.texts.push_back(*found);
            break;
        }
        }
    }
    ++m_rows;
}

int CompactTable::columnIndex(const QString &name) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].column.name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

SqlValue CompactTable::value(int row, int column) const
{
    if (column < 0 || column >= int(m_columns.size()) || row < 0 || row >= m_rows)
        return {};
    const Store &s = m_columns[std::size_t(column)];
    switch (s.column.kind) {
    case Kind::Number: {
        const std::int64_t n = s.numbers[std::size_t(row)];
        return n == kNullNumber ? SqlValue() : SqlValue(Decimal(n, s.column.scale));
    }
    case Kind::Date: {
        const std::int32_t d = s.days[std::size_t(row)];
        return d == kNullDay ? SqlValue() : SqlValue(QDate::fromJulianDay(d));
    }
    case Kind::Text: {
        const std::uint32_t t = s.texts[std::size_t(row)];
        return t == kNullText ? SqlValue() : SqlValue(s.distinct.at(qsizetype(t)));
    }
    }
    return {};
}

Decimal CompactTable::decimal(int row, int column) const
{
    const Store &s = m_columns[std::size_t(column)];
    if (s.column.kind != Kind::Number)
        return value(row, column).toDecimal();
    const std::int64_t n = s.numbers[std::size_t(row)];
    return n == kNullNumber ? Decimal() : Decimal(n, s.column.scale);
}

bool CompactTable::textEquals(int row, int column, const QString &text) const
{
    const Store &s = m_columns[std::size_t(column)];
    if (s.column.kind != Kind::Text)
        return value(row, column).toString() == text;
    const std::uint32_t t = s.texts[std::size_t(row)];
    return t == kNullText ? text.isEmpty() : s.distinct.at(qsizetype(t)) == text;
}

#pragma once

#include "core/SqlValue.h"

#include <QHash>
#include <QString>

struct FieldDescription;
struct RecordDescription;
class Row;

// The values of one record as a data window holds them, by column: text as
// typed, exact Decimal for numbers, QDate for dates (null when empty), "S" /
// "N" for yes/no choices.
class RecordValues {
public:
    const SqlValue &value(const QString &column) const;
    void set(const QString &column, const SqlValue &value) { m_values.insert(column.toUpper(), value); }

    QString text(const QString &column) const { return value(column).toString(); }
    Decimal decimal(const QString &column) const { return value(column).toDecimal(); }
    QDate date(const QString &column) const { return value(column).toDate(); }
    bool yes(const QString &column) const { return text(column) == QStringLiteral("S"); }
    void setYes(const QString &column, bool yes) { set(column, yes ? QStringLiteral("S") : QStringLiteral("N")); }

    // A field as the window shows it: money "R$ 1.234,56", percentage
    // "12,50%", numbers "1.234,500", dates "dd/MM/yyyy", yes/no "S"/"N".
    QString shown(const FieldDescription &field) const;
    // What a person typed into a field: numbers are read here (an unreadable
    // text is kept as typed and fails the save), the rest is taken as it is.
    void setTyped(const FieldDescription &field, const QString &typed);

    // Every field at its empty value: blank text, zero at the field's scale,
    // no date, "S".
    void clear(const RecordDescription &description);
    // Every field from a row of the register's table.
    void load(const RecordDescription &description, const Row &row);

private:
    QHash<QString, SqlValue> m_values;
};

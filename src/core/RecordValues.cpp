#include "core/RecordValues.h"

#include "controls/BrFormat.h"
#include "core/RecordDescription.h"
#include "core/ResultSet.h"

#include <stdexcept>

const SqlValue &RecordValues::value(const QString &column) const
{
    static const SqlValue null;
    const auto it = m_values.constFind(column.toUpper());
    return it == m_values.constEnd() ? null : *it;
}

void RecordValues::clear(const RecordDescription &description)
{
    m_values.clear();
    for (const FieldDescription &f : description.fields) {
        if (f.isNumber())
            set(f.column, Decimal(0, f.scale));
        else if (f.kind == FieldDescription::Kind::Date)
            set(f.column, SqlValue::null());
        else if (f.kind == FieldDescription::Kind::YesNo)
            setYes(f.column, true);
        else
            set(f.column, QString());
    }
}

void RecordValues::load(const RecordDescription &description, const Row &row)
{
    for (const FieldDescription &f : description.fields) {
        const SqlValue &v = row.value(f.column);
        if (f.isNumber())
            set(f.column, v.toDecimal().withScale(f.scale));
        else if (f.kind == FieldDescription::Kind::Date)
            set(f.column, v.isNull() ? SqlValue::null() : SqlValue(v.toDate()));
        else if (f.kind == FieldDescription::Kind::YesNo)
            setYes(f.column, v.toString() == QStringLiteral("S"));
        else
            set(f.column, v.toString());
    }
}

QString RecordValues::shown(const FieldDescription &field) const
{
    using Kind = FieldDescription::Kind;
    const SqlValue &v = value(field.column);
    if (v.isNull())
        return field.emptyText;
    // A number that could not be read shows what was typed.
    if (field.isNumber() && std::holds_alternative<QString>(v.storage()))
        return v.toString();
    switch (field.kind) {
    case Kind::Money: return BrFormat::money(v.toDecimal(), field.scale);
    case Kind::Percentage: return BrFormat::percent(v.toDecimal(), field.scale);
    case Kind::Quantity:
    case Kind::Whole: return BrFormat::number(v.toDecimal(), field.scale);
    case Kind::Date: return BrFormat::date(v.toDate());
    default: break;
    }
    return v.toString();
}

void RecordValues::setTyped(const FieldDescription &field, const QString &typed)
{
    if (!field.isNumber()) {
        set(field.column, typed);
        return;
    }
    const auto number = BrFormat::parse(typed);
    try {
        if (number) {
            set(field.column, number->withScale(field.scale));
            return;
        }
    } catch (const std::exception &) {
        // Too large for the field: kept as typed, the save refuses it.
    }
    set(field.column, typed);
}

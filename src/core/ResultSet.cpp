#include "core/ResultSet.h"

#include "core/DbError.h"

Row::Row(const ResultSet &set, int index) : m_set(std::make_shared<ResultSet>(set)), m_index(index) {}

const SqlValue &Row::value(const QString &column) const { return m_set->value(m_index, column); }
const SqlValue &Row::value(int column) const { return m_set->value(m_index, column); }

int ResultSet::columnIndex(const QString &name) const
{
    for (int i = 0; i < d->columns.size(); ++i)
        if (d->columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Row ResultSet::first() const
{
    if (d->rows.empty())
        throw DbError(DbError::Category::Usage, QStringLiteral("A consulta não retornou registros"));
    return Row(*this, 0);
}

const SqlValue &ResultSet::value(int row, int column) const
{
    if (row < 0 || row >= size() || column < 0 || column >= d->columns.size())
        throw DbError(DbError::Category::Usage, QStringLiteral("Registro ou coluna inexistente"));
    return d->rows[size_t(row)][size_t(column)];
}

const SqlValue &ResultSet::value(int row, const QString &column) const
{
    const int c = columnIndex(column);
    if (c < 0)
        throw DbError(DbError::Category::Usage, QStringLiteral("Campo não encontrado: %1").arg(column));
    return value(row, c);
}

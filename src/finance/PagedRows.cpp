#include "finance/PagedRows.h"

void PagedRows::reset(const QString &statement, const Params &params)
{
    m_statement = statement;
    m_params = params;
    m_rows = ResultSet();
    m_more = !m_statement.isEmpty();
    fetchMore();
}

void PagedRows::clear()
{
    m_statement.clear();
    m_params = {};
    m_rows = ResultSet();
    m_more = false;
}

int PagedRows::fetchMore()
{
    if (!m_more)
        return 0;
    Params params = m_params;
    params.set(QStringLiteral("nPrimeiraLinha"), m_rows.size() + 1);
    params.set(QStringLiteral("nUltimaLinha"), m_rows.size() + m_pageSize);
    const ResultSet page =
        m_db.select(m_statement + QStringLiteral("\nRows :nPrimeiraLinha To :nUltimaLinha"), params);
    if (m_rows.isEmpty() && m_rows.columns().isEmpty())
        m_rows = ResultSet(page.columns());
    const int columns = int(page.columns().size());
    for (int r = 0; r < page.size(); ++r) {
        std::vector<SqlValue> values;
        values.reserve(size_t(columns));
        for (int c = 0; c < columns; ++c)
            values.push_back(page.value(r, c));
        m_rows.appendRow(std::move(values));
    }
    m_more = page.size() == m_pageSize;
    return page.size();
}

void PagedRows::fetchAll()
{
    while (m_more)
        fetchMore();
}

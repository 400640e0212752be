#include "core/RecordListLogic.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"

namespace {

// The list statements are the program's own text ("Select * From T [Where
// ...] Order By C"); paging and the search are built around them, with every
// value passed as a parameter.
qsizetype orderByAt(const QString &sql)
{
    return sql.lastIndexOf(QStringLiteral(" Order By "), -1, Qt::CaseInsensitive);
}

QString withoutOrder(const QString &sql)
{
    const qsizetype at = orderByAt(sql);
    return at < 0 ? sql : sql.left(at);
}

// Adds a condition to the statement's own (or a new) Where.
QString restricted(const QString &sql, const QString &condition)
{
    const QString base = withoutOrder(sql);
    const bool hasWhere = base.contains(QStringLiteral(" Where "), Qt::CaseInsensitive);
    return base + (hasWhere ? QStringLiteral(" And ") : QStringLiteral(" Where ")) + condition;
}

// The same statement giving other columns: "Select <columns> From ...".
QString selecting(const QString &sql, const QString &columns)
{
    return QStringLiteral("Select ") + columns + sql.mid(sql.indexOf(QStringLiteral(" From "), 0, Qt::CaseInsensitive));
}

QString paged(const QString &sql)
{
    // "Select * ..." -> "Select First :nFirst Skip :nSkip * ..."
    return QStringLiteral("Select First :nFirst Skip :nSkip") + sql.mid(int(qstrlen("Select")));
}

} // namespace

RecordListLogic::RecordListLogic(AppContext &ctx, ListDescription description)
    : m_ctx(ctx), m_desc(std::move(description))
{
    m_searchLabel = m_desc.searchLabelOnShow;
}

void RecordListLogic::show()
{
    m_anchor.clear();
    m_byCode = false;
    m_filter = 0;
    m_searchLabel = m_desc.searchLabelOnShow;
    if (m_desc.clearSearch != ListDescription::ClearSearch::Never)
        m_searchText.clear();
    read();
    m_current = m_rows.isEmpty() ? -1 : 0;
}

void RecordListLogic::chooseOrder(bool byCode)
{
    m_anchor.clear();
    m_byCode = byCode;
    m_searchLabel = byCode ? m_desc.searchLabelCode : m_desc.searchLabelName;
    if (m_desc.clearSearch == ListDescription::ClearSearch::OnShowAndOrder)
        m_searchText.clear();
    read();
    m_current = m_rows.isEmpty() ? -1 : 0;
}

void RecordListLogic::chooseFilter(int filter)
{
    m_anchor.clear();
    m_filter = filter;
    read();
    m_current = m_rows.isEmpty() ? -1 : 0;
}

void RecordListLogic::reload()
{
    const QString code = currentCode();
    const int had = m_rows.size();
    read();
    fetchUntil(had);
    m_current = m_rows.isEmpty() ? -1 : 0;
    for (int i = 0; !code.isEmpty() && i < m_rows.size(); ++i)
        if (m_rows.value(i, m_desc.codeColumn).toString() == code) {
            m_current = i;
            break;
        }
}

QString RecordListLogic::listStatement() const
{
    const QString sql = m_desc.statement(m_byCode, m_filter);
    if (m_anchor.isEmpty())
        return sql;
    const QString column = m_byCode ? m_desc.codeColumn : m_desc.nameColumn;
    const qsizetype order = orderByAt(sql);
    return restricted(sql, column + QStringLiteral(" >= :cAncora")) + (order < 0 ? QString() : sql.mid(order));
}

ResultSet RecordListLogic::page(int skip, int rows)
{
    return m_ctx.db.select(paged(listStatement()), {{QStringLiteral("nFirst"), rows},
                                                    {QStringLiteral("nSkip"), skip},
                                                    {QStringLiteral("cAncora"), m_anchor}});
}

void RecordListLogic::read()
{
    m_complete = true;
    try {
        m_rows = page(0, kPageRows);
        m_complete = m_rows.size() < kPageRows;
    } catch (const DbError &e) {
        m_rows = ResultSet();
        m_ctx.messages.warning(e.message());
    }
}

int RecordListLogic::fetchMore()
{
    if (m_complete)
        return 0;
    const int before = m_rows.size();
    fetchUntil(before + kPageRows);
    return m_rows.size() - before;
}

void RecordListLogic::fetchUntil(int count)
{
    if (m_complete || m_rows.size() >= count)
        return;
    try {
        const int wanted = count - m_rows.size();
        const ResultSet more = page(m_rows.size(), wanted);
        const int columns = int(more.columns().size());
        for (int r = 0; r < more.size(); ++r) {
            std::vector<SqlValue> values;
            values.reserve(size_t(columns));
            for (int c = 0; c < columns; ++c)
                values.push_back(more.value(r, c));
            m_rows.appendRow(std::move(values));
        }
        m_complete = more.size() < wanted;
    } catch (const DbError &e) {
        m_complete = true;
        m_ctx.messages.warning(e.message());
    }
}


void RecordListLogic::leaveSearch()
{
    if (m_byCode && m_desc.normaliseAt == ListDescription::NormaliseAt::LeavingField)
        m_searchText = m_desc.normaliseCode(m_searchText);
}

bool RecordListLogic::search()
{
    QString prefix = m_searchText;
    if (m_byCode && m_desc.normaliseAt == ListDescription::NormaliseAt::Search) {
        prefix = m_desc.normaliseCode(prefix);
        m_searchText = prefix;
    }
    const QString column = m_byCode ? m_desc.codeColumn : m_desc.nameColumn;
    // The rows are in the column's order: read from the first row, the list
    // holds the first match if it holds any; otherwise the database finds it.
    if (m_anchor.isEmpty()) {
        const int at = findPrefix(m_rows, column, prefix);
        if (at >= 0) {
            m_current = at;
            return true;
        }
        if (m_complete)
            return false;
    }
    if (prefix.isEmpty()) {
        // Every row matches: the list starts at its first row again.
        m_anchor.clear();
        read();
        m_current = m_rows.isEmpty() ? -1 : 0;
        return !m_rows.isEmpty();
    }
    return searchDatabase(column, prefix);
}

bool RecordListLogic::searchDatabase(const QString &column, const QString &prefix)
{
    // STARTING WITH on the ordered column runs on its index; the list then
    // goes on from the first match instead of reading every row before it.
    const QString sql = m_desc.statement(m_byCode, m_filter);
    try {
        const QString match = restricted(sql, column + QStringLiteral(" Starting With :cPrefixo"));
        if (m_ctx.db.select(selecting(match, QStringLiteral("First 1 ") + column), {{QStringLiteral("cPrefixo"), prefix}})
                .isEmpty())
            return false;
    } catch (const DbError &e) {
        m_ctx.messages.warning(e.message());
        return false;
    }
    m_anchor = prefix;
    read();
    m_current = m_rows.isEmpty() ? -1 : 0;
    return !m_rows.isEmpty();
}

void RecordListLogic::setCurrent(int row)
{
    m_current = row >= 0 && row < m_rows.size() ? row : (m_rows.isEmpty() ? -1 : 0);
}

QString RecordListLogic::currentCode() const
{
    if (m_current < 0 || m_current >= m_rows.size())
        return {};
    return m_rows.value(m_current, m_desc.codeColumn).toString();
}

bool RecordListLogic::gate(Button button)
{
    const int i = int(button);
    if (i >= m_desc.gateCodes.size())
        return true;
    return Funcoes::permissionGate(m_ctx, m_desc.gateCodes[i]);
}

int findPrefix(const ResultSet &rows, const QString &column, const QString &prefix)
{
    const int col = rows.columnIndex(column);
    if (col < 0)
        return -1;
    for (int i = 0; i < rows.size(); ++i)
        if (rows.value(i, col).toString().startsWith(prefix, Qt::CaseSensitive))
            return i;
    return -1;
}

#include "core/RecordListLogic.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/Funcoes.h"

RecordListLogic::RecordListLogic(AppContext &ctx, ListDescription description)
    : m_ctx(ctx), m_desc(std::move(description))
{
    m_searchLabel = m_desc.searchLabelOnShow;
}

void RecordListLogic::show()
{
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
    m_byCode = byCode;
    m_searchLabel = byCode ? m_desc.searchLabelCode : m_desc.searchLabelName;
    if (m_desc.clearSearch == ListDescription::ClearSearch::OnShowAndOrder)
        m_searchText.clear();
    read();
    m_current = m_rows.isEmpty() ? -1 : 0;
}

void RecordListLogic::chooseFilter(int filter)
{
    m_filter = filter;
    read();
    m_current = m_rows.isEmpty() ? -1 : 0;
}

void RecordListLogic::reload()
{
    const QString code = currentCode();
    read();
    m_current = m_rows.isEmpty() ? -1 : 0;
    for (int i = 0; !code.isEmpty() && i < m_rows.size(); ++i)
        if (m_rows.value(i, m_desc.codeColumn).toString() == code) {
            m_current = i;
            break;
        }
}

void RecordListLogic::read()
{
    m_rows = m_ctx.db.select(m_desc.statement(m_byCode, m_filter));
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
    const int at = findPrefix(m_rows, m_byCode ? m_desc.codeColumn : m_desc.nameColumn, prefix);
    if (at < 0)
        return false;
    m_current = at;
    return true;
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

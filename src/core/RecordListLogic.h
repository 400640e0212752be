#pragma once

#include "core/ResultSet.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct AppContext;

// One grid column: the table column it shows, its title, and how its value
// is written (plain text when no formatter is given).
struct GridColumn {
    QString column;
    QString title;
    std::function<QString(const SqlValue &)> format;
    bool alignRight = false;
};

// What makes one list (a register list or a lookup) different from another.
struct ListDescription {
    enum class ClearSearch { Never, OnShow, OnShowAndOrder };
    enum class NormaliseAt { Search, LeavingField };

    QString caption;
    QString heading;                 // lookups only
    QString codeOrderLabel = QStringLiteral("Código");
    QString nameOrderLabel;          // "Nome" or "Descrição"
    QStringList filterLabels;        // empty: no filter group
    QString searchGroupTitle;        // empty: "Busca" without a filter group, "Busca:" with one
    QString searchLabelOnShow;
    QString searchLabelCode;
    QString searchLabelName;
    ClearSearch clearSearch = ClearSearch::OnShow;
    NormaliseAt normaliseAt = NormaliseAt::Search;
    // The list statement for an order (true: by code) and a filter index.
    std::function<QString(bool byCode, int filter)> statement;
    // How a typed code is brought to the stored form before a code search.
    std::function<QString(const QString &)> normaliseCode;
    QString codeColumn;
    QString nameColumn;
    std::vector<GridColumn> columns;
    bool striped = true;
    bool titleBarButtons = false;
    // Module codes behind "Novo", "Altera", "Exclui", "Consulta"; empty for lookups.
    QStringList gateCodes;
    QString deleteButtonCaption = QStringLiteral("Exclui");
};

// The list shape shared by the register lists and the lookups: the order
// choice, the optional filter, the case-sensitive prefix search that moves the
// selection, and the rows read a page at a time as the grid scrolls down.
class RecordListLogic {
public:
    enum class Button { Novo, Altera, Exclui, Consulta };
    static constexpr int kPageRows = 100;

    RecordListLogic(AppContext &ctx, ListDescription description);
    virtual ~RecordListLogic() = default;
    RecordListLogic(const RecordListLogic &) = delete;
    RecordListLogic &operator=(const RecordListLogic &) = delete;

    const ListDescription &description() const { return m_desc; }

    // Every showing: ordered by name, first filter, search label and text reset
    // as described, list read again.
    void show();
    void chooseOrder(bool byCode);
    void chooseFilter(int filter);
    // Re-reads the list keeping order and filter; the selection stays on the
    // same code when it is still there, otherwise on the first row.
    void reload();

    bool byCode() const { return m_byCode; }
    int filter() const { return m_filter; }
    QString searchLabel() const { return m_searchLabel; }
    QString searchText() const { return m_searchText; }
    void setSearchText(const QString &text) { m_searchText = text; }
    // Leaving the search field: the code form is applied there when the
    // description says so.
    void leaveSearch();
    // "Busca": moves the selection to the first row whose code or name begins
    // with the search text (case-sensitive). False, and no move, when none does.
    // When that row is past the rows read, the list is read again from it
    // (startsAtSearch() is then true until the next showing, order or filter).
    bool search();
    bool startsAtSearch() const { return !m_anchor.isEmpty(); }

    // The rows read so far; fetchMore() appends the next page to them.
    const ResultSet &rows() const { return m_rows; }
    bool canFetchMore() const { return !m_complete; }
    // Reads the next page; gives the number of rows added (0 at the end).
    int fetchMore();
    int current() const { return m_current; } // -1 on an empty list
    void setCurrent(int row);
    // Code of the selected row; empty on an empty list.
    QString currentCode() const;

    // The module gate of a list button; shows the warning itself.
    bool gate(Button button);

protected:
    AppContext &m_ctx;

private:
    void read();
    // Reads pages until at least `count` rows are there (or the list ends).
    void fetchUntil(int count);
    bool searchDatabase(const QString &column, const QString &prefix);
    // The list statement, from the search's row on when the list starts there.
    QString listStatement() const;
    ResultSet page(int skip, int rows);
    QString m_anchor;
    ListDescription m_desc;
    ResultSet m_rows;
    bool m_complete = true;
    bool m_byCode = false;
    int m_filter = 0;
    int m_current = -1;
    QString m_searchLabel;
    QString m_searchText;
};

// First row whose column begins with `prefix`, compared
// character by character; -1 when none.
int findPrefix(const ResultSet &rows, const QString &column, const QString &prefix);

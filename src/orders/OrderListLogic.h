#pragma once

#include "core/RecordListLogic.h"
#include "core/ResultSet.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <set>
#include <vector>

struct AppContext;
class Params;

// The order list of order management: the orders of a period in one of three
// orderings, restricted to the ticked statuses, with the search that moves the
// selection. In the date ordering a period's order codes are read from its
// first days on, enough for the first screen, and the rest when the grid
// scrolls past them; the rows are read a page at a time as they are shown, so
// a year shows its first screen at once.
class OrderListLogic {
public:
    enum class Ordering { DataHora, Cliente, Situacao };
    enum class SearchKind { NomeCliente, TelefoneCliente, CodigoPedido };
    // The buttons that open order entry, with the mode they set.
    enum class EntryButton { Novo, Altera, Consulta };

    static constexpr int kPageSize = 50;
    // At least this many codes (whole days of them) are read when a period is
    // chosen; the rest when the grid scrolls past them.
    static constexpr int kFirstRead = 500;
    // Every status, in the order of the check boxes: "Abertos", "Cancelados",
    // "Em Andamento", "Saiu para Entrega", "Fechados".
    static const QStringList &allStatuses();
    static const std::vector<GridColumn> &gridColumns();

    explicit OrderListLogic(AppContext &ctx);
    OrderListLogic(const OrderListLogic &) = delete;
    OrderListLogic &operator=(const OrderListLogic &) = delete;

    // Every showing: the period is today, the ordering date and time, the
    // statuses those given, and the list is read.
    void show(const QStringList &statuses);
    // "Filtrar" of the dates: the period is read in the ordering last chosen.
    void setPeriod(const QDate &inicial, const QDate &final);
    void chooseOrdering(Ordering ordering);
    // "Filtrar" of the statuses; an empty list shows no order.
    void setStatuses(const QStringList &statuses);

    // Re-reads with the current period, ordering and statuses, keeping `code`
    // selected when it is still listed (otherwise the first row).
    void reloadKeeping(const QString &code);
    void reload() { reloadKeeping(currentCode()); }

    // "Busca". By name or telephone: the first listed order whose customer's
    // name or telephone begins with `text` (case-sensitive). By order code:
    // `text` is trimmed and filled with "0" to 8 characters (written back), and
    // the order with that code is found whatever its date or status; one not
    // in the list is then shown alone. False, and no move, when nothing matches.
    bool search(SearchKind kind, QString &text);

    QDate dataInicial() const { return m_inicial; }
    QDate dataFinal() const { return m_final; }
    Ordering ordering() const { return m_ordering; }
    const QStringList &statuses() const { return m_statuses; }
    // Set when a code search shows an order outside the list.
    QString shownAlone() const { return m_alone; }

    int size() const { return int(m_codes.size()); }
    // False while a long period has codes still to read.
    bool complete() const { return m_complete; }
    // Reads the remaining codes of a long period; false when there were none.
    bool fetchRest();
    int current() const { return m_current; } // -1 on an empty list
    void setCurrent(int row);
    QString codeAt(int row) const;
    QString currentCode() const { return codeAt(m_current); }
    // A column of a listed row ("PED_TOTAL", "CLI_NOME", "PED_VALORENTREGA"...),
    // reading its page when needed. Null for an unknown row.
    SqlValue value(int row, const QString &column);
    // Pages of rows read so far (a long period reads only what is shown).
    int pagesRead() const { return int(m_pagesRead.size()); }

    QString orderingClause() const;
    // Called each time the list was read again (the grid resets its rows).
    void setOnReread(std::function<void()> onReread) { m_onReread = std::move(onReread); }

    // The gate of the button and, for "Altera", the check that the selected
    // order is open as the database holds it now. True when order entry may
    // open; "Altera" and "Consulta" need a selected order.
    bool mayOpenEntry(EntryButton button);
    static QString entryMode(EntryButton button);

private:
    void reread(const QString &keep);
    void readCodes();
    void appendCodes(const QDate &from, const QDate &to);
    void readPage(int page);
    // Keeps the rows read (by code); `asList` also makes them the list, in their order.
    void keep(const ResultSet &rows, bool asList);
    int indexOf(const QString &code);
    QString statusCondition(Params &params) const;

    AppContext &m_ctx;
    QDate m_inicial;
    QDate m_final;
    Ordering m_ordering = Ordering::DataHora;
    QStringList m_statuses;
    QString m_alone;
    std::vector<QString> m_codes;
    QHash<QString, int> m_index; // built on the first search
    QHash<QString, Row> m_rows; // rows read so far, by order code
    std::set<int> m_pagesRead;
    int m_current = -1;
    bool m_complete = true;
    QDate m_restFrom; // first date not read yet of a long period
    std::function<void()> m_onReread;
};

#pragma once

#include "core/RecordListLogic.h"
#include "core/RecordMode.h"
#include "core/ResultSet.h"

#include <QString>
#include <vector>

struct AppContext;

// The user list: three orders (code, name, login), the case-sensitive prefix
// search on the ordered column, and the empty-list messages of its buttons.
// The password is never read into it.
class UserListLogic {
public:
    enum class Order { Codigo, Nome, Login };

    explicit UserListLogic(AppContext &ctx) : m_ctx(ctx) {}

    static const std::vector<GridColumn> &columns();

    // Every showing: ordered by name and read again.
    void show();
    void chooseOrder(Order order);
    Order order() const { return m_order; }
    QString searchLabel() const;
    // "Busca": with the code order the text is filled with "0" to 6 first.
    // Gives the text to show; the selection moves to the first row whose
    // ordered column begins with it, and stays when none does.
    QString busca(const QString &text);
    // Re-reads the rows keeping the order and, where it still is, the selected user.
    void reload();

    const ResultSet &rows() const { return m_rows; }
    int current() const { return m_current; }
    void setCurrent(int row) { m_current = row >= 0 && row < m_rows.size() ? row : (m_rows.isEmpty() ? -1 : 0); }
    QString currentCode() const;
    // "Alterar", "Excluir", "Consulta" on an empty list: the information, false.
    bool mayOpen(Modo modo);

private:
    QString column() const;
    void read();

    AppContext &m_ctx;
    Order m_order = Order::Nome;
    ResultSet m_rows;
    int m_current = -1;
};

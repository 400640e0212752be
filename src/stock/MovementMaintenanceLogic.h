#pragma once

#include "finance/PagedRows.h"

#include <QDate>
#include <QString>
#include <cstdint>

struct AppContext;

// The movement maintenance window's logic ("Manutenção de Movimentação de
// Estoque"): the period and product filter, the grid's rows (read as the grid
// scrolls), "Somente Excluir" and "Excluir e Reverter".
class MovementMaintenanceLogic {
public:
    enum class Outcome { Done, Refused, Failed };

    explicit MovementMaintenanceLogic(AppContext &ctx);
    MovementMaintenanceLogic(const MovementMaintenanceLogic &) = delete;
    MovementMaintenanceLogic &operator=(const MovementMaintenanceLogic &) = delete;

    QDate dataInicial, dataFinal;
    QString code, description;

    // Showing: both dates today, no product, today's movements.
    void show();
    // Entering the code field clears the description.
    void enterCode() { description.clear(); }
    // Leaving it: pads the code and shows the description. False when there is
    // no such product (code and description cleared, focus back on the code).
    bool leaveCode();
    // "Filtrar": the period, and the product when a code is given.
    void filtrar();

    PagedRows &rows() { return m_rows; }
    const PagedRows &rows() const { return m_rows; }

    // The buttons, on a row of the grid (an index past the rows does nothing).
    // Both refuse a movement booked by an order item and ask first.
    Outcome somenteExcluir(int row);
    Outcome excluirEReverter(int row);

private:
    struct Target {
        std::int64_t codInt = 0;
        bool valid = false;
    };
    Target target(int row) const;
    bool refuseOrderItem(std::int64_t codInt);
    Outcome remove(std::int64_t codInt, bool revert);
    void reloadRows();
    bool stillThere(std::int64_t codInt);

    AppContext &m_ctx;
    PagedRows m_rows;
};

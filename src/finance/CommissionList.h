#pragma once

#include "core/Decimal.h"
#include "finance/PagedRows.h"

#include <QDate>
#include <QString>

struct AppContext;

// The commission window's logic ("Manutenção de Comissão de Entregadores"):
// the period and delivery-person filter, the status boxes, the rows (read as
// the grid scrolls), the three totals and "Pagar" / "Cancelar".
class CommissionList {
public:
    enum class Outcome { Done, Refused, Failed };

    explicit CommissionList(AppContext &ctx);
    CommissionList(const CommissionList &) = delete;
    CommissionList &operator=(const CommissionList &) = delete;

    // The filter as the window shows it.
    QDate dataInicial, dataFinal;
    QString codEnt, nomeEnt;
    // "A Pagar", "Pagas", "Canceladas"; kept between showings.
    bool aPagar = true, pagas = true, canceladas = true;

    // Showing: dates today, no delivery person, the list and its totals.
    void show();
    // "Filtrar": the period and delivery person of the fields.
    void filtrar();
    // A status box was clicked: the last period and delivery person again,
    // with the boxes as they are now.
    void statusChanged();
    // Leaving the delivery-person field: the code gets its zeros and the name
    // is shown. False when there is no such person (code and name cleared).
    bool leaveCode();

    PagedRows &rows() { return m_rows; }
    const PagedRows &rows() const { return m_rows; }

    // Sums of the rows shown, by status.
    Decimal totalAPagar() const { return m_totals[0]; }
    Decimal totalPago() const { return m_totals[1]; }
    Decimal totalCancelado() const { return m_totals[2]; }
    QString totalAPagarText() const;
    QString totalPagoText() const;
    QString totalCanceladoText() const;

    // The buttons, on a row of the grid (an index past the rows does nothing).
    // Each changes the commission only from "A", as the database holds it.
    Outcome pagar(int row);
    Outcome cancelar(int row);

private:
    struct Change;
    Outcome change(int row, const Change &c);
    void query();
    void refuseFor(const QString &situ, const Change &c);

    AppContext &m_ctx;
    PagedRows m_rows;
    // The period and delivery person of the last query.
    QDate m_queryInicial, m_queryFinal;
    QString m_queryCodEnt;
    Decimal m_totals[3] = {Decimal(0, 2), Decimal(0, 2), Decimal(0, 2)};
};

#pragma once

#include "core/Decimal.h"
#include "finance/PagedRows.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

struct AppContext;

// The cash-flow list's logic ("Manutenção de Fluxo de Caixa"): the entries of
// a period (read as the grid scrolls) and the balance of the period, or of
// everything up to its final date.
class CashFlow {
public:
    explicit CashFlow(AppContext &ctx);
    CashFlow(const CashFlow &) = delete;
    CashFlow &operator=(const CashFlow &) = delete;

    // The pickers; the balance always reads them.
    QDate dataInicial, dataFinal;
    // "Calcular o Saldo com Saldo Anterior"; kept between showings.
    bool saldoAnterior = false;

    // Showing: today's entries, both dates today, the balance.
    void show();
    // "Filtrar": the entries of the period, then the balance.
    void filtrar();
    // Re-reads the rows with their last statement (after a save in the entry window).
    void reload();

    // Credits minus debits of the period (or up to the final date), computed
    // by the database in one pass; shown as "R$ 0,00".
    void computeBalance();
    Decimal saldo() const { return m_saldo; }
    QString saldoText() const;
    // The same figure, computed without touching the logic's state.
    static Decimal balance(AppContext &ctx, const QDate &from, const QDate &to, bool fromTheStart);

    PagedRows &rows() { return m_rows; }
    const PagedRows &rows() const { return m_rows; }
    // The internal code of a row; nullopt past the rows.
    std::optional<std::int64_t> codeAt(int row) const;

private:
    void read(const QString &sql, const Params &params);

    AppContext &m_ctx;
    PagedRows m_rows;
    Decimal m_saldo = Decimal(0, 2);
};

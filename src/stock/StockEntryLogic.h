#pragma once

#include "stock/StockFocus.h"

#include <QDate>
#include <QString>

struct AppContext;

// The stock entry window's logic ("Entrada de Estoque"): loading the product,
// the cost, margin and sale-price arithmetic, and "Gravar", which books in one
// transaction the "EE" movement, the stock rise, the product's new prices and
// limits, the cash debit and the audit line.
class StockEntryLogic {
public:
    using Focus = StockFocus;

    explicit StockEntryLogic(AppContext &ctx);
    StockEntryLogic(const StockEntryLogic &) = delete;
    StockEntryLogic &operator=(const StockEntryLogic &) = delete;

    // Texts of the fields, as the window shows them.
    QString code, description, unit, currentStock, quantity, document, cost, margin, price, minimum, maximum, notes;
    QDate date;

    // Defaults ("Limpa", and every showing).
    void clear();
    // Leaving the code field: loads the product. False when it was refused
    // (unknown, or made on the spot): the code is cleared and the focus goes back.
    bool leaveCode();
    // Leaving the cost or the sale price: the margin follows (the sale price is kept).
    void leaveCost();
    void leavePrice();
    // Leaving the margin: the sale price follows.
    void leaveMargin();

    // "Gravar". True when the entry was committed (the fields are then cleared);
    // otherwise where the window puts the focus.
    bool save();
    Focus focusAfterSave() const { return m_focus; }
    // The code of the product loaded, as stored; empty when none.
    QString loadedCode() const { return m_loaded; }

private:
    void recomputeMargin();

    AppContext &m_ctx;
    QString m_loaded;
    Focus m_focus = Focus::None;
};

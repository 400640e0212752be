#pragma once

#include "stock/StockFocus.h"

#include <QDate>
#include <QString>

struct AppContext;

// The stock exit window's logic ("Saída do Estoque"): loading the product and
// "Gravar", which books in one transaction the "SS" movement, the stock drop
// (for a product that keeps stock), the cash credit and the audit line.
class StockExitLogic {
public:
    using Focus = StockFocus;

    explicit StockExitLogic(AppContext &ctx);
    StockExitLogic(const StockExitLogic &) = delete;
    StockExitLogic &operator=(const StockExitLogic &) = delete;

    // Texts of the fields, as the window shows them. Description and unit are
    // never saved; the current stock is only shown (the check reads the database).
    QString code, description, unit, currentStock, quantity, price, document;
    QDate date;

    // Defaults ("Limpa", and every showing).
    void clear();
    // Leaving the code field: loads the product, also one made on the spot.
    // False when there is none: the code is cleared and the focus goes back.
    bool leaveCode();

    // "Gravar". True when the exit was committed (the fields are then
    // cleared); otherwise focusAfterSave() says where the focus goes.
    bool save();
    Focus focusAfterSave() const { return m_focus; }
    QString loadedCode() const { return m_loaded; }

private:
    AppContext &m_ctx;
    QString m_loaded;
    Focus m_focus = Focus::None;
};

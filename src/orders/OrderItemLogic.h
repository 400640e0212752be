#pragma once

#include "core/Decimal.h"

#include <QString>

class OrderEntryLogic;

// Item entry's logic: the product checked by its code, the item total, and
// "Gravar", which writes the item, its "SS" movement under the same internal
// code and the stock change of a stocked product in one transaction.
class OrderItemLogic {
public:
    static constexpr int kProductCodeWidth = 10;
    static constexpr int kNoteWidth = 80;

    explicit OrderItemLogic(OrderEntryLogic &order);
    OrderItemLogic(const OrderItemLogic &) = delete;
    OrderItemLogic &operator=(const OrderItemLogic &) = delete;

    // "Limpar" (also done at showing and after every saved item).
    void clear();

    // Trimmed and filled with spaces on the left to 10 characters.
    static QString normaliseCode(const QString &typed);

    QString code() const { return m_code; }
    QString description() const { return m_description; }
    Decimal quantity() const { return m_quantity; }
    Decimal price() const { return m_price; }
    Decimal itemTotal() const;

    // Leaving the code: an active product fills description and price (true);
    // otherwise the error, the code cleared (false). An empty code does nothing (true).
    bool leaveCode(const QString &typed);
    // Leaving the quantity / unit price: false (after the error) when the text is not a figure.
    bool leaveQuantity(const QString &typed);
    bool leavePrice(const QString &typed);

    enum class Field { None, Code, Quantity, Price, Note };
    struct SaveResult {
        bool saved = false;
        Field focus = Field::None; // where the window puts the focus after a refusal
    };
    // "Gravar" with the fields as typed.
    SaveResult save(const QString &codeText, const QString &quantityText, const QString &priceText, const QString &note);

private:
    OrderEntryLogic &m_order;
    QString m_code;
    QString m_description;
    Decimal m_quantity;
    Decimal m_price;
};

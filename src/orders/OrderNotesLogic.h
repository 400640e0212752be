#pragma once

#include <QString>

class OrderEntryLogic;

// The notes of the order open in order entry (PED_OBS), saved at once.
class OrderNotesLogic {
public:
    static constexpr int kWidth = 300;

    explicit OrderNotesLogic(OrderEntryLogic &order) : m_order(order) {}

    bool editable() const;
    // The stored notes (empty when none).
    QString load();
    // "Gravar": true when the one order row took the text (the window closes).
    bool save(const QString &text);

private:
    OrderEntryLogic &m_order;
};

#pragma once

#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <cstdint>

class Transaction;

// The delivery-person commission ledger `CCE`. Closing an order books its
// commission here, inside the closing transaction.
class CommissionLedger {
public:
    static inline const QString kOperacaoPedido = QStringLiteral("P");
    static inline const QString kAPagar = QStringLiteral("A");
    static inline const QString kPaga = QStringLiteral("P");
    static inline const QString kCancelada = QStringLiteral("C");

    struct Entry {
        QString codEnt;
        QDate data;    // the closing date of the order
        Decimal valor; // rounded to 2 decimals when booked
        QString doc;   // the order code
    };

    // Delivery total × rate ÷ 100, rounded half away from zero to 2 decimals.
    static Decimal commissionOf(const Decimal &deliveryTotal, const Decimal &ratePercent);

    // Allocates CCE_CODINT (1 on an empty table) and inserts the entry as an
    // order commission to be paid; gives the code. Raises DbError on failure.
    static std::int64_t book(Transaction &tx, const Entry &entry);
};

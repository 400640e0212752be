#pragma once

#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <cstdint>

class Transaction;

// The cash-flow ledger `Caixa`: every writer books its entry through here,
// inside its own transaction, so the entry is committed or rolled back with
// the change that caused it.
class CashLedger {
public:
    static inline const QString kCredito = QStringLiteral("C");
    static inline const QString kDebito = QStringLiteral("D");

    struct Entry {
        QDate data;
        QString dc;    // kCredito or kDebito
        QString desc;  // up to 40 characters
        Decimal valor; // rounded to 2 decimals when booked
        QString doc;   // up to 10 characters
    };

    // Allocates CAI_CODINT (1 on an empty table) and inserts the entry; gives
    // the code. Raises DbError on failure.
    static std::int64_t book(Transaction &tx, const Entry &entry);
    static std::int64_t credit(Transaction &tx, const QDate &data, const QString &desc, const Decimal &valor,
                               const QString &doc)
    {
        return book(tx, {data, kCredito, desc, valor, doc});
    }
    static std::int64_t debit(Transaction &tx, const QDate &data, const QString &desc, const Decimal &valor,
                              const QString &doc)
    {
        return book(tx, {data, kDebito, desc, valor, doc});
    }
};

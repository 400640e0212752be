#pragma once

#include "core/Decimal.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QString>

// A fresh database holding one order ("00000042") of a customer with a
// delivery person, and helpers to add items and change the order; the session
// has the company's name and telephone and the clock a fixed moment.
class TicketFixture : public DatabaseTest {
protected:
    void SetUp() override;

    static Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text), u'.'); }
    void addItem(const QString &code, const QString &description, const char *quant, const char *valor,
                 const QString &obs = {});
    void addItems(int count);
    void set(const QString &assignments, const Params &params = {});
    void setCustomer(const QString &assignments, const Params &params = {});

    static QByteArray readAll(const QString &path);
    // The golden file tests/orders/golden/<name>; written instead of compared
    // when VELMORA_UPDATE_GOLDEN is set.
    static QString goldenPath(const QString &name);
    void expectGolden(const QString &name, const QByteArray &actual);

    int m_sequence = 0;
};

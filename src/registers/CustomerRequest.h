#pragma once

#include "core/RecordMode.h"

#include <QString>
#include <optional>

// The order-entry field a customer added from order entry fills: its
// telephone ("Fone") or its customer code ("CodCli").
enum class OrderField { Telephone, Code };

// How the customer data window is opened. The list opens it on its selected
// row; order entry uses the three named openings.
struct CustomerRequest {
    Modo modo = Modo::Consulta;
    Caller caller = Caller::List;
    OrderField field = OrderField::Telephone; // adding from order entry only
    QString code;           // the customer shown in change, delete and view
    QString orderTelephone; // order entry's telephone text: it becomes telephone 1

    static CustomerRequest fromList(Modo modo, const QString &code) { return {modo, Caller::List, {}, code, {}}; }
    // F7, or an unknown telephone / code answered Yes.
    static CustomerRequest addFromOrder(OrderField field, const QString &orderTelephone)
    {
        return {Modo::Inclui, Caller::OrderEntry, field, {}, orderTelephone};
    }
    // F8.
    static CustomerRequest changeFromOrder(const QString &code, const QString &orderTelephone)
    {
        return {Modo::Altera, Caller::OrderEntry, {}, code, orderTelephone};
    }
    // F9.
    static CustomerRequest viewFromOrder(const QString &code, const QString &orderTelephone)
    {
        return {Modo::Consulta, Caller::OrderEntry, {}, code, orderTelephone};
    }
};

// What order entry gets back after a customer was added from it: the value
// for the field it was asked from.
struct CustomerHandBack {
    using Target = OrderField;
    Target target;
    QString value;
    bool operator==(const CustomerHandBack &) const = default;
};

// How an opening of the customer data window ended.
struct CustomerDataOutcome {
    bool saved = false; // a row was added, changed or deleted
    std::optional<CustomerHandBack> handBack;
};

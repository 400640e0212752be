#pragma once

#include "core/Decimal.h"

#include <QString>
#include <optional>

// The arithmetic of an order, one rounding rule everywhere: every product is
// exact and then rounded half away from zero to the 2 decimals of the money
// columns; delivery quantities keep the 2 decimals of PED_QENT.
namespace OrderFigures {

inline constexpr int kMoneyScale = 2;
inline constexpr int kQuantityScale = 3;
inline constexpr int kDeliveryQuantityScale = 2;

inline Decimal money(const Decimal &v) { return v.withScale(kMoneyScale); }
// quantity × unit price of one item; also the value of its stock movement.
inline Decimal lineTotal(const Decimal &quantity, const Decimal &price) { return money(quantity * price); }
// fee × delivery quantity.
inline Decimal deliveryTotal(const Decimal &quantity, const Decimal &fee) { return money(quantity * fee); }
// items + delivery − discount.
inline Decimal orderTotal(const Decimal &items, const Decimal &delivery, const Decimal &discount)
{
    return money(items + delivery - discount);
}

// A figure typed by a person: digits, one "," (or "." groups of thousands), an
// optional leading "-", "R$" and spaces. Letters or any other character give
// nullopt, so "12a" is refused instead of being read as 12.
std::optional<Decimal> readTyped(const QString &text);

} // namespace OrderFigures

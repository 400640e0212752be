#pragma once

#include <QString>

// The mode order entry is opened in, which the delivery window reads too:
// order management opens the delivery window alone in "Saiu" and "Fechado".
enum class OrderMode { Inclui, Altera, Consulta, Saiu, Fechado };

namespace OrderModeText {

inline QString toText(OrderMode m)
{
    switch (m) {
    case OrderMode::Inclui: return QStringLiteral("Inclui");
    case OrderMode::Altera: return QStringLiteral("Altera");
    case OrderMode::Consulta: return QStringLiteral("Consulta");
    case OrderMode::Saiu: return QStringLiteral("Saiu");
    case OrderMode::Fechado: return QStringLiteral("Fechado");
    }
    return QStringLiteral("Consulta");
}

// Unknown texts are taken as view, the mode that writes nothing.
inline OrderMode fromText(const QString &t)
{
    for (OrderMode m : {OrderMode::Inclui, OrderMode::Altera, OrderMode::Saiu, OrderMode::Fechado})
        if (t == toText(m))
            return m;
    return OrderMode::Consulta;
}

inline bool writesItems(OrderMode m) { return m == OrderMode::Inclui || m == OrderMode::Altera; }

} // namespace OrderModeText

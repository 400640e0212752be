#include "orders/OrderFigures.h"

#include "controls/BrFormat.h"

namespace OrderFigures {

std::optional<Decimal> readTyped(const QString &text)
{
    QString t = text.trimmed();
    t.remove(QStringLiteral("R$"));
    t.remove(u' ');
    t.remove(QChar(0x00A0));
    if (t.isEmpty())
        return std::nullopt;
    for (const QChar c : t)
        if (!c.isDigit() && c != u',' && c != u'.' && c != u'-')
            return std::nullopt;
    for (const QChar c : t)
        if (c.isDigit() && (c < u'0' || c > u'9'))
            return std::nullopt;
    return BrFormat::parse(t);
}

} // namespace OrderFigures

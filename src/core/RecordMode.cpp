#include "core/RecordMode.h"

namespace RecordMode {

Modo fromText(const QString &text)
{
    if (text == QStringLiteral("Inclui"))
        return Modo::Inclui;
    if (text == QStringLiteral("Altera") || text == QStringLiteral("Altera_Fora"))
        return Modo::Altera;
    if (text == QStringLiteral("Exclui"))
        return Modo::Exclui;
    return Modo::Consulta;
}

QString toText(Modo mode)
{
    switch (mode) {
    case Modo::Inclui: return QStringLiteral("Inclui");
    case Modo::Altera: return QStringLiteral("Altera");
    case Modo::Exclui: return QStringLiteral("Exclui");
    case Modo::Consulta: break;
    }
    return QStringLiteral("Consulta");
}

} // namespace RecordMode

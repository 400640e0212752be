#include "registers/TextField.h"

#include "core/Win1252.h"

std::optional<QString> unencodableMessage(const std::vector<QString> &texts)
{
    for (const QString &text : texts) {
        const auto at = Win1252::firstUnencodable(text);
        if (!at)
            continue;
        // A character outside the basic plane is two UTF-16 units; name it whole.
        qsizetype length = 1;
        if (text[*at].isHighSurrogate() && *at + 1 < text.size())
            length = 2;
        return QStringLiteral("O caractere \"%1\" não pode ser gravado. Remova-o e tente novamente.")
            .arg(text.mid(*at, length));
    }
    return std::nullopt;
}

#pragma once

#include <QString>

// The mode a data window opens in (`Modo`). Order entry also sends
// "Altera_Fora" and "Consulta_Fora", which the window treats as change and view.
enum class Modo { Inclui, Altera, Exclui, Consulta };

// Who opened a data window (`Origem`): its register list ("Clientes") or
// order entry ("Pedidos").
enum class Caller { List, OrderEntry };

namespace RecordMode {

// "Inclui", "Altera", "Exclui", "Consulta", plus the two order-entry forms.
// Anything else is taken as view, the mode that cannot write.
Modo fromText(const QString &text);
QString toText(Modo mode);
inline bool fromOrderEntry(const QString &text)
{
    return text == QStringLiteral("Altera_Fora") || text == QStringLiteral("Consulta_Fora");
}

} // namespace RecordMode

// How a data window looks in one mode: what its title says, which buttons
// show and what they read, whether the fields can be edited and where the
// focus goes.
struct ModeSetup {
    enum class Focus { Code, Name, SaveButton, DeleteButton, CloseButton };

    QString title;
    bool saveVisible = false;
    QString saveCaption;
    bool clearVisible = false;
    bool deleteVisible = false;
    bool codeReadOnly = false;
    bool fieldsReadOnly = false; // text fields read-only, choices and dates disabled
    Focus focus = Focus::CloseButton;
};

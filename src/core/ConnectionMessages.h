#pragma once

#include <QString>

// The error boxes shown when the database cannot be reached: a fixed text,
// the support contact and the database library's own error text.
namespace ConnectionMessages {

inline const QString kSupportContact = QStringLiteral(
    "Caso não consiga resolver entre em Contato Através do Email suporte@velmora.com.br ou pelo Telefone (19) 3025-4100");

// The marker file "single" is present but the database beside the program
// could not be opened.
QString localFailure(const QString &errorText);
// The folder of Config.INI (or typed in the setup window) does not lead to a
// database.
QString locationFailure(const QString &errorText);
// Start-up could not go on; the same text as the location failure.
QString startupFailure(const QString &errorText);
// The connection went away while the program ran (the server stopped, the
// network fell, the attachment was shut down).
QString lostConnection(const QString &errorText);

} // namespace ConnectionMessages

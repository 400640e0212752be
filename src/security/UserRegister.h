#pragma once

#include "core/RecordDescription.h"

// The user register's data side: fields, code policy, statements, modes and
// audit prefixes. The password is read only for "Altera" (see UserLogic).
namespace UserRegister {

// The repetition of the password: a field of the window, never a column.
inline const QString kSenha2 = QStringLiteral("USU_SENHA2");

const RecordDescription &data();

} // namespace UserRegister

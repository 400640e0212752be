#pragma once

#include <QString>

// Moves files on this machine, giving the system's reason on failure.
namespace FileSwap {

// Renames `from` to `to`, replacing `to` in one step when it exists. Empty
// text on success, otherwise the reason.
QString replace(const QString &from, const QString &to);
// Removes the file when it exists; empty text on success.
QString remove(const QString &file);

} // namespace FileSwap

#pragma once

#include <QString>

// The program's files in the working directory, whose names are matched
// without regard to case ("Config.INI", "config.ini", ...), as on the
// file systems the program was first installed on.
namespace WorkingFiles {

inline const QString kConfig = QStringLiteral("Config.ini"); // the name it is written under
inline const QString kMarker = QStringLiteral("single");
inline const QString kDatabase = QStringLiteral("vd.fdb");
inline const QString kPrinter = QStringLiteral("vd.ini");

// Full path of the file in `dir` whose name equals `name` ignoring case;
// empty when there is none. An exact match is preferred.
QString find(const QString &dir, const QString &name);
bool exists(const QString &dir, const QString &name);
// Removes every file in `dir` named `name` ignoring case; false when one of
// them could not be removed.
bool removeAll(const QString &dir, const QString &name);

} // namespace WorkingFiles

#pragma once

#include <QString>

// Makes a new, empty database file with every table, index and one-row table
// of the program. Never overwrites: an existing file is an error.
namespace NewDatabase {

enum class Content { Empty, WithDemoData };

// Throws DbError with a clear message (file exists, folder missing, no permission,
// or Firebird's own text).
void create(const QString &file, Content content = Content::Empty);

} // namespace NewDatabase

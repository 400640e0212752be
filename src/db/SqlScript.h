#pragma once

#include <QString>
#include <QStringList>

class Database;

// A script of statements, each ending with ";" at the end of a line;
// "--" lines are comments.
namespace SqlScript {

QStringList split(const QString &script);
// Runs each statement of a script (a Qt resource path such as ":/db/schema.sql")
// on its own, committing each.
void run(Database &db, const QString &resourcePath);

} // namespace SqlScript

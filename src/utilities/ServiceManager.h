#pragma once

#include <QString>
#include <functional>

// One backup or restore run by a Firebird service manager, followed to its
// end. The calls return only when the server has finished the work; a failure
// at any point (attach, start, or while the server works) throws DbError with
// the server's own text. Each line of the server's verbose output is handed
// to `progress`, and an empty line about once a second while it is silent,
// so a window can keep painting.
namespace ServiceManager {

using Progress = std::function<void(const QString &line)>;

struct Target {
    QString service;        // "service_mgr" or "host:service_mgr"
    bool embedded = false;  // in-process engine only
};

void backup(const Target &target, const QString &databaseFile, const QString &backupFile, const Progress &progress);

enum class Existing { Keep, Replace };

// Creates `databaseFile` from the backup. With Existing::Keep an existing
// file makes the restore fail and stays as it was.
void restore(const Target &target, const QString &backupFile, const QString &databaseFile, const Progress &progress,
             Existing existing = Existing::Keep);

// Removes a database through its engine (the way to remove a file on a
// server); `connection` as the SQL layer opens it.
void dropDatabase(const QString &connection, bool embedded);

} // namespace ServiceManager

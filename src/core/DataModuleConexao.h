#pragma once

#include "core/Database.h"

#include <QString>

// The shared connection's data module: knows the two ways of finding vd.fdb
// and opens the one connection the whole program uses.
//
//   local installation   the marker file "single" lies in the working
//                        directory: <working dir>/vd.fdb, in-process engine;
//   configured location  PATH of section PASTA of Config.INI: PATH + "/vd.fdb",
//                        passed unchanged to the client library, so that
//                        "host:folder" reaches the Firebird server at host.
//
// Every attempt closes the connection first. A failure throws DbError with
// the database library's text.
class DataModuleConexao {
public:
    enum class Mode { None, Local, Configured };

    DataModuleConexao(Database &db, QString workDir);

    QString workDir() const { return m_workDir; }
    bool hasMarker() const;
    bool hasConfig() const;
    // PATH of section PASTA of Config.INI; empty when the file or key is missing.
    QString configuredFolder() const;
    // Writes PATH (creating Config.ini when needed; other keys stay).
    void writeConfiguredFolder(const QString &folder) const;
    // Removes Config.INI whatever the case of its name; false when it stays.
    bool removeConfig() const;

    static QString databasePath(const QString &folder);

    void connectLocal();
    void connectConfigured(const QString &folder);
    // Repeats the last attempt with the same mode and path.
    void connectAgain();

    Mode lastMode() const { return m_lastMode; }
    QString lastPath() const { return m_lastPath; }
    Database &database() const { return m_db; }

private:
    void attempt(Mode mode, const QString &path, Database::Engine engine);

    Database &m_db;
    QString m_workDir;
    Mode m_lastMode = Mode::None;
    QString m_lastPath;
};

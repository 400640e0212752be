#pragma once

#include <QString>

class DataModuleConexao;

// Where the program's vd.fdb lies, by the same rules start-up connects with:
// the marker file "single" in the working directory wins (the working
// directory's vd.fdb on the in-process engine); otherwise PATH of Config.INI,
// which may name a folder on a database server as "host:folder".
//
// The service manager that backs the database up or restores it is the one
// of the machine holding the file: the server's for "host:folder", the
// in-process engine's otherwise. Paths handed to it are the ones that machine
// sees.
struct DatabaseLocation {
    QString host;          // empty: this machine
    QString folder;        // as seen by the machine holding the database
    bool embedded = false; // local installation: in-process engine only

    static DatabaseLocation find(const DataModuleConexao &rules);
    // Splits a Config.INI folder into host and folder ("C:\..." stays local).
    static DatabaseLocation fromConfiguredFolder(const QString &configured);

    bool onServer() const { return !host.isEmpty(); }
    // The program can move and remove files beside the database itself: they
    // are on this machine (a local folder, or a server addressed by loopback).
    bool filesReachable() const;

    // Full name of vd.fdb for the service manager.
    QString databaseFile() const;
    // A file beside the database, as the service manager names it.
    QString fileInFolder(const QString &name) const;
    // What the SQL layer opens for a file on that machine ("host:file" on a server).
    QString connectionString(const QString &file) const;
    QString serviceManager() const;
};

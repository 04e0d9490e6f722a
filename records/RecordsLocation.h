#pragma once

#include <QString>
#include <QUrl>

// Where records live: a records file (SQLite, this computer's or a shared folder's) or
// a PostgreSQL server given as a libpq connection URI.
struct RecordsLocation {
    enum class Kind { File, Server };
    Kind kind = Kind::File;
    QString file;  // the records file
    QUrl server;   // postgresql://user@host:5432/dbname?sslmode=require

    // A text starting with postgres:// or postgresql:// names a server; any other a file.
    static RecordsLocation FromText(const QString& fileOrUri);
    static RecordsLocation File(const QString& path);
    bool isServer() const { return kind == Kind::Server; }
    // For the user: the file in the platform's separators, or the server's URI without
    // any password and with only the connection keywords it accepts.
    QString shown() const;
    // Why the server's address cannot be used, in words for the user; empty when it can (and
    // for a file). It may hold no password and no connection keyword but the known ones.
    QString problem() const;
    // The address's connection keywords for the driver, each value quoted as one value.
    QString connectOptions() const;
    // For settings: as shown; a password is never kept.
    QString text() const { return shown(); }
};

// The environment variable that names the location for every user of a computer; it
// overrides the choice saved in the settings.
inline constexpr const char* RecordsLocationVariable = "BRACKMERE_RECORDS";

// Where records live in this run: the environment variable when set, else the location
// chosen in the Records Location dialog, else the records file beside the program.
RecordsLocation RecordsLocationForThisRun();

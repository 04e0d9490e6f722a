#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "tests/support/RecordsFiles.h"

// The database of the server scripts/test.sh starts for the records tests, as postgres.
inline constexpr const char* TestServerVariable = "BRACKMERE_TEST_PG_URI";
inline QString TestServerUri()
{
    return qEnvironmentVariable(TestServerVariable);
}

// The one reason a records test may skip: it needs the server and runs by hand without it.
#define SKIP_WITHOUT_TEST_SERVER(needed)                                                               \
    if ((needed) && TestServerUri().isEmpty())                                                         \
    GTEST_SKIP() << TestServerVariable << " is not set: scripts/test.sh starts the records test server; " \
                                          "by hand, bash scripts/pg-test-server.sh start DIR && . DIR/env"

// A database of the test's own on the test server, dropped with all it holds at the end,
// so tests running at once never meet. brackmere_pw may create tables in it;
// brackmere_reader may only read and add records.
class ServerSchema {
public:
    enum class Table { Shipped, None };
    // With the table as the first files held it (without the appended columns), or none.
    explicit ServerSchema(Table table = Table::Shipped, const QString& serverUri = TestServerUri());
    ~ServerSchema();
    ServerSchema(const ServerSchema&) = delete;
    ServerSchema& operator=(const ServerSchema&) = delete;

    // The URI the program is given, for `user` (the administrator when empty).
    QString uri(const QString& user = {}) const;
    // A login of the test's own, member of the group `role` only; dropped at the end.
    QString Login(const QString& role);
    // As the administrator; an error fails the test. Rows show a null as "<null>", as
    // RecordsFile::Rows does, and Rows() is every record by its number.
    void Exec(const QString& sql, const QStringList& values = {}) const { Query(sql, values); }
    QList<QStringList> Query(const QString& sql, const QStringList& values = {}) const;
    QList<QStringList> Rows() const;

private:
    static QList<QStringList> QueryAt(const QString& uri, const QString& sql, const QStringList& values);

    QString serverUri_;
    QString name_;
    QStringList logins_;
};

// As LookReadOnly of a file; a login cannot check a server's pages, which the server owns.
inline ReadOnlyLook LookAt(const ServerSchema& schema)
{
    return {.error = {}, .integrity = QStringLiteral("ok"), .rows = schema.Rows()};
}

// The records of one test, in a records file or in a schema on the test server, holding the
// table as the first files held it. Statements that quote every name read alike on both.
struct TestRecords {
    explicit TestRecords(bool onServer)
    {
        if (onServer)
            server.emplace();
        else
            file.emplace();
    }
    QString location() const { return file ? file->path() : server->uri(); }
    void Exec(const QString& sql, const QStringList& values = {}) const
    {
        file ? file->Exec(sql, values) : server->Exec(sql, values);
    }
    ReadOnlyLook Look() const { return file ? LookReadOnly(file->path()) : LookAt(*server); }
    QList<QStringList> Rows() const { return file ? file->Rows() : server->Rows(); }
    QList<QStringList> Query(const QString& sql) const { return file ? file->Query(sql) : server->Query(sql); }

    std::optional<RecordsFile> file;
    std::optional<ServerSchema> server;
};

#pragma once

#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <QStringList>

// The records test server: scripts/test.sh starts one (scripts/pg-test-server.sh) and
// names its database, as the administrator postgres, in this variable.
inline constexpr const char* TestServerVariable = "BRACKMERE_TEST_PG_URI";
QString TestServerUri();

// The one reason a records test may skip: run by hand without the test server.
#define SKIP_WITHOUT_TEST_SERVER()                                                                           \
    if (TestServerUri().isEmpty())                                                                           \
    GTEST_SKIP() << TestServerVariable << " is not set: scripts/test.sh starts the records test server; by " \
                                          "hand, bash scripts/pg-test-server.sh start DIR && . DIR/env"

// A schema of the test's own in the test database, dropped with all it holds at the end.
// Every URI it gives leads there (through the search path), so tests running at once
// never meet. brackmere_pw may create tables in it; brackmere_reader may read and add
// records to the tables the administrator makes, but create or change nothing.
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
    // Runs statements as the administrator; an error fails the test.
    void Exec(const QString& sql, const QStringList& values = {}) const;
    // Every row of a query, a null as "<null>", as RecordsFile::Rows shows them.
    QList<QStringList> Query(const QString& sql) const;
    // Every record in the order of the record number.
    QList<QStringList> Rows() const;

private:
    QString serverUri_;
    QString name_;
    QString connection_;
};

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

// A schema of the test's own in the test database, dropped with all it holds at the end;
// every URI it gives leads there (through the search path), so tests running at once never
// meet. brackmere_pw may create tables in it; brackmere_reader may only read and add records.
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
    // As the administrator; an error fails the test. Rows show a null as "<null>", as
    // RecordsFile::Rows does, and Rows() is every record by its number.
    void Exec(const QString& sql, const QStringList& values = {}) const;
    QList<QStringList> Query(const QString& sql) const;
    QList<QStringList> Rows() const;

private:
    QString serverUri_;
    QString name_;
};

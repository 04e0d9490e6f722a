#include "tests/records/RecordsServer.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QUuid>
#include <functional>

#include "calc/ProgramError.h"
#include "records/RecordsSchema.h"
#include "records/RecordsStore.h"

namespace {

// Runs `use` on a connection of its own, opened for the call only, so that the schema
// outlives a restart of its server.
void Connected(const QString& uri, const std::function<void(QSqlDatabase&)>& use)
{
    RecordsStore store;
    store.UseLocation(RecordsLocation::FromText(uri));
    try {
        store.OpenDatabase();
    } catch (const ProgramError& error) {
        ADD_FAILURE() << error.what();
        return;
    }
    // The notices of a test's own statements (a drop that cascades) are no news.
    QSqlQuery(QStringLiteral("SET client_min_messages TO warning"), store.database());
    use(store.database());
}

}  // namespace

ServerSchema::ServerSchema(Table table, const QString& serverUri)
    : serverUri_(serverUri), name_(QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128))
{
    QueryAt(serverUri_, QStringLiteral("CREATE DATABASE %1").arg(name_), {});
    for (const char* sql :
         {"GRANT CREATE ON SCHEMA public TO brackmere_pw",
          "ALTER DEFAULT PRIVILEGES IN SCHEMA public GRANT SELECT, INSERT ON TABLES TO brackmere_reader"})
        Exec(QString::fromLatin1(sql));
    if (table == Table::None)
        return;
    QStringList columns;
    for (const RecordsSchema::Column& column : RecordsSchema::Columns()) {
        if (!column.appended)
            columns << u'"' + column.name + QStringLiteral("\" ") + QString::fromLatin1(column.serverType);
    }
    Exec(QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(RecordsSchema::TableName, columns.join(QStringLiteral(", "))));
}

ServerSchema::~ServerSchema()
{
    QueryAt(serverUri_, QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(name_), {});
    for (const QString& login : logins_)
        QueryAt(serverUri_, QStringLiteral("DROP ROLE %1").arg(login), {});
}

QString ServerSchema::uri(const QString& user) const
{
    QUrl url(serverUri_);
    if (!user.isEmpty())
        url.setUserName(user);
    url.setPath(u'/' + name_);
    return url.toString();
}

QString ServerSchema::Login(const QString& role)
{
    const QString login = name_ + u'_' + role;
    QueryAt(serverUri_, QStringLiteral("CREATE ROLE %1 LOGIN IN ROLE %2").arg(login, role), {});
    logins_ << login;
    return login;
}

QList<QStringList> ServerSchema::Query(const QString& sql, const QStringList& values) const
{
    return QueryAt(uri(), sql, values);
}

QList<QStringList> ServerSchema::QueryAt(const QString& uri, const QString& sql, const QStringList& values)
{
    QList<QStringList> rows;
    Connected(uri, [&](QSqlDatabase& db) {
        // Statements that change the layout cannot be prepared.
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!values.isEmpty())
            query.prepare(sql);
        for (const QString& value : values)
            query.addBindValue(value);
        if (values.isEmpty() ? !query.exec(sql) : !query.exec())
            ADD_FAILURE() << sql.toStdString() << ": " << query.lastError().text().toStdString();
        while (query.next()) {
            QStringList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << (query.value(i).isNull() ? QStringLiteral("<null>") : query.value(i).toString());
            rows << row;
        }
    });
    return rows;
}

QList<QStringList> ServerSchema::Rows() const
{
    return Query(QStringLiteral("SELECT * FROM \"%1\" ORDER BY \"%2\"")
                     .arg(RecordsSchema::TableName, RecordsSchema::RecordNumber().name));
}

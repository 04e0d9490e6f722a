#include "records/RecordsSchema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUuid>

#include "records/NewRecord.h"

namespace RecordsSchema {
namespace {

// Every value is handed over as text; TEXT keeps it exactly as the dialog showed it, so
// a value read back reads as the same text. The record number never repeats, as users
// quote it.
QString CreateTableSql()
{
    QStringList columns;
    for (const Column& column : Columns()) {
        if (!column.appended)
            columns << column.name + u' ' + QString::fromLatin1(column.sqliteType);
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(TableName, columns.join(QStringLiteral(", ")));
}

bool WriteEmptyTable(const QString& path, QString& error)
{
    const QString connection = QStringLiteral("records-seed-") + QUuid::createUuid().toString();
    bool written = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery query(db);
            written = query.exec(CreateTableSql());
            if (!written)
                error = query.lastError().text();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return written;
}

}  // namespace

const std::vector<Column>& Columns()
{
    static const std::vector<Column> columns{
        {QStringLiteral("RecID"), "INTEGER PRIMARY KEY AUTOINCREMENT", nullptr},
        {QStringLiteral("RecordDate"), "TEXT", &NewRecord::RecordDate},
        {QStringLiteral("RecordTime"), "TEXT", &NewRecord::RecordTime},
        {QStringLiteral("AirTemp"), "TEXT", &NewRecord::AirTemp},
        {QStringLiteral("ConcreteTemp"), "TEXT", &NewRecord::ConcreteTemp},
        {QStringLiteral("RH"), "TEXT", &NewRecord::RH},
        {QStringLiteral("WindVelocity"), "TEXT", &NewRecord::WindVelocity},
        {QStringLiteral("EvapRate"), "TEXT", &NewRecord::EvapRate},
        {QStringLiteral("RateNote"), "TEXT", &NewRecord::RateNote},
        {QStringLiteral("MiscNote"), "TEXT", &NewRecord::MiscNote},
        {QStringLiteral("RateThreshold"), "REAL", &NewRecord::RateThreshold, true},
        // Every record saved before the column existed was saved in US customary units.
        {QStringLiteral("Units"), "TEXT", &NewRecord::Units, true, "'US'"},
    };
    return columns;
}

const Column& RecordNumber()
{
    return Columns().front();
}

std::vector<Column> WrittenColumns()
{
    std::vector<Column> written;
    for (const Column& column : Columns()) {
        if (column.field)
            written.push_back(column);
    }
    return written;
}

std::vector<Column> AppendedColumns()
{
    std::vector<Column> appended;
    for (const Column& column : Columns()) {
        if (column.appended)
            appended.push_back(column);
    }
    return appended;
}

bool CreateRecordsFile(const QString& path, QString& error)
{
    if (QFileInfo::exists(path))
        return true;

    // Built under a temporary name and moved into place only when complete, so a
    // half-made file never stands under the real name; the move refuses to replace
    // a file that appeared meanwhile.
    const QFileInfo target(path);
    QTemporaryFile scratch(target.absolutePath() + QStringLiteral("/.records-XXXXXX"));
    if (!scratch.open()) {
        error = QStringLiteral("cannot create a file in \"%1\": %2")
                    .arg(QDir::toNativeSeparators(target.absolutePath()), scratch.errorString());
        return false;
    }
    scratch.close();
    if (!WriteEmptyTable(scratch.fileName(), error))
        return false;
    if (!QFile::rename(scratch.fileName(), path)) {
        if (QFileInfo::exists(path))
            return true;
        error = QStringLiteral("cannot move the new file to \"%1\"").arg(QDir::toNativeSeparators(path));
        return false;
    }
    scratch.setAutoRemove(false);
    // A temporary file is private to its maker; the records file is an ordinary file.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                    | QFileDevice::ReadOther);
    return true;
}

}  // namespace RecordsSchema

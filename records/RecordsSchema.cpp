#include "records/RecordsSchema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUuid>

namespace RecordsSchema {
namespace {

// TEXT keeps every value exactly as the dialog handed it over, so a value read back
// reads as the same text. The record number never repeats, as users quote it.
const char* const CreateTableSql =
    "CREATE TABLE tblBrackmere ("
    " RecID INTEGER PRIMARY KEY AUTOINCREMENT,"
    " RecordDate TEXT, RecordTime TEXT,"
    " AirTemp TEXT, ConcreteTemp TEXT, RH TEXT, WindVelocity TEXT,"
    " EvapRate TEXT, RateNote TEXT, MiscNote TEXT)";

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
            written = query.exec(QString::fromLatin1(CreateTableSql));
            if (!written)
                error = query.lastError().text();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return written;
}

}  // namespace

QStringList TextColumns()
{
    return {QStringLiteral("RecordDate"), QStringLiteral("RecordTime"), QStringLiteral("AirTemp"),
            QStringLiteral("ConcreteTemp"), QStringLiteral("RH"), QStringLiteral("WindVelocity"),
            QStringLiteral("EvapRate"), QStringLiteral("RateNote"), QStringLiteral("MiscNote")};
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

#include "records/CopyUp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QUuid>

#include "records/RecordsSchema.h"

namespace CopyUp {
namespace {

const QString IdentityTable = QStringLiteral("tblBrackmereIdentity");

// The file's own identity, kept in the file so that it survives a move or a rename; a
// file that cannot be written to is known by its path instead.
QString FileIdentity(QSqlDatabase& db, const QString& path)
{
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("SELECT FileId FROM %1").arg(IdentityTable)) && query.next())
        return query.value(0).toString();
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QSqlQuery create(db);
    if (create.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (FileId TEXT NOT NULL)").arg(IdentityTable))
        && create.exec(QStringLiteral("INSERT INTO %1 (FileId) VALUES ('%2')").arg(IdentityTable, id)))
        return id;
    return QStringLiteral("file:") + QFileInfo(path).canonicalFilePath();
}

std::vector<NewRecord> ReadRecords(QSqlDatabase& db, const QString& identity, QString& error)
{
    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral("SELECT * FROM %1 ORDER BY %2")
                       .arg(RecordsSchema::TableName, RecordsSchema::RecordNumber().name))) {
        error = rows.lastError().text();
        return {};
    }
    const QSqlRecord columns = rows.record();
    std::vector<NewRecord> records;
    while (rows.next()) {
        NewRecord record;
        for (const RecordsSchema::Column& column : RecordsSchema::WrittenColumns()) {
            const int index = columns.indexOf(column.name);
            if (index >= 0 && !rows.isNull(index))
                record.*column.field = rows.value(index).toString();
        }
        // Records from before units were kept were saved in US customary units.
        if (record.Units.isEmpty())
            record.Units = QStringLiteral("US");
        record.CopiedFrom = identity + u'#' + rows.value(RecordsSchema::RecordNumber().name).toString();
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace

Result Run(const QString& file, RecordsStore& server, const std::function<bool(int done, int total)>& progress)
{
    Result result;
    const QString shown = QDir::toNativeSeparators(file);
    if (!QFileInfo(file).isFile()) {
        result.error = QCoreApplication::translate("CopyUp", "The records file \"%1\" was not found.").arg(shown);
        return result;
    }
    const QString connection = QStringLiteral("copy-up-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded)
                           + QStringLiteral("?mode=rw"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=10000"));
        if (!db.open()) {
            result.error = QCoreApplication::translate("CopyUp", "The records file \"%1\" could not be opened: %2")
                               .arg(shown, db.lastError().text());
        } else {
            QString readError;
            const std::vector<NewRecord> records = ReadRecords(db, FileIdentity(db, file), readError);
            if (!readError.isEmpty()) {
                result.error = QCoreApplication::translate("CopyUp", "The records of \"%1\" could not be read: %2")
                                   .arg(shown, readError);
            } else {
                result.total = int(records.size());
                const QSqlError error = server.CopyRecordsIn(records, result.outcome, [&](int done) {
                    return !progress || progress(done, result.total);
                });
                if (error.isValid())
                    result.error = QCoreApplication::translate("CopyUp", "Nothing was copied to %1: %2")
                                       .arg(server.describe(), error.text());
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}

QString Summary(const Result& result)
{
    if (!result.error.isEmpty())
        return result.error;
    const RecordsStore::CopyOutcome& o = result.outcome;
    if (o.cancelled)
        return QCoreApplication::translate("CopyUp", "The copy was cancelled; nothing was copied.");
    const auto were = [](int count) { return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? "was" : "were"); };
    QString text =
        QCoreApplication::translate("CopyUp", "Of %1 %2 in the file, %3 copied to the server and %4 there already.")
            .arg(result.total)
            .arg(result.total == 1 ? "record" : "records")
            .arg(were(o.copied), were(o.skipped));
    if (o.failed > 0)
        text += QStringLiteral("\n%1 could not be copied:\n%2").arg(o.failed).arg(o.reasons.join(u'\n'));
    return text;
}

}  // namespace CopyUp

// The store's reading of the history and its restores; the history itself is written by
// the engine's triggers (see RecordsEngine::HistoryTriggers).

#include <QDateTime>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>

#include "records/RecordsEngine.h"
#include "records/RecordsStore.h"

namespace {

QString UtcText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return value.toString();
}

// The version a row of the records or of the history holds: the record's columns in the
// table's order, and what the history says of it.
RecordVersion VersionOf(const QSqlQuery& row)
{
    const QSqlRecord fields = row.record();
    RecordVersion version;
    for (const RecordsSchema::Column& column : RecordsSchema::Columns()) {
        if (const int i = fields.indexOf(column.name); i >= 0)
            version.values.append(fields.field(i));
    }
    if (fields.contains(RecordsSchema::HistoryIdColumn)) {
        version.historyId = fields.value(RecordsSchema::HistoryIdColumn).toLongLong();
        version.action = fields.value(RecordsSchema::HistoryActionColumn).toString();
        version.by = fields.value(RecordsSchema::HistoryByColumn).toString();
        version.at = UtcText(fields.value(RecordsSchema::HistoryAtColumn));
    }
    return version;
}

}  // namespace

RecordsPermissions RecordsStore::Permissions()
{
    if (!engine_ || !RecordsDatabase.isOpen())
        return {};
    return engine_->Permissions(RecordsDatabase);
}

QSqlError RecordsStore::ReadVersions(QSqlQuery& query, std::vector<RecordVersion>& versions)
{
    query.setForwardOnly(true);
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        ReconnectIfLost();
        return Explained(error);
    }
    while (query.next())
        versions.push_back(VersionOf(query));
    return query.lastError();
}

QSqlError RecordsStore::Versions(qint64 recordNumber, std::vector<RecordVersion>& versions)
{
    versions.clear();
    if (const QSqlError closed = Reachable(); closed.isValid())
        return closed;
    const QString number = Quoted(RecordsDatabase, RecordsSchema::RecordNumber().name);
    QSqlQuery now(RecordsDatabase);
    now.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?")
                    .arg(Quoted(RecordsDatabase, RecordsSchema::TableName), number));
    now.addBindValue(recordNumber);
    if (const QSqlError error = ReadVersions(now, versions); error.isValid())
        return error;
    QSqlQuery kept(RecordsDatabase);
    kept.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 = ? ORDER BY %3 DESC")
                     .arg(Quoted(RecordsDatabase, RecordsSchema::HistoryTableName), number,
                          Quoted(RecordsDatabase, RecordsSchema::HistoryIdColumn)));
    kept.addBindValue(recordNumber);
    return ReadVersions(kept, versions);
}

// A record is deleted when its number is not in the records and the history's last word
// on it is its delete.
QSqlError RecordsStore::DeletedRecords(std::vector<RecordVersion>& versions)
{
    versions.clear();
    if (const QSqlError closed = Reachable(); closed.isValid())
        return closed;
    const QString number = Quoted(RecordsDatabase, RecordsSchema::RecordNumber().name);
    const QString id = Quoted(RecordsDatabase, RecordsSchema::HistoryIdColumn);
    const QString history = Quoted(RecordsDatabase, RecordsSchema::HistoryTableName);
    QSqlQuery deleted(RecordsDatabase);
    deleted.prepare(QStringLiteral("SELECT h.* FROM %1 h WHERE h.%2 = ?"
                                   " AND NOT EXISTS (SELECT 1 FROM %3 r WHERE r.%4 = h.%4)"
                                   " AND h.%5 = (SELECT max(k.%5) FROM %1 k WHERE k.%4 = h.%4)"
                                   " ORDER BY h.%5 DESC")
                        .arg(history, Quoted(RecordsDatabase, RecordsSchema::HistoryActionColumn),
                             Quoted(RecordsDatabase, RecordsSchema::TableName), number, id));
    deleted.addBindValue(RecordsSchema::HistoryDeleted);
    const QSqlError error = ReadVersions(deleted, versions);
    for (RecordVersion& version : versions)
        version.deleted = true;
    return error;
}

QSqlError RecordsStore::Restore(const RecordVersion& version, qint64& recordNumber)
{
    if (const QSqlError closed = Reachable(); closed.isValid())
        return closed;
    const QString table = Quoted(RecordsDatabase, RecordsSchema::TableName);
    const QString number = Quoted(RecordsDatabase, RecordsSchema::RecordNumber().name);
    const QSqlRecord present = RecordsTable->record();
    QStringList columns;
    QVariantList values;
    for (int i = 1; i < version.values.count(); ++i) {
        if (present.contains(version.values.fieldName(i))) {
            columns << Quoted(RecordsDatabase, version.values.fieldName(i));
            values << version.values.value(i);
        }
    }
    const bool deleted = version.deleted;

    if (!RecordsDatabase.transaction())
        return Abandon(RecordsDatabase.lastError());
    QSqlQuery step(RecordsDatabase);
    if (!step.exec(engine_->MarkRestore(true)))
        return Abandon(step.lastError());
    recordNumber = version.recordNumber();
    bool free = deleted;
    if (deleted) {
        step.prepare(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?").arg(table, number));
        step.addBindValue(recordNumber);
        if (!step.exec() || !step.next())
            return Abandon(step.lastError());
        free = step.value(0).toInt() == 0;
    }
    if (!deleted) {
        QStringList assignments;
        for (const QString& column : columns)
            assignments << column + QStringLiteral(" = ?");
        step.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                         .arg(table, assignments.join(QStringLiteral(", ")), number));
        values << recordNumber;
    } else {
        if (free) {
            columns.prepend(number);
            values.prepend(recordNumber);
        }
        step.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING %4")
                         .arg(table, columns.join(QStringLiteral(", ")),
                              QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", ")), number));
    }
    for (const QVariant& value : values)
        step.addBindValue(value);
    if (!step.exec())
        return Abandon(step.lastError());
    if (deleted && step.next())
        recordNumber = step.value(0).toLongLong();
    else if (!deleted && step.numRowsAffected() == 0)
        return Abandon(QSqlError(QString(),
                                 QStringLiteral("Record %1 is no longer there: it was deleted meanwhile. Show "
                                                "Deleted… lists it.")
                                     .arg(recordNumber),
                                 QSqlError::StatementError));
    step.finish();
    if (!step.exec(engine_->MarkRestore(false)) || !RecordsDatabase.commit())
        return Abandon(step.lastError().isValid() ? step.lastError() : RecordsDatabase.lastError());
    return {};
}

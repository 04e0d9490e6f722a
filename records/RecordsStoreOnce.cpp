#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>

#include "records/RecordsEngine.h"
#include "records/RecordsSchema.h"
#include "records/RecordsStore.h"

namespace {

// The columns a key may be made of; the others stay empty in the records keyed.
QStringList KeyColumns()
{
    return {QStringLiteral("RecordDate"), QStringLiteral("RecordTime"), QStringLiteral("AirTemp"),
            QStringLiteral("ConcreteTemp"), QStringLiteral("RH"), QStringLiteral("WindVelocity"),
            QStringLiteral("Units"), RecordsSchema::SiteColumn, QStringLiteral("MiscNote")};
}

}  // namespace

QSqlError RecordsStore::AddRecordsOnce(const std::vector<NewRecord>& records,
                                       const std::function<QString(const NewRecord&)>& keyOf, CopyOutcome& outcome,
                                       const std::function<bool(int done)>& keepGoing)
{
    outcome = {};
    if (const QSqlError closed = Reachable(); closed.isValid())
        return closed;
    QSqlQuery step(RecordsDatabase);
    for (const QString& sql : engine_->ExclusiveStart()) {
        if (!step.exec(sql))
            return Abandon(step.lastError());
    }

    const QStringList keyColumns = KeyColumns();
    QStringList columns;
    std::vector<QString NewRecord::*> fields;
    for (const QString& name : keyColumns) {
        columns << Quoted(RecordsDatabase, name);
        fields.push_back(RecordsSchema::Find(name)->field);
    }
    QSqlQuery present(RecordsDatabase);
    present.setForwardOnly(true);
    if (!present.exec(QStringLiteral("SELECT %1 FROM %2")
                          .arg(columns.join(QStringLiteral(", ")), Quoted(RecordsDatabase, RecordsSchema::TableName))))
        return Abandon(present.lastError());
    QSet<QString> keys;
    while (present.next()) {
        NewRecord there;
        for (std::size_t i = 0; i < fields.size(); ++i)
            there.*fields[i] = present.value(int(i)).toString();
        keys.insert(keyOf(there));
    }
    present.finish();

    QSqlQuery insert(RecordsDatabase);
    if (!PrepareInsert(insert, QString()))
        return Abandon(insert.lastError());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const QString key = keyOf(records[i]);
        if (keys.contains(key)) {
            ++outcome.skipped;
        } else {
            BindRecord(insert, records[i]);
            if (!insert.exec())
                return Abandon(insert.lastError());
            keys.insert(key);
            ++outcome.copied;
        }
        if (keepGoing && !keepGoing(int(i) + 1)) {
            outcome = {};
            outcome.cancelled = true;
            RecordsDatabase.rollback();
            return {};
        }
    }
    if (!RecordsDatabase.commit())
        return Abandon(RecordsDatabase.lastError());
    return {};
}

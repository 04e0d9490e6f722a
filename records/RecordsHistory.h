#pragma once

#include <QSqlRecord>
#include <QString>
#include <QVariant>

// One version of a record: the record as it is now, or as the history kept it before a
// change, a delete or a restore, with what happened, who did it and when.
struct RecordVersion {
    qint64 historyId = 0;  // none for the record as it is now
    QString action;        // RecordsSchema::HistoryChanged, …Deleted, …Restored; empty for now
    QString by;            // the login; empty when a program that does not name it made the change
    QString at;            // "2024-05-01 14:02:07" (UTC); empty for now
    QSqlRecord values;     // the record's columns, RecID first
    bool deleted = false;  // the last version of a deleted record: restoring it brings the record back

    bool current() const { return historyId == 0; }
    qint64 recordNumber() const { return values.value(0).toLongLong(); }
};

#pragma once

#include <gtest/gtest.h>

#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "records/RecordsStore.h"
#include "tests/support/Elements.h"

class MessageRecorder;
class QWidget;

// A connection of the test's own to a records file, as another copy of the program
// would hold it (for instance to keep a lock).
class OtherConnection {
public:
    explicit OtherConnection(const QString& path, int busyTimeoutMs = 100, bool readOnly = false);
    ~OtherConnection();
    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }
    bool Exec(const QString& sql);

private:
    QString name_;
};

// What a reader that changes nothing finds in a records file: the verdict of
// PRAGMA integrity_check ("ok" when sound) and every row, a null as "<null>". `error`
// is set when the file cannot be read without changing it, as while the journal of a
// writer that died mid-save is still to be rolled back.
struct ReadOnlyLook {
    QString error;
    QString integrity;
    QList<QStringList> rows;
};
ReadOnlyLook LookReadOnly(const QString& path);

// Runs one statement on a records file through a connection of the test's own; an
// error fails the test.
void ExecSql(const QString& path, const QString& sql, const QStringList& values = {});

// A records file in a temporary folder, made as the build makes it.
class RecordsFile {
public:
    RecordsFile();
    const QString& path() const { return path_; }
    void Exec(const QString& sql, const QStringList& values = {}) const { ExecSql(path_, sql, values); }
    QList<QStringList> Rows() const;
    // The rows of a query, a null as "<null>"; an error fails the test.
    QList<QStringList> Query(const QString& sql) const;

private:
    QTemporaryDir dir_;
    QString path_;
};

// Runs the opening steps as start-up does, each after a failed one too, on a records file
// or a server's URI, and returns the numbers of the errors in order; their texts go to `texts`.
std::vector<int> OpenStore(RecordsStore& store, const QString& pathOrUri, QStringList* texts = nullptr);

// A record with distinct values in every column, so a value in the wrong column shows.
NewRecord SampleRecord(const QString& date, const QString& threshold);

// The calculation whose record holds the readings, rate, message and threshold of
// `shown`, in its unit system: what the main window hands the save dialog.
Calculation CalculationShowing(const NewRecord& shown);

void TypeDateTimeNote(QWidget& dialog, const NewRecord& record);

// The save dialog refused the record: the only message is a critical one naming the
// file and the engine's `reason`, and the dialog is still open with `typed` in its boxes.
void ExpectSaveRefused(QWidget& dialog, const MessageRecorder& messages, const QString& path, const char* reason,
                       const NewRecord& typed);

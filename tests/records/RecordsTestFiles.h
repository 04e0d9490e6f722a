#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "records/RecordsStore.h"

// A records file in a temporary folder, made as the build makes it, and a second,
// independent connection to look at it the way another program would.
class RecordsFile {
public:
    RecordsFile();
    ~RecordsFile();

    const QString& path() const { return path_; }
    QString folder() const { return dir_.path(); }

    // Runs one SQL statement (with optional bound texts); fails the test on error.
    void Exec(const QString& sql, const QStringList& values = {}) const;
    // Every row, every value as text; a null reads "<null>".
    QList<QStringList> Rows() const;
    QStringList ColumnNames() const;
    int Count() const;

private:
    QTemporaryDir dir_;
    QString path_;
};

// What a reader that changes nothing finds in a records file: the verdict of
// PRAGMA integrity_check ("ok" when sound) and every row as RecordsFile::Rows()
// gives it. `error` is set when the file cannot be read without changing it, as
// while the journal of a writer that died mid-save is still to be rolled back.
struct ReadOnlyLook {
    QString error;
    QString integrity;
    QList<QStringList> rows;
};
ReadOnlyLook LookReadOnly(const QString& path);

// Runs the opening steps as start-up does: each failure is noted and the next step
// runs. Returns the numbers of the errors in order.
std::vector<int> OpenStore(RecordsStore& store, const QString& path);

// A record with distinct values in every column, so a value in the wrong column shows.
NewRecord SampleRecord(const QString& date, const QString& threshold);

// A separate connection to the same file, for holding locks.
class OtherConnection {
public:
    explicit OtherConnection(const QString& path, int busyTimeoutMs = 100);
    ~OtherConnection();
    bool Exec(const QString& sql);

private:
    QString name_;
};

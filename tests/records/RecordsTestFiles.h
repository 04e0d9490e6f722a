#pragma once

#include <gtest/gtest.h>

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <vector>

#include "records/RecordsStore.h"

class MessageRecorder;

// A connection of the test's own to a records file, as another copy of the program
// would hold it (for instance to keep a lock).
class OtherConnection {
public:
    explicit OtherConnection(const QString& path, int busyTimeoutMs = 100, bool readOnly = false);
    ~OtherConnection();
    OtherConnection(const OtherConnection&) = delete;
    OtherConnection& operator=(const OtherConnection&) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }
    bool Exec(const QString& sql);

private:
    QString name_;
};

// A records file in a temporary folder, made as the build makes it, looked at
// through connections of the test's own. Any SQL error fails the test.
class RecordsFile {
public:
    RecordsFile();

    const QString& path() const { return path_; }
    void Exec(const QString& sql, const QStringList& values = {}) const;
    // Every row, every value as text; a null reads "<null>".
    QList<QStringList> Rows() const;
    int Count() const { return static_cast<int>(Rows().size()); }

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
// runs. Returns the numbers of the errors in order; their texts go to `texts`.
std::vector<int> OpenStore(RecordsStore& store, const QString& path, QStringList* texts = nullptr);

// A record with distinct values in every column, so a value in the wrong column shows.
NewRecord SampleRecord(const QString& date, const QString& threshold);

template <typename T>
T* Element(QWidget& window, const char* name)
{
    T* element = window.findChild<T*>(QString::fromLatin1(name));
    if (!element)
        ADD_FAILURE() << "no element " << name;
    return element;
}

// Types the record's date, time and note into the save dialog's boxes.
void TypeDateTimeNote(QWidget& dialog, const NewRecord& record);

// The save dialog refused the record: the only message is a critical one naming the
// file and carrying the engine's `reason`, and the dialog is still open with the
// date, time and note typed from `typed`.
void ExpectSaveRefused(QWidget& dialog, const MessageRecorder& messages, const QString& path, const char* reason,
                       const NewRecord& typed);

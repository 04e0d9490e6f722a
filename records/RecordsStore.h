#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include "records/NewRecord.h"
#include "records/RecordsHistory.h"
#include "records/RecordsLocation.h"
#include "records/RecordsPermissions.h"
#include "records/SavedReport.h"

class QSqlQuery;
class QSqlTableModel;
class RecordsEngine;

// The numbers of the errors that opening the store reports.
namespace RecordsErrorNumber {
inline constexpr int FileNotFound = 3001;
inline constexpr int CannotOpen = 3002;
inline constexpr int NotADatabase = 3003;
inline constexpr int NotOpen = 3004;
inline constexpr int NoTable = 3005;
inline constexpr int CannotAddColumn = 3006;
inline constexpr int CannotRead = 3007;
inline constexpr int CannotKeepHistory = 3008;
}

// The saved records and their one table, in a records file or on a records server,
// opened once at start-up and held for the whole run. The save dialog and the viewer
// share it; several running copies of the program may share the file or the server.
//
// Start-up runs the opening as separate steps, in this order, so that each failure
// is reported on its own: ChooseDatabasePath, OpenDatabase, AddRateThresholdField,
// OpenRecordsTable, ColumnCount, RecordCount. A failing step throws ProgramError;
// after a failed open every later step fails too, and the store stays unusable.
class RecordsStore {
public:
    struct Options {
        // How long a write waits for another copy of the program to release the file.
        int busyTimeoutMs = 10000;
    };

    RecordsStore();
    explicit RecordsStore(Options options);
    ~RecordsStore();
    RecordsStore(const RecordsStore&) = delete;
    RecordsStore& operator=(const RecordsStore&) = delete;

    // Start-up steps. AddRateThresholdField appends RateThreshold and every column
    // added since to a file that lacks them, in one write.
    void ChooseDatabasePath();
    void OpenDatabase();
    void AddRateThresholdField();
    void OpenRecordsTable();
    int ColumnCount() const;
    int RecordCount() const;

    // Uses `path` or `location` instead of the rule of ChooseDatabasePath.
    void UseDatabasePath(const QString& path) { UseLocation(RecordsLocation::File(path)); }
    void UseLocation(const RecordsLocation& location);

    // True when the table is open: records can be saved and shown.
    bool isOpen() const { return RecordsTable != nullptr; }
    const RecordsLocation& location() const { return location_; }
    // The file's path, or the server's URI, for the user.
    QString databasePath() const { return location_.shown(); }
    // "the records file "…"" or "the records server "…"".
    QString describe() const;
    QSqlDatabase& database() { return RecordsDatabase; }
    // The table behind the viewer's grid; null while the store is not open.
    QSqlTableModel* recordsTable() const { return RecordsTable.get(); }

    // Reads every record into the table model behind the viewer's grid.
    QSqlError SelectRecords();
    // Drops the rows the grid read and ends its read of the file: a read left
    // unfinished would keep other copies of the program from writing.
    void ReleaseRecords();

    // Appends one record in a single write: either the whole record is stored or,
    // with the returned error, nothing is.
    QSqlError AddRecord(const NewRecord& record);
    // Appends the records in one write: all of them are stored, or none.
    QSqlError AddRecords(const std::vector<NewRecord>& records);

    // Adds records copied from elsewhere, each carrying its origin in CopiedFrom, in one
    // write: a record already there (the same origin) is skipped, one the store refuses
    // is counted with its reason and the rest still go in. `keepGoing` is asked after
    // each record; false undoes the whole copy.
    struct CopyOutcome {
        int copied = 0;
        int skipped = 0;
        int failed = 0;
        QStringList reasons;  // why records were refused, the first few
        bool cancelled = false;
    };
    QSqlError CopyRecordsIn(const std::vector<NewRecord>& records, CopyOutcome& outcome,
                            const std::function<bool(int done)>& keepGoing);

    // Adds the records that are not there yet, in one write during which no other copy of
    // the program writes: a record with the key (`keyOf`) of one already there, or of one
    // added before it, is skipped. `keepGoing` is asked after each record; false undoes the
    // whole addition. A record the store refuses undoes it too, with the error returned.
    QSqlError AddRecordsOnce(const std::vector<NewRecord>& records,
                             const std::function<QString(const NewRecord&)>& keyOf, CopyOutcome& outcome,
                             const std::function<bool(int done)>& keepGoing);

    // Deletes the records of these numbers in a single write: all of them, or none.
    QSqlError DeleteRecords(const QList<qint64>& numbers);

    // Opens the records at `location` as start-up does. On success the store uses them from
    // then on and the answer is empty; otherwise the store stays as it was and the answer
    // says why.
    QString MoveTo(const RecordsLocation& location);
    // Whether the records at `location` can be reached, in words for the user; changes
    // nothing there.
    static QString TestConnection(const RecordsLocation& location, bool& reached);

    // Site values saved so far, for the save dialog's list.
    QStringList Sites();

    // What this login may do with the records; everything in a records file.
    RecordsPermissions Permissions();
    // Record `recordNumber` as it is now (when it is there), then the versions the history
    // kept of it, the latest first.
    QSqlError Versions(qint64 recordNumber, std::vector<RecordVersion>& versions);
    // The records deleted and not brought back since, each as it was deleted, the latest first.
    QSqlError DeletedRecords(std::vector<RecordVersion>& versions);
    // Puts a version back in one write, which the history keeps as a restore: over its
    // record, or for a deleted record as a record again, under its old number when that is
    // free. `recordNumber` is the number the record has then.
    QSqlError Restore(const RecordVersion& version, qint64& recordNumber);

    // Keeps a pour report beside the records, with the time, the login and the digest of
    // its content; fills those and its number in.
    QSqlError AddSavedReport(SavedReport& report);
    // The pour reports kept, the latest first.
    QSqlError SavedReports(std::vector<SavedReport>& reports);

private:
    void RequireDatabase() const;
    void RequireTable() const;
    QSqlError NotOpenError() const;
    QSqlError Reachable();
    bool PrepareInsert(QSqlQuery& insert, const QString& tail);
    void BindRecord(QSqlQuery& insert, const NewRecord& record) const;
    QSqlError Abandon(const QSqlError& error);
    static QSqlError Explained(const QSqlError& error);
    QSqlError ReadVersions(QSqlQuery& query, std::vector<RecordVersion>& versions);
    // After a failed statement on a server: whether the connection was lost and could be
    // opened again, so that the user's next try reaches the server.
    void ReconnectIfLost();

    Options options_;
    QString connectionName_;
    RecordsLocation location_;
    std::unique_ptr<RecordsEngine> engine_;
    QSqlDatabase RecordsDatabase;
    std::unique_ptr<QSqlTableModel> RecordsTable;
};

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include "calc/ProgramError.h"
#include "records/LoginName.h"
#include "records/RecordsEngine.h"
#include "records/RecordsStore.h"

namespace {

[[noreturn]] void Fail(int number, const QString& description)
{
    throw ProgramError(number, description.toStdString());
}

// Opens an existing file only: SQLite would otherwise create an empty file in place
// of a missing one. The path is encoded because a raw '#' or '?' would end it early.
QString OpenExistingUri(const QString& path)
{
    const QString absolute = QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath();
    return QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw");
}

// The names of the history's triggers in a records file.
const QString HistoryChangedTrigger = RecordsSchema::HistoryTableName + QStringLiteral("_changed");
const QString HistoryDeletedTrigger = RecordsSchema::HistoryTableName + QStringLiteral("_deleted");
// The connection's own table and triggers (in SQLite's temp schema) that name its login.
const QString SessionTable = QStringLiteral("BrackmereSession");

// SQLite's present time in UTC, as the history keeps it.
const QString NowUtc = QStringLiteral("strftime('%Y-%m-%d %H:%M:%S', 'now')");

// The copied columns, quoted, each with `prefix` ("OLD.", "NEW.").
QString ColumnList(const QSqlDatabase& db, const QStringList& copied, const QString& prefix = {})
{
    QStringList names;
    for (const QString& name : copied)
        names << prefix + Quoted(db, name);
    return names.join(QStringLiteral(", "));
}

// A change that leaves every copied value as it was is no change to keep.
QString ChangedCondition(const QSqlDatabase& db, const QStringList& copied)
{
    QStringList differs;
    for (const QString& name : copied)
        differs << QStringLiteral("OLD.%1 IS NOT NEW.%1").arg(Quoted(db, name));
    return differs.join(QStringLiteral(" OR "));
}

// The records file: an SQLite database that the program never creates.
class FileEngine : public RecordsEngine {
public:
    FileEngine(QString path, int busyTimeoutMs) : path_(std::move(path)), busyTimeoutMs_(busyTimeoutMs) {}

    QSqlDatabase Open(const QString& connectionName) override
    {
        const QString shown = QDir::toNativeSeparators(path_);
        if (path_.isEmpty() || !QFileInfo(QDir::fromNativeSeparators(path_)).isFile())
            Fail(RecordsErrorNumber::FileNotFound, QStringLiteral("The records file \"%1\" was not found.").arg(shown));

        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(OpenExistingUri(path_));
        // Another copy of the program writing at the same moment holds the lock for a few
        // milliseconds: wait for it rather than fail the save.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
        if (!db.open())
            Fail(RecordsErrorNumber::CannotOpen,
                 QStringLiteral("The records file \"%1\" could not be opened: %2").arg(shown, db.lastError().text()));

        // Any file opens; the first read tells whether it is a database. The rollback
        // journal is the mode that works for a file in a shared network folder.
        QSqlQuery journal(db);
        if (!journal.exec(QStringLiteral("PRAGMA journal_mode=DELETE"))) {
            const QString reason = journal.lastError().text();
            journal = QSqlQuery();
            db.close();
            Fail(RecordsErrorNumber::NotADatabase,
                 QStringLiteral("The file \"%1\" is not a records database: %2").arg(shown, reason));
        }
        return db;
    }

    QVariant Bind(const RecordsSchema::Column& column, const QString& text) const override
    {
        // Every value is kept as the text that was shown; only a key left empty is null.
        if (column.toServer == RecordsSchema::Column::ToServer::NullWhenEmpty && text.isEmpty())
            return QVariant(QMetaType(QMetaType::QString));
        return text.isNull() ? QStringLiteral("") : text;
    }

    bool CanReconnect() const override { return false; }

    // The file's triggers keep every change by any program; they cannot know who made
    // it, as SQLite has no logins. This connection's temporary table holds the login name,
    // and its temporary triggers, which run after the file's own, write it (and a restore's
    // mark) into the history row the file's trigger has just made, in the same write. A
    // change made by another program keeps its history row without a name.
    void NameSession(QSqlDatabase& db) const override
    {
        if (ColumnNames(db, RecordsSchema::HistoryTableName).isEmpty())
            return;
        const QStringList copied = HistoryCopies(db);
        const QString table = QStringLiteral("main.") + Quoted(db, RecordsSchema::TableName);
        const QString history = Quoted(db, RecordsSchema::HistoryTableName);
        const QString session = QStringLiteral("temp.") + Quoted(db, SessionTable);
        const QString action = Quoted(db, RecordsSchema::HistoryActionColumn);
        const QString by = Quoted(db, RecordsSchema::HistoryByColumn);
        const QString named = QStringLiteral("%1 = (SELECT \"Login\" FROM %2)").arg(by, session);
        // The history row of the record just changed or deleted.
        const QString latest = QStringLiteral("%1 = (SELECT max(%1) FROM %2 WHERE %3 = OLD.%3)")
                                   .arg(Quoted(db, RecordsSchema::HistoryIdColumn), history,
                                        Quoted(db, RecordsSchema::RecordNumber().name));
        const QStringList steps{
            QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS %1 (\"Login\" TEXT, \"Action\" TEXT)").arg(session),
            QStringLiteral("DELETE FROM %1").arg(session),
            QStringLiteral("INSERT INTO %1 (\"Login\") VALUES (%2)").arg(session, QuotedText(LoginName())),
            QStringLiteral("DROP TRIGGER IF EXISTS temp.\"%1_changed\"").arg(SessionTable),
            QStringLiteral("DROP TRIGGER IF EXISTS temp.\"%1_deleted\"").arg(SessionTable),
            QStringLiteral("DROP TRIGGER IF EXISTS temp.\"%1_restored\"").arg(SessionTable),
            QStringLiteral("CREATE TEMP TRIGGER \"%1_changed\" AFTER UPDATE ON %2 WHEN %3 BEGIN "
                           "UPDATE %4 SET %5, %6 = coalesce((SELECT \"Action\" FROM %7), %6) WHERE %8; END")
                .arg(SessionTable, table, ChangedCondition(db, copied), history, named, action, session, latest),
            QStringLiteral("CREATE TEMP TRIGGER \"%1_deleted\" AFTER DELETE ON %2 BEGIN UPDATE %3 SET %4 WHERE %5; END")
                .arg(SessionTable, table, history, named, latest),
            // A deleted record brought back has no row before it: its history row is made here.
            QStringLiteral("CREATE TEMP TRIGGER \"%1_restored\" AFTER INSERT ON %2 "
                           "WHEN (SELECT \"Action\" FROM %3) IS NOT NULL BEGIN "
                           "INSERT INTO %4 (%5, %6, %7, %8) SELECT \"Action\", \"Login\", %9, %10 FROM %3; END")
                .arg(SessionTable, table, session, history, action, by, Quoted(db, RecordsSchema::HistoryAtColumn),
                     ColumnList(db, copied), NowUtc, ColumnList(db, copied, QStringLiteral("NEW."))),
        };
        for (const QString& sql : steps) {
            QSqlQuery step(db);
            if (!step.exec(sql))
                Fail(RecordsErrorNumber::CannotKeepHistory,
                     QStringLiteral("The history in the records file \"%1\" cannot name who changes records: %2")
                         .arg(QDir::toNativeSeparators(path_), step.lastError().text()));
        }
    }

    QString MarkRestore(bool on) const override
    {
        const QString action = on ? u'\'' + RecordsSchema::HistoryRestored + u'\'' : QStringLiteral("NULL");
        return QStringLiteral("UPDATE temp.\"%1\" SET \"Action\" = %2").arg(SessionTable, action);
    }

    // One user's file: everything is allowed.
    RecordsPermissions Permissions(QSqlDatabase&) const override { return {}; }

    QString Describe() const override
    {
        return QStringLiteral("the records file \"%1\"").arg(QDir::toNativeSeparators(path_));
    }

protected:
    // The file's write lock, waited for as a save waits; a file made by the program has
    // its table. SQLite keeps the change going past a refused column.
    SchemaRules Rules() const override
    {
        return {.type = &RecordsSchema::Column::sqliteType,
                .lockStatements = {QStringLiteral("BEGIN IMMEDIATE")},
                .leavesCompleteTable = true,
                .addsPastRefusal = true,
                .indexes = {{.column = RecordsSchema::SiteColumn}},
                .grants = {}};
    }

    // A file without the records table is not a records file: it never gets one.
    QStringList ColumnNames(const QSqlDatabase& db, const QString& table) const override
    {
        QSqlQuery columns(db);
        if (!columns.exec(QStringLiteral("PRAGMA main.table_info(%1)").arg(Quoted(db, table))))
            Fail(RecordsErrorNumber::CannotRead,
                 QStringLiteral("The columns of %1 could not be read: %2").arg(table, columns.lastError().text()));
        QStringList names;
        while (columns.next())
            names << columns.value(1).toString();
        if (names.isEmpty() && table == RecordsSchema::TableName)
            Fail(RecordsErrorNumber::NoTable, QStringLiteral("The records file \"%1\" has no table %2.")
                                                  .arg(QDir::toNativeSeparators(path_), RecordsSchema::TableName));
        return names;
    }

    bool HasHistoryTriggers(const QSqlDatabase& db) const override
    {
        QSqlQuery triggers(db);
        return triggers.exec(QStringLiteral("SELECT count(*) FROM main.sqlite_master WHERE type = 'trigger' AND "
                                            "name IN (%1, %2)")
                                 .arg(QuotedText(HistoryChangedTrigger), QuotedText(HistoryDeletedTrigger)))
               && triggers.next() && triggers.value(0).toInt() == 2;
    }

    // Before the change, so that the connection's own triggers, after it, find the row.
    QStringList HistoryTriggers(const QSqlDatabase& db, const QStringList& copied) const override
    {
        const QString insert = QStringLiteral("INSERT INTO %1 (%2, %3, %4) VALUES ('%5', %6, %7)")
                                   .arg(Quoted(db, RecordsSchema::HistoryTableName),
                                        Quoted(db, RecordsSchema::HistoryActionColumn),
                                        Quoted(db, RecordsSchema::HistoryAtColumn), ColumnList(db, copied), "%1",
                                        NowUtc, ColumnList(db, copied, QStringLiteral("OLD.")));
        const QString table = Quoted(db, RecordsSchema::TableName);
        return {QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(Quoted(db, HistoryChangedTrigger)),
                QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(Quoted(db, HistoryDeletedTrigger)),
                QStringLiteral("CREATE TRIGGER %1 BEFORE UPDATE ON %2 WHEN %3 BEGIN %4; END")
                    .arg(Quoted(db, HistoryChangedTrigger), table, ChangedCondition(db, copied),
                         insert.arg(RecordsSchema::HistoryChanged)),
                QStringLiteral("CREATE TRIGGER %1 BEFORE DELETE ON %2 BEGIN %3; END")
                    .arg(Quoted(db, HistoryDeletedTrigger), table, insert.arg(RecordsSchema::HistoryDeleted))};
    }

    [[noreturn]] void SchemaRefused(SchemaStep step, const QString& what, const QSqlError& error) const override
    {
        if (step == SchemaStep::History)
            Fail(RecordsErrorNumber::CannotKeepHistory,
                 QStringLiteral("The history of %1 (%2) could not be made in the records file \"%3\": %4")
                     .arg(RecordsSchema::TableName, what, QDir::toNativeSeparators(path_), error.text()));
        Fail(RecordsErrorNumber::CannotAddColumn, QStringLiteral("The column %1 could not be added to %2: %3")
                                                      .arg(what, RecordsSchema::TableName, error.text()));
    }

private:
    static QString QuotedText(QString text) { return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\''; }

    QString path_;
    int busyTimeoutMs_;
};

}  // namespace

std::unique_ptr<RecordsEngine> MakeFileEngine(const QString& path, int busyTimeoutMs)
{
    return std::make_unique<FileEngine>(path, busyTimeoutMs);
}

QString Quoted(const QSqlDatabase& db, const QString& name)
{
    return db.driver()->escapeIdentifier(name, QSqlDriver::FieldName);
}

#include "records/RecordsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QUrl>
#include <QUuid>

#include "calc/ProgramError.h"
#include "records/RecordsPath.h"
#include "records/RecordsSchema.h"

namespace {

[[noreturn]] void Fail(int number, const QString& description)
{
    throw ProgramError(number, description.toStdString());
}

// Opens an existing file only: SQLite would otherwise create an empty file in place
// of a missing one. The path is encoded because a raw '#' or '?' would end it early.
QString OpenExistingUri(const QString& path, bool readOnly)
{
    const QString absolute = QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath();
    return QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded)
           + (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw"));
}

}  // namespace

RecordsStore::RecordsStore() : RecordsStore(Options{}) {}

RecordsStore::RecordsStore(Options options)
    : options_(options), connectionName_(QStringLiteral("records-") + QUuid::createUuid().toString())
{
}

RecordsStore::~RecordsStore()
{
    RecordsTable.reset();
    RecordsDatabase = QSqlDatabase();
    if (QSqlDatabase::contains(connectionName_))
        QSqlDatabase::removeDatabase(connectionName_);
}

void RecordsStore::ChooseDatabasePath()
{
    DatabasePath = RecordsPath::ForThisProgram();
}

void RecordsStore::OpenDatabase()
{
    const QString shown = QDir::toNativeSeparators(DatabasePath);
    if (DatabasePath.isEmpty() || !QFileInfo(QDir::fromNativeSeparators(DatabasePath)).isFile())
        Fail(RecordsErrorNumber::FileNotFound, QStringLiteral("The records file \"%1\" was not found.").arg(shown));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(OpenExistingUri(DatabasePath, options_.readOnly));
    // Another copy of the program writing at the same moment holds the lock for a few
    // milliseconds: wait for it rather than fail the save.
    QString connectOptions =
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(options_.busyTimeoutMs);
    if (options_.readOnly)
        connectOptions += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(connectOptions);
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
    RecordsDatabase = db;
}

void RecordsStore::AddRateThresholdField()
{
    RequireDatabase();
    const auto missing = [this] {
        // Names compare exactly, letter case included, as the file's own names are kept.
        const QStringList present = ColumnNames();
        std::vector<RecordsSchema::Column> columns;
        for (const RecordsSchema::Column& column : RecordsSchema::AppendedColumns()) {
            if (!present.contains(column.name))
                columns.push_back(column);
        }
        return columns;
    };
    if (missing().empty())
        return;

    // Another copy of the program starting at the same moment may be adding the
    // columns too: take the file's write lock (waiting for the other copy as a save
    // does) and look again, so that only one of them adds them.
    const auto cannotAdd = [](const QString& column, const QSqlError& error) {
        Fail(RecordsErrorNumber::CannotAddColumn, QStringLiteral("The column %1 could not be added to %2: %3")
                                                      .arg(column, RecordsSchema::TableName, error.text()));
    };
    QSqlQuery lock(RecordsDatabase);
    if (!lock.exec(QStringLiteral("BEGIN IMMEDIATE")))
        cannotAdd(missing().front().name, lock.lastError());
    struct Unlock {
        QSqlDatabase& db;
        bool committed = false;
        ~Unlock()
        {
            if (!committed)
                QSqlQuery(QStringLiteral("ROLLBACK"), db);
        }
    } unlock{RecordsDatabase};

    for (const RecordsSchema::Column& column : missing()) {
        QString sql = QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                          .arg(RecordsSchema::TableName, column.name, QString::fromLatin1(column.sqliteType));
        if (column.appendedDefault)
            sql += QStringLiteral(" DEFAULT ") + QString::fromLatin1(column.appendedDefault);
        QSqlQuery add(RecordsDatabase);
        if (!add.exec(sql))
            cannotAdd(column.name, add.lastError());
    }
    if (!lock.exec(QStringLiteral("COMMIT")))
        cannotAdd(missing().front().name, lock.lastError());
    unlock.committed = true;
}

QStringList RecordsStore::ColumnNames()
{
    QSqlQuery columns(RecordsDatabase);
    if (!columns.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(RecordsSchema::TableName)))
        Fail(RecordsErrorNumber::CannotRead,
             QStringLiteral("The columns of %1 could not be read: %2")
                 .arg(RecordsSchema::TableName, columns.lastError().text()));

    QStringList names;
    while (columns.next())
        names << columns.value(1).toString();
    if (names.isEmpty())
        Fail(RecordsErrorNumber::NoTable, QStringLiteral("The records file \"%1\" has no table %2.")
                                              .arg(QDir::toNativeSeparators(DatabasePath), RecordsSchema::TableName));
    return names;
}

void RecordsStore::OpenRecordsTable()
{
    RequireDatabase();
    auto table = std::make_unique<QSqlTableModel>(nullptr, RecordsDatabase);
    table->setTable(RecordsSchema::TableName);
    if (table->record().isEmpty())
        Fail(RecordsErrorNumber::NoTable, QStringLiteral("The table %1 could not be opened: %2")
                                              .arg(RecordsSchema::TableName, table->lastError().text()));
    // Grid edits are written when the user leaves the row.
    table->setEditStrategy(QSqlTableModel::OnRowChange);
    RecordsTable = std::move(table);
}

int RecordsStore::ColumnCount() const
{
    RequireTable();
    return RecordsTable->record().count();
}

int RecordsStore::RecordCount() const
{
    RequireTable();
    QSqlQuery count(RecordsDatabase);
    if (!count.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(RecordsSchema::TableName)) || !count.next())
        Fail(RecordsErrorNumber::CannotRead, QStringLiteral("The records could not be counted: %1")
                                                 .arg(count.lastError().text()));
    return count.value(0).toInt();
}

QSqlError RecordsStore::SelectRecords()
{
    if (!isOpen())
        return NotOpenError();
    if (!RecordsTable->select())
        return RecordsTable->lastError();
    return {};
}

void RecordsStore::ReleaseRecords()
{
    if (isOpen())
        RecordsTable->setTable(RecordsSchema::TableName);
}

QSqlError RecordsStore::AddRecord(const NewRecord& record)
{
    return AddRecords({record});
}

QSqlError RecordsStore::AddRecords(const std::vector<NewRecord>& records)
{
    if (!isOpen())
        return NotOpenError();
    QStringList names;
    for (const RecordsSchema::Column& column : RecordsSchema::WrittenColumns())
        names << column.name;
    if (records.size() > 1 && !RecordsDatabase.transaction())
        return RecordsDatabase.lastError();
    QSqlQuery insert(RecordsDatabase);
    insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(RecordsSchema::TableName, names.join(QStringLiteral(", ")),
                            QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", "))));
    for (const NewRecord& record : records) {
        for (const RecordsSchema::Column& column : RecordsSchema::WrittenColumns()) {
            const QString& value = record.*column.field;
            // An empty box is stored as empty text, not as a missing value.
            insert.addBindValue(value.isNull() ? QStringLiteral("") : value);
        }
        if (!insert.exec()) {
            const QSqlError error = insert.lastError();
            if (records.size() > 1)
                RecordsDatabase.rollback();
            return error;
        }
    }
    if (records.size() > 1 && !RecordsDatabase.commit()) {
        const QSqlError error = RecordsDatabase.lastError();
        RecordsDatabase.rollback();
        return error;
    }
    return {};
}

QSqlError RecordsStore::DeleteAllRecords()
{
    if (!isOpen())
        return NotOpenError();
    QSqlQuery erase(RecordsDatabase);
    if (!erase.exec(QStringLiteral("DELETE FROM %1").arg(RecordsSchema::TableName)))
        return erase.lastError();
    return {};
}

QSqlError RecordsStore::CopyText(bool includeHeaders, bool includeRecordNumber, QString& text)
{
    if (!isOpen())
        return NotOpenError();
    QSqlQuery rows(RecordsDatabase);
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral("SELECT * FROM %1").arg(RecordsSchema::TableName)))
        return rows.lastError();

    const int first = includeRecordNumber ? 0 : 1;
    const QSqlRecord columns = rows.record();
    QString built;
    if (includeHeaders) {
        for (int i = first; i < columns.count(); ++i)
            built += columns.fieldName(i) + u'\t';
        built += u'\r';
    }
    while (rows.next()) {
        for (int i = first; i < columns.count(); ++i) {
            const QVariant value = rows.value(i);
            if (!value.isNull())
                built += value.toString();
            built += u'\t';
        }
        built += u'\r';
    }
    if (rows.lastError().isValid())
        return rows.lastError();
    text = std::move(built);
    return {};
}

void RecordsStore::RequireDatabase() const
{
    if (!RecordsDatabase.isOpen())
        Fail(RecordsErrorNumber::NotOpen, QStringLiteral("The records file \"%1\" is not open.")
                                              .arg(QDir::toNativeSeparators(DatabasePath)));
}

void RecordsStore::RequireTable() const
{
    if (!isOpen())
        Fail(RecordsErrorNumber::NotOpen, QStringLiteral("The table %1 is not open.").arg(RecordsSchema::TableName));
}

QSqlError RecordsStore::NotOpenError() const
{
    return QSqlError(QString(), QStringLiteral("The records file \"%1\" is not open.")
                                    .arg(QDir::toNativeSeparators(DatabasePath)),
                     QSqlError::ConnectionError);
}

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include "calc/ProgramError.h"
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
                .indexes = {{.column = RecordsSchema::SiteColumn}}};
    }

    QStringList ColumnNames(const QSqlDatabase& db) const override
    {
        QSqlQuery columns(db);
        if (!columns.exec(QStringLiteral("PRAGMA table_info(%1)").arg(Quoted(db, RecordsSchema::TableName))))
            Fail(RecordsErrorNumber::CannotRead, QStringLiteral("The columns of %1 could not be read: %2")
                                                     .arg(RecordsSchema::TableName, columns.lastError().text()));
        QStringList names;
        while (columns.next())
            names << columns.value(1).toString();
        if (names.isEmpty())
            Fail(RecordsErrorNumber::NoTable, QStringLiteral("The records file \"%1\" has no table %2.")
                                                  .arg(QDir::toNativeSeparators(path_), RecordsSchema::TableName));
        return names;
    }

    [[noreturn]] void SchemaRefused(SchemaStep, const QString& what, const QSqlError& error) const override
    {
        Fail(RecordsErrorNumber::CannotAddColumn, QStringLiteral("The column %1 could not be added to %2: %3")
                                                      .arg(what, RecordsSchema::TableName, error.text()));
    }

private:
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

#include "tests/records/RecordsTestFiles.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include "calc/ProgramError.h"
#include "records/RecordsSchema.h"

namespace {

// Runs `body` on a fresh connection to `path`; returns the error text when the
// file cannot be opened.
template <typename Body>
QString TryWithConnection(const QString& path, const QString& options, Body body)
{
    const QString name = QUuid::createUuid().toString();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        if (!db.open())
            error = db.lastError().text();
        else
            body(db);
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

template <typename Body>
void WithConnection(const QString& path, int busyTimeoutMs, Body body)
{
    const QString error = TryWithConnection(path, QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs), body);
    if (!error.isEmpty())
        ADD_FAILURE() << error.toStdString();
}

// Every row, every value as text; a null reads "<null>".
QList<QStringList> ReadRows(QSqlDatabase& db, QString& error)
{
    QList<QStringList> rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM tblBrackmere"))) {
        error = query.lastError().text();
        return rows;
    }
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << (query.value(i).isNull() ? QStringLiteral("<null>") : query.value(i).toString());
        rows << row;
    }
    if (query.lastError().isValid())
        error = query.lastError().text();
    return rows;
}

}  // namespace

RecordsFile::RecordsFile() : path_(dir_.filePath(RecordsSchema::FileName))
{
    QString error;
    if (!RecordsSchema::CreateRecordsFile(path_, error))
        ADD_FAILURE() << error.toStdString();
}

RecordsFile::~RecordsFile() = default;

void RecordsFile::Exec(const QString& sql, const QStringList& values) const
{
    WithConnection(path_, 5000, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(sql);
        for (const QString& value : values)
            query.addBindValue(value);
        if (!query.exec())
            ADD_FAILURE() << sql.toStdString() << ": " << query.lastError().text().toStdString();
    });
}

QList<QStringList> RecordsFile::Rows() const
{
    QList<QStringList> rows;
    WithConnection(path_, 5000, [&](QSqlDatabase& db) {
        QString error;
        rows = ReadRows(db, error);
        if (!error.isEmpty())
            ADD_FAILURE() << error.toStdString();
    });
    return rows;
}

ReadOnlyLook LookReadOnly(const QString& path)
{
    ReadOnlyLook look;
    const QString openError =
        TryWithConnection(path, QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"), [&](QSqlDatabase& db) {
            QSqlQuery integrity(db);
            if (!integrity.exec(QStringLiteral("PRAGMA integrity_check"))) {
                look.error = integrity.lastError().text();
                return;
            }
            QStringList verdict;
            while (integrity.next())
                verdict << integrity.value(0).toString();
            look.integrity = verdict.join(u'\n');
            integrity = QSqlQuery();
            look.rows = ReadRows(db, look.error);
        });
    if (!openError.isEmpty())
        look.error = openError;
    return look;
}

QStringList RecordsFile::ColumnNames() const
{
    QStringList names;
    WithConnection(path_, 5000, [&](QSqlDatabase& db) {
        const QSqlRecord record = db.record(QStringLiteral("tblBrackmere"));
        for (int i = 0; i < record.count(); ++i)
            names << record.fieldName(i);
    });
    return names;
}

int RecordsFile::Count() const
{
    return static_cast<int>(Rows().size());
}

std::vector<int> OpenStore(RecordsStore& store, const QString& path)
{
    std::vector<int> errors;
    const auto step = [&errors](auto action) {
        try {
            action();
        } catch (const ProgramError& error) {
            errors.push_back(error.number());
        }
    };
    store.UseDatabasePath(path);
    step([&] { store.OpenDatabase(); });
    step([&] { store.AddRateThresholdField(); });
    step([&] { store.OpenRecordsTable(); });
    step([&] { store.ColumnCount(); });
    step([&] { store.RecordCount(); });
    return errors;
}

NewRecord SampleRecord(const QString& date, const QString& threshold)
{
    return {date,  QStringLiteral("10:11:12 AM"), QStringLiteral("85"),  QStringLiteral("90"),
            QStringLiteral("50"), QStringLiteral("10"), QStringLiteral("0.241"),
            QStringLiteral("Measures may be needed."), QStringLiteral("note ") + date, threshold};
}

OtherConnection::OtherConnection(const QString& path, int busyTimeoutMs) : name_(QUuid::createUuid().toString())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open())
        ADD_FAILURE() << db.lastError().text().toStdString();
}

OtherConnection::~OtherConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(name_);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

bool OtherConnection::Exec(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(name_));
    return query.exec(sql);
}

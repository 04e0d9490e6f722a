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

template <typename Body>
void WithConnection(const QString& path, int busyTimeoutMs, Body body)
{
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        if (!db.open())
            ADD_FAILURE() << db.lastError().text().toStdString();
        else
            body(db);
    }
    QSqlDatabase::removeDatabase(name);
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
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("SELECT * FROM tblBrackmere"))) {
            ADD_FAILURE() << query.lastError().text().toStdString();
            return;
        }
        while (query.next()) {
            QStringList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << (query.value(i).isNull() ? QStringLiteral("<null>") : query.value(i).toString());
            rows << row;
        }
    });
    return rows;
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

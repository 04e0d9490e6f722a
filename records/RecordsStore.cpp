#include "records/RecordsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QUuid>

#include "calc/ProgramError.h"
#include "records/RecordsEngine.h"
#include "records/RecordsPath.h"
#include "records/RecordsSchema.h"

namespace {

[[noreturn]] void Fail(int number, const QString& description)
{
    throw ProgramError(number, description.toStdString());
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
    UseLocation(RecordsLocationForThisRun());
    // An installed copy keeps its records in the user's data folder and makes the empty
    // file there on first start; a missing file anywhere else means a share out of reach.
    if (location_.isServer() || location_.file != RecordsPath::UserRecordsFile() || !RecordsPath::RunsInstalled())
        return;
    QString error;
    const QString path = QDir::fromNativeSeparators(location_.file);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !RecordsSchema::CreateRecordsFile(path, error))
        Fail(RecordsErrorNumber::CannotOpen,
             QStringLiteral("The records file \"%1\" could not be made: %2").arg(location_.shown(), error));
}

void RecordsStore::UseLocation(const RecordsLocation& location)
{
    location_ = location;
    engine_ = RecordsEngine::For(location, options_.busyTimeoutMs);
}

QString RecordsStore::describe() const
{
    return engine_ ? engine_->Describe() : QStringLiteral("the records");
}

void RecordsStore::OpenDatabase()
{
    if (!engine_)
        UseLocation(location_);
    RecordsDatabase = engine_->Open(connectionName_);
}

void RecordsStore::AddRateThresholdField()
{
    RequireDatabase();
    engine_->UpgradeSchema(RecordsDatabase);
}

void RecordsStore::OpenRecordsTable()
{
    RequireDatabase();
    engine_->NameSession(RecordsDatabase);
    auto table = std::make_unique<QSqlTableModel>(nullptr, RecordsDatabase);
    table->setTable(Quoted(RecordsDatabase, RecordsSchema::TableName));
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
    if (!count.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(Quoted(RecordsDatabase, RecordsSchema::TableName)))
        || !count.next())
        Fail(RecordsErrorNumber::CannotRead, QStringLiteral("The records could not be counted: %1")
                                                 .arg(count.lastError().text()));
    return count.value(0).toInt();
}

QSqlError RecordsStore::SelectRecords()
{
    if (const QSqlError closed = Reachable(); closed.isValid())
        return closed;
    // A server may return rows in any order, an edited one last; the grid keeps RecID order.
    RecordsTable->setSort(0, Qt::AscendingOrder);
    if (!RecordsTable->select()) {
        const QSqlError error = RecordsTable->lastError();
        ReconnectIfLost();
        return error;
    }
    return {};
}

void RecordsStore::ReleaseRecords()
{
    if (isOpen())
        RecordsTable->setTable(Quoted(RecordsDatabase, RecordsSchema::TableName));
}

QSqlError RecordsStore::AddRecord(const NewRecord& record)
{
    return AddRecords({record});
}

QSqlError RecordsStore::AddRecords(const std::vector<NewRecord>& records)
{
    if (const QSqlError closed = Reachable(); closed.isValid())
        return closed;
    // One transaction: a record is stored whole or not at all, and so are several.
    if (!RecordsDatabase.transaction())
        return Abandon(RecordsDatabase.lastError());
    QSqlQuery insert(RecordsDatabase);
    if (!PrepareInsert(insert, QString()))
        return Abandon(insert.lastError());
    for (const NewRecord& record : records) {
        BindRecord(insert, record);
        if (!insert.exec())
            return Abandon(insert.lastError());
    }
    if (!RecordsDatabase.commit())
        return Abandon(RecordsDatabase.lastError());
    return {};
}

QSqlError RecordsStore::CopyRecordsIn(const std::vector<NewRecord>& records, CopyOutcome& outcome,
                                      const std::function<bool(int done)>& keepGoing)
{
    outcome = {};
    if (const QSqlError closed = Reachable(); closed.isValid())
        return closed;
    if (!RecordsDatabase.transaction())
        return Abandon(RecordsDatabase.lastError());
    QSqlQuery insert(RecordsDatabase);
    if (!PrepareInsert(insert, QStringLiteral(" ON CONFLICT (%1) DO NOTHING")
                                   .arg(Quoted(RecordsDatabase, RecordsSchema::CopiedFromColumn))))
        return Abandon(insert.lastError());
    QSqlQuery mark(RecordsDatabase);
    for (std::size_t i = 0; i < records.size(); ++i) {
        // A savepoint per record: one the server refuses does not undo the others.
        if (!mark.exec(QStringLiteral("SAVEPOINT copying")))
            return Abandon(mark.lastError());
        BindRecord(insert, records[i]);
        if (insert.exec()) {
            ++(insert.numRowsAffected() > 0 ? outcome.copied : outcome.skipped);
            mark.exec(QStringLiteral("RELEASE SAVEPOINT copying"));
        } else {
            ++outcome.failed;
            if (outcome.reasons.size() < 3)
                outcome.reasons << QStringLiteral("%1: %2").arg(records[i].CopiedFrom, insert.lastError().text());
            if (!mark.exec(QStringLiteral("ROLLBACK TO SAVEPOINT copying")))
                return Abandon(mark.lastError());
        }
        if (keepGoing && !keepGoing(int(i) + 1)) {
            outcome = {};
            outcome.cancelled = true;
            RecordsDatabase.rollback();
            return {};
        }
    }
    if (!RecordsDatabase.commit())
        return Abandon(RecordsDatabase.lastError());
    return {};
}

// An INSERT of every column a saved record writes, `tail` after its values.
bool RecordsStore::PrepareInsert(QSqlQuery& insert, const QString& tail)
{
    QStringList names;
    for (const RecordsSchema::Column& column : RecordsSchema::WrittenColumns())
        names << Quoted(RecordsDatabase, column.name);
    return insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)%4")
                              .arg(Quoted(RecordsDatabase, RecordsSchema::TableName), names.join(QStringLiteral(", ")),
                                   QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", ")), tail));
}

void RecordsStore::BindRecord(QSqlQuery& insert, const NewRecord& record) const
{
    for (const RecordsSchema::Column& column : RecordsSchema::WrittenColumns())
        insert.addBindValue(engine_->Bind(column, record.*column.field));
}

// A write that failed undoes the whole transaction and, on a server, finds out whether
// the connection was lost.
QSqlError RecordsStore::Abandon(const QSqlError& error)
{
    RecordsDatabase.rollback();
    ReconnectIfLost();
    return Explained(error);
}

QSqlError RecordsStore::DeleteRecords(const QList<qint64>& numbers)
{
    // A statement names at most this many numbers: engines limit how many values one takes.
    constexpr qsizetype PerStatement = 500;
    if (const QSqlError closed = Reachable(); closed.isValid())
        return closed;
    if (!RecordsDatabase.transaction())
        return Abandon(RecordsDatabase.lastError());
    QSqlQuery erase(RecordsDatabase);
    for (qsizetype first = 0; first < numbers.size(); first += PerStatement) {
        QStringList listed;
        for (qint64 number : numbers.mid(first, PerStatement))
            listed << QString::number(number);
        if (!erase.exec(QStringLiteral("DELETE FROM %1 WHERE %2 IN (%3)")
                            .arg(Quoted(RecordsDatabase, RecordsSchema::TableName),
                                 Quoted(RecordsDatabase, RecordsSchema::RecordNumber().name), listed.join(u','))))
            return Abandon(erase.lastError());
    }
    if (!RecordsDatabase.commit())
        return Abandon(RecordsDatabase.lastError());
    return {};
}

QString RecordsStore::MoveTo(const RecordsLocation& location)
{
    RecordsStore next(options_);
    next.UseLocation(location);
    try {
        next.OpenDatabase();
        next.AddRateThresholdField();
        next.OpenRecordsTable();
    } catch (const ProgramError& error) {
        return QString::fromStdString(error.what());
    }
    // The records left behind close with `next`.
    std::swap(connectionName_, next.connectionName_);
    std::swap(location_, next.location_);
    std::swap(engine_, next.engine_);
    std::swap(RecordsDatabase, next.RecordsDatabase);
    std::swap(RecordsTable, next.RecordsTable);
    return {};
}

QString RecordsStore::TestConnection(const RecordsLocation& location, bool& reached)
{
    RecordsStore probe;
    probe.UseLocation(location);
    reached = false;
    try {
        probe.OpenDatabase();
    } catch (const ProgramError& error) {
        return QString::fromStdString(error.what());
    }
    reached = true;
    QString text = probe.describe() + QStringLiteral(" can be reached. ");
    text[0] = text[0].toUpper();
    QSqlQuery count(probe.RecordsDatabase);
    if (count.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(Quoted(probe.RecordsDatabase, RecordsSchema::TableName)))
        && count.next())
        return text + QStringLiteral("Its table %1 holds %2 records.").arg(RecordsSchema::TableName).arg(count.value(0).toLongLong());
    return text + (location.isServer()
                       ? QStringLiteral("It has no table %1 yet: it is made when the records are opened, if this "
                                        "login may create tables.")
                       : QStringLiteral("It has no table %1, so it is not a records file.")).arg(RecordsSchema::TableName);
}

QStringList RecordsStore::Sites()
{
    QStringList sites;
    if (!isOpen())
        return sites;
    QSqlQuery query(RecordsDatabase);
    const QString site = Quoted(RecordsDatabase, RecordsSchema::SiteColumn);
    if (query.exec(QStringLiteral("SELECT DISTINCT %1 FROM %2 WHERE %1 > '' ORDER BY %1")
                       .arg(site, Quoted(RecordsDatabase, RecordsSchema::TableName)))) {
        while (query.next())
            sites << query.value(0).toString();
    }
    return sites;
}

void RecordsStore::ReconnectIfLost()
{
    if (!engine_ || !engine_->CanReconnect())
        return;
    if (QSqlQuery(RecordsDatabase).exec(QStringLiteral("SELECT 1")))
        return;
    RecordsDatabase.close();
    RecordsDatabase.open();
}

void RecordsStore::RequireDatabase() const
{
    if (!RecordsDatabase.isOpen())
        Fail(RecordsErrorNumber::NotOpen, QStringLiteral("%1 is not open.").arg(describe()).replace(0, 1, u'T'));
}

void RecordsStore::RequireTable() const
{
    if (!isOpen())
        Fail(RecordsErrorNumber::NotOpen, QStringLiteral("The table %1 is not open.").arg(RecordsSchema::TableName));
}

// A connection that a failed reconnect left closed is opened again first: the server
// may be back, and the user's try should reach it rather than meet the old error.
QSqlError RecordsStore::Reachable()
{
    if (!isOpen())
        return NotOpenError();
    if (!RecordsDatabase.isOpen() && engine_->CanReconnect() && !RecordsDatabase.open())
        return Explained(RecordsDatabase.lastError());
    return {};
}

// The driver refuses some statements on a lost connection without saying why; such a
// refusal must still read as one.
QSqlError RecordsStore::Explained(const QSqlError& error)
{
    if (error.isValid())
        return error;
    return QSqlError(QString(), QStringLiteral("The connection to the records was lost."), QSqlError::ConnectionError);
}

QSqlError RecordsStore::NotOpenError() const
{
    QString text = QStringLiteral("%1 is not open.").arg(describe());
    text[0] = text[0].toUpper();
    return QSqlError(QString(), text, QSqlError::ConnectionError);
}

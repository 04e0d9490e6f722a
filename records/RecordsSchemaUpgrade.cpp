#include <QSqlQuery>
#include <optional>
#include <utility>

#include "records/RecordsEngine.h"

namespace {

// Names compare exactly, letter case included, as the table's own names are kept; a
// column differing only in case is then added, or refused by the engine and reported.
std::vector<RecordsSchema::Column> MissingFrom(const QStringList& present,
                                               const std::vector<RecordsSchema::Column>& wanted)
{
    std::vector<RecordsSchema::Column> missing;
    for (const RecordsSchema::Column& column : wanted) {
        if (!present.contains(column.name))
            missing.push_back(column);
    }
    return missing;
}

}  // namespace

QString RecordsEngine::CreateTableSql(const QSqlDatabase& db, const QString& name,
                                      const std::vector<RecordsSchema::Column>& layout,
                                      const char* RecordsSchema::Column::*type)
{
    QStringList columns;
    for (const RecordsSchema::Column& column : layout)
        columns << Quoted(db, column.name) + u' ' + QString::fromLatin1(column.*type);
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(Quoted(db, name), columns.join(QStringLiteral(", ")));
}

QStringList RecordsEngine::HistoryCopies(const QSqlDatabase& db) const
{
    const QStringList records = ColumnNames(db, RecordsSchema::TableName);
    const QStringList history = ColumnNames(db, RecordsSchema::HistoryTableName);
    QStringList copied;
    for (const RecordsSchema::Column& column : RecordsSchema::Columns()) {
        if (records.contains(column.name) && history.contains(column.name))
            copied << column.name;
    }
    return copied;
}

bool RecordsEngine::HistoryComplete(const QSqlDatabase& db) const
{
    const QStringList history = ColumnNames(db, RecordsSchema::HistoryTableName);
    return !history.isEmpty() && MissingFrom(history, RecordsSchema::HistoryColumns()).empty()
           && HasHistoryTriggers(db);
}

void RecordsEngine::UpgradeSchema(QSqlDatabase& db)
{
    const SchemaRules rules = Rules();
    QString lockedFor = RecordsSchema::TableName;
    if (rules.leavesCompleteTable) {
        const std::vector<RecordsSchema::Column> missing =
            MissingFrom(ColumnNames(db, RecordsSchema::TableName), RecordsSchema::AppendedColumns());
        if (missing.empty() && HistoryComplete(db)) {
            // A table of its own, made in one statement (one made meanwhile by another copy
            // of the program refuses it harmlessly); where it cannot be made, the records
            // still open, and saving a report says why.
            if (ColumnNames(db, RecordsSchema::SavedReportsTableName).isEmpty())
                QSqlQuery(db).exec(CreateTableSql(db, RecordsSchema::SavedReportsTableName,
                                                  RecordsSchema::SavedReportColumns(), rules.type));
            return;
        }
        lockedFor = missing.empty() ? RecordsSchema::HistoryTableName : missing.front().name;
    }

    // Another copy of the program starting at the same moment may be changing the table
    // too: the lock makes one wait for the other, and the layout is read again under it,
    // so that only one of them changes it.
    struct Rollback {
        QSqlDatabase& db;
        bool committed = false;
        ~Rollback()
        {
            if (!committed)
                QSqlQuery(QStringLiteral("ROLLBACK"), db);
        }
    } rollback{db};
    for (const QString& sql : rules.lockStatements) {
        QSqlQuery lock(db);
        if (!lock.exec(sql))
            SchemaRefused(SchemaStep::Lock, lockedFor, lock.lastError());
    }

    const auto createSql = [&](const QString& name, const std::vector<RecordsSchema::Column>& layout) {
        return CreateTableSql(db, name, layout, rules.type);
    };
    const auto createTable = [&](const QString& name, const std::vector<RecordsSchema::Column>& layout,
                                 SchemaStep step) {
        QSqlQuery create(db);
        if (!create.exec(createSql(name, layout)))
            SchemaRefused(step, name, create.lastError());
    };
    if (ColumnNames(db, RecordsSchema::TableName).isEmpty())
        createTable(RecordsSchema::TableName, RecordsSchema::Columns(), SchemaStep::CreateTable);

    // Each column is added on its own, so that where the engine allows, one it refuses
    // (a name differing only in letter case, say) is reported and the others still added.
    // The history gains every column the records gain.
    std::optional<std::pair<QString, QSqlError>> refused;
    bool columnsAdded = false;
    const auto addColumns = [&](const QString& name, const std::vector<RecordsSchema::Column>& wanted,
                                SchemaStep step) {
        for (const RecordsSchema::Column& column : MissingFrom(ColumnNames(db, name), wanted)) {
            QString sql = QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                              .arg(Quoted(db, name), Quoted(db, column.name), QString::fromLatin1(column.*rules.type));
            if (column.appendedDefault)
                sql += QStringLiteral(" DEFAULT ") + QString::fromLatin1(column.appendedDefault);
            QSqlQuery add(db);
            if (add.exec(sql)) {
                columnsAdded = true;
                continue;
            }
            if (!rules.addsPastRefusal)
                SchemaRefused(step, column.name, add.lastError());
            if (!refused)
                refused.emplace(column.name, add.lastError());
        }
    };
    addColumns(RecordsSchema::TableName, RecordsSchema::AppendedColumns(), SchemaStep::AddColumn);

    // The history, and the triggers writing it, are made with the table or on the first
    // opening by a version that keeps it; the triggers are made again whenever the
    // columns they copy change.
    const bool historyMade = ColumnNames(db, RecordsSchema::HistoryTableName).isEmpty();
    if (historyMade)
        createTable(RecordsSchema::HistoryTableName, RecordsSchema::HistoryColumns(), SchemaStep::History);
    else
        addColumns(RecordsSchema::HistoryTableName, RecordsSchema::HistoryColumns(), SchemaStep::History);
    if (historyMade || columnsAdded || !HasHistoryTriggers(db)) {
        for (const QString& sql : HistoryTriggers(db, HistoryCopies(db))) {
            QSqlQuery trigger(db);
            if (!trigger.exec(sql))
                SchemaRefused(SchemaStep::History, RecordsSchema::HistoryTableName, trigger.lastError());
        }
    }

    // A login that may not make an index or grant rights still works with the table, so
    // a refusal must not undo the rest (hence the savepoint).
    const auto whereAllowed = [&db](const QString& sql) {
        QSqlQuery step(db);
        step.exec(QStringLiteral("SAVEPOINT optional"));
        if (step.exec(sql))
            step.exec(QStringLiteral("RELEASE SAVEPOINT optional"));
        else
            step.exec(QStringLiteral("ROLLBACK TO SAVEPOINT optional"));
    };
    // The saved pour reports: a login that may not make their table still works with the
    // records, and is told when it saves a report.
    const bool reportsMade = ColumnNames(db, RecordsSchema::SavedReportsTableName).isEmpty();
    if (reportsMade)
        whereAllowed(createSql(RecordsSchema::SavedReportsTableName, RecordsSchema::SavedReportColumns()));
    std::vector<SchemaIndex> indexes = rules.indexes;
    indexes.push_back({.table = RecordsSchema::HistoryTableName, .column = RecordsSchema::RecordNumber().name});
    for (const SchemaIndex& index : indexes)
        whereAllowed(QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2 ON %3 (%4)")
                         .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(),
                              Quoted(db, index.table + u'_' + index.column), Quoted(db, index.table),
                              Quoted(db, index.column)));
    if (historyMade || reportsMade) {
        for (const QString& sql : rules.grants)
            whereAllowed(sql);
    }

    QSqlQuery finish(db);
    if (!finish.exec(QStringLiteral("COMMIT")))
        SchemaRefused(SchemaStep::Finish, RecordsSchema::TableName, finish.lastError());
    rollback.committed = true;
    if (refused)
        SchemaRefused(SchemaStep::AddColumn, refused->first, refused->second);
}

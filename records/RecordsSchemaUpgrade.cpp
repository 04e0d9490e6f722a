#include <QSqlQuery>
#include <optional>
#include <utility>

#include "records/RecordsEngine.h"

namespace {

// Names compare exactly, letter case included, as the table's own names are kept; a
// column differing only in case is then added, or refused by the engine and reported.
std::vector<RecordsSchema::Column> MissingFrom(const QStringList& present)
{
    std::vector<RecordsSchema::Column> missing;
    for (const RecordsSchema::Column& column : RecordsSchema::AppendedColumns()) {
        if (!present.contains(column.name))
            missing.push_back(column);
    }
    return missing;
}

}  // namespace

void RecordsEngine::UpgradeSchema(QSqlDatabase& db)
{
    const SchemaRules rules = Rules();
    const QString table = Quoted(db, RecordsSchema::TableName);
    QString lockedFor = RecordsSchema::TableName;
    if (rules.leavesCompleteTable) {
        const std::vector<RecordsSchema::Column> missing = MissingFrom(ColumnNames(db));
        if (missing.empty())
            return;
        lockedFor = missing.front().name;
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

    QStringList present = ColumnNames(db);
    if (present.isEmpty()) {
        QStringList columns;
        for (const RecordsSchema::Column& column : RecordsSchema::Columns())
            columns << Quoted(db, column.name) + u' ' + QString::fromLatin1(column.*rules.type);
        QSqlQuery create(db);
        if (!create.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(table, columns.join(QStringLiteral(", ")))))
            SchemaRefused(SchemaStep::CreateTable, RecordsSchema::TableName, create.lastError());
        present = ColumnNames(db);
    }

    // Each column is added on its own, so that where the engine allows, one it refuses
    // (a name differing only in letter case, say) is reported and the others still added.
    std::optional<std::pair<QString, QSqlError>> refused;
    for (const RecordsSchema::Column& column : MissingFrom(present)) {
        QString sql = QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                          .arg(table, Quoted(db, column.name), QString::fromLatin1(column.*rules.type));
        if (column.appendedDefault)
            sql += QStringLiteral(" DEFAULT ") + QString::fromLatin1(column.appendedDefault);
        QSqlQuery add(db);
        if (add.exec(sql))
            continue;
        if (!rules.addsPastRefusal)
            SchemaRefused(SchemaStep::AddColumn, column.name, add.lastError());
        if (!refused)
            refused.emplace(column.name, add.lastError());
    }

    // A login that may not make an index still works with the table, so a refusal must
    // not undo the rest (hence the savepoint).
    for (const SchemaIndex& index : rules.indexes) {
        QSqlQuery step(db);
        step.exec(QStringLiteral("SAVEPOINT indexing"));
        if (step.exec(QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2 ON %3 (%4)")
                          .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(),
                               Quoted(db, RecordsSchema::TableName + u'_' + index.column), table,
                               Quoted(db, index.column))))
            step.exec(QStringLiteral("RELEASE SAVEPOINT indexing"));
        else
            step.exec(QStringLiteral("ROLLBACK TO SAVEPOINT indexing"));
    }

    QSqlQuery finish(db);
    if (!finish.exec(QStringLiteral("COMMIT")))
        SchemaRefused(SchemaStep::Finish, RecordsSchema::TableName, finish.lastError());
    rollback.committed = true;
    if (refused)
        SchemaRefused(SchemaStep::AddColumn, refused->first, refused->second);
}

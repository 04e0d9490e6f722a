#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "records/RecordsLocation.h"
#include "records/RecordsPermissions.h"
#include "records/RecordsSchema.h"

class QWidget;

// What differs between the two places records live: how the connection is opened, what
// bringing the table's layout up to date takes there, and how a value reaches a column.
// The store does everything else the same way for both.
class RecordsEngine {
public:
    virtual ~RecordsEngine() = default;

    // Opens a connection under the given name; a failure throws ProgramError naming the
    // location and the reason.
    virtual QSqlDatabase Open(const QString& connectionName) = 0;
    // Adds what the table lacks (a file never gets a table; a server gets one when it has
    // none and the login may create it), safely when several copies start at once. One
    // routine for both engines, following their SchemaRules.
    void UpgradeSchema(QSqlDatabase& db);
    // Names the login in the history of the changes this connection makes, where the
    // engine's triggers cannot know it by themselves; run once the layout is up to date.
    virtual void NameSession(QSqlDatabase& db) const = 0;
    // The statement marking the writes that follow, until the transaction ends or the
    // statement for `on` false runs, as a restore in the history.
    virtual QString MarkRestore(bool on) const = 0;
    // What the login may do with the records.
    virtual RecordsPermissions Permissions(QSqlDatabase& db) const = 0;
    // How a saved text is handed to its column.
    virtual QVariant Bind(const RecordsSchema::Column& column, const QString& text) const = 0;
    // Whether a failed statement may have been a lost connection worth opening again.
    virtual bool CanReconnect() const = 0;
    virtual QString Describe() const = 0;  // "the records file "…"", "the records server "…""
    // The statements that start a transaction no other copy of the program writes in
    // meanwhile (those the schema's upgrade takes).
    QStringList ExclusiveStart() const { return Rules().lockStatements; }

    static std::unique_ptr<RecordsEngine> For(const RecordsLocation& location, int busyTimeoutMs);

protected:
    struct SchemaIndex {
        QString table = RecordsSchema::TableName;
        QString column;
        bool unique = false;
    };
    // How the engine's table is brought up to date.
    struct SchemaRules {
        const char* RecordsSchema::Column::*type = nullptr;  // a column's SQL type on this engine
        // Start the change and keep other copies from changing the table until it ends.
        QStringList lockStatements;
        // Look first, without the lock, and leave a table that lacks no column as it is.
        bool leavesCompleteTable = false;
        // Add the other columns after one is refused (and report it after they are added).
        bool addsPastRefusal = false;
        // Made where the login may; the table works as well without them.
        std::vector<SchemaIndex> indexes;
        // Run once the history is first made, each where the login may.
        QStringList grants;
    };
    enum class SchemaStep { Lock, CreateTable, AddColumn, History, Finish };

    virtual SchemaRules Rules() const = 0;
    // The names of the table's columns; none when there is no such table, which is then created.
    virtual QStringList ColumnNames(const QSqlDatabase& db, const QString& table) const = 0;
    // Whether the triggers that write the history are there.
    virtual bool HasHistoryTriggers(const QSqlDatabase& db) const = 0;
    // The record's columns the history keeps: those both tables have.
    QStringList HistoryCopies(const QSqlDatabase& db) const;
    // Whether the history has every column and its triggers.
    bool HistoryComplete(const QSqlDatabase& db) const;
    // The statements that make (or make again) the triggers copying the `copied` columns
    // of a changed or deleted record into the history.
    virtual QStringList HistoryTriggers(const QSqlDatabase& db, const QStringList& copied) const = 0;
    static QString CreateTableSql(const QSqlDatabase& db, const QString& name,
                                  const std::vector<RecordsSchema::Column>& layout,
                                  const char* RecordsSchema::Column::*type);
    // Throws ProgramError for a step that was refused; `what` names the column or the table.
    [[noreturn]] virtual void SchemaRefused(SchemaStep step, const QString& what, const QSqlError& error) const = 0;
};

// The names the store uses in SQL, quoted for the connection's engine so that both keep
// the letter case of the design (tblBrackmere, RecordDate).
QString Quoted(const QSqlDatabase& db, const QString& name);

// A password typed for a server, asked once per run. The program asks the user; tests
// install an answer of their own for the lifetime of a ScopedPasswordAnswer.
namespace ServerPassword {

// The password typed for this server in this run, asking for one when none was typed
// yet; nothing when the user cancels.
std::optional<QString> Ask(const QString& server, bool again);
void Forget(const QString& server);

class ScopedAnswer {
public:
    explicit ScopedAnswer(std::function<std::optional<QString>(const QString& server)> answer);
    ~ScopedAnswer();
    ScopedAnswer(const ScopedAnswer&) = delete;
    ScopedAnswer& operator=(const ScopedAnswer&) = delete;

private:
    std::function<std::optional<QString>(const QString&)> previous_;
};

}  // namespace ServerPassword

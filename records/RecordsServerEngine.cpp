#include <QInputDialog>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrlQuery>
#include <map>

#include "calc/NumberReading.h"
#include "calc/ProgramError.h"
#include "calc/Single.h"
#include "records/RecordsEngine.h"
#include "records/RecordsServerRoles.h"
#include "records/RecordsStore.h"

namespace {

[[noreturn]] void Fail(int number, const QString& description)
{
    throw ProgramError(number, description.toStdString());
}

// A start-up that finds the server down should not keep the user waiting long.
constexpr int DefaultConnectTimeoutSeconds = 10;
// Copies starting at the same moment take this lock while they bring the table up to date.
constexpr qint64 SchemaLockKey = 0x42524b4d;  // "BRKM"

bool NeedsPassword(const QSqlError& error)
{
    return error.text().contains(QStringLiteral("password"), Qt::CaseInsensitive);
}

// The history's trigger function and triggers on a server.
const QString HistoryFunction = RecordsSchema::HistoryTableName + QStringLiteral("_keep");
const QString HistoryTriggerPrefix = RecordsSchema::HistoryTableName + u'_';
// The setting that marks a transaction's writes as a restore.
const QString RestoreSetting = QStringLiteral("brackmere.action");
const QString RecorderRole = RecordsServerRoles::Recorder;
const QString EditorRole = RecordsServerRoles::Editor;

// A PostgreSQL database reached through Qt's driver from a libpq connection URI.
class ServerEngine : public RecordsEngine {
public:
    explicit ServerEngine(RecordsLocation location) : location_(std::move(location)) {}

    QSqlDatabase Open(const QString& connectionName) override
    {
        // An address that holds a password or an option the program does not know is
        // refused before anything reaches the driver.
        if (const QString problem = location_.problem(); !problem.isEmpty())
            Fail(RecordsErrorNumber::CannotOpen, QStringLiteral("The records server %1 cannot be used: %2")
                                                     .arg(Shown(), problem));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        if (!db.isValid())
            Fail(RecordsErrorNumber::CannotOpen,
                 QStringLiteral("The records server %1 cannot be used: the PostgreSQL driver of Qt (package "
                                "libqt6sql6-psql) is not installed.")
                     .arg(Shown()));
        const QUrl& server = location_.server;
        db.setHostName(server.host());
        db.setPort(server.port(5432));
        db.setUserName(server.userName());
        db.setDatabaseName(server.path().mid(1));
        QStringList options{location_.connectOptions()};
        if (!QUrlQuery(server).hasQueryItem(QStringLiteral("connect_timeout")))
            options << QStringLiteral("connect_timeout=%1").arg(DefaultConnectTimeoutSeconds);
        options.removeAll(QString());
        db.setConnectOptions(options.join(u';'));

        // libpq's password file or PGPASSWORD first, and only then the user, once per run.
        std::optional<QString> password = ServerPassword::Ask(Shown(), false);
        for (int attempt = 0;; ++attempt) {
            db.setPassword(password.value_or(QString()));
            if (db.open())
                return db;
            const QSqlError error = db.lastError();
            if (!NeedsPassword(error) || attempt >= 2)
                Fail(RecordsErrorNumber::CannotOpen,
                     QStringLiteral("The records server %1 could not be reached: %2").arg(Shown(), error.text()));
            ServerPassword::Forget(Shown());
            password = ServerPassword::Ask(Shown(), true);
            if (!password)
                Fail(RecordsErrorNumber::CannotOpen,
                     QStringLiteral("The records server %1 needs a password, and none was given.").arg(Shown()));
        }
    }

    // The server knows the login of every change by itself.
    void NameSession(QSqlDatabase&) const override {}

    QString MarkRestore(bool on) const override
    {
        return QStringLiteral("SELECT set_config('%1', '%2', true)")
            .arg(RestoreSetting, on ? RecordsSchema::HistoryRestored : QString());
    }

    RecordsPermissions Permissions(QSqlDatabase& db) const override
    {
        QSqlQuery rights(db);
        rights.prepare(QStringLiteral("SELECT session_user, has_table_privilege(to_regclass(?), 'UPDATE'),"
                                      " has_table_privilege(to_regclass(?), 'DELETE'),"
                                      " coalesce(has_table_privilege(to_regclass(?), 'SELECT'), false)"));
        for (const QString& table :
             {RecordsSchema::TableName, RecordsSchema::TableName, RecordsSchema::HistoryTableName})
            rights.addBindValue(Quoted(db, table));
        RecordsPermissions permissions;
        if (!rights.exec() || !rights.next()) {
            permissions = {.change = false, .remove = false, .history = false,
                           .reason = QStringLiteral("What this login may do could not be read from the server: %1")
                                         .arg(rights.lastError().text())};
            return permissions;
        }
        const QString login = rights.value(0).toString();
        permissions.change = rights.value(1).toBool();
        permissions.remove = rights.value(2).toBool();
        permissions.history = rights.value(3).toBool();
        QStringList missing;
        if (!permissions.change && !permissions.remove)
            missing << QStringLiteral("change or delete records");
        else if (!permissions.change)
            missing << QStringLiteral("change records");
        else if (!permissions.remove)
            missing << QStringLiteral("delete records");
        if (!permissions.history)
            missing << QStringLiteral("read their history");
        if (!missing.isEmpty())
            permissions.reason = QStringLiteral("The login \"%1\" may not %2 on this server; the database's owner "
                                                "can grant it the role %3.")
                                     .arg(login, missing.join(QStringLiteral(" or ")), EditorRole);
        return permissions;
    }

    QVariant Bind(const RecordsSchema::Column& column, const QString& text) const override
    {
        switch (column.toServer) {
        case RecordsSchema::Column::ToServer::Number:
            // No threshold at all (a record from before thresholds were kept) stays none.
            if (text.trimmed().isEmpty())
                return QVariant(QMetaType(QMetaType::Double));
            return double(ToSingle(ReadNumber(text.toStdString())));
        case RecordsSchema::Column::ToServer::NullWhenEmpty:
            return text.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
        case RecordsSchema::Column::ToServer::Text: break;
        }
        return text.isNull() ? QStringLiteral("") : text;
    }

    bool CanReconnect() const override { return true; }

    QString Describe() const override { return QStringLiteral("the records server %1").arg(Shown()); }

protected:
    // The transaction's lock keeps copies starting at once from changing the table
    // together. The table is made the first time; PostgreSQL ends the change at a refused
    // column. The indexes are checked on every opening, as an owner may have made the table.
    SchemaRules Rules() const override
    {
        return {.type = &RecordsSchema::Column::serverType,
                .lockStatements = {QStringLiteral("BEGIN"),
                                   QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(SchemaLockKey),
                                   // An index that is there already is no news.
                                   QStringLiteral("SET LOCAL client_min_messages TO warning")},
                .leavesCompleteTable = false,
                .addsPastRefusal = false,
                // A record copied from a records file is copied once, however often the copy
                // runs; the save dialog lists the sites saved so far without reading every record.
                .indexes = {{.column = RecordsSchema::CopiedFromColumn, .unique = true},
                            {.column = RecordsSchema::SiteColumn}},
                .grants = Grants()};
    }

    // The group roles, made where the login may (roles belong to the whole server, so
    // another database's records may have made them already), and their rights here.
    static QStringList Grants()
    {
        const QString table = u'"' + RecordsSchema::TableName + u'"';
        const QString history = u'"' + RecordsSchema::HistoryTableName + u'"';
        QStringList grants;
        const QString role = QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = '%1') "
                                            "THEN CREATE ROLE %1 NOLOGIN%2; END IF; END $$");
        grants << role.arg(RecorderRole, QString()) << role.arg(EditorRole, QStringLiteral(" IN ROLE ") + RecorderRole)
               << QStringLiteral("DO $$ BEGIN IF EXISTS (SELECT FROM pg_namespace WHERE nspname = current_schema() "
                                 "AND pg_has_role(nspowner, 'MEMBER')) THEN "
                                 "EXECUTE format('GRANT USAGE ON SCHEMA %I TO %1', current_schema()); END IF; END $$")
                      .arg(RecorderRole)
               << QStringLiteral("GRANT SELECT, INSERT ON %1 TO %2").arg(table, RecorderRole)
               << QStringLiteral("GRANT SELECT ON %1 TO %2").arg(history, RecorderRole)
               << QStringLiteral("GRANT SELECT, INSERT ON \"%1\" TO %2")
                      .arg(RecordsSchema::SavedReportsTableName, RecorderRole)
               << QStringLiteral("GRANT UPDATE, DELETE ON %1 TO %2").arg(table, EditorRole);
        return grants;
    }

    QStringList ColumnNames(const QSqlDatabase& db, const QString& table) const override
    {
        const QSqlRecord present = db.record(Quoted(db, table));
        QStringList names;
        for (int column = 0; column < present.count(); ++column)
            names << present.fieldName(column);
        return names;
    }

    bool HasHistoryTriggers(const QSqlDatabase& db) const override
    {
        QSqlQuery triggers(db);
        triggers.prepare(QStringLiteral("SELECT count(*) FROM pg_trigger WHERE tgrelid = to_regclass(?) AND "
                                        "tgname IN (?, ?, ?)"));
        triggers.addBindValue(Quoted(db, RecordsSchema::TableName));
        for (const QString& action : {RecordsSchema::HistoryChanged, RecordsSchema::HistoryDeleted,
                                      RecordsSchema::HistoryRestored})
            triggers.addBindValue(HistoryTriggerPrefix + action);
        return triggers.exec() && triggers.next() && triggers.value(0).toInt() == 3;
    }

    // One function writes every history row. It runs with its owner's rights, so that
    // logins may read the history but neither write nor change it, and names the login
    // that connected (session_user; current_user is the owner inside it).
    QStringList HistoryTriggers(const QSqlDatabase& db, const QStringList& copied) const override
    {
        QStringList names, oldValues, newValues;
        for (const QString& name : copied) {
            names << Quoted(db, name);
            oldValues << QStringLiteral("OLD.") + Quoted(db, name);
            newValues << QStringLiteral("NEW.") + Quoted(db, name);
        }
        const QString insert =
            QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5) VALUES (%6, session_user, now(), %7);")
                .arg(Quoted(db, RecordsSchema::HistoryTableName), Quoted(db, RecordsSchema::HistoryActionColumn),
                     Quoted(db, RecordsSchema::HistoryByColumn), Quoted(db, RecordsSchema::HistoryAtColumn),
                     names.join(QStringLiteral(", ")), QStringLiteral("%1"), QStringLiteral("%2"));
        const QString function = Quoted(db, HistoryFunction);
        const QString table = Quoted(db, RecordsSchema::TableName);
        const QString trigger = QStringLiteral("CREATE OR REPLACE TRIGGER %1 AFTER %2 ON %3 FOR EACH ROW %4 "
                                               "EXECUTE FUNCTION %5()");
        return {
            QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER "
                           "SET search_path = %2, pg_temp AS $body$ BEGIN "
                           "IF TG_OP = 'INSERT' THEN %3 "
                           "ELSE %4 END IF; RETURN NULL; END $body$")
                .arg(function, Quoted(db, CurrentSchema(db)),
                     insert.arg(u'\'' + RecordsSchema::HistoryRestored + u'\'', newValues.join(QStringLiteral(", "))),
                     insert.arg(QStringLiteral("CASE WHEN TG_OP = 'DELETE' THEN '%1' WHEN current_setting('%2', true)"
                                               " = '%3' THEN '%3' ELSE '%4' END")
                                    .arg(RecordsSchema::HistoryDeleted, RestoreSetting,
                                         RecordsSchema::HistoryRestored, RecordsSchema::HistoryChanged),
                                oldValues.join(QStringLiteral(", ")))),
            trigger.arg(Quoted(db, HistoryTriggerPrefix + RecordsSchema::HistoryChanged), QStringLiteral("UPDATE"),
                        table, QStringLiteral("WHEN (OLD.* IS DISTINCT FROM NEW.*)"), function),
            trigger.arg(Quoted(db, HistoryTriggerPrefix + RecordsSchema::HistoryDeleted), QStringLiteral("DELETE"),
                        table, QString(), function),
            trigger.arg(Quoted(db, HistoryTriggerPrefix + RecordsSchema::HistoryRestored), QStringLiteral("INSERT"),
                        table,
                        QStringLiteral("WHEN (current_setting('%1', true) = '%2')")
                            .arg(RestoreSetting, RecordsSchema::HistoryRestored),
                        function),
        };
    }

    [[noreturn]] void SchemaRefused(SchemaStep step, const QString& what, const QSqlError& error) const override
    {
        switch (step) {
        case SchemaStep::CreateTable:
            Fail(RecordsErrorNumber::NoTable,
                 QStringLiteral("The table %1 does not exist on the records server %2, and this login may not "
                                "create it: %3\nAsk the database's owner to create it, or to let this login "
                                "create tables.")
                     .arg(RecordsSchema::TableName, Shown(), error.text()));
        case SchemaStep::History:
            Fail(RecordsErrorNumber::CannotKeepHistory,
                 QStringLiteral("The history of %1 (%2) is not complete on the records server %3, and this login "
                                "may not complete it: %4\nAsk the database's owner to open the records once with "
                                "this version of the program.")
                     .arg(RecordsSchema::TableName, what, Shown(), error.text()));
        case SchemaStep::AddColumn:
            Fail(RecordsErrorNumber::CannotAddColumn,
                 QStringLiteral("The column %1 is missing from %2 on the records server %3, and this login may "
                                "not add it: %4\nAsk the database's owner to add it.")
                     .arg(what, RecordsSchema::TableName, Shown(), error.text()));
        case SchemaStep::Lock:
        case SchemaStep::Finish: break;
        }
        Fail(RecordsErrorNumber::CannotAddColumn,
             QStringLiteral("The layout of %1 on the records server %2 could not %3 being checked: %4")
                 .arg(RecordsSchema::TableName, Shown(),
                      step == SchemaStep::Lock ? QStringLiteral("start") : QStringLiteral("finish"), error.text()));
    }

private:
    QString Shown() const { return u'"' + location_.shown() + u'"'; }

    static QString CurrentSchema(const QSqlDatabase& db)
    {
        QSqlQuery schema(QStringLiteral("SELECT current_schema()"), db);
        return schema.next() ? schema.value(0).toString() : QStringLiteral("public");
    }

    RecordsLocation location_;
};

std::function<std::optional<QString>(const QString&)>& Answerer()
{
    static std::function<std::optional<QString>(const QString&)> answer = [](const QString& server) {
        bool given = false;
        const QString typed = QInputDialog::getText(nullptr, QStringLiteral("Records Server"),
                                                    QStringLiteral("Password for %1:").arg(server), QLineEdit::Password,
                                                    QString(), &given);
        return given ? std::optional<QString>(typed) : std::nullopt;
    };
    return answer;
}

// Typed passwords live only as long as the program runs.
std::map<QString, QString>& Typed()
{
    static std::map<QString, QString> typed;
    return typed;
}

}  // namespace

std::unique_ptr<RecordsEngine> MakeFileEngine(const QString& path, int busyTimeoutMs);

std::unique_ptr<RecordsEngine> RecordsEngine::For(const RecordsLocation& location, int busyTimeoutMs)
{
    if (location.isServer())
        return std::make_unique<ServerEngine>(location);
    return MakeFileEngine(location.file, busyTimeoutMs);
}

namespace ServerPassword {

std::optional<QString> Ask(const QString& server, bool again)
{
    const auto kept = Typed().find(server);
    if (kept != Typed().end())
        return kept->second;
    if (!again)
        return std::nullopt;
    const std::optional<QString> answer = Answerer()(server);
    if (answer)
        Typed()[server] = *answer;
    return answer;
}

void Forget(const QString& server)
{
    Typed().erase(server);
}

ScopedAnswer::ScopedAnswer(std::function<std::optional<QString>(const QString& server)> answer)
    : previous_(std::move(Answerer()))
{
    Answerer() = std::move(answer);
}

ScopedAnswer::~ScopedAnswer()
{
    Answerer() = std::move(previous_);
}

}  // namespace ServerPassword

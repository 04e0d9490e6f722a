#include <QInputDialog>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrlQuery>
#include <map>

#include "calc/NumberReading.h"
#include "calc/ProgramError.h"
#include "calc/Single.h"
#include "records/RecordsEngine.h"
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

// A PostgreSQL database reached through Qt's driver from a libpq connection URI.
class ServerEngine : public RecordsEngine {
public:
    explicit ServerEngine(QUrl server) : server_(std::move(server)) {}

    QSqlDatabase Open(const QString& connectionName) override
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        if (!db.isValid())
            Fail(RecordsErrorNumber::CannotOpen,
                 QStringLiteral("The records server %1 cannot be used: the PostgreSQL driver of Qt (package "
                                "libqt6sql6-psql) is not installed.")
                     .arg(Shown()));
        db.setHostName(server_.host());
        db.setPort(server_.port(5432));
        db.setUserName(server_.userName());
        db.setDatabaseName(server_.path().mid(1));
        QStringList options;
        bool timeoutGiven = false;
        for (const auto& [key, value] : QUrlQuery(server_).queryItems(QUrl::FullyDecoded)) {
            options << key + u'=' + value;
            timeoutGiven = timeoutGiven || key == QStringLiteral("connect_timeout");
        }
        if (!timeoutGiven)
            options << QStringLiteral("connect_timeout=%1").arg(DefaultConnectTimeoutSeconds);
        db.setConnectOptions(options.join(u';'));

        // A password in the URI is the administrator's choice; otherwise libpq's password
        // file or PGPASSWORD, and only then the user, once per run.
        const bool inUri = !server_.password().isEmpty();
        std::optional<QString> password = inUri ? server_.password() : ServerPassword::Ask(Shown(), false);
        for (int attempt = 0;; ++attempt) {
            db.setPassword(password.value_or(QString()));
            if (db.open())
                return db;
            const QSqlError error = db.lastError();
            if (!NeedsPassword(error) || inUri || attempt >= 2)
                Fail(RecordsErrorNumber::CannotOpen,
                     QStringLiteral("The records server %1 could not be reached: %2").arg(Shown(), error.text()));
            ServerPassword::Forget(Shown());
            password = ServerPassword::Ask(Shown(), true);
            if (!password)
                Fail(RecordsErrorNumber::CannotOpen,
                     QStringLiteral("The records server %1 needs a password, and none was given.").arg(Shown()));
        }
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
                                   QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(SchemaLockKey)},
                .leavesCompleteTable = false,
                .addsPastRefusal = false,
                // A record copied from a records file is copied once, however often the copy
                // runs; the save dialog lists the sites saved so far without reading every record.
                .indexes = {{.column = RecordsSchema::CopiedFromColumn, .unique = true},
                            {.column = RecordsSchema::SiteColumn}}};
    }

    QStringList ColumnNames(const QSqlDatabase& db) const override
    {
        const QSqlRecord present = db.record(Quoted(db, RecordsSchema::TableName));
        QStringList names;
        for (int column = 0; column < present.count(); ++column)
            names << present.fieldName(column);
        return names;
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
    QString Shown() const { return u'"' + server_.toString(QUrl::RemovePassword) + u'"'; }

    QUrl server_;
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
        return std::make_unique<ServerEngine>(location.server);
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

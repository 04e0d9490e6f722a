#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

#include "records/RecordsLocation.h"
#include "records/RecordsSchema.h"

class QWidget;

// What differs between the two places records live: how the connection is opened, how
// the table's layout is brought up to date, and how a value reaches a column. The store
// does everything else the same way for both.
class RecordsEngine {
public:
    virtual ~RecordsEngine() = default;

    // Opens a connection under the given name; a failure throws ProgramError naming the
    // location and the reason.
    virtual QSqlDatabase Open(const QString& connectionName) = 0;
    // Adds what the table lacks (a file never gets a table; a server gets one when it has
    // none and the login may create it), safely when several copies start at once.
    virtual void UpgradeSchema(QSqlDatabase& db) = 0;
    // How a saved text is handed to its column.
    virtual QVariant Bind(const RecordsSchema::Column& column, const QString& text) const = 0;
    // Whether a failed statement may have been a lost connection worth opening again.
    virtual bool CanReconnect() const = 0;
    virtual QString Describe() const = 0;  // "the records file "…"", "the records server "…""

    static std::unique_ptr<RecordsEngine> For(const RecordsLocation& location, int busyTimeoutMs);
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

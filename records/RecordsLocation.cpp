#include "records/RecordsLocation.h"

#include <QDir>
#include <QUrlQuery>
#include <algorithm>

#include "records/RecordsPath.h"
#include "settings/Settings.h"

namespace {

// The connection keywords an address may carry: security and identification, none that
// changes what the connection does on the server.
const QStringList AcceptedKeywords{
    QStringLiteral("sslmode"),         QStringLiteral("sslrootcert"),      QStringLiteral("sslcert"),
    QStringLiteral("sslkey"),          QStringLiteral("connect_timeout"),  QStringLiteral("application_name"),
    QStringLiteral("target_session_attrs"),
};

QList<std::pair<QString, QString>> Keywords(const QUrl& server)
{
    return QUrlQuery(server).queryItems(QUrl::FullyDecoded);
}

}  // namespace

RecordsLocation RecordsLocation::FromText(const QString& fileOrUri)
{
    const QString text = fileOrUri.trimmed();
    if (text.startsWith(QStringLiteral("postgres://"), Qt::CaseInsensitive)
        || text.startsWith(QStringLiteral("postgresql://"), Qt::CaseInsensitive)) {
        RecordsLocation location;
        location.kind = Kind::Server;
        location.server = QUrl(text, QUrl::StrictMode);
        return location;
    }
    return File(text);
}

RecordsLocation RecordsLocation::File(const QString& path)
{
    RecordsLocation location;
    location.file = path;
    return location;
}

QString RecordsLocation::shown() const
{
    if (!isServer())
        return QDir::toNativeSeparators(file);
    QUrl shownServer = server;
    shownServer.setPassword({});
    QUrlQuery accepted;
    for (const auto& [key, value] : Keywords(server)) {
        if (AcceptedKeywords.contains(key))
            accepted.addQueryItem(key, value);
    }
    shownServer.setQuery(accepted);
    return shownServer.toString();
}

QString RecordsLocation::problem() const
{
    if (!isServer())
        return {};
    const QList<std::pair<QString, QString>> keywords = Keywords(server);
    const bool password = !server.password().isEmpty()
                          || std::any_of(keywords.begin(), keywords.end(), [](const auto& item) {
                                 return item.first.compare(QStringLiteral("password"), Qt::CaseInsensitive) == 0;
                             });
    if (password)
        return QStringLiteral("The address holds a password, which is never kept. Leave it out and give the "
                              "password in one of three ways: a line in the password file ~/.pgpass, the "
                              "environment variable PGPASSWORD, or typing it when the program asks for it.");
    QStringList unknown;
    for (const auto& [key, value] : keywords) {
        if (!AcceptedKeywords.contains(key))
            unknown << key;
        else if (value.contains(u';'))
            return QStringLiteral("The value of %1 in the address holds a semicolon, which a connection cannot "
                                  "take.")
                .arg(key);
    }
    if (!unknown.isEmpty())
        return QStringLiteral("The address holds %1 %2, which the program does not accept. Only these may follow "
                              "the question mark: %3.")
            .arg(unknown.size() == 1 ? QStringLiteral("the connection keyword") : QStringLiteral("the keywords"),
                 unknown.join(QStringLiteral(", ")), AcceptedKeywords.join(QStringLiteral(", ")));
    return {};
}

// Quoted as libpq reads a value in its connection string, so that nothing in it (a
// space, a quote) can start another keyword.
QString RecordsLocation::connectOptions() const
{
    QStringList options;
    for (auto [key, value] : Keywords(server)) {
        if (!AcceptedKeywords.contains(key))
            continue;
        value.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
        options << key + QStringLiteral("='") + value + u'\'';
    }
    return options.join(u';');
}

RecordsLocation RecordsLocationForThisRun()
{
    const QString fromEnvironment = qEnvironmentVariable(RecordsLocationVariable).trimmed();
    if (!fromEnvironment.isEmpty())
        return RecordsLocation::FromText(fromEnvironment);
    const QString chosen = Settings::RecordsLocation();
    if (!chosen.isEmpty()) {
        // An older version may have kept a password in the address: it leaves the settings
        // now, and this opening is refused with the reason.
        const RecordsLocation location = RecordsLocation::FromText(chosen);
        if (location.isServer() && location.shown() != chosen)
            Settings::SetRecordsLocation(location.shown());
        return location;
    }
    return RecordsLocation::File(RecordsPath::ForThisProgram());
}

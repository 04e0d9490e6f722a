#include "records/RecordsLocation.h"

#include <QDir>

#include "records/RecordsPath.h"
#include "settings/Settings.h"

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
    return server.toString(QUrl::RemovePassword);
}

RecordsLocation RecordsLocationForThisRun()
{
    const QString fromEnvironment = qEnvironmentVariable(RecordsLocationVariable).trimmed();
    if (!fromEnvironment.isEmpty())
        return RecordsLocation::FromText(fromEnvironment);
    const QString chosen = Settings::RecordsLocation();
    if (!chosen.isEmpty())
        return RecordsLocation::FromText(chosen);
    return RecordsLocation::File(RecordsPath::ForThisProgram());
}

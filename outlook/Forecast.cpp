#include "outlook/Forecast.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>

#include <algorithm>
#include <utility>

#include "calc/Units.h"
#include <QCoreApplication>

namespace Forecast {

namespace {

const QString TimeKey = QStringLiteral("time");

// A series the forecast is asked for: its name, the name older servers gave it, and the
// unit the answer is kept in.
struct Series {
    QString name;
    QString olderName;
    const Units::Unit& kept;
};
const Series Temperature{QStringLiteral("temperature_2m"), QStringLiteral("temperature_2m"), Units::Celsius};
const Series Humidity{QStringLiteral("relative_humidity_2m"), QStringLiteral("relativehumidity_2m"), Units::Percent};
const Series Wind{QStringLiteral("wind_speed_10m"), QStringLiteral("windspeed_10m"), Units::Kmh};

QString Coordinate(double degrees)
{
    return QString::number(degrees, 'f', 4);
}

// The name the answer uses for the series, or nothing when it has neither.
std::optional<QString> NameIn(const QJsonObject& hourly, const Series& series)
{
    for (const QString& name : {series.name, series.olderName}) {
        if (hourly.contains(name))
            return name;
    }
    return std::nullopt;
}

const Units::Unit* UnitOf(const QJsonObject& units, const QString& name, const Series& series, QString& error)
{
    const QString unit = units.value(name).toString();
    if (unit.isEmpty()) {
        error = QCoreApplication::translate("Forecast", "no unit given for %1").arg(name);
        return nullptr;
    }
    if (const Units::Unit* found = Units::Find(series.kept.quantity, unit.toStdString()))
        return found;
    error = QCoreApplication::translate("Forecast", "unknown unit \"%1\" for %2").arg(unit, name);
    return nullptr;
}

// A zone equal to UTC is taken by its tz name: a time in QTimeZone::utc() is a file's
// wall clock, which names no zone (SiteWallClock).
QTimeZone SiteZone(const QString& named, int offsetSeconds)
{
    const QTimeZone zone = QTimeZone(named.toUtf8()).isValid() ? QTimeZone(named.toUtf8()) : QTimeZone(offsetSeconds);
    return zone == QTimeZone::utc() ? QTimeZone(QByteArrayLiteral("Etc/UTC")) : zone;
}

// The server's wall clock "2026-03-29T02:00", written with the one offset of the answer.
std::optional<QDateTime> WallClockAt(const QString& text, int offsetSeconds)
{
    const qsizetype t = text.indexOf(QLatin1Char('T'));
    const QDate date = QDate::fromString(text.left(t), Qt::ISODate);
    const QTime time = QTime::fromString(text.mid(t + 1), Qt::ISODate);
    if (t < 0 || !date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, QTimeZone(offsetSeconds));
}

std::optional<std::vector<QDateTime>> ReadTimes(const QJsonArray& times, int offsetSeconds, const QTimeZone& zone,
                                                QString& error)
{
    std::vector<QDateTime> read;
    read.reserve(std::size_t(times.size()));
    for (const QJsonValue& value : times) {
        const std::optional<QDateTime> time =
            value.isDouble() ? std::optional(QDateTime::fromSecsSinceEpoch(value.toInteger(), zone))
                             : WallClockAt(value.toString(), offsetSeconds);
        if (!time) {
            error = QCoreApplication::translate("Forecast", "unreadable time \"%1\" at hour %2")
                        .arg(value.toVariant().toString(), QString::number(read.size() + 1));
            return std::nullopt;
        }
        read.push_back(time->toTimeZone(zone));
    }
    if (read.empty())
        error = QCoreApplication::translate("Forecast", "the forecast has no hours");
    return read.empty() ? std::nullopt : std::optional(std::move(read));
}

// A series' values in the unit it is kept in; an absent series has none at all.
std::optional<std::vector<std::optional<double>>> ReadSeries(const QJsonObject& hourly, const QJsonObject& units,
                                                             const Series& series, const QJsonArray& times,
                                                             QString& error)
{
    const std::optional<QString> name = NameIn(hourly, series);
    if (!name)
        return std::vector<std::optional<double>>(std::size_t(times.size()));
    const QJsonArray values = hourly.value(*name).toArray();
    if (values.size() != times.size()) {
        error = QCoreApplication::translate("Forecast", "the series have different lengths (time: %1, %2: %3)")
                    .arg(times.size())
                    .arg(*name)
                    .arg(values.size());
        return std::nullopt;
    }
    const Units::Unit* unit = UnitOf(units, *name, series, error);
    if (!unit)
        return std::nullopt;
    std::vector<std::optional<double>> read;
    read.reserve(std::size_t(values.size()));
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QJsonValue value = values.at(i);
        if (!value.isDouble() && !value.isNull()) {
            error = QCoreApplication::translate("Forecast", "the value of %1 at %2 is not a number")
                        .arg(*name, times.at(i).toVariant().toString());
            return std::nullopt;
        }
        read.push_back(value.isNull() ? std::nullopt
                                      : std::optional(Units::Convert(value.toDouble(), *unit, series.kept)));
    }
    return read;
}

std::optional<QJsonObject> ReadObject(const QByteArray& json, QString& error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QCoreApplication::translate("Forecast", "not JSON (%1 at byte %2)")
                    .arg(parseError.errorString())
                    .arg(parseError.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        error = QCoreApplication::translate("Forecast", "not a JSON object");
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("error")).toBool()) {
        const QString reason = object.value(QStringLiteral("reason")).toString();
        error = QCoreApplication::translate("Forecast", "the server reported an error: %1")
                    .arg(reason.isEmpty() ? QCoreApplication::translate("Forecast", "no reason given") : reason);
        return std::nullopt;
    }
    return object;
}

std::optional<std::vector<Hour>> ReadHours(const QJsonObject& answer, const QTimeZone& zone, QString& error)
{
    const QJsonObject hourly = answer.value(QStringLiteral("hourly")).toObject();
    const QJsonObject units = answer.value(QStringLiteral("hourly_units")).toObject();
    if (!hourly.value(TimeKey).isArray()) {
        error = QCoreApplication::translate("Forecast", "the series time is missing");
        return std::nullopt;
    }
    const QJsonArray times = hourly.value(TimeKey).toArray();
    const int offset = answer.value(QStringLiteral("utc_offset_seconds")).toInt();
    const std::optional<std::vector<QDateTime>> timesRead = ReadTimes(times, offset, zone, error);
    if (!timesRead)
        return std::nullopt;
    if (!NameIn(hourly, Temperature) && !NameIn(hourly, Humidity) && !NameIn(hourly, Wind)) {
        error = QCoreApplication::translate("Forecast", "the answer holds none of the series %1, %2, %3")
                    .arg(Temperature.name, Humidity.name, Wind.name);
        return std::nullopt;
    }
    std::vector<std::optional<double>> series[3];
    const Series* asked[3] = {&Temperature, &Humidity, &Wind};
    for (int i = 0; i < 3; ++i) {
        std::optional<std::vector<std::optional<double>>> read = ReadSeries(hourly, units, *asked[i], times, error);
        if (!read)
            return std::nullopt;
        series[i] = std::move(*read);
    }
    std::vector<Hour> hours;
    hours.reserve(timesRead->size());
    for (size_t i = 0; i < timesRead->size(); ++i)
        hours.push_back({(*timesRead)[i], series[0][i], series[1][i], series[2][i]});
    std::stable_sort(hours.begin(), hours.end(), [](const Hour& a, const Hour& b) { return a.time < b.time; });
    return hours;
}

}  // namespace

bool KeyMayGoTo(const QUrl& server)
{
    const QString host = server.host();
    return server.scheme() == QLatin1String("https") ||
           (server.scheme() == QLatin1String("http") &&
            (host == QLatin1String("localhost") || QHostAddress(host).isLoopback()));
}

QUrl RequestUrl(const Request& request)
{
    QUrl url(request.server.trimmed());
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    url.setPath(path + QStringLiteral("/v1/forecast"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("latitude"), Coordinate(request.latitude));
    query.addQueryItem(QStringLiteral("longitude"), Coordinate(request.longitude));
    query.addQueryItem(QStringLiteral("hourly"), QStringList{Temperature.name, Humidity.name, Wind.name}.join(','));
    query.addQueryItem(QStringLiteral("timezone"), QStringLiteral("auto"));
    query.addQueryItem(QStringLiteral("timeformat"), QStringLiteral("unixtime"));
    query.addQueryItem(QStringLiteral("forecast_days"), QString::number(request.days));
    // Encoded here in full: QUrlQuery would leave a '+' that the server reads as a space.
    const QString key = request.apiKey.trimmed();
    if (!key.isEmpty() && KeyMayGoTo(url))
        query.addQueryItem(QStringLiteral("apikey"), QString::fromLatin1(QUrl::toPercentEncoding(key)));
    url.setQuery(query);
    return url;
}

std::optional<Answer> Parse(const QByteArray& json, const QDateTime& fetched, QString& error)
{
    const std::optional<QJsonObject> object = ReadObject(json, error);
    if (!object)
        return std::nullopt;
    const QJsonValue latitude = object->value(QStringLiteral("latitude"));
    const QJsonValue longitude = object->value(QStringLiteral("longitude"));
    if (!latitude.isDouble() || !longitude.isDouble()) {
        error = QCoreApplication::translate("Forecast", "no latitude or longitude");
        return std::nullopt;
    }
    Answer answer;
    answer.timezone = object->value(QStringLiteral("timezone")).toString();
    answer.zone = SiteZone(answer.timezone, object->value(QStringLiteral("utc_offset_seconds")).toInt());
    std::optional<std::vector<Hour>> hours = ReadHours(*object, answer.zone, error);
    if (!hours)
        return std::nullopt;
    answer.latitude = latitude.toDouble();
    answer.longitude = longitude.toDouble();
    answer.fetched = fetched;
    answer.hours = std::move(*hours);
    answer.json = json;
    return answer;
}

}  // namespace Forecast

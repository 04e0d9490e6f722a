#include "outlook/Forecast.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>

#include <algorithm>
#include <utility>

#include "calc/Units.h"

namespace Forecast {

namespace {

const QString TimeKey = QStringLiteral("time");
const QString TemperatureKey = QStringLiteral("temperature_2m");
const QString HumidityKey = QStringLiteral("relative_humidity_2m");
const QString WindKey = QStringLiteral("wind_speed_10m");

// What a series measures, and the unit the answer keeps it in.
Quantity QuantityOf(const QString& series)
{
    return series == TemperatureKey ? Quantity::Temperature : series == HumidityKey ? Quantity::Humidity : Quantity::Wind;
}

const Units::Unit& KeptUnit(Quantity quantity)
{
    return quantity == Quantity::Temperature ? Units::Celsius : quantity == Quantity::Wind ? Units::Kmh : Units::Percent;
}

QString Coordinate(double degrees)
{
    return QString::number(degrees, 'f', 4);
}

const Units::Unit* UnitOf(const QJsonObject& units, const QString& series, QString& error)
{
    const QString name = units.value(series).toString();
    if (name.isEmpty()) {
        error = QStringLiteral("no unit given for %1").arg(series);
        return nullptr;
    }
    if (const Units::Unit* unit = Units::Find(QuantityOf(series), name.toStdString()))
        return unit;
    error = QStringLiteral("unknown unit \"%1\" for %2").arg(name, series);
    return nullptr;
}

std::optional<QJsonArray> ArrayOf(const QJsonObject& hourly, const QString& series, QString& error)
{
    const QJsonValue value = hourly.value(series);
    if (!value.isArray()) {
        error = QStringLiteral("the series %1 is missing").arg(series);
        return std::nullopt;
    }
    return value.toArray();
}

// The server writes the site's wall-clock time without an offset; it stays that.
std::optional<std::vector<QDateTime>> ReadTimes(const QJsonArray& times, QString& error)
{
    std::vector<QDateTime> read;
    for (const QJsonValue& value : times) {
        const QDateTime time = QDateTime::fromString(value.toString(), Qt::ISODate);
        if (!time.isValid()) {
            error = QStringLiteral("unreadable time \"%1\" at hour %2")
                        .arg(value.toString(), QString::number(read.size() + 1));
            return std::nullopt;
        }
        read.push_back(time);
    }
    if (read.empty())
        error = QStringLiteral("the forecast has no hours");
    return read.empty() ? std::nullopt : std::optional(std::move(read));
}

std::optional<std::vector<double>> ReadSeries(const QJsonObject& hourly, const QJsonObject& units,
                                              const QString& series, const QJsonArray& times, QString& error)
{
    const std::optional<QJsonArray> values = ArrayOf(hourly, series, error);
    if (!values)
        return std::nullopt;
    if (values->size() != times.size()) {
        error = QStringLiteral("the series have different lengths (time: %1, %2: %3)")
                    .arg(times.size())
                    .arg(series)
                    .arg(values->size());
        return std::nullopt;
    }
    const Units::Unit* unit = UnitOf(units, series, error);
    if (!unit)
        return std::nullopt;
    const Units::Unit& kept = KeptUnit(QuantityOf(series));
    std::vector<double> read;
    for (qsizetype i = 0; i < values->size(); ++i) {
        const QJsonValue value = values->at(i);
        if (!value.isDouble()) {
            error = (value.isNull() ? QStringLiteral("no value of %1 at %2")
                                    : QStringLiteral("the value of %1 at %2 is not a number"))
                        .arg(series, times.at(i).toString());
            return std::nullopt;
        }
        read.push_back(Units::Convert(value.toDouble(), *unit, kept));
    }
    return read;
}

std::optional<QJsonObject> ReadObject(const QByteArray& json, QString& error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QStringLiteral("not JSON (%1 at byte %2)").arg(parseError.errorString()).arg(parseError.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        error = QStringLiteral("not a JSON object");
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("error")).toBool()) {
        const QString reason = object.value(QStringLiteral("reason")).toString();
        error = QStringLiteral("the server reported an error: %1")
                    .arg(reason.isEmpty() ? QStringLiteral("no reason given") : reason);
        return std::nullopt;
    }
    return object;
}

std::optional<std::vector<Hour>> ReadHours(const QJsonObject& answer, QString& error)
{
    const QJsonObject hourly = answer.value(QStringLiteral("hourly")).toObject();
    const QJsonObject units = answer.value(QStringLiteral("hourly_units")).toObject();
    const std::optional<QJsonArray> times = ArrayOf(hourly, TimeKey, error);
    if (!times)
        return std::nullopt;
    const std::optional<std::vector<QDateTime>> timesRead = ReadTimes(*times, error);
    if (!timesRead)
        return std::nullopt;
    std::vector<double> series[3];
    const QString keys[3] = {TemperatureKey, HumidityKey, WindKey};
    for (int i = 0; i < 3; ++i) {
        std::optional<std::vector<double>> read = ReadSeries(hourly, units, keys[i], *times, error);
        if (!read)
            return std::nullopt;
        series[i] = std::move(*read);
    }
    std::vector<Hour> hours;
    for (size_t i = 0; i < timesRead->size(); ++i)
        hours.push_back({(*timesRead)[i], series[0][i], series[1][i], series[2][i]});
    std::stable_sort(hours.begin(), hours.end(), [](const Hour& a, const Hour& b) { return a.time < b.time; });
    return hours;
}

}  // namespace

QUrl RequestUrl(const QString& baseUrl, const QString& apiKey, double latitude, double longitude)
{
    QUrl url(baseUrl.trimmed());
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    url.setPath(path + QStringLiteral("/v1/forecast"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("latitude"), Coordinate(latitude));
    query.addQueryItem(QStringLiteral("longitude"), Coordinate(longitude));
    query.addQueryItem(QStringLiteral("hourly"), QStringList{TemperatureKey, HumidityKey, WindKey}.join(','));
    query.addQueryItem(QStringLiteral("timezone"), QStringLiteral("auto"));
    // Encoded here in full: QUrlQuery would leave a '+' that the server reads as a space.
    const QString key = apiKey.trimmed();
    if (!key.isEmpty())
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
        error = QStringLiteral("no latitude or longitude");
        return std::nullopt;
    }
    std::optional<std::vector<Hour>> hours = ReadHours(*object, error);
    if (!hours)
        return std::nullopt;
    Answer answer;
    answer.latitude = latitude.toDouble();
    answer.longitude = longitude.toDouble();
    answer.timezone = object->value(QStringLiteral("timezone")).toString();
    answer.fetched = fetched;
    answer.hours = std::move(*hours);
    answer.json = json;
    return answer;
}

}  // namespace Forecast

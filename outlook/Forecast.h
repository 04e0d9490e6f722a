#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

// An hourly weather forecast from an Open-Meteo-compatible server, and the request
// that fetches it.
namespace Forecast {

struct Hour {
    QDateTime time;           // local time at the site
    double temperatureC = 0;  // air temperature 2 m above ground
    double humidity = 0;      // relative humidity 2 m above ground, %
    double windKmh10m = 0;    // wind speed 10 m above ground
};

struct Answer {
    double latitude = 0;
    double longitude = 0;
    QString timezone;         // as the server named it ("Europe/Zurich")
    QDateTime fetched;        // when the answer arrived, UTC
    std::vector<Hour> hours;  // in time order
    QByteArray json;          // the answer as received, for the cache
};

// {base}/v1/forecast?latitude=..&longitude=..&hourly=temperature_2m,relative_humidity_2m,
// wind_speed_10m&timezone=auto, with &apikey=.. when a key is given.
QUrl RequestUrl(const QString& baseUrl, const QString& apiKey, double latitude, double longitude);

// Reads an answer. Nothing half-read: on any fault (not JSON, an error answer, a
// missing or short series, a value that is null or not a number, units it does not
// know) returns nothing and sets `error` to what was wrong.
std::optional<Answer> Parse(const QByteArray& json, const QDateTime& fetched, QString& error);

}  // namespace Forecast

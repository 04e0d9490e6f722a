#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QUrl>
#include <optional>
#include <vector>

// An hourly weather forecast from an Open-Meteo-compatible server, and the request
// that fetches it.
namespace Forecast {

// The largest answer taken: sixteen days of three series are under 100 kB.
constexpr qint64 MaxAnswerBytes = 5'000'000;

// An hour's values in the units the answer is kept in; none where the forecast has no
// value (past a model's horizon, or a variable it does not cover).
struct Hour {
    QDateTime time;                      // an instant, in the site's zone
    std::optional<double> temperatureC;  // air temperature 2 m above ground
    std::optional<double> humidity;      // relative humidity 2 m above ground, %
    std::optional<double> windKmh10m;    // wind speed 10 m above ground
};

struct Answer {
    double latitude = 0;
    double longitude = 0;
    QString timezone;         // as the server named it ("Europe/Zurich")
    QTimeZone zone;           // the site's: the named zone, or else the answer's fixed offset
    QDateTime fetched;        // when the answer arrived, UTC
    std::vector<Hour> hours;  // in time order
    QByteArray json;          // the answer as received, for the cache
};

struct Request {
    QString server;  // the base URL
    QString apiKey;  // empty for none
    double latitude = 0;
    double longitude = 0;
    int days = 7;    // forecast_days: 1 to 16
};

// Whether an API key may be sent to the server: over https, and over plain http only to
// this computer (a loopback address), since anyone on the way could read it.
bool KeyMayGoTo(const QUrl& server);

// {server}/v1/forecast?latitude=..&longitude=..&hourly=temperature_2m,relative_humidity_2m,
// wind_speed_10m&timezone=auto&timeformat=unixtime&forecast_days=N, with &apikey=.. when a
// key is given and may go to the server.
QUrl RequestUrl(const Request& request);

// Reads an answer, its times as seconds since 1970 or as the site's wall clock written
// with the answer's one utc_offset_seconds (never the computer's clock), and the older
// field names too. A null or absent value leaves that value of its hour empty. On a fault
// (not JSON, an error answer, no times, series of other lengths, a value that is not a
// number, units it does not know) returns nothing and sets `error` to what was wrong.
std::optional<Answer> Parse(const QByteArray& json, const QDateTime& fetched, QString& error);

}  // namespace Forecast

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>
#include <functional>

// Forecast answers as the provider records them, every hour of five days from yesterday
// 00:00 UTC the same readings, so that pours planned in the coming days fall in them.
struct SiteWeather {
    double temperatureC;
    double humidity;
    double windKmh10m;
};

inline QDateTime Yesterday()
{
    return QDateTime(QDate::currentDate().addDays(-1), QTime(0, 0), Qt::UTC);
}

inline QByteArray ForecastAnswer(double latitude, double longitude, const SiteWeather& weather)
{
    QJsonArray times, temperatures, humidities, winds;
    for (int hour = 0; hour < 5 * 24; ++hour) {
        times.append(Yesterday().addSecs(hour * 3600).toSecsSinceEpoch());
        temperatures.append(weather.temperatureC);
        humidities.append(weather.humidity);
        winds.append(weather.windKmh10m);
    }
    const QJsonObject answer{
        {"latitude", latitude}, {"longitude", longitude}, {"timezone", "GMT"}, {"utc_offset_seconds", 0},
        {"hourly_units", QJsonObject{{"time", "unixtime"}, {"temperature_2m", "°C"},
                                     {"relative_humidity_2m", "%"}, {"wind_speed_10m", "km/h"}}},
        {"hourly", QJsonObject{{"time", times}, {"temperature_2m", temperatures},
                               {"relative_humidity_2m", humidities}, {"wind_speed_10m", winds}}}};
    return QJsonDocument(answer).toJson(QJsonDocument::Compact);
}

// An HTTP server on 127.0.0.1 answering each GET with `answer(path, query)`'s JSON
// (404 for an empty one) and counting the requests.
struct JsonServer : QObject {
    explicit JsonServer(std::function<QByteArray(const QString&, const QUrlQuery&)> answer) : answer_(std::move(answer))
    {
        tcp.listen(QHostAddress::LocalHost);
        base = QStringLiteral("http://127.0.0.1:%1").arg(tcp.serverPort());
        connect(&tcp, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = tcp.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Answer(socket); });
        });
    }
    void Answer(QTcpSocket* socket)
    {
        if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
            return;
        const QUrl url(QString::fromLatin1(socket->readAll().split(' ').value(1)));
        ++requests;
        const QByteArray body = answer_(url.path(), QUrlQuery(url));
        const QByteArray status = body.isEmpty() ? "404 Not Found" : "200 OK";
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
    QTcpServer tcp;
    QString base;
    int requests = 0;

private:
    std::function<QByteArray(const QString&, const QUrlQuery&)> answer_;
};

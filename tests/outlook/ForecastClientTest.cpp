#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QLocale>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "outlook/ForecastClient.h"
#include "tests/support/DefaultLocale.h"

namespace {

constexpr int WaitMs = 5000;
const QDateTime Fetched(QDate(2026, 7, 6), QTime(5, 12, 30, 250), Qt::UTC);
const QByteArray Query = "/v1/forecast?latitude=40.0000&longitude=-105.2500&hourly=temperature_2m,"
                         "relative_humidity_2m,wind_speed_10m&timezone=auto";

QByteArray DataFile(const char* name)
{
    QFile file(QStringLiteral(BRACKMERE_OUTLOOK_TEST_DATA "/%1").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Http(int status, const QByteArray& reason, const QByteArray& body)
{
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: application/json\r\n" +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

// Answers each connection on 127.0.0.1 with `response` (none when empty), its body one
// byte per `trickleMs` when set, and keeps each request line.
struct Server : QObject {
    Server()
    {
        tcp.listen(QHostAddress::LocalHost);
        base = QStringLiteral("http://127.0.0.1:%1").arg(tcp.serverPort());
        connect(&tcp, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = tcp.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
    }
    void answer(QTcpSocket* socket)
    {
        if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
            return;
        requests.append(socket->readAll().split('\r').first());
        const qsizetype head = trickleMs ? response.indexOf("\r\n\r\n") + 4 : response.size();
        socket->write(response.left(head));
        if (!trickleMs && !response.isEmpty())
            socket->disconnectFromHost();
        auto* timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, [socket, rest = response.mid(head)]() mutable {
            socket->write(rest.left(1));
            rest.remove(0, 1);
        });
        if (trickleMs)
            timer->start(trickleMs);
    }
    QTcpServer tcp;
    QString base;
    QByteArray response;
    int trickleMs = 0;
    QList<QByteArray> requests;
};

// Two hours, the later first, in °C, % and km/h; `from` replaced by `to`.
QByteArray Small(const char* from = "", const char* to = "")
{
    QByteArray json = R"({"latitude":1,"longitude":2,"timezone":"GMT","hourly_units":{"time":"iso8601",)"
                      R"("temperature_2m":"°C","relative_humidity_2m":"%","wind_speed_10m":"km/h"},"hourly":)"
                      R"({"time":["2026-07-06T01:00","2026-07-06T00:00"],"temperature_2m":[20.5,19],)"
                      R"("relative_humidity_2m":[50,55],"wind_speed_10m":[10,12]}})";
    return *from ? json.replace(from, to) : json;
}

std::optional<Forecast::Answer> Parse(const QByteArray& json, QString* error = nullptr)
{
    QString ignored;
    return Forecast::Parse(json, Fetched, error ? *error : ignored);
}

TEST(Forecast, RequestUrlJoinsTheBaseAndWritesCoordinatesWithAPoint)
{
    const DefaultLocale german("de_DE");
    const struct { const char* base; const char* key; QByteArray url; } cases[] = {
        {"http://127.0.0.1:5123", "", "http://127.0.0.1:5123" + Query},
        {"http://127.0.0.1:5123/", " ", "http://127.0.0.1:5123" + Query},
        {" http://127.0.0.1:5123/om// ", "k+y&z=1%", "http://127.0.0.1:5123/om" + Query + "&apikey=k%2By%26z%3D1%25"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Forecast::RequestUrl(c.base, c.key, 39.99996, -105.25004).toEncoded().toStdString(),
                  c.url.toStdString());
}

// A week as recorded in °C, % and km/h, hours in °F and m/s, and winds in mph and kn
// given in the answer later hour first.
TEST(Forecast, ReadsAnswersInTimeOrderInCelsiusAndKmh)
{
    const auto answer = Parse(DataFile("forecast.json"));
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->latitude == 47.38 && answer->longitude == 8.539999 && answer->timezone == "Europe/Zurich");
    EXPECT_TRUE(answer->fetched == Fetched && answer->json == DataFile("forecast.json"));
    ASSERT_EQ(answer->hours.size(), 168u);
    const auto imperial = Parse(DataFile("forecast_f_ms.json"));
    const auto mph = Parse(Small("\"km/h\"", "\"mph\"")), kn = Parse(Small("\"km/h\"", "\"kn\""));
    ASSERT_TRUE(imperial && mph && kn);
    const struct { const Forecast::Answer& from; size_t hour; int day, clock; double air, humidity, wind; } cases[] = {
        {*answer, 0, 6, 0, 17.1, 75, 8.6},    {*answer, 14, 6, 14, 27.5, 42, 12.0},
        {*answer, 86, 9, 14, 32.8, 41, 13.9}, {*answer, 167, 12, 23, 18.3, 73, 6.0},
        {*imperial, 0, 6, 12, 25, 31, 9},     {*imperial, 2, 6, 14, 32, 22, 22.32},
        {*mph, 1, 6, 1, 20.5, 50, 16.09344},  {*kn, 0, 6, 0, 19, 55, 22.224},
    };
    for (const auto& c : cases) {
        const Forecast::Hour& hour = c.from.hours.at(c.hour);
        SCOPED_TRACE(hour.time.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(hour.time, QDateTime(QDate(2026, 7, c.day), QTime(c.clock, 0)));
        EXPECT_NEAR(hour.temperatureC, c.air, 1e-9);
        EXPECT_EQ(hour.humidity, c.humidity);
        EXPECT_NEAR(hour.windKmh10m, c.wind, 1e-9);
    }
}

TEST(Forecast, AFaultyAnswerGivesNothingAndSaysWhatWasWrong)
{
    const struct { QByteArray json; const char* error; } cases[] = {
        {"{\"latitude\":", "not JSON ("},
        {"[1, 2]", "not a JSON object"},
        {R"({"error":true,"reason":"Latitude must be in range of -90 to 90°. Given: 91.0."})",
         "the server reported an error: Latitude must be in range of -90 to 90°. Given: 91.0."},
        {Small("\"latitude\":1,"), "no latitude or longitude"},
        {Small("\"wind_speed_10m\":[", "\"wind_speed\":["), "the series wind_speed_10m is missing"},
        {Small("[50,55]", "[50]"), "different lengths (time: 2, relative_humidity_2m: 1)"},
        {Small("[50,55]", "[50,null]"), "no value of relative_humidity_2m at 2026-07-06T00:00"},
        {Small("[20.5,19]", "[\"20.5\",19]"), "the value of temperature_2m at 2026-07-06T01:00 is not a number"},
        {Small("\"2026-07-06T00:00\"", "\"6 July, midnight\""), "unreadable time \"6 July, midnight\" at hour 2"},
        {Small("\"°C\"", "\"K\""), "unknown unit \"K\" for temperature_2m"},
        {Small(",\"wind_speed_10m\":\"km/h\""), "no unit given for wind_speed_10m"},
        {Small(R"(["2026-07-06T01:00","2026-07-06T00:00"])", "[]"), "the forecast has no hours"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(Parse(c.json, &error)) << c.error;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.error))) << error.toStdString();
    }
}

TEST(ForecastClient, FetchesTheAnswerWithProgressAndTheTimeItArrived)
{
    Server server;
    const QByteArray body = DataFile("forecast.json");
    server.response = Http(200, "OK", body);
    ForecastClient client;
    QSignalSpy finished(&client, &ForecastClient::finished);
    QSignalSpy progress(&client, &ForecastClient::progress);
    const QDateTime before = QDateTime::currentDateTimeUtc();
    client.fetch(server.base, {}, 40, -105.25);
    EXPECT_TRUE(client.busy());
    ASSERT_TRUE(finished.wait(WaitMs));
    EXPECT_FALSE(client.busy());
    EXPECT_EQ(server.requests, QList<QByteArray>{"GET " + Query + " HTTP/1.1"});
    const auto answer = finished.first().first().value<Forecast::Answer>();
    EXPECT_TRUE(answer.hours.size() == 168 && answer.json == body);
    EXPECT_TRUE(answer.latitude == 40 && answer.longitude == -105.25) << "the site asked for, not the grid point";
    EXPECT_TRUE(answer.fetched.toString(Qt::ISODate).endsWith('Z') && answer.fetched >= before &&
                answer.fetched <= QDateTime::currentDateTimeUtc());
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last(), (QList<QVariant>{body.size(), body.size()}));
}

TEST(ForecastClient, AFailureNamesTheServerAndSaysWhatHappened)
{
    const struct { const char* name; QByteArray response; int trickleMs; const char* message; } cases[] = {
        {"slow", Http(200, "OK", QByteArray(100000, ' ')), 50, "timed out: no complete answer within 0.3 s."},
        {"error answer", Http(500, "Internal Server Error", R"({"error":true,"reason":"No data for 91.0 N."})"), 0,
         "answered with HTTP status 500 Internal Server Error. It said: No data for 91.0 N."},
        {"malformed", Http(200, "OK", "{\"latitude\":47.38,"), 0, "sent an answer that cannot be used: not JSON ("},
        {"redirect away", Http(302, "Found\r\nLocation: http://127.0.0.1:1/", {}), 0, "sent the request on elsewhere"},
        {"closed port", {}, 0, "could not be reached: Connection refused."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Server server;
        server.response = c.response;
        server.trickleMs = c.trickleMs;
        if (c.response.isEmpty())
            server.tcp.close();
        ForecastClient client;
        client.setTimeout(c.trickleMs ? 300 : WaitMs);
        QSignalSpy finished(&client, &ForecastClient::finished);
        QSignalSpy failed(&client, &ForecastClient::failed);
        client.fetch(server.base, {}, 91, 0);
        ASSERT_TRUE(failed.wait(WaitMs));
        const QString message = failed.first().first().toString();
        EXPECT_TRUE(message.startsWith("The forecast server at " + server.base + ' ') &&
                    message.contains(QString::fromUtf8(c.message)))
            << message.toStdString();
        EXPECT_TRUE(finished.isEmpty() && !client.busy());
    }
}

TEST(ForecastClient, CancelIsSilentAndASecondFetchReplacesTheFirst)
{
    Server silent, good;
    good.response = Http(200, "OK", DataFile("forecast_f_ms.json"));
    ForecastClient client;
    QSignalSpy finished(&client, &ForecastClient::finished);
    QSignalSpy failed(&client, &ForecastClient::failed);
    client.fetch(silent.base, {}, 1, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return silent.requests.size() == 1; }, WaitMs));
    client.cancel();
    EXPECT_FALSE(client.busy());
    client.fetch(silent.base, {}, 1, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return silent.requests.size() == 2; }, WaitMs));
    client.fetch(good.base, "k+y", 40, -105.25);
    ASSERT_TRUE(finished.wait(WaitMs));
    QTest::qWait(300);  // time for anything that would follow the fetches given up
    EXPECT_TRUE(failed.isEmpty() && finished.size() == 1);
    EXPECT_EQ(finished.first().first().value<Forecast::Answer>().hours.size(), 3u);
    EXPECT_EQ(good.requests, QList<QByteArray>{"GET " + Query + "&apikey=k%2By HTTP/1.1"});
}

TEST(ForecastCache, KeepsTheAnswerUnderTheSiteAndACorruptFileLoadsAsNothing)
{
    const QTemporaryDir dir;
    const QString folder = dir.filePath("forecasts");
    Forecast::Answer answer = *Parse(DataFile("forecast.json"));
    answer.latitude = 47.37691;
    answer.longitude = -8.54172;
    ASSERT_TRUE(ForecastCache::Store(folder, answer));
    EXPECT_TRUE(QFile::exists(folder + "/forecast_47.3769_-8.5417.json"));
    const auto loaded = ForecastCache::Load(folder, 47.37689, -8.54171);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->latitude == 47.37691 && loaded->longitude == -8.54172 && loaded->timezone == answer.timezone);
    EXPECT_EQ(loaded->fetched, Fetched);
    EXPECT_EQ(QJsonDocument::fromJson(loaded->json), QJsonDocument::fromJson(answer.json));
    EXPECT_TRUE(loaded->hours.size() == 168 && loaded->hours[86].temperatureC == 32.8);
    EXPECT_FALSE(ForecastCache::Load(folder, 47.3771, -8.5417));
    EXPECT_FALSE(ForecastCache::Store(folder + "/forecast_47.3769_-8.5417.json", answer)) << "a file, not a folder";

    // A corrupt file, in place of one that loads, loads as nothing.
    ASSERT_TRUE(ForecastCache::Store(dir.path(), *Parse(Small())));
    ASSERT_TRUE(ForecastCache::Load(dir.path(), 1, 2));
    const QByteArray corrupt[] = {
        R"({"fetched":"2026-07-06T05:12:30.250Z","answer":{"latitude":)",
        R"({"answer":)" + Small() + '}',
        R"({"fetched":"2026-07-06T05:12:30.250Z","answer":)" + Small("[50,55]", "[50,\"wet\"]") + '}',
    };
    for (const QByteArray& content : corrupt) {
        QFile file(dir.filePath("forecast_1.0000_2.0000.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size());
        file.close();
        EXPECT_FALSE(ForecastCache::Load(dir.path(), 1, 2)) << content.constData();
    }
}

}  // namespace

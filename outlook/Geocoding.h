#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

class QNetworkAccessManager;
class QNetworkReply;

// Sites found by name or postcode through the forecast provider's geocoding service:
// GET {server}/v1/search?name=..&count=10, answering results[] with name, admin1,
// country, latitude, longitude and timezone.
namespace Geocoding {

inline constexpr int MaxMatches = 10;
inline constexpr qint64 MaxAnswerBytes = 1'000'000;

struct Place {
    QString name;
    QString admin1;   // the region, state or canton; may be empty
    QString country;  // may be empty
    double latitude = 0;
    double longitude = 0;
    QString timeZone;  // "Europe/Zurich"

    // "Zurich, Zurich, Switzerland": the name with what tells it from others of that name.
    QString Label() const;
};

QUrl RequestUrl(const QString& server, const QString& name);

// The places of an answer (none when it found nothing); nothing and `error` on a fault.
std::optional<std::vector<Place>> Parse(const QByteArray& json, QString& error);

}  // namespace Geocoding

// Asks the geocoding service, one search at a time; exactly one of found or failed
// follows each search unless it was cancelled.
class GeocodingClient : public QObject {
    Q_OBJECT
public:
    static constexpr int TimeoutMs = 15000;

    explicit GeocodingClient(QObject* parent = nullptr);
    ~GeocodingClient() override;

    void search(const QString& server, const QString& name);
    void cancel();
    bool busy() const { return !reply_.isNull(); }

signals:
    void found(const std::vector<Geocoding::Place>& places);
    void failed(const QString& message);

private:
    void done();

    QNetworkAccessManager* network_;
    QPointer<QNetworkReply> reply_;
};

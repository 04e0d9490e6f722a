#include "outlook/Geocoding.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrlQuery>
#include <QCoreApplication>

#include "outlook/PendingReply.h"

namespace Geocoding {

QString Place::Label() const
{
    QStringList parts{name};
    if (!admin1.isEmpty() && admin1 != name)
        parts << admin1;
    if (!country.isEmpty())
        parts << country;
    return parts.join(QStringLiteral(", "));
}

QUrl RequestUrl(const QString& server, const QString& name)
{
    QUrl url(server.trimmed());
    QString path = url.path();
    while (path.endsWith(u'/'))
        path.chop(1);
    url.setPath(path + QStringLiteral("/v1/search"));
    QUrlQuery query;
    // Encoded here in full: QUrlQuery would leave a '+' or '&' of the name as it is.
    query.addQueryItem(QStringLiteral("name"), QString::fromLatin1(QUrl::toPercentEncoding(name.trimmed())));
    query.addQueryItem(QStringLiteral("count"), QString::number(MaxMatches));
    url.setQuery(query);
    return url;
}

std::optional<std::vector<Place>> Parse(const QByteArray& json, QString& error)
{
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isObject()) {
        error = QCoreApplication::translate("Geocoding", "the answer is not a JSON object");
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("error")).toBool()) {
        error = QCoreApplication::translate("Geocoding", "it said: %1")
                    .arg(object.value(QStringLiteral("reason")).toString());
        return std::nullopt;
    }
    std::vector<Place> places;
    const QJsonArray results = object.value(QStringLiteral("results")).toArray();
    for (const QJsonValue& value : results) {
        const QJsonObject result = value.toObject();
        const QJsonValue latitude = result.value(QStringLiteral("latitude"));
        const QJsonValue longitude = result.value(QStringLiteral("longitude"));
        const QString name = result.value(QStringLiteral("name")).toString();
        if (name.isEmpty() || !latitude.isDouble() || !longitude.isDouble() || std::abs(latitude.toDouble()) > 90 ||
            std::abs(longitude.toDouble()) > 180) {
            error = QCoreApplication::translate("Geocoding", "match %1 has no name or no usable coordinates")
                        .arg(places.size() + 1);
            return std::nullopt;
        }
        places.push_back({.name = name,
                          .admin1 = result.value(QStringLiteral("admin1")).toString(),
                          .country = result.value(QStringLiteral("country")).toString(),
                          .latitude = latitude.toDouble(),
                          .longitude = longitude.toDouble(),
                          .timeZone = result.value(QStringLiteral("timezone")).toString()});
        if (places.size() == MaxMatches)
            break;
    }
    return places;
}

}  // namespace Geocoding

GeocodingClient::GeocodingClient(QObject* parent) : QObject(parent), network_(new QNetworkAccessManager(this)) {}

GeocodingClient::~GeocodingClient()
{
    cancel();
}

void GeocodingClient::search(const QString& server, const QString& name)
{
    cancel();
    QNetworkRequest request(Geocoding::RequestUrl(server, name));
    request.setTransferTimeout(TimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    QNetworkReply* reply = network_->get(request);
    reply_ = reply;
    connect(reply, &QNetworkReply::finished, this, &GeocodingClient::done);
    PendingReply::AbortAfter(reply, TimeoutMs);
}

void GeocodingClient::cancel()
{
    PendingReply::Drop(reply_, this);
}

void GeocodingClient::done()
{
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->deleteLater();
    const QUrl url = reply->request().url();
    const QString server = QStringLiteral("%1://%2:%3")
                               .arg(url.scheme(), url.host())
                               .arg(url.port(url.scheme() == QLatin1String("https") ? 443 : 80));
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400) {
        emit failed(
            QCoreApplication::translate("Geocoding", "The geocoding service at %1 answered with HTTP status %2.")
                .arg(server)
                .arg(status));
        return;
    }
    if (reply->error() == QNetworkReply::OperationCanceledError) {
        emit failed(
            QCoreApplication::translate("Geocoding", "The geocoding service at %1 timed out: no answer within %2 s.")
                .arg(server)
                .arg(TimeoutMs / 1000));
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        emit failed(QCoreApplication::translate("Geocoding", "The geocoding service at %1 could not be reached: %2.")
                        .arg(server, reply->errorString()));
        return;
    }
    const QByteArray body = reply->read(Geocoding::MaxAnswerBytes + 1);
    QString error;
    const std::optional<std::vector<Geocoding::Place>> places =
        body.size() > Geocoding::MaxAnswerBytes ? std::nullopt : Geocoding::Parse(body, error);
    if (!places) {
        emit failed(
            QCoreApplication::translate("Geocoding",
                                        "The geocoding service at %1 sent an answer that cannot be used: %2.")
                .arg(server, error.isEmpty() ? QCoreApplication::translate("Geocoding", "it is too large") : error));
        return;
    }
    emit found(*places);
}

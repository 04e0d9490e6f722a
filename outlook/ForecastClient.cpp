#include "outlook/ForecastClient.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QUrlQuery>

#include <utility>
#include <QCoreApplication>

#include "outlook/PendingReply.h"

namespace {

// scheme://host:port of the server the fetch was sent to, before any redirect.
QString ServerOf(const QNetworkReply& reply)
{
    const QUrl url = reply.request().url();
    const int port = url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
    return QStringLiteral("%1://%2:%3").arg(url.scheme(), url.host()).arg(port);
}

QString Seconds(int milliseconds)
{
    return QStringLiteral("%1 s").arg(milliseconds / 1000.0);
}

QString Megabytes(qint64 bytes)
{
    return QStringLiteral("%1 MB").arg(QLocale::c().toString(bytes / 1e6, 'f', bytes % 1'000'000 ? 1 : 0));
}

// The "reason" of an Open-Meteo error answer, with a leading space, or nothing.
QString ServerReason(const QByteArray& body)
{
    const QJsonObject object = QJsonDocument::fromJson(body).object();
    const QString reason = object.value(QStringLiteral("reason")).toString();
    return object.value(QStringLiteral("error")).toBool() && !reason.isEmpty()
               ? QCoreApplication::translate("ForecastClient", " It said: %1").arg(reason)
               : QString();
}

QString HttpFailure(const QNetworkReply& reply, const QString& server, const QByteArray& body)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QString reason = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    if (!reason.isEmpty())
        reason.prepend(QLatin1Char(' '));
    return QCoreApplication::translate("ForecastClient", "The forecast server at %1 answered with HTTP status %2%3.")
               .arg(server)
               .arg(status)
               .arg(reason)
           + ServerReason(body);
}

bool Unreachable(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::SslHandshakeFailedError:
        return true;
    default:
        return false;
    }
}

// What went wrong with a finished fetch, in words for the user; empty when the answer
// arrived in full and only remains to be read.
QString Failure(const QNetworkReply& reply, const QByteArray& body, int timeoutMs)
{
    const QString server = ServerOf(reply);
    const QNetworkReply::NetworkError error = reply.error();
    if (reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 400)
        return HttpFailure(reply, server, body);
    if (error == QNetworkReply::NoError)
        return QString();
    // Only the timers abort a fetch that is still connected: cancel() disconnects first.
    if (error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError)
        return QCoreApplication::translate("ForecastClient",
                                           "The forecast server at %1 timed out: no complete answer within %2.")
            .arg(server, Seconds(timeoutMs));
    if (error == QNetworkReply::ProtocolUnknownError)
        return QCoreApplication::translate("ForecastClient",
                                           "The forecast server address must start with http:// or https://.");
    if (Unreachable(error))
        return QCoreApplication::translate("ForecastClient", "The forecast server at %1 could not be reached: %2.")
            .arg(server, reply.errorString());
    if (error == QNetworkReply::InsecureRedirectError || error == QNetworkReply::TooManyRedirectsError)
        return QCoreApplication::translate(
                   "ForecastClient",
                   "The forecast server at %1 sent the request on elsewhere; only its own addresses "
                   "are followed.")
            .arg(server);
    if (error == QNetworkReply::RemoteHostClosedError)
        return QCoreApplication::translate("ForecastClient", "The forecast server at %1 broke off the answer: %2.")
            .arg(server, reply.errorString());
    return QCoreApplication::translate("ForecastClient",
                                       "The forecast server at %1 could not deliver the forecast: %2.")
        .arg(server, reply.errorString());
}

}  // namespace

ForecastClient::ForecastClient(QObject* parent) : QObject(parent), network_(new QNetworkAccessManager(this)) {}

ForecastClient::~ForecastClient()
{
    cancel();
}

void ForecastClient::fetch(const Forecast::Request& asked)
{
    cancel();
    body_.clear();
    QNetworkRequest request(Forecast::RequestUrl(asked));
    request.setTransferTimeout(timeoutMs_);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    QNetworkReply* reply = network_->get(request);
    reply_ = reply;
    connect(reply, &QNetworkReply::downloadProgress, this, &ForecastClient::progress);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant announced = reply_->header(QNetworkRequest::ContentLengthHeader);
        if (announced.isValid() && announced.toLongLong() > Forecast::MaxAnswerBytes)
            refuse(announced.toLongLong());
    });
    connect(reply, &QNetworkReply::readyRead, this, &ForecastClient::take);
    connect(reply, &QNetworkReply::finished, this, &ForecastClient::done);
    PendingReply::AbortAfter(reply, timeoutMs_);
}

void ForecastClient::cancel()
{
    PendingReply::Drop(reply_, this);
}

// The answer is read as it arrives, so that one too large is stopped at the limit.
void ForecastClient::take()
{
    body_ += reply_->read(Forecast::MaxAnswerBytes + 1 - body_.size());
    if (body_.size() > Forecast::MaxAnswerBytes)
        refuse(std::nullopt);
}

// `announced` is the size the server gave before sending; none when it passed the limit.
void ForecastClient::refuse(std::optional<qint64> announced)
{
    const QString server = ServerOf(*reply_);
    cancel();
    body_.clear();
    const QString limit = Megabytes(Forecast::MaxAnswerBytes);
    emit failed(
        announced
            ? QCoreApplication::translate("ForecastClient",
                                          "The forecast server at %1 sent an answer of %2, more than the %3 a forecast "
                                          "may be: it was refused and not kept.")
                  .arg(server, Megabytes(*announced), limit)
            : QCoreApplication::translate("ForecastClient",
                                          "The forecast server at %1 sent more than the %2 a forecast may be: the "
                                          "answer was refused and not kept.")
                  .arg(server, limit));
}

void ForecastClient::done()
{
    // An aborted reply is closed and has nothing more to read.
    if (reply_->isOpen())
        take();
    if (!reply_)
        return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->deleteLater();
    const QByteArray body = std::exchange(body_, {});
    const QString failure = Failure(*reply, body, timeoutMs_);
    if (!failure.isEmpty()) {
        emit failed(failure);
        return;
    }
    QString error;
    std::optional<Forecast::Answer> answer = Forecast::Parse(body, QDateTime::currentDateTimeUtc(), error);
    if (!answer) {
        emit failed(QCoreApplication::translate("ForecastClient",
                                                "The forecast server at %1 sent an answer that cannot be used: %2.")
                        .arg(ServerOf(*reply), error));
        return;
    }
    // The answer is kept under the site asked for, not the grid point the server chose,
    // so that the cache finds it again by the site's coordinates.
    const QUrlQuery asked(reply->request().url());
    answer->latitude = asked.queryItemValue(QStringLiteral("latitude")).toDouble();
    answer->longitude = asked.queryItemValue(QStringLiteral("longitude")).toDouble();
    emit finished(*answer);
}

namespace ForecastCache {

namespace {

const QString FetchedKey = QStringLiteral("fetched");
const QString AnswerKey = QStringLiteral("answer");

QString Coordinate(double degrees)
{
    const QString text = QString::number(degrees, 'f', 4);
    // -0.00004 rounds to "-0.0000": the same site as 0.
    return text == QLatin1String("-0.0000") ? QStringLiteral("0.0000") : text;
}

QString FileOf(const QString& folder, double latitude, double longitude)
{
    const QString name = QStringLiteral("forecast_%1_%2.json").arg(Coordinate(latitude), Coordinate(longitude));
    return QDir(folder).filePath(name);
}

}  // namespace

bool Store(const QString& folder, const Forecast::Answer& answer)
{
    const QJsonDocument json = QJsonDocument::fromJson(answer.json);
    if (!json.isObject() || !QDir().mkpath(folder))
        return false;
    QJsonObject kept{{QStringLiteral("latitude"), answer.latitude},
                     {QStringLiteral("longitude"), answer.longitude},
                     {FetchedKey, answer.fetched.toUTC().toString(Qt::ISODateWithMs)},
                     {AnswerKey, json.object()}};
    QSaveFile file(FileOf(folder, answer.latitude, answer.longitude));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(kept).toJson());
    return file.commit();
}

std::optional<Forecast::Answer> Load(const QString& folder, double latitude, double longitude)
{
    QFile file(FileOf(folder, latitude, longitude));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject kept = QJsonDocument::fromJson(file.readAll()).object();
    const QDateTime fetched = QDateTime::fromString(kept.value(FetchedKey).toString(), Qt::ISODateWithMs);
    const QJsonObject json = kept.value(AnswerKey).toObject();
    QString error;
    std::optional<Forecast::Answer> answer =
        Forecast::Parse(QJsonDocument(json).toJson(QJsonDocument::Compact), fetched.toUTC(), error);
    if (!answer || !fetched.isValid())
        return std::nullopt;
    answer->latitude = kept.value(QStringLiteral("latitude")).toDouble(latitude);
    answer->longitude = kept.value(QStringLiteral("longitude")).toDouble(longitude);
    return answer;
}

}  // namespace ForecastCache

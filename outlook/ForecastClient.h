#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

#include "outlook/Forecast.h"

class QNetworkAccessManager;
class QNetworkReply;

// Fetches one forecast at a time, asynchronously. Exactly one of finished or failed
// follows each fetch, unless it was cancelled; a failure message names the server and
// says what went wrong in words for the user. An answer over Forecast::MaxAnswerBytes is
// refused as soon as it is announced or passes the limit.
class ForecastClient : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultTimeoutMs = 20000;

    explicit ForecastClient(QObject* parent = nullptr);
    ~ForecastClient() override;

    // A fetch that takes longer than this in all is given up as timed out.
    void setTimeout(int milliseconds) { timeoutMs_ = milliseconds; }
    void fetch(const Forecast::Request& request);
    // Ends a fetch under way; neither finished nor failed follows.
    void cancel();
    bool busy() const { return !reply_.isNull(); }

signals:
    void progress(qint64 received, qint64 total);
    void finished(const Forecast::Answer& answer);
    void failed(const QString& message);

private:
    void take();
    void refuse(std::optional<qint64> announced);
    void done();

    QNetworkAccessManager* network_;
    QPointer<QNetworkReply> reply_;
    QByteArray body_;  // the answer as far as it arrived
    int timeoutMs_ = DefaultTimeoutMs;
};

// The last answer fetched for each site, kept in a folder so that the outlook can
// open without the network.
namespace ForecastCache {

// Keeps the answer (its JSON and fetch time) under the site's coordinates; false
// when the file cannot be written.
bool Store(const QString& folder, const Forecast::Answer& answer);
// The answer kept for the coordinates (rounded to 4 decimals), or nothing.
std::optional<Forecast::Answer> Load(const QString& folder, double latitude, double longitude);

}  // namespace ForecastCache

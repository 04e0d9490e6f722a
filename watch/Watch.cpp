#include "watch/Watch.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <map>
#include <memory>

#include "outlook/ForecastClient.h"
#include <QCoreApplication>

namespace Watch {
namespace {

// Sites are the same where their coordinates round alike, as the kept forecasts are filed.
QString SiteKey(double latitude, double longitude)
{
    return QString::number(latitude, 'f', 4) + u'/' + QString::number(longitude, 'f', 4);
}

struct SiteForecast {
    double latitude = 0;
    double longitude = 0;
    QDateTime lastEnd;
    std::optional<Forecast::Answer> answer;
    bool kept = false;
    QString failure;
    std::unique_ptr<ForecastClient> client;
};

}  // namespace

std::vector<PlannedPour> Due(const std::vector<PlannedPour>& pours, const QDateTime& now, int days)
{
    std::vector<PlannedPour> due;
    for (const PlannedPour& pour : PlannedPours::Coming(pours, now)) {
        if (pour.start < now.addDays(days))
            due.push_back(pour);
    }
    return due;
}

std::vector<PourCheck> Check(const std::vector<PlannedPour>& pours, const Options& options)
{
    std::map<QString, SiteForecast> sites;
    for (const PlannedPour& pour : pours) {
        SiteForecast& site = sites[SiteKey(pour.latitude, pour.longitude)];
        site.latitude = pour.latitude;
        site.longitude = pour.longitude;
        site.lastEnd = std::max(site.lastEnd, pour.end);
    }

    QEventLoop loop;
    int waiting = 0;
    for (auto& [key, site] : sites) {
        site.client = std::make_unique<ForecastClient>();
        site.client->setTimeout(options.timeoutMs);
        SiteForecast* at = &site;
        QObject::connect(site.client.get(), &ForecastClient::finished, &loop, [&, at](const Forecast::Answer& answer) {
            at->answer = answer;
            ForecastCache::Store(options.cacheFolder, answer);
            if (--waiting == 0)
                loop.quit();
        });
        QObject::connect(site.client.get(), &ForecastClient::failed, &loop, [&, at](const QString& message) {
            at->failure = message;
            at->answer = ForecastCache::Load(options.cacheFolder, at->latitude, at->longitude);
            at->kept = at->answer.has_value();
            if (--waiting == 0)
                loop.quit();
        });
        // Today and every day up to the last hour of the site's last pour.
        const int days = int(options.now.daysTo(site.lastEnd)) + 2;
        ++waiting;
        site.client->fetch({.server = options.server,
                            .apiKey = options.apiKey,
                            .latitude = site.latitude,
                            .longitude = site.longitude,
                            .days = std::clamp(days, 1, MaxDays + 1)});
    }
    if (waiting > 0)
        loop.exec();

    std::vector<PourCheck> checks;
    for (const PlannedPour& pour : pours) {
        const SiteForecast& site = sites[SiteKey(pour.latitude, pour.longitude)];
        if (!site.answer) {
            PourCheck unchecked;
            unchecked.pour = pour;
            unchecked.reason
                = site.failure + QCoreApplication::translate("Watch", " No forecast is kept for the site.");
            checks.push_back(std::move(unchecked));
            continue;
        }
        PourCheck check = CheckPour(pour, *site.answer, options.heightFactor);
        check.kept = site.kept;
        if (site.kept)
            check.reason = site.failure;
        checks.push_back(std::move(check));
    }
    return checks;
}

int Status(const std::vector<PourCheck>& checks)
{
    if (std::any_of(checks.begin(), checks.end(), [](const PourCheck& check) { return !check.state; }))
        return 2;
    if (std::any_of(checks.begin(), checks.end(),
                    [](const PourCheck& check) { return *check.state != PourState::Clear; }))
        return 1;
    return 0;
}

}  // namespace Watch

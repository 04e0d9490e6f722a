#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "records/PlannedPours.h"
#include "watch/PourCheck.h"

// The watch over the coming days' planned pours: each site's forecast fetched once (all
// sites at once), the kept forecast used where the server cannot be asked, and each pour
// checked against it.
namespace Watch {

inline constexpr int DefaultDays = 3;
inline constexpr int MaxDays = 15;  // the forecast reaches 16 days from today

struct Options {
    QString server;  // the forecast server's base URL
    QString apiKey;
    QString cacheFolder;  // where forecasts are kept for the outlook and the watch
    double heightFactor = 0.65;
    QDateTime now;  // UTC
    int timeoutMs = 20000;
};

// The pours that have not ended and start within the coming `days` days from `now`.
std::vector<PlannedPour> Due(const std::vector<PlannedPour>& pours, const QDateTime& now, int days);

// Checks the pours; runs an event loop until every site's forecast is in.
std::vector<PourCheck> Check(const std::vector<PlannedPour>& pours, const Options& options);

// The exit status of a watch: 2 when a pour could not be checked, 1 when any is at risk or
// borderline, 0 when every pour is clear (or there is none).
int Status(const std::vector<PourCheck>& checks);

}  // namespace Watch

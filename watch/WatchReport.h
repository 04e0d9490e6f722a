#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

#include "watch/PourCheck.h"

// The watch's findings in words and as JSON; times in each site's zone.
namespace WatchReport {

// "Pour 3 at Zurich, Tue 8 Dec 07:00 to 12:00 CET" (where the zone is not known, UTC).
QString PourTitle(const PlannedPour& pour);
// "at risk: 3 of 5 h above 0.2 lb/ft²/hr, the worst 0.31 lb/ft²/hr at 11:00", or why it
// could not be checked.
QString Finding(const PourCheck& check);
// "The forecast was kept from Mon 7 Dec 2026 14:00 UTC, 5 h old: ..." for a kept forecast.
QString KeptNote(const PourCheck& check, const QDateTime& now);

// A paragraph per pour, or a line saying there is none.
QString Text(const std::vector<PourCheck>& checks, const QDateTime& now, int days);
QByteArray Json(const std::vector<PourCheck>& checks, const QDateTime& now, int days);

}  // namespace WatchReport

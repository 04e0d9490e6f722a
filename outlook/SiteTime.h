#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

// The site's time as the outlook shows it. A forecast's hours are instants in the site's
// zone; a file's are the site's wall clock with no zone at all (SiteWallClock).
namespace SiteTime {

// " CEST": the abbreviation of the time's zone after a blank, where the time is a site's
// in a zone other than the computer's; empty for the computer's zone and for a wall
// clock without a zone.
QString ZoneLabel(const QDateTime& time);

// The start of the present hour at a site in `zone`, as an instant.
QDateTime PresentHour(const QTimeZone& zone, const QDateTime& now = QDateTime::currentDateTimeUtc());

}  // namespace SiteTime

#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <optional>

#include "calc/Readings.h"
#include "records/RecordSource.h"

// One hour of the pour-day outlook as a source gave it: its time and the four
// readings as texts in the unit system of the outlook's table, as a user would type
// them. An empty concrete temperature is filled in by the outlook's concrete rule.
//
// Times are the site's, never the computer's: a forecast's hour is an instant shown in
// the site's zone (a QDateTime in that QTimeZone, or a fixed offset); a file's or a
// meter's time is the site's wall clock as written, held with no clock-change rules at
// all (SiteWallClock), so an hour the computer's clock skips is a valid reading.
// A meter's readings averaged into one clock hour: how many were, and how many of the hour
// could not be read and were left out of the means.
struct AveragedReadings {
    int used = 0;
    int leftOut = 0;
    QString firstLeftOut;  // why the first reading left out could not be read, naming its line and column

    bool any() const { return used + leftOut > 0; }
    // "360", or "358 of 360" when some were left out.
    QString text() const
    {
        return leftOut == 0 ? QString::number(used) : QStringLiteral("%1 of %2").arg(used).arg(used + leftOut);
    }
};

struct HourlyReading {
    QDateTime time;     // invalid when it could not be read
    Readings readings;
    QString problem;    // why the hour cannot be used as read, naming its line and column; empty when fine
    RecordSource source = RecordSource::Typed;  // where the readings came from
    // The factor a 10 m forecast wind was brought to the surface by; none for a measured wind.
    std::optional<double> windFactor;
    AveragedReadings averaged;  // none for an hour or a reading as the source gave it
};

// A wall-clock time of a site whose zone is not known, as a file or a meter writes it.
inline QDateTime SiteWallClock(QDate date, QTime time)
{
    // Qt::UTC rather than QTimeZone::utc(): a time in a zone object is held on the heap, and a
    // meter's log has a time a second.
    return QDateTime(date, time, Qt::UTC);
}

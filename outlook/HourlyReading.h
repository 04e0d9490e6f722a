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
struct HourlyReading {
    QDateTime time;     // invalid when it could not be read
    Readings readings;
    QString problem;    // why the hour cannot be used as read, naming its line and column; empty when fine
    RecordSource source = RecordSource::Typed;  // where the readings came from
    // The factor a 10 m forecast wind was brought to the surface by; none for a measured wind.
    std::optional<double> windFactor;
};

// A wall-clock time of a site whose zone is not known, as a file or a meter writes it.
inline QDateTime SiteWallClock(QDate date, QTime time)
{
    return QDateTime(date, time, QTimeZone::utc());
}

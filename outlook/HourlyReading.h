#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "calc/Readings.h"
#include "records/RecordSource.h"

// One hour of the pour-day outlook as a source gave it: its time and the four
// readings as texts in the unit system of the outlook's table, as a user would type
// them. An empty concrete temperature is filled in by the outlook's concrete rule.
struct HourlyReading {
    QDateTime time;     // local time at the site; invalid when it could not be read
    Readings readings;
    QString problem;    // why the hour cannot be used as read, naming its line and column; empty when fine
    RecordSource source = RecordSource::Typed;  // where the readings came from
    // The factor a 10 m forecast wind was brought to the surface by; none for a measured wind.
    std::optional<double> windFactor;
};

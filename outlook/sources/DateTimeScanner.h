#pragma once

#include <QDate>
#include <QStringView>
#include <QTime>

// Dates and times of day as sources write them. Only digits and ASCII marks are read,
// whatever the locale; a text that holds more than one date or time is not one.
namespace CsvImport {

// A date and time of day as the clocks show them.
struct WallClock {
    QDate date;
    QTime time;

    bool isValid() const { return date.isValid() && time.isValid(); }
};

// A date, with a time of day after a 'T' or blanks; a date alone is midnight.
WallClock ReadDateTime(QStringView text);

// yyyy-M-d, yyyy/M/d, M/d/yyyy or d.M.yyyy.
QDate ReadDate(QStringView text);

// H:mm or H:mm:ss, with a fraction of a second, h:mm AM/PM, or with an offset ("Z",
// "+02:00", "-0500", "+02"): the wall-clock time before the offset is what counts.
QTime ReadClock(QStringView text);

}  // namespace CsvImport

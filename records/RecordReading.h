#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>

#include <optional>

// Reads a stored record's texts back as values, for filtering and sorting. Records keep
// their dates and times as texts in the form of the locale they were saved under, which
// may not be today's; a text that cannot be read gives an invalid date or time.
namespace RecordReading {

// Tries the default locale's short date form, then ISO 8601, then M/d/yy, M/d/yyyy,
// d.M.yy, d.M.yyyy and dd/MM/yyyy. A two-digit year is placed in the hundred years
// ending twenty years from now.
QDate Date(const QString& text);

// Tries the long time form records are saved with, the locale's short form, ISO 8601,
// then h:mm:ss AP, h:mm AP, H:mm:ss and H:mm.
QTime Time(const QString& text);

// A stored number, or a text that reads as one by the program's rule for typed numbers.
std::optional<double> Number(const QVariant& value);

}  // namespace RecordReading

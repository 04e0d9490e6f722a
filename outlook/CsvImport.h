#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "calc/Units.h"
#include "outlook/HourlyReading.h"
#include "outlook/sources/SourceUnits.h"

class QIODevice;

// Hourly readings, or a meter's readings, from spreadsheet text: a CSV file, a meter's or a
// data logger's log, or rows pasted from a spreadsheet (tab-, comma- or semicolon-separated).
namespace CsvImport {

// The most a source may hold: the window refuses a larger file, and a stream that is not a
// regular file (a pipe, standard input) is read no further.
inline constexpr qint64 MaxSourceBytes = 50LL * 1024 * 1024;

// The header found at a source's start, with its units row, and how the text was encoded.
struct Start {
    // False when the source as a whole cannot be read; `error` then says why, naming the line.
    bool readable = false;
    QString error;
    // The units the header or the units row under it named (empty where they named none).
    SourceUnits named;
    // Whether the values needed a unit the source did not name and `chosen` did not give.
    bool temperatureUnitMissing = false;
    bool windUnitMissing = false;
    QString encoding;  // as the source line names it; empty for a text as typed or pasted
};

// A source's rows one at a time. The header is looked for among the first lines by the
// names of its columns (device lines before it are passed over), and a units row directly
// under it is read. Rows are in the units of `units`: units the source names win over
// `chosen`; where neither gives one, the values are taken as already in `units`.
class Reader {
public:
    Reader(const QString& text, UnitSystem units, const SourceUnits& chosen = {});
    // Reads the bytes of `device` in a stream, at most `byteLimit` of them when given.
    Reader(QIODevice& device, std::optional<qint64> byteLimit, UnitSystem units, const SourceUnits& chosen = {});
    ~Reader();

    const Start& start() const;
    // The next data line as a row; a line with an unreadable value keeps its `problem`.
    // False at the end, or when the reading stops early (`stopped` then says why).
    bool next(HourlyReading& row);
    // Why the source was not read to its end; empty when it was.
    QString stopped() const;

private:
    struct Source;
    std::unique_ptr<Source> source_;
};

struct Result : Start {
    // One row per data line, in the order of the text; empty when not readable.
    std::vector<HourlyReading> rows;
};

// Reads a text as typed or pasted.
Result Read(const QString& text, UnitSystem units, const SourceUnits& chosen = {});
// Reads the bytes of a device whole; a source that stops early is not readable.
Result Read(QIODevice& device, std::optional<qint64> byteLimit, UnitSystem units, const SourceUnits& chosen = {});

}  // namespace CsvImport

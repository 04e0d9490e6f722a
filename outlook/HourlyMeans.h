#pragma once

#include <span>
#include <vector>

#include "outlook/CsvImport.h"
#include "outlook/HourlyReading.h"

// A meter's readings, taken every few seconds to every half hour, averaged to the clock
// hours they fall in: the mean of each reading over the hour, labelled with the hour's
// start. Readings are taken in the order of the log, so the means can be made as the log
// streams past, holding one hour at a time.
//
// A reading with an unreadable value is left out of its hour's means (the means come
// from the same readings; the optional concrete temperature from those that have one)
// and counted; an hour none of whose readings could be
// read keeps the first one's problem. A row without a time belongs to no hour and is
// passed on as it is; a reading earlier than the hour being averaged starts an hour of
// its own.
namespace HourlyMeans {

// How many rows at a source's start decide whether its readings are averaged.
inline constexpr std::size_t RowsLookedAt = 20;

// Whether the readings stand closer together than an hour: two timed rows in a row among
// `first` less than an hour apart.
bool FinerThanHourly(std::span<const HourlyReading> first);

class Averager {
public:
    // Takes the next row; rows it completes (the hour before it, a row without a time)
    // are appended to `done`.
    void add(const HourlyReading& row, std::vector<HourlyReading>& done);
    // Appends the last hour.
    void finish(std::vector<HourlyReading>& done);

private:
    void close(std::vector<HourlyReading>& done);

    QDateTime hour_;  // the start of the hour being averaged; invalid before the first
    ReadingsOf<double> sums_;
    int concretes_ = 0;  // readings of the hour that gave a concrete temperature
    AveragedReadings count_;
};

// All the rows averaged.
std::vector<HourlyReading> Average(std::span<const HourlyReading> rows);

// A source's rows as the outlook shows them, one at a time: averaged to clock hours when
// its first rows stand closer together than an hour, unless every reading is to be kept.
class Rows {
public:
    // Reads the first rows of `reader` to decide.
    Rows(CsvImport::Reader& reader, bool everyReading);

    bool averaged() const { return averaged_; }
    // The rows of the source read so far.
    std::size_t readings() const { return readings_; }
    // The next row; false at the end of the source.
    bool next(HourlyReading& row);

private:
    bool fromSource(HourlyReading& row);

    CsvImport::Reader& reader_;
    std::vector<HourlyReading> first_;  // read to decide, passed on from `firstAt_`
    std::size_t firstAt_ = 0;
    bool averaged_ = false;
    std::size_t readings_ = 0;
    Averager averager_;
    std::vector<HourlyReading> done_;  // hours averaged, not yet passed on, from `doneAt_`
    std::size_t doneAt_ = 0;
    bool ended_ = false;
};

}  // namespace HourlyMeans

#include "outlook/HourlyMeans.h"

#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"

namespace HourlyMeans {

bool FinerThanHourly(std::span<const HourlyReading> first)
{
    const HourlyReading* last = nullptr;
    for (const HourlyReading& row : first.first(std::min(first.size(), RowsLookedAt))) {
        if (!row.time.isValid())
            continue;
        if (last) {
            const qint64 apart = last->time.secsTo(row.time);
            if (apart >= 0 && apart < 3600)
                return true;
        }
        last = &row;
    }
    return false;
}

void Averager::add(const HourlyReading& row, std::vector<HourlyReading>& done)
{
    if (!row.time.isValid()) {
        done.push_back(row);
        return;
    }
    const QDateTime hour = SiteWallClock(row.time.date(), QTime(row.time.time().hour(), 0));
    if (hour_.isValid() && hour != hour_)
        close(done);
    hour_ = hour;
    if (!row.problem.isEmpty()) {
        if (count_.leftOut++ == 0)
            count_.firstLeftOut = row.problem;
        return;
    }
    ++count_.used;
    sums_.air += ReadNumber(row.readings.air);
    sums_.humidity += ReadNumber(row.readings.humidity);
    sums_.wind += ReadNumber(row.readings.wind);
    if (!row.readings.concrete.empty()) {
        sums_.concrete += ReadNumber(row.readings.concrete);
        ++concretes_;
    }
}

void Averager::finish(std::vector<HourlyReading>& done)
{
    if (hour_.isValid())
        close(done);
}

void Averager::close(std::vector<HourlyReading>& done)
{
    HourlyReading hour;
    hour.time = hour_;
    if (count_.used > 0) {
        const double n = count_.used;
        hour.readings = {.air = NumberFormat::ScenarioValue(sums_.air / n),
                         .humidity = NumberFormat::ScenarioValue(sums_.humidity / n),
                         .wind = NumberFormat::ScenarioValue(sums_.wind / n)};
        if (concretes_ > 0)
            hour.readings.concrete = NumberFormat::ScenarioValue(sums_.concrete / concretes_);
    } else {
        hour.problem = count_.firstLeftOut;
    }
    hour.averaged = std::move(count_);
    done.push_back(std::move(hour));
    hour_ = {};
    sums_ = {};
    concretes_ = 0;
    count_ = {};
}

std::vector<HourlyReading> Average(std::span<const HourlyReading> rows)
{
    std::vector<HourlyReading> hours;
    Averager averager;
    for (const HourlyReading& row : rows)
        averager.add(row, hours);
    averager.finish(hours);
    return hours;
}

Rows::Rows(CsvImport::Reader& reader, bool everyReading) : reader_(reader)
{
    for (HourlyReading row; first_.size() < RowsLookedAt && reader_.next(row);)
        first_.push_back(std::move(row));
    readings_ = first_.size();
    averaged_ = !everyReading && FinerThanHourly(first_);
}

bool Rows::fromSource(HourlyReading& row)
{
    if (firstAt_ < first_.size()) {
        row = std::move(first_[firstAt_++]);
        return true;
    }
    const bool read = reader_.next(row);
    readings_ += read ? 1 : 0;
    return read;
}

bool Rows::next(HourlyReading& row)
{
    if (!averaged_)
        return fromSource(row);
    while (doneAt_ == done_.size()) {
        done_.clear();
        doneAt_ = 0;
        if (ended_)
            return false;
        HourlyReading reading;
        if (fromSource(reading)) {
            averager_.add(reading, done_);
        } else {
            averager_.finish(done_);
            ended_ = true;
        }
    }
    row = std::move(done_[doneAt_++]);
    return true;
}

}  // namespace HourlyMeans

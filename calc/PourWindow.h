#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Finding the hours in which a slab can be placed without measures against
// evaporation, from hourly verdicts in time order.

// Which hours count as safe: those not above the threshold in force (the default), or
// only those whose message is "OK", below the lower of the two fixed rates.
enum class SafeCriterion { BelowThreshold, OkOnly };

namespace PourWindow {


struct Verdict {
    std::int64_t minute = 0;  // the hour's start as an instant, in minutes since 1970
    bool safe = false;        // a valid reading whose rate is not above the threshold in force
};

// Consecutive safe hours: `count` verdicts from index `first`, each starting 60 minutes
// after the last.
struct Run {
    std::size_t first = 0;
    std::size_t count = 0;
    friend bool operator==(const Run&, const Run&) = default;
};

struct Found {
    std::optional<Run> longest;  // the longest run; of runs as long, the earliest
    std::optional<Run> next;     // the earliest run at least the minimum number of hours long
};

// A gap in time, an hour out of order or an hour that is not safe ends a run.
Found Find(const std::vector<Verdict>& verdicts, int minimumHours);

}  // namespace PourWindow

#include "calc/ScrollBarValue.h"

#include <algorithm>
#include <cmath>

#include "calc/NumberReading.h"
#include "calc/Single.h"

namespace {

// The reading rounded to a whole number, or nothing for an empty box or a reading
// outside the range. The default floating-point rounding mode rounds halves to even.
std::optional<int> NearestWhole(std::string_view text, InputRange range)
{
    if (text.find_first_not_of(' ') == std::string_view::npos)
        return std::nullopt;
    const float v = ToSingle(ReadNumber(text));
    if (!range.contains(v))
        return std::nullopt;
    return static_cast<int>(std::nearbyint(static_cast<double>(v)));
}

}  // namespace

std::optional<int> ScrollBarValueFor(std::string_view text, InputRange range)
{
    const std::optional<int> whole = NearestWhole(text, range);
    if (!whole)
        return std::nullopt;
    // A range whose ends are not whole (as in SI) keeps the bar on the whole units inside it.
    return std::clamp(*whole, range.firstWhole(), range.lastWhole());
}

bool LiesBeyondWholeUnits(std::string_view text, InputRange range)
{
    const std::optional<int> whole = NearestWhole(text, range);
    return whole && (*whole < range.firstWhole() || *whole > range.lastWhole());
}

#include "calc/ScrollBarValue.h"

#include <algorithm>
#include <cmath>

#include "calc/NumberReading.h"
#include "calc/Single.h"

std::optional<int> ScrollBarValueFor(std::string_view text, InputRange range)
{
    if (text.find_first_not_of(' ') == std::string_view::npos)
        return std::nullopt;
    const float v = ToSingle(ReadNumber(text));
    if (!range.contains(v))
        return std::nullopt;
    // The default floating-point rounding mode rounds halves to even. A range whose ends
    // are not whole (as in SI) keeps the bar on the whole units inside it.
    const int whole = static_cast<int>(std::nearbyint(static_cast<double>(v)));
    return std::clamp(whole, range.firstWhole(), range.lastWhole());
}

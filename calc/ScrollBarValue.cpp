#include "calc/ScrollBarValue.h"

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
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(static_cast<double>(v)));
}

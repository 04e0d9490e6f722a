#include "calc/Measures.h"

#include <array>
#include <initializer_list>

#include "calc/ConcreteAtMost.h"
#include "calc/NumberWriting.h"

namespace Measures {
namespace {

const std::array<std::string_view, 2> OkMeasures{
    "Cure the concrete as usual as soon as finishing allows, because every slab needs curing whatever the rate.",
    "Read the conditions again when the weather changes, because sun, wind or drier air can raise the rate "
    "within the hour.",
};

const std::array<std::string_view, 6> MayMeasures{
    "Dampen the subgrade and the forms before placing, so that they do not draw water out of the concrete.",
    "Put up windbreaks and sunshades, because wind and sun on the slab drive evaporation.",
    "Keep a fog spray running above the surface until curing starts, so that the air over the slab stays moist "
    "without water being worked into the surface.",
    "Apply an evaporation retarder after screeding when the surface dries before finishing, to hold its water in.",
    "Cover the surface with wet burlap or plastic sheeting during delays, so that it does not dry while it waits.",
    "Start curing sooner, as soon as finishing allows, because the surface loses water faster than it bleeds.",
};

const std::array<std::string_view, 8> ShallMeasures{
    "Schedule the pour for a cooler part of the day, such as early morning or evening, when the rate is lower.",
    "Cool the concrete with chilled mixing water, ice or shaded aggregates, because cooler concrete evaporates "
    "less.",
    "Dampen the subgrade and the forms before placing, so that they do not draw water out of the concrete.",
    "Put up windbreaks and sunshades, because wind and sun on the slab drive evaporation.",
    "Keep a fog spray running above the surface until curing starts, so that the air over the slab stays moist "
    "without water being worked into the surface.",
    "Apply an evaporation retarder after screeding, to hold the water in the surface until finishing.",
    "Cover the surface with wet burlap or plastic sheeting during delays, so that it does not dry while it waits.",
    "Start curing sooner, as soon as finishing allows, because the surface loses water faster than it bleeds.",
};

const std::array<Advice, 3> Advices{{
    {"No measures against evaporation are needed at this rate.", OkMeasures},
    {"Measures may be needed: have these ready and take them when the surface dries before bleeding stops.",
     MayMeasures},
    {"The rate is above the threshold in force: take these measures, in this order.", ShallMeasures},
}};

constexpr std::string_view CoolTo = "Cool the concrete to %1 or below";
constexpr std::string_view NoCoolTo =
    "No concrete temperature from %1 to %2 brings the rate down to the threshold: take the other measures";

// A pattern with its placeholders %1, %2 ... replaced by the values in turn.
std::string Filled(std::string_view pattern, std::initializer_list<std::string> values)
{
    std::string text(pattern);
    char number = '1';
    for (const std::string& value : values) {
        const std::string placeholder{'%', number++};
        if (const std::size_t at = text.find(placeholder); at != std::string::npos)
            text.replace(at, placeholder.size(), value);
    }
    return text;
}

}  // namespace

const std::string_view NoRate = "Enter four readings inside their ranges to see the measures for their rate.";

const Advice& For(Precaution precaution)
{
    return Advices[static_cast<std::size_t>(precaution)];
}

CoolToParts CoolToPattern(const Calculation& calculation)
{
    if (!calculation.valid || calculation.precaution != Precaution::Shall)
        return {};
    const UnitSystem units = calculation.request.units;
    if (const std::optional<float> atMost = ConcreteAtMost(calculation))
        return {CoolTo, {ConcreteAtMostText(*atMost, units)}};
    const InputRange range = RangeOf(Input::ConcreteTemp, units);
    const std::string unit(Units::Symbol(Quantity::Temperature, units));
    return {NoCoolTo, {NumberFormat::General(range.low), NumberFormat::General(range.up) + " " + unit}};
}

std::string CoolToLine(const Calculation& calculation)
{
    const CoolToParts parts = CoolToPattern(calculation);
    if (parts.pattern.empty())
        return {};
    return parts.values.size() == 1 ? Filled(parts.pattern, {parts.values[0]})
                                    : Filled(parts.pattern, {parts.values[0], parts.values[1]});
}

}  // namespace Measures

#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "calc/Readings.h"
#include "calc/Units.h"

// Everything that differs between the unit systems the calculator shows, one table per
// system: a change of a unit, a range, a threshold or a format is a change of a value here.

// Inclusive valid range of one reading; the limits are single precision. Not-a-number
// lies in no range.
struct InputRange {
    float low;
    float up;
    constexpr bool contains(float v) const { return v >= low && v <= up; }
    // The whole units a scroll bar moves through inside the range.
    int firstWhole() const { return static_cast<int>(std::ceil(low)); }
    int lastWhole() const { return static_cast<int>(std::floor(up)); }
};

// The precaution thresholds: from `may` on measures may be needed, above `shall` they
// shall be taken. `shall` is the default threshold in force; the alternate threshold a
// user may type starts at `alternateStart`. Mixtures that bleed little take precautions
// at about half the default rate, `lowBleedText`.
struct ThresholdPolicy {
    double may;
    double shall;
    std::string_view mayText;         // as the tables' rate column shows them
    std::string_view shallText;
    std::string_view mayTitle;        // as the tables' titles write them
    std::string_view shallTitle;
    std::string_view alternateStart;  // the alternate box's text at start-up
    std::string_view lowBleedText;    // the alternate rate of the low-bleed mix presets
};

// Round values of a system's own units at which the chart's scales are labelled, placed
// by the exact conversion. The chart of the model's own units keeps its design labels.
struct ChartLabels {
    std::span<const int> airTicks;
    std::span<const int> concreteLines;
    std::span<const int> windLines;
    double rateStep;
    double lastRate;
};

struct UnitSystemTable {
    UnitSystem system;
    std::string_view code;  // as records store it
    std::string_view menuText;
    const Units::Unit* temperature;
    const Units::Unit* humidity;
    const Units::Unit* wind;
    const Units::Unit* rate;
    ReadingsOf<InputRange> ranges;
    ThresholdPolicy thresholds;
    int rateDecimals;               // how rates are written: "#0.000" is 3
    bool readingsWithOneDecimal;    // readings echoed in "#0.0" rather than in general form
    const ChartLabels* chartLabels; // none: the chart's design labels
    std::string_view equation;      // the equation line at the window's foot

    constexpr const Units::Unit& unit(Quantity quantity) const
    {
        switch (quantity) {
        case Quantity::Temperature: return *temperature;
        case Quantity::Humidity: return *humidity;
        case Quantity::Wind: return *wind;
        case Quantity::Rate: break;
        }
        return *rate;
    }
    constexpr const Units::Unit& unit(Input input) const { return unit(QuantityOf(input)); }
};

namespace UnitSystems {

inline constexpr int AirTicksSI[]{10, 15, 20, 25, 30, 35};
inline constexpr int ConcreteLinesSI[]{5, 10, 15, 20, 25, 30, 35};
inline constexpr int WindLinesSI[]{0, 5, 10, 15, 20, 30, 40};
inline constexpr ChartLabels ChartLabelsSI{AirTicksSI, ConcreteLinesSI, WindLinesSI, 0.5, 4.5};

inline constexpr UnitSystemTable US{
    .system = UnitSystem::US,
    .code = "US",
    .menuText = "US Customary (°F, mph, lb/ft²/hr)",
    .temperature = &Units::Fahrenheit,
    .humidity = &Units::Percent,
    .wind = &Units::Mph,
    .rate = &Units::LbPerFt2Hr,
    .ranges = {{40.0f, 100.0f}, {0.0f, 100.0f}, {40.0f, 100.0f}, {0.0f, 25.0f}},
    .thresholds = {0.1, 0.2, "0.1", "0.2", ".1", ".2", "0.05", "0.1"},
    .rateDecimals = 3,
    .readingsWithOneDecimal = false,
    .chartLabels = nullptr,
    .equation = "RateACI = (ConcreteTemp ^ 2.5 - RelativeHumidity / 100 * AirTemp ^ 2.5) * "
                "(1 + 0.4 * WindVelocity) * 10 ^ -6",
};

// The ranges are those of the model (40-100 degrees F, 0-25 mph) rounded to one decimal;
// the thresholds are those SI codes publish beside 0.1 and 0.2 lb/ft2/hr.
inline constexpr UnitSystemTable SI{
    .system = UnitSystem::SI,
    .code = "SI",
    .menuText = "SI (°C, km/h, kg/m²/hr)",
    .temperature = &Units::Celsius,
    .humidity = &Units::Percent,
    .wind = &Units::Kmh,
    .rate = &Units::KgPerM2Hr,
    .ranges = {{4.4f, 37.8f}, {0.0f, 100.0f}, {4.4f, 37.8f}, {0.0f, 40.2f}},
    .thresholds = {0.5, 1.0, "0.5", "1.0", "0.5", "1.0", "0.25", "0.5"},
    .rateDecimals = 2,
    .readingsWithOneDecimal = true,
    .chartLabels = &ChartLabelsSI,
    .equation = "E = 5.275 × ([Tc + 17.78]^2.5 − RH/100 × [Ta + 17.78]^2.5) × (V + 4.023) × 10^-6 "
                "(kg/m²/hr; °C, km/h)",
};

inline constexpr std::array<const UnitSystemTable*, 2> All{&US, &SI};

}  // namespace UnitSystems

constexpr const UnitSystemTable& SystemOf(UnitSystem units)
{
    return *UnitSystems::All[static_cast<std::size_t>(units)];
}

constexpr InputRange RangeOf(Input input, UnitSystem units)
{
    return SystemOf(units).ranges[input];
}

constexpr ThresholdPolicy ThresholdsOf(UnitSystem units)
{
    return SystemOf(units).thresholds;
}

// The kinds of mixture a threshold is chosen for. Standard takes the system's default
// threshold; the two low-bleed kinds take its `lowBleedText` as the alternate rate; Custom
// leaves the alternate rate as typed.
enum class MixPreset { Standard, LowBleed, LatexModified, Custom };

struct MixPresetEntry {
    MixPreset preset;
    std::string_view code;       // as records and settings store it
    std::string_view name;       // as the window lists it
    std::string_view shortName;  // where the full name does not fit
    bool lowBleed;               // takes the system's low-bleed rate
};

inline constexpr std::array<MixPresetEntry, 4> MixPresets{{
    {MixPreset::Standard, "Standard", "Standard", "Standard", false},
    {MixPreset::LowBleed, "LowBleed", "Low-bleed (silica fume, HRWR)", "Low-bleed", true},
    {MixPreset::LatexModified, "LatexModified", "Latex-modified overlay", "Latex-modified", true},
    {MixPreset::Custom, "Custom", "Custom", "Custom", false},
}};

constexpr const MixPresetEntry& PresetOf(MixPreset preset)
{
    return MixPresets[static_cast<std::size_t>(preset)];
}

// The alternate rate a preset writes in a system; none for Standard (the default
// threshold) and Custom (the rate as typed).
constexpr std::optional<std::string_view> PresetRateText(MixPreset preset, UnitSystem units)
{
    if (!PresetOf(preset).lowBleed)
        return std::nullopt;
    return SystemOf(units).thresholds.lowBleedText;
}

// The preset stored under a code; none for another text.
std::optional<MixPreset> PresetCoded(std::string_view code);

namespace Units {

// A value of one quantity between the model's unit and the system's.
inline double ToModel(Quantity quantity, double value, UnitSystem from)
{
    return SystemOf(from).unit(quantity).ToModel(value);
}
inline double FromModel(Quantity quantity, double model, UnitSystem to)
{
    return SystemOf(to).unit(quantity).FromModel(model);
}
inline std::string_view Symbol(Quantity quantity, UnitSystem units)
{
    return SystemOf(units).unit(quantity).symbol;
}

// The short names records store ("US", "SI"); anything else reads as US, the
// system of every record saved before the column existed.
inline std::string_view Code(UnitSystem units)
{
    return SystemOf(units).code;
}
UnitSystem FromCode(std::string_view code);
// The system a user names by its code in any case ("si", "US"); none for another name.
std::optional<UnitSystem> SystemNamed(std::string_view name);

}  // namespace Units

#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Calculation.h"

// What a crew does against plastic-shrinkage cracking, for each precaution class: one
// source of these texts for the window, the printouts and the field edition. Each text is
// a whole sentence in one literal, so that it can be translated as it stands.
namespace Measures {

struct Advice {
    std::string_view summary;                    // what the class means for the crew
    std::span<const std::string_view> measures;  // in the order a crew applies them, each with its reason
};

const Advice& For(Precaution precaution);

// Said in place of any advice while the readings give no rate.
extern const std::string_view NoRate;

// The line that heads the measures when the rate is above the threshold in force: "Cool the
// concrete to 81 °F or below", or why no concrete temperature in range brings the rate down
// to the threshold. Empty for an invalid calculation or a rate not above the threshold.
std::string CoolToLine(const Calculation& calculation);
// The same line as a pattern with placeholders %1, %2 and their values, for a surface that
// translates the pattern before filling it in. An empty pattern where there is no line.
struct CoolToParts {
    std::string_view pattern;
    std::vector<std::string> values;
};
CoolToParts CoolToPattern(const Calculation& calculation);

}  // namespace Measures

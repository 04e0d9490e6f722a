#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/InputSet.h"

// One calculation run of the main window without the window: the nomograph
// reading, the equation, the captions and the precaution message.

// The values a run leaves behind, all single precision. EvaporationRateNomo and
// RateACI are as computed, before negative rates are shown as 0.
struct NomographSolution {
    float RHOrdinate = 0.0f;
    float YInterceptConcTemp = 0.0f;
    float slopeConcTemp = 0.0f;
    float XIntersection = 0.0f;
    float slopeWindVelocity = 0.0f;
    float EvaporationRateNomo = 0.0f;
    float RateACI = 0.0f;
};

// Reads the path through the chart. A humidity or concrete temperature outside
// the chart matches no bracket and keeps the ordinate or slope of `last`.
NomographSolution SolveNomograph(const InputSet& inputs, const NomographSolution& last = {});

// The four input texts in the order air temperature, relative humidity,
// concrete temperature, wind velocity.
using InputTexts = std::array<std::string, 4>;

// Validation of the four boxes. Returns false, leaving `values` alone, when a text
// is empty after trimming spaces; otherwise stores all four readings (rounded to
// single precision) and returns whether each lies in its range.
bool GoodInputs(const InputTexts& texts, InputSet& values);

enum class ThresholdChoice { Default, Alternate };

struct PrecautionMessage {
    std::string text;
    bool red = false;  // shown in light red rather than black
};

// Classifies the equation rate as displayed (its three-decimal caption read back).
// With the alternate choice the threshold in force is the reading of its text.
PrecautionMessage ClassifyRate(std::string_view eqnCaption, ThresholdChoice choice,
                               std::string_view thresholdText);

struct RunCaptions {
    NomographSolution solution;  // unclamped, for drawing the path
    std::string nomoCaption;     // "#0.000" of the nomograph rate, negatives shown as 0
    std::string eqnCaption;      // "#0.000" of the equation rate, negatives shown as 0
    PrecautionMessage answer;
};

RunCaptions CalculateRun(const InputSet& inputs, ThresholdChoice choice,
                         std::string_view thresholdText, const NomographSolution& last = {});

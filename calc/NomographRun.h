#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/InputSet.h"
#include "calc/Readings.h"
#include "calc/Thresholds.h"

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

// The slope of the concrete-temperature line, interpolated in its table; nothing
// outside 40-100 degrees F.
std::optional<float> ConcreteSlope(float concreteTemp);

// Reads the path through the chart. A humidity or concrete temperature outside
// the chart matches no bracket and keeps the ordinate or slope of `last`.
NomographSolution SolveNomograph(const InputSet& inputs, const NomographSolution& last = {});

// Validation of the four boxes. Returns false, leaving `values` alone, when a text
// is empty after trimming spaces; otherwise stores all four readings (rounded to
// single precision) and returns whether each lies in its range of the unit system.
bool GoodInputs(const Readings& texts, InputSet& values, UnitSystem units = UnitSystem::US);

// Why GoodInputs refuses the texts, in words for the user ("The air temperature 120 °F is
// outside 40 to 100 °F."); empty when it accepts them.
std::string WhyInvalid(const Readings& texts, UnitSystem units = UnitSystem::US);

enum class ThresholdChoice { Default, Alternate };

// How a rate stands against the thresholds: "OK", "Measures may be needed." or
// "Measures shall be taken.". Against the alternate threshold a rate is one of the last two.
enum class Precaution { Ok, May, Shall };

struct PrecautionMessage {
    std::string text;
    Precaution precaution = Precaution::Ok;
    bool red() const { return precaution == Precaution::Shall; }  // shown in light red rather than black
};

// Classifies the equation rate as displayed (its caption read back) against the
// thresholds of the caption's unit system. With the alternate choice the threshold
// in force is the reading of its text.
// The class of a precaution message as the program writes it; none for another text.
std::optional<Precaution> PrecautionOfMessage(std::string_view message);

PrecautionMessage ClassifyRate(std::string_view eqnCaption, ThresholdChoice choice,
                               std::string_view thresholdText,
                               const ThresholdPolicy& thresholds = ThresholdsOf(UnitSystem::US));

struct RunCaptions {
    NomographSolution solution;  // unclamped, for drawing the path
    std::string nomoCaption;     // the nomograph rate in the units shown, negatives shown as 0
    std::string eqnCaption;      // the equation rate in the units shown, negatives shown as 0
    PrecautionMessage answer;
};

// `inputs` in the model's units; captions and message in those of `units`.
RunCaptions CalculateRun(const InputSet& inputs, ThresholdChoice choice,
                         std::string_view thresholdText, const NomographSolution& last = {},
                         UnitSystem units = UnitSystem::US);

// A rate given in lb/ft2/hr as the system writes it, negatives as 0.
std::string RateCaption(double lbPerFt2Hr, UnitSystem units);

// How the system writes a rate in its own units: "#0.000", or "#0.00" in kg/m2/hr.
std::string RateText(double rate, UnitSystem units);

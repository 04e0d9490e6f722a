#pragma once

#include <array>
#include <string>

#include "calc/InputSet.h"
#include "calc/NomographRun.h"
#include "calc/Readings.h"
#include "calc/Thresholds.h"
#include "calc/Units.h"

// What one recalculation of the window produces, as one value: everything the window
// shows and the save dialog, the report and printing read. Built from the texts as
// typed, so it is the same whoever asks.

// The three scenario tables: the two fixed thresholds (0.1 and 0.2 lb/ft2/hr, or
// 0.5 and 1.0 kg/m2/hr) and the threshold in force.
enum class ScenarioBlock { May, Shall, InForce };
inline constexpr std::array<ScenarioBlock, 3> AllScenarioBlocks{ScenarioBlock::May, ScenarioBlock::Shall,
                                                                ScenarioBlock::InForce};

enum class CellState {
    Fixed,   // an input held at its reading
    Varied,  // the input solved for, found within its valid range
    Failed,  // the arithmetic failed ("#Num!") or the value lies outside the valid range
};

struct ScenarioCell {
    std::string text;
    CellState state = CellState::Fixed;
};

// One table: a row per varied input, a cell per input in each row; the varied cells
// form the diagonal. The title and the rate column are filled whether or not the
// readings are valid; the cells only when they are.
struct ScenarioCells {
    float threshold = 0.0f;  // in the system shown
    std::string title;       // "Variation Scenarios to Get Evaporation Rate of .2 lb/ft²/hr"
    std::string titleRate;   // the rate as the title writes it: ".2"
    std::string rateText;    // the rate column: "0.2"
    std::array<std::array<ScenarioCell, 4>, 4> rows;
    const ScenarioCell& cell(Input varied, Input column) const
    {
        return rows[static_cast<std::size_t>(varied)][static_cast<std::size_t>(column)];
    }
};

enum class MessageColor { Normal, Warning };

// What a recalculation starts from: everything the user chose, nothing derived.
struct CalculationRequest {
    Readings readings;  // the four boxes as typed
    UnitSystem units = UnitSystem::US;
    ThresholdChoice choice = ThresholdChoice::Default;
    std::string alternateText = std::string(ThresholdsOf(UnitSystem::US).alternateStart);  // the alternate rate as typed
    bool scenarios = true;  // whether to fill the scenario tables (heads and cells) too

    // The threshold in force as the window writes it: the system's default or the
    // alternate rate as typed.
    std::string thresholdText() const
    {
        return choice == ThresholdChoice::Default ? std::string(ThresholdsOf(units).shallText) : alternateText;
    }
};

struct Calculation {
    CalculationRequest request;
    // Whether the four texts form a valid set; nothing below is filled otherwise.
    bool valid = false;
    InputSet read;       // the readings in the system shown, single precision
    InputSet model;      // the same in the model's units (degrees F, percent, mph)
    float threshold = 0.0f;  // the reading of the threshold text, in the system shown
    NomographSolution solution;  // in the model's units, before negative rates show as 0
    std::string nomoCaption;
    std::string eqnCaption;
    std::string answer;
    Precaution precaution = Precaution::Ok;
    std::array<ScenarioCells, 3> scenarios;

    MessageColor answerColor() const
    {
        return precaution == Precaution::Shall ? MessageColor::Warning : MessageColor::Normal;
    }
    const ScenarioCells& table(ScenarioBlock t) const { return scenarios[static_cast<std::size_t>(t)]; }
};

// The three tables' titles and rate columns for a request, readings aside.
std::array<ScenarioCells, 3> ScenarioHeads(const CalculationRequest& request);

// `previous` are the readings and solution of the last complete set: they stay when a
// text is empty, as the window keeps them.
Calculation Calculate(const CalculationRequest& request, const InputSet& previousReadings = {},
                      const NomographSolution& previousSolution = {});

// A reading of one input from one system in another, as a careful user would convert
// it: exactly, except that a reading inside its range whose conversion lies past the
// other system's range only through the rounding of the range ends is taken as the end.
double ConvertReading(Input input, double value, UnitSystem from, UnitSystem to);
// The same for a box's text: a numeric text (blanks aside) is converted and written
// with one decimal; a humidity, any other text, or a text in the same system stays.
std::string ConvertReadingText(Input input, const std::string& text, UnitSystem from, UnitSystem to);
// A threshold rate's text in another system, written as that system writes rates; a
// text that is not a number stays.
std::string ConvertRateText(const std::string& text, UnitSystem from, UnitSystem to);

// Readings of one system in the model's units, each rounded to single precision as any
// reading is. A reading inside the SI ranges whose conversion lies past 40-100 degrees F
// or 25 mph only through the rounding of those ends is taken as the end.
InputSet ToModelUnits(const InputSet& readings, UnitSystem units);

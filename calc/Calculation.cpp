#include "calc/Calculation.h"

#include <algorithm>

#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/ScenarioSolver.h"
#include "calc/Single.h"

namespace {

double ToModel(Input input, double value, UnitSystem units)
{
    switch (input) {
    case Input::AirTemp:
    case Input::ConcreteTemp: return Units::TemperatureToUS(value, units);
    case Input::RelativeHumidity: return value;
    case Input::WindVelocity: break;
    }
    return Units::WindToUS(value, units);
}

double FromModel(Input input, double value, UnitSystem units)
{
    switch (input) {
    case Input::AirTemp:
    case Input::ConcreteTemp: return Units::TemperatureFromUS(value, units);
    case Input::RelativeHumidity: return value;
    case Input::WindVelocity: break;
    }
    return Units::WindFromUS(value, units);
}

float ModelValue(Input input, float reading, UnitSystem units)
{
    return ToSingle(ConvertReading(input, reading, units, UnitSystem::US));
}

// The fixed cells show the readings as the system writes an input.
std::string InputText(float reading, UnitSystem units)
{
    return units == UnitSystem::SI ? NumberFormat::ScenarioValue(reading) : NumberFormat::General(reading);
}

ScenarioCells SolveTable(const Calculation& c, float threshold)
{
    const UnitSystem units = c.request.units;
    ScenarioCells table;
    table.threshold = threshold;
    const auto outcomes = SolveScenarios(c.model, ToSingle(Units::RateToUS(threshold, units)));
    for (Input varied : AllInputs) {
        auto& row = table.rows[static_cast<std::size_t>(varied)];
        for (Input column : AllInputs)
            row[static_cast<std::size_t>(column)] = {InputText(ValueOf(c.read, column), units), CellState::Fixed};

        const ScenarioOutcome& outcome = outcomes[static_cast<std::size_t>(varied)];
        ScenarioCell& cell = row[static_cast<std::size_t>(varied)];
        if (outcome.failed) {
            cell = {outcome.text(), CellState::Failed};
            continue;
        }
        const double shown = FromModel(varied, outcome.value, units);
        const bool inside = RangeOf(varied, units).contains(static_cast<float>(shown));
        cell = {NumberFormat::ScenarioValue(shown), inside ? CellState::Varied : CellState::Failed};
    }
    return table;
}

}  // namespace

double ConvertReading(Input input, double value, UnitSystem from, UnitSystem to)
{
    if (from == to)
        return value;
    const double converted = FromModel(input, ToModel(input, value, from), to);
    if (!RangeOf(input, from).contains(static_cast<float>(value)))
        return converted;
    const InputRange target = RangeOf(input, to);
    return std::clamp(converted, static_cast<double>(target.low), static_cast<double>(target.up));
}

std::string ConvertReadingText(Input input, const std::string& text, UnitSystem from, UnitSystem to)
{
    if (from == to || input == Input::RelativeHumidity || !IsNumericText(text))
        return text;
    return NumberFormat::ScenarioValue(ConvertReading(input, ReadNumber(text), from, to));
}

std::string ConvertRateText(const std::string& text, UnitSystem from, UnitSystem to)
{
    if (from == to || !IsNumericText(text))
        return text;
    return RateText(Units::RateFromUS(Units::RateToUS(ReadNumber(text), from), to), to);
}

InputSet ToModelUnits(const InputSet& readings, UnitSystem units)
{
    return {ModelValue(Input::AirTemp, readings.AirTemp, units),
            ModelValue(Input::RelativeHumidity, readings.RelativeHumidity, units),
            ModelValue(Input::ConcreteTemp, readings.ConcreteTemp, units),
            ModelValue(Input::WindVelocity, readings.WindVelocity, units)};
}

Calculation Calculate(const CalculationRequest& request, const InputSet& previousReadings,
                      const NomographSolution& previousSolution)
{
    Calculation c;
    c.request = request;
    c.read = previousReadings;
    c.solution = previousSolution;
    c.valid = GoodInputs(request.texts, c.read, request.units);
    if (!c.valid)
        return c;

    c.model = ToModelUnits(c.read, request.units);
    const RunCaptions run = CalculateRun(c.model, request.choice, request.thresholdText, previousSolution,
                                         request.units);
    c.solution = run.solution;
    c.nomoCaption = run.nomoCaption;
    c.eqnCaption = run.eqnCaption;
    c.answer = run.answer.text;
    c.answerColor = run.answer.red ? MessageColor::Warning : MessageColor::Normal;

    c.threshold = ToSingle(ReadNumber(request.thresholdText));
    if (!request.scenarios)
        return c;
    const ThresholdPolicy thresholds = ThresholdsOf(request.units);
    c.scenarios = {SolveTable(c, static_cast<float>(thresholds.may)),
                   SolveTable(c, static_cast<float>(thresholds.shall)), SolveTable(c, c.threshold)};
    return c;
}

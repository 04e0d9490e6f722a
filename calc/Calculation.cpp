#include "calc/Calculation.h"

#include <algorithm>

#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/ScenarioSolver.h"
#include "calc/Single.h"

namespace {

float ModelValue(Input input, float reading, UnitSystem units)
{
    return ToSingle(ConvertReading(input, reading, units, UnitSystem::US));
}

// The fixed cells show the readings as the system writes an input.
std::string InputText(float reading, UnitSystem units)
{
    return SystemOf(units).readingsWithOneDecimal ? NumberFormat::ScenarioValue(reading)
                                                  : NumberFormat::General(reading);
}

std::string TableTitle(std::string_view rate, UnitSystem units)
{
    return "Variation Scenarios to Get Evaporation Rate of " + std::string(rate) + " "
           + std::string(Units::Symbol(Quantity::Rate, units));
}

}  // namespace

// The fixed tables keep their own titles and rates; the table of the threshold in force
// writes the threshold as typed ("#.###" in the title).
std::array<ScenarioCells, 3> ScenarioHeads(const CalculationRequest& request)
{
    const ThresholdPolicy thresholds = ThresholdsOf(request.units);
    const std::string inForce = request.thresholdText();
    std::array<ScenarioCells, 3> tables;
    auto& [may, shall, inForceTable] = tables;
    may.titleRate = thresholds.mayTitle;
    may.rateText = thresholds.mayText;
    shall.titleRate = thresholds.shallTitle;
    shall.rateText = thresholds.shallText;
    inForceTable.titleRate = request.choice == ThresholdChoice::Default ? std::string(thresholds.shallTitle)
                                                                        : NumberFormat::CompactText(inForce);
    inForceTable.rateText = NumberFormat::General(ReadNumber(inForce));
    for (ScenarioCells& table : tables)
        table.title = TableTitle(table.titleRate, request.units);
    return tables;
}

namespace {

void SolveTable(const Calculation& c, ScenarioCells& table, float threshold)
{
    const UnitSystem units = c.request.units;
    table.threshold = threshold;
    const auto outcomes = SolveScenarios(c.model, ToSingle(Units::ToModel(Quantity::Rate, threshold, units)));
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
        const double shown = Units::FromModel(QuantityOf(varied), outcome.value, units);
        const bool inside = RangeOf(varied, units).contains(static_cast<float>(shown));
        cell = {NumberFormat::ScenarioValue(shown), inside ? CellState::Varied : CellState::Failed};
    }
}

}  // namespace

double ConvertReading(Input input, double value, UnitSystem from, UnitSystem to)
{
    if (from == to)
        return value;
    const Quantity quantity = QuantityOf(input);
    const double converted = Units::FromModel(quantity, Units::ToModel(quantity, value, from), to);
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
    return RateText(Units::FromModel(Quantity::Rate, Units::ToModel(Quantity::Rate, ReadNumber(text), from), to), to);
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
    if (request.scenarios)
        c.scenarios = ScenarioHeads(request);
    c.valid = GoodInputs(request.readings, c.read, request.units);
    if (!c.valid)
        return c;

    const std::string thresholdText = request.thresholdText();
    c.model = ToModelUnits(c.read, request.units);
    const RunCaptions run = CalculateRun(c.model, request.choice, thresholdText, previousSolution, request.units);
    c.solution = run.solution;
    c.nomoCaption = run.nomoCaption;
    c.eqnCaption = run.eqnCaption;
    c.answer = run.answer.text;
    c.precaution = run.answer.precaution;

    c.threshold = ToSingle(ReadNumber(thresholdText));
    if (!request.scenarios)
        return c;
    const ThresholdPolicy thresholds = ThresholdsOf(request.units);
    auto& [may, shall, inForce] = c.scenarios;
    SolveTable(c, may, static_cast<float>(thresholds.may));
    SolveTable(c, shall, static_cast<float>(thresholds.shall));
    SolveTable(c, inForce, c.threshold);
    return c;
}

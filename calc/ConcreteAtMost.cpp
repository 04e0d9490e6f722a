#include "calc/ConcreteAtMost.h"

#include <cmath>

#include "calc/NumberWriting.h"
#include "calc/ScenarioSolver.h"
#include "calc/Single.h"

std::optional<float> ConcreteAtMost(const InputSet& model, float threshold, UnitSystem units)
{
    const float modelThreshold = ToSingle(Units::ToModel(Quantity::Rate, threshold, units));
    const ScenarioOutcome solved =
        SolveScenarios(model, modelThreshold)[static_cast<std::size_t>(ScenarioRow::ConcreteTemp)];
    if (solved.failed)
        return std::nullopt;
    const auto shown = static_cast<float>(Units::FromModel(Quantity::Temperature, solved.value, units));
    if (!RangeOf(Input::ConcreteTemp, units).contains(shown))
        return std::nullopt;
    return shown;
}

std::optional<float> ConcreteAtMost(const Calculation& calculation)
{
    if (!calculation.valid)
        return std::nullopt;
    return ConcreteAtMost(calculation.model, calculation.threshold, calculation.request.units);
}

std::string ConcreteAtMostFigure(float temperature)
{
    return NumberFormat::WholeNumber(std::floor(temperature));
}

std::string ConcreteAtMostText(float temperature, UnitSystem units)
{
    return ConcreteAtMostFigure(temperature) + " " + std::string(Units::Symbol(Quantity::Temperature, units));
}

#include "calc/NomographRun.h"

#include <cstddef>
#include <optional>

#include "calc/CuringSupp.h"
#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/Single.h"

namespace {

// The humidity curves stand every 10 %; the line y = 0 serves as the 0 % curve.
constexpr float kHumidityStep = 10.0f;
// The concrete-temperature slopes are tabulated every 10 degrees from 40.
constexpr float kSlopeTableStart = 40.0f;
constexpr float kSlopeTableStep = 10.0f;
// The wind-velocity line ends at the panel's right edge, x = 8.
constexpr double kWindPanelWidth = 8.0;

// Finds the bracket [low, low + step) of `value` among `count` brackets starting at
// `start`; the last bracket also takes its upper end. Nothing outside them.
std::optional<std::size_t> BracketIndex(float value, float start, float step, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const float low = start + step * static_cast<float>(i);
        const float up = low + step;
        const bool last = i + 1 == count;
        if (value >= low && (value < up || (last && value <= up)))
            return i;
    }
    return std::nullopt;
}

std::optional<float> HumidityOrdinate(float airTemp, float relativeHumidity)
{
    const auto& curves = CuringSupp::HumidityCurves;
    const auto bracket = BracketIndex(relativeHumidity, 0.0f, kHumidityStep, curves.size());
    if (!bracket)
        return std::nullopt;
    const std::size_t i = *bracket;
    const float lowerRH = kHumidityStep * static_cast<float>(i);
    const float upperRH = lowerRH + kHumidityStep;
    const float lowerY = i == 0 ? 0.0f : curves[i - 1](airTemp);
    const float upperY = curves[i](airTemp);
    return CuringSupp::Interpolate(lowerRH, upperRH, lowerY, upperY, relativeHumidity);
}


}  // namespace

std::optional<float> ConcreteSlope(float concreteTemp)
{
    const auto& slopes = CuringSupp::ConcTempSlopeTable;
    const auto bracket =
        BracketIndex(concreteTemp, kSlopeTableStart, kSlopeTableStep, slopes.size() - 1);
    if (!bracket)
        return std::nullopt;
    const std::size_t i = *bracket;
    const float lowerTemp = kSlopeTableStart + kSlopeTableStep * static_cast<float>(i);
    const float upperTemp = lowerTemp + kSlopeTableStep;
    return CuringSupp::Interpolate(lowerTemp, upperTemp, slopes[i], slopes[i + 1], concreteTemp);
}

std::string RateText(double rate, UnitSystem units)
{
    return NumberFormat::Decimals(rate, SystemOf(units).rateDecimals);
}

std::string RateCaption(double lbPerFt2Hr, UnitSystem units)
{
    return RateText(Units::FromModel(Quantity::Rate, lbPerFt2Hr < 0.0 ? 0.0 : lbPerFt2Hr, units), units);
}

NomographSolution SolveNomograph(const InputSet& inputs, const NomographSolution& last)
{
    NomographSolution s;
    s.RHOrdinate = HumidityOrdinate(inputs.AirTemp, inputs.RelativeHumidity).value_or(last.RHOrdinate);
    s.YInterceptConcTemp = CuringSupp::FindYInterceptConcTemp(inputs.ConcreteTemp);
    s.slopeConcTemp = ConcreteSlope(inputs.ConcreteTemp).value_or(last.slopeConcTemp);
    s.XIntersection = static_cast<float>(
        (static_cast<double>(s.RHOrdinate) - s.YInterceptConcTemp) / s.slopeConcTemp);
    s.slopeWindVelocity =
        static_cast<float>(CuringSupp::FindWindEndOrinate(inputs.WindVelocity) / kWindPanelWidth);
    s.EvaporationRateNomo =
        static_cast<float>(static_cast<double>(s.slopeWindVelocity) * s.XIntersection);
    s.RateACI = CuringSupp::RateByEquation(inputs.AirTemp, inputs.RelativeHumidity,
                                           inputs.ConcreteTemp, inputs.WindVelocity);
    return s;
}

namespace {

std::string TrimSpaces(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

bool GoodInputs(const Readings& texts, InputSet& values, UnitSystem units)
{
    Readings trimmed;
    for (Input input : AllInputs) {
        trimmed[input] = TrimSpaces(texts[input]);
        if (trimmed[input].empty())
            return false;
    }
    const auto single = [](const std::string& text) { return ToSingle(ReadNumber(text)); };
    values.AirTemp = single(trimmed.air);
    values.RelativeHumidity = single(trimmed.humidity);
    values.ConcreteTemp = single(trimmed.concrete);
    values.WindVelocity = single(trimmed.wind);
    for (Input input : AllInputs) {
        if (!RangeOf(input, units).contains(ValueOf(values, input)))
            return false;
    }
    return true;
}

std::string WhyInvalid(const Readings& texts, UnitSystem units)
{
    const auto unit = [units](Input input) { return std::string(SystemOf(units).unit(input).symbol); };
    for (Input input : AllInputs) {
        const std::string& text = texts[input];
        const std::string name(ReadingNames[input].inSentence);
        if (TrimSpaces(text).empty())
            return "No " + name + ".";
        const float value = ToSingle(ReadNumber(TrimSpaces(text)));
        const InputRange range = RangeOf(input, units);
        if (!range.contains(value))
            return "The " + name + " " + TrimSpaces(text) + " " + unit(input) + " is outside "
                   + NumberFormat::General(range.low) + " to " + NumberFormat::General(range.up) + " " + unit(input)
                   + ".";
    }
    return {};
}

namespace {

constexpr const char* kOk = "OK";
constexpr const char* kMay = "Measures may be needed.";
constexpr const char* kShall = "Measures shall be taken.";

}  // namespace

std::optional<Precaution> PrecautionOfMessage(std::string_view message)
{
    if (message == kOk)
        return Precaution::Ok;
    if (message == kMay)
        return Precaution::May;
    if (message == kShall)
        return Precaution::Shall;
    return std::nullopt;
}

PrecautionMessage ClassifyRate(std::string_view eqnCaption, ThresholdChoice choice,
                               std::string_view thresholdText, const ThresholdPolicy& thresholds)
{
    const double shown = ReadNumber(eqnCaption);
    if (choice == ThresholdChoice::Default) {
        if (shown <= thresholds.may)
            return {kOk, Precaution::Ok};
        if (shown <= thresholds.shall)
            return {kMay, Precaution::May};
        return {kShall, Precaution::Shall};
    }
    const double threshold = ReadNumber(thresholdText);
    if (threshold >= shown)
        return {kMay, Precaution::May};
    return {kShall, Precaution::Shall};
}

RunCaptions CalculateRun(const InputSet& inputs, ThresholdChoice choice,
                         std::string_view thresholdText, const NomographSolution& last, UnitSystem units)
{
    RunCaptions run;
    run.solution = SolveNomograph(inputs, last);
    run.nomoCaption = RateCaption(run.solution.EvaporationRateNomo, units);
    run.eqnCaption = RateCaption(run.solution.RateACI, units);
    run.answer = ClassifyRate(run.eqnCaption, choice, thresholdText, ThresholdsOf(units));
    return run;
}

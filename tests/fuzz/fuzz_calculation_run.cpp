// The window's recalculation without the window: four input texts and the threshold go
// through the scroll bars, the validation and the calculation run, and the result must
// agree with itself, with the equation in double precision and with the nomograph's
// lines. Input: one item a line, the four input texts, then the threshold in force
// ("default", or the alternate rate's text); missing lines are empty.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/CuringSupp.h"
#include "calc/NomographRun.h"
#include "calc/NumberReading.h"
#include "calc/ScrollBarValue.h"
#include "calc/Single.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using namespace Fuzz;

// Values of an earlier run that would spoil this one if any were still used: a zero
// slope and far-off ordinates.
constexpr NomographSolution kUnrelatedLastRun{1.0e6f, -3.0f, 0.0f, 7.0f, 100.0f, -2.0f, 5.0f};

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

float Reading(const std::string& text) { return ToSingle(ReadNumber(text)); }

std::array<float, 4> Fields(const InputSet& s)
{
    return {s.AirTemp, s.RelativeHumidity, s.ConcreteTemp, s.WindVelocity};
}

// A bar is shown exactly for a reading in range of a non-blank box, at the reading
// rounded to a whole number, a half to the even neighbour.
void CheckScrollBar(const std::string& text, InputRange range, const std::optional<int>& bar)
{
    const std::string detail = Quoted(text) + " bar " + (bar ? std::to_string(*bar) : "hidden");
    Require(bar.has_value() == (!IsBlank(text) && range.contains(Reading(text))),
            "a scroll bar is shown exactly for a reading in range", detail);
    const double offset = bar ? std::fabs(*bar - static_cast<double>(Reading(text))) : 0.0;
    Require(offset < 0.5 || (offset == 0.5 && *bar % 2 == 0),
            "a scroll bar stands at the reading rounded, a half to the even neighbour", detail);
}

void CheckCaption(const std::string& caption, float rate, const char* property, const std::string& context)
{
    Require(caption == PrintedFixed(rate < 0.0f ? 0.0 : rate, 3), property,
            context + ": rate " + Show(rate) + " shown " + Quoted(caption));
}

std::string ExpectedMessage(const std::string& eqnCaption, ThresholdChoice choice, const std::string& thresholdText)
{
    const double shown = ReadNumber(eqnCaption);
    if (choice == ThresholdChoice::Default)
        return shown <= 0.1 ? "OK" : shown <= 0.2 ? "Measures may be needed." : "Measures shall be taken.";
    return ReadNumber(thresholdText) >= shown ? "Measures may be needed." : "Measures shall be taken.";
}

void CheckValidRun(const RunCaptions& run, const InputSet& values, ThresholdChoice choice,
                   const std::string& thresholdText, const std::string& context)
{
    const NomographSolution& s = run.solution;
    const std::string detail =
        context + ": nomograph " + Show(s.EvaporationRateNomo) + ", equation " + Show(s.RateACI);

    CheckCaption(run.nomoCaption, s.EvaporationRateNomo, "the nomograph caption is the rate in #0.000", context);
    CheckCaption(run.eqnCaption, s.RateACI, "the equation caption is the rate in #0.000", context);

    const std::string expected = ExpectedMessage(run.eqnCaption, choice, thresholdText);
    const PrecautionMessage classified = ClassifyRate(run.eqnCaption, choice, thresholdText);
    Require(run.answer.text == expected && run.answer.red() == (expected == "Measures shall be taken.")
                && classified.text == run.answer.text && classified.red() == run.answer.red(),
            "the message classifies the shown equation rate",
            context + ": " + run.eqnCaption + " against " + Quoted(thresholdText) + " gave " + Quoted(run.answer.text)
                + (run.answer.red() ? " (red)" : ""));

    // Over the valid ranges both rates stay between about -1 and 1.1 lb/ft2/hr.
    Require(std::fabs(s.EvaporationRateNomo) <= 1.5f && std::fabs(s.RateACI) <= 1.5f,
            "valid inputs give rates of the chart's size", detail);
    const EquationValue equation =
        Equation(values.AirTemp, values.RelativeHumidity, values.ConcreteTemp, values.WindVelocity);
    Require(s.RateACI == CuringSupp::RateByEquation(values.AirTemp, values.RelativeHumidity, values.ConcreteTemp,
                                                    values.WindVelocity)
                && std::fabs(s.RateACI - equation.rate) <= 1e-6 * equation.scale + 1e-9,
            "the equation rate is the equation's value", detail + ", expected " + Show(equation.rate));

    const double onConcreteLine = s.YInterceptConcTemp + static_cast<double>(s.slopeConcTemp) * s.XIntersection;
    const double onWindLine = static_cast<double>(s.slopeWindVelocity) * s.XIntersection;
    const double lineScale = std::fabs(s.RHOrdinate) + std::fabs(s.YInterceptConcTemp) + 1.0;
    Require(std::fabs(onConcreteLine - s.RHOrdinate) <= 1e-5 * lineScale
                && std::fabs(onWindLine - s.EvaporationRateNomo) <= 1e-6 * (std::fabs(onWindLine) + 1e-3),
            "the path's corners lie on the concrete-temperature and wind-velocity lines", detail);

    const RunCaptions afterOther = CalculateRun(values, choice, thresholdText, kUnrelatedLastRun);
    const NomographSolution& o = afterOther.solution;
    Require(SameBits(o.RHOrdinate, s.RHOrdinate) && SameBits(o.slopeConcTemp, s.slopeConcTemp)
                && afterOther.nomoCaption == run.nomoCaption && afterOther.eqnCaption == run.eqnCaption
                && afterOther.answer.text == run.answer.text,
            "a valid run does not depend on the previous run", detail);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto lines = Lines<5>(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::array<std::string, 4> texts{lines[0], lines[1], lines[2], lines[3]};
    const ThresholdChoice choice = lines[4] == "default" ? ThresholdChoice::Default : ThresholdChoice::Alternate;
    const std::string thresholdText = choice == ThresholdChoice::Default ? "0.2" : lines[4];
    const std::string context = Quoted(texts[0]) + " " + Quoted(texts[1]) + " " + Quoted(texts[2]) + " "
        + Quoted(texts[3]);

    bool anyBlank = false;
    bool allInRange = true;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        CheckScrollBar(texts[i], kRanges[i], ScrollBarValueFor(texts[i], kRanges[i]));
        anyBlank = anyBlank || IsBlank(texts[i]);
        allInRange = allInRange && kRanges[i].contains(Reading(texts[i]));
    }

    // The values left by an earlier complete set: a blank box must leave them alone.
    const InputSet earlier{61.5f, 42.0f, 77.25f, 3.5f};
    InputSet values = earlier;
    const bool valid = GoodInputs(Readings{texts[0], texts[1], texts[2], texts[3]}, values);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const float expected = anyBlank ? Fields(earlier)[i] : Reading(texts[i]);
        Require(SameBits(Fields(values)[i], expected),
                "the validation stores the readings of a complete set and keeps the values otherwise",
                context + ": box " + std::to_string(i) + " holds " + Show(Fields(values)[i]));
    }
    const std::string validity = context + (valid ? " valid" : " invalid");
    // So all four scroll bars are shown exactly for a valid set.
    Require(valid == (!anyBlank && allInRange), "a set is valid exactly when complete and in range", validity);

    // The window blanks the captions first and fills them only by a run of a valid set.
    RunCaptions run;
    if (valid)
        run = CalculateRun(values, choice, thresholdText);
    const bool allBlank = run.nomoCaption.empty() && run.eqnCaption.empty() && run.answer.text.empty();
    const bool noneBlank = !run.nomoCaption.empty() && !run.eqnCaption.empty() && !run.answer.text.empty();
    Require(valid ? noneBlank : allBlank, "the captions are all blank or all filled", validity);
    if (valid)
        CheckValidRun(run, values, choice, thresholdText, context);
    return 0;
}

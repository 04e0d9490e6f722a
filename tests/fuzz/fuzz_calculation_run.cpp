// The window's recalculation without the window: four input texts, the threshold
// choice and its text go through the scroll bars, the validation and, for a valid
// set, the calculation run. The shown result must be consistent:
// - the validation stores exactly the single-precision readings of the texts and is
//   valid exactly when no text is blank and every reading lies in its range;
// - each scroll bar is shown exactly when its reading lies in the range, at a whole
//   value within the range that is the reading rounded half to even, so all four are
//   shown exactly when the set is valid;
// - with an invalid set the captions and the message are all blank; with a valid one
//   both rates are "#0.000" texts that read back to the rate (a negative one as 0),
//   the equation rate agrees with the equation evaluated here in double precision,
//   the path's corners lie on the model's lines, the message classifies the shown
//   equation rate, and the previous run's values make no difference.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/CuringSupp.h"
#include "calc/InputSet.h"
#include "calc/NomographRun.h"
#include "calc/NumberReading.h"
#include "calc/ScrollBarValue.h"
#include "calc/Single.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using Fuzz::Quoted;
using Fuzz::Require;
using Fuzz::SameBits;
using Fuzz::Show;

constexpr std::array<InputRange, 4> kRanges{InputRanges::AirTemp, InputRanges::RelativeHumidity,
                                            InputRanges::ConcreteTemp, InputRanges::WindVelocity};

// The input is text, one item a line: the four input texts, then the threshold in
// force, "default" for the default choice and otherwise the alternate rate's text.
// Missing lines are empty texts.
struct RunInput {
    InputTexts texts;
    ThresholdChoice choice = ThresholdChoice::Alternate;
    std::string thresholdText;
};

RunInput ParseInput(std::string_view data)
{
    std::array<std::string, 5> lines;
    for (std::string& line : lines) {
        const std::size_t end = std::min(data.find('\n'), data.size());
        line = std::string(data.substr(0, end));
        data.remove_prefix(std::min(end + 1, data.size()));
    }
    RunInput input;
    std::copy(lines.begin(), lines.begin() + 4, input.texts.begin());
    if (lines[4] == "default") {
        input.choice = ThresholdChoice::Default;
        input.thresholdText = "0.2";
    } else {
        input.thresholdText = lines[4];
    }
    return input;
}

// Values of an earlier run that would spoil this one if any were still used: a zero
// slope and far-off ordinates.
constexpr NomographSolution kUnrelatedLastRun{1.0e6f, -3.0f, 0.0f, 7.0f, 100.0f, -2.0f, 5.0f};

bool IsBlankText(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

float Field(const InputSet& s, std::size_t i)
{
    const std::array<float, 4> fields{s.AirTemp, s.RelativeHumidity, s.ConcreteTemp, s.WindVelocity};
    return fields[i];
}

std::string Describe(const InputTexts& texts)
{
    return Quoted(texts[0]) + " " + Quoted(texts[1]) + " " + Quoted(texts[2]) + " " + Quoted(texts[3]);
}

void CheckScrollBar(const std::string& text, InputRange range, const std::optional<int>& bar)
{
    const auto describe = [&] { return Quoted(text) + " bar " + (bar ? std::to_string(*bar) : "hidden"); };
    if (IsBlankText(text)) {
        Require(!bar, "a blank box hides its scroll bar", describe);
        return;
    }
    const float v = ToSingle(ReadNumber(text));
    Require(bar.has_value() == range.contains(v), "a scroll bar is shown exactly for a reading in range", describe);
    if (!bar)
        return;
    const double offset = *bar - static_cast<double>(v);
    Require(*bar >= range.low && *bar <= range.up, "a shown scroll bar stands within its range", describe);
    Require(std::fabs(offset) < 0.5 || (std::fabs(offset) == 0.5 && *bar % 2 == 0),
            "a scroll bar stands at the reading rounded, a half to the even neighbour", describe);
}

// The equation in double precision from the single-precision inputs, and the size of
// its terms, against which the single-precision evaluation is judged.
struct EquationCheck {
    double rate;
    double scale;
};

EquationCheck Equation(const InputSet& in)
{
    const double concrete = std::pow(in.ConcreteTemp, 2.5);
    const double air = in.RelativeHumidity / 100.0 * std::pow(in.AirTemp, 2.5);
    const double wind = 1.0 + 0.4 * in.WindVelocity;
    return {(concrete - air) * wind * 1e-6, (concrete + air) * wind * 1e-6};
}

void CheckCaption(const std::string& caption, float rate, const char* property, const std::string& inputs)
{
    const double shown = rate < 0.0f ? 0.0 : rate;
    Require(Fuzz::HasFixedShape(caption, 3, 1) && caption.front() != '-'
                && std::fabs(ReadNumber(caption) - shown) <= Fuzz::FixedTolerance(shown, 3),
            property, [&] { return inputs + ": rate " + Show(rate) + " shown " + Quoted(caption); });
}

void CheckMessage(const RunCaptions& run, ThresholdChoice choice, const std::string& thresholdText,
                  const std::string& inputs)
{
    const double shown = ReadNumber(run.eqnCaption);
    std::string expected = "Measures shall be taken.";
    if (choice == ThresholdChoice::Default) {
        if (shown <= 0.1)
            expected = "OK";
        else if (shown <= 0.2)
            expected = "Measures may be needed.";
    } else if (ReadNumber(thresholdText) >= shown) {
        expected = "Measures may be needed.";
    }
    const bool red = expected == "Measures shall be taken.";
    const PrecautionMessage classified = ClassifyRate(run.eqnCaption, choice, thresholdText);
    Require(run.answer.text == expected && run.answer.red == red && classified.text == run.answer.text
                && classified.red == run.answer.red,
            "the message classifies the shown equation rate", [&] {
                return inputs + ": " + run.eqnCaption + " against " + Quoted(thresholdText) + " gave "
                    + Quoted(run.answer.text) + (run.answer.red ? " (red)" : "");
            });
}

// What the window shows after a recalculation of these texts: the captions are blanked
// first and filled only by a run of a valid set.
struct Shown {
    bool valid = false;
    RunCaptions run;
};

Shown Recalculate(const RunInput& input, InputSet& values)
{
    Shown shown;
    shown.valid = GoodInputs(input.texts, values);
    if (shown.valid)
        shown.run = CalculateRun(values, input.choice, input.thresholdText);
    return shown;
}

void CheckShownRun(const Shown& shown, const InputSet& values, const RunInput& input, const std::string& inputs)
{
    const RunCaptions& run = shown.run;
    const bool allBlank = run.nomoCaption.empty() && run.eqnCaption.empty() && run.answer.text.empty();
    const bool noneBlank = !run.nomoCaption.empty() && !run.eqnCaption.empty() && !run.answer.text.empty();
    Require(shown.valid ? noneBlank : allBlank, "the captions are all blank or all filled",
            [&] { return inputs + (shown.valid ? " valid" : " invalid"); });
    if (!shown.valid)
        return;

    const NomographSolution& s = run.solution;
    const auto describe = [&] {
        return inputs + ": nomograph " + Show(s.EvaporationRateNomo) + ", equation " + Show(s.RateACI);
    };

    CheckCaption(run.nomoCaption, s.EvaporationRateNomo, "the nomograph caption is the rate in #0.000", inputs);
    CheckCaption(run.eqnCaption, s.RateACI, "the equation caption is the rate in #0.000", inputs);
    CheckMessage(run, input.choice, input.thresholdText, inputs);

    // Over the valid ranges both rates stay between about -1 and 1.1 lb/ft2/hr.
    Require(std::fabs(s.EvaporationRateNomo) <= 1.5f && std::fabs(s.RateACI) <= 1.5f,
            "valid inputs give rates of the chart's size", describe);
    const EquationCheck equation = Equation(values);
    Require(s.RateACI == CuringSupp::RateByEquation(values.AirTemp, values.RelativeHumidity, values.ConcreteTemp,
                                                    values.WindVelocity)
                && std::fabs(s.RateACI - equation.rate) <= 1e-6 * equation.scale + 1e-9,
            "the equation rate is the equation's value",
            [&] { return describe() + ", expected " + Show(equation.rate); });

    const double onConcreteLine = s.YInterceptConcTemp + static_cast<double>(s.slopeConcTemp) * s.XIntersection;
    const double onWindLine = static_cast<double>(s.slopeWindVelocity) * s.XIntersection;
    const double lineScale = std::fabs(s.RHOrdinate) + std::fabs(s.YInterceptConcTemp) + 1.0;
    Require(std::fabs(onConcreteLine - s.RHOrdinate) <= 1e-5 * lineScale
                && std::fabs(onWindLine - s.EvaporationRateNomo) <= 1e-6 * (std::fabs(onWindLine) + 1e-3),
            "the path's corners lie on the concrete-temperature and wind-velocity lines", describe);

    const RunCaptions afterOther = CalculateRun(values, input.choice, input.thresholdText, kUnrelatedLastRun);
    const NomographSolution& o = afterOther.solution;
    Require(SameBits(o.RHOrdinate, s.RHOrdinate) && SameBits(o.slopeConcTemp, s.slopeConcTemp)
                && afterOther.nomoCaption == run.nomoCaption && afterOther.eqnCaption == run.eqnCaption
                && afterOther.answer.text == run.answer.text,
            "a valid run does not depend on the previous run", describe);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const RunInput input = ParseInput(std::string_view(reinterpret_cast<const char*>(data), size));
    const InputTexts& texts = input.texts;
    const std::string inputs = Describe(texts);

    std::array<std::optional<int>, 4> bars;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        bars[i] = ScrollBarValueFor(texts[i], kRanges[i]);
        CheckScrollBar(texts[i], kRanges[i], bars[i]);
    }

    // The values left by an earlier complete set: a blank box must leave them alone.
    const InputSet earlier{61.5f, 42.0f, 77.25f, 3.5f};
    InputSet values = earlier;
    const Shown shown = Recalculate(input, values);

    bool anyBlank = false;
    bool allInRange = true;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        anyBlank = anyBlank || IsBlankText(texts[i]);
        allInRange = allInRange && kRanges[i].contains(ToSingle(ReadNumber(texts[i])));
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const float expected = anyBlank ? Field(earlier, i) : ToSingle(ReadNumber(texts[i]));
        Require(SameBits(Field(values, i), expected),
                "the validation stores the readings of a complete set and keeps the values otherwise",
                [&] { return inputs + ": box " + std::to_string(i) + " holds " + Show(Field(values, i)); });
    }
    Require(shown.valid == (!anyBlank && allInRange), "a set is valid exactly when complete and in range",
            [&] { return inputs + (shown.valid ? " valid" : " invalid"); });
    const bool allBarsShown = bars[0] && bars[1] && bars[2] && bars[3];
    Require(allBarsShown == shown.valid, "all four scroll bars are shown exactly for a valid set",
            [&] { return inputs + (shown.valid ? " valid" : " invalid"); });

    CheckShownRun(shown, values, input, inputs);
    return 0;
}

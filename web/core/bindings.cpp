// The computation core for the phone page: the same calc/ sources the desktop program is
// built from, compiled to WebAssembly, handing its results to JavaScript as plain objects.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>

#include "calc/Calculation.h"
#include "calc/Measures.h"
#include "calc/NomographGeometry.h"
#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/ScrollBarValue.h"

using emscripten::val;

namespace {

UnitSystem System(const std::string& units)
{
    return Units::SystemNamed(units).value_or(UnitSystem::US);
}

const char* PrecautionName(Precaution precaution)
{
    static constexpr const char* names[] = {"ok", "may", "shall"};
    return names[static_cast<int>(precaution)];
}

const char* PanelName(NomographGeometry::Panel panel)
{
    static constexpr const char* names[] = {"rh", "ct", "wv", "rate"};
    return names[static_cast<int>(panel)];
}

const char* InkName(NomographGeometry::Ink ink)
{
    static constexpr const char* names[] = {"fore", "humidity", "concrete", "wind", "current"};
    return names[static_cast<int>(ink)];
}

val Segment(const NomographGeometry::Segment& s)
{
    val segment = val::array();
    segment.call<void>("push", s.x1, s.y1, s.x2, s.y2);
    return segment;
}

struct ItemToJs {
    val operator()(const NomographGeometry::Clear& clear) const
    {
        val item = val::object();
        item.set("kind", "clear");
        item.set("panel", PanelName(clear.panel));
        return item;
    }
    val operator()(const NomographGeometry::Scale& scale) const
    {
        val item = val::object();
        item.set("kind", "scale");
        item.set("panel", PanelName(scale.panel));
        item.set("x1", scale.x1);
        item.set("y1", scale.y1);
        item.set("x2", scale.x2);
        item.set("y2", scale.y2);
        return item;
    }
    val operator()(const NomographGeometry::Lines& lines) const
    {
        val item = val::object();
        item.set("kind", "lines");
        item.set("panel", PanelName(lines.panel));
        item.set("ink", InkName(lines.ink));
        val segments = val::array();
        for (const auto& s : lines.segments)
            segments.call<void>("push", Segment(s));
        item.set("segments", segments);
        return item;
    }
    val operator()(const NomographGeometry::Label& label) const
    {
        static constexpr const char* across[] = {"left", "centred", "centredInPanel"};
        static constexpr const char* upward[] = {"top", "centred", "onLine"};
        val item = val::object();
        item.set("kind", "label");
        item.set("panel", PanelName(label.panel));
        item.set("text", label.text);
        item.set("ink", InkName(label.ink));
        item.set("bold", label.bold);
        item.set("across", across[static_cast<int>(label.across)]);
        item.set("x", label.x);
        item.set("upward", upward[static_cast<int>(label.upward)]);
        item.set("y", label.y);
        item.set("slope", label.slope);
        return item;
    }
};

val JsDescribeChart(const std::string& units, int rhPixelWidth)
{
    val items = val::array();
    for (const NomographGeometry::Item& item : NomographGeometry::DescribeChart(System(units), rhPixelWidth))
        items.call<void>("push", std::visit(ItemToJs{}, item));
    return items;
}

std::string_view Key(Input input)
{
    static constexpr ReadingsOf<std::string_view> keys{"air", "humidity", "concrete", "wind"};
    return keys[input];
}

val ReadValues(const InputSet& set)
{
    val readings = val::array();
    readings.call<void>("push", set.AirTemp, set.RelativeHumidity, set.ConcreteTemp, set.WindVelocity);
    return readings;
}

val Heads(const Calculation& c)
{
    val heads = val::array();
    for (ScenarioBlock block : AllScenarioBlocks) {
        val head = val::object();
        head.set("title", c.table(block).titleRate);
        head.set("rate", c.table(block).rateText);
        heads.call<void>("push", head);
    }
    return heads;
}

// The measures for a class, or what is said while there is no rate: {summary, list}.
val MeasuresValue(const Calculation& c)
{
    val measures = val::object();
    val list = val::array();
    if (!c.valid) {
        measures.set("summary", std::string(Measures::NoRate));
    } else {
        const Measures::Advice& advice = Measures::For(c.precaution);
        measures.set("summary", std::string(advice.summary));
        for (std::string_view measure : advice.measures)
            list.call<void>("push", std::string(measure));
    }
    measures.set("list", list);
    return measures;
}

// `readings` holds the four texts by name: {air, humidity, concrete, wind}.
val JsCalculate(const val& readings, const std::string& units, bool alternate, const std::string& alternateText)
{
    CalculationRequest request;
    for (Input input : AllInputs) {
        const val text = readings[std::string(Key(input))];
        request.readings[input] = text.isString() ? text.as<std::string>() : std::string();
    }
    request.units = System(units);
    request.choice = alternate ? ThresholdChoice::Alternate : ThresholdChoice::Default;
    request.alternateText = alternateText;
    const Calculation c = Calculate(request);

    val result = val::object();
    result.set("valid", c.valid);
    result.set("heads", Heads(c));
    result.set("thresholdText", request.thresholdText());
    result.set("measures", MeasuresValue(c));
    result.set("coolTo", Measures::CoolToLine(c));
    if (!c.valid) {
        result.set("problem", WhyInvalid(request.readings, request.units));
        return result;
    }
    result.set("read", ReadValues(c.read));
    result.set("nomoCaption", c.nomoCaption);
    result.set("eqnCaption", c.eqnCaption);
    result.set("answer", c.answer);
    result.set("precaution", PrecautionName(c.precaution));
    result.set("threshold", c.threshold);
    val tables = val::array();
    for (ScenarioBlock block : AllScenarioBlocks) {
        const ScenarioCells& cells = c.table(block);
        val table = val::object();
        table.set("threshold", cells.threshold);
        val rows = val::array();
        for (Input varied : AllInputs) {
            val row = val::array();
            for (Input column : AllInputs) {
                const ScenarioCell& cell = cells.cell(varied, column);
                val js = val::object();
                js.set("text", cell.text);
                js.set("state", cell.state == CellState::Fixed    ? "fixed"
                                : cell.state == CellState::Varied ? "varied"
                                                                  : "failed");
                row.call<void>("push", js);
            }
            rows.call<void>("push", row);
        }
        table.set("rows", rows);
        tables.call<void>("push", table);
    }
    result.set("scenarios", tables);
    val path = val::array();
    for (const NomographGeometry::PathLine& line : NomographGeometry::DescribePath(c.model.AirTemp, c.solution)) {
        val js = val::object();
        js.set("panel", PanelName(line.panel));
        js.set("segment", Segment(line.segment));
        path.call<void>("push", js);
    }
    result.set("path", path);
    result.set("pathWidth", NomographGeometry::PathWidth);
    return result;
}

// What the page needs to know of a unit system: its ranges, thresholds and unit names.
val JsUnitSystem(const std::string& units)
{
    const UnitSystem system = System(units);
    val js = val::object();
    val ranges = val::array();
    for (Input input : AllInputs) {
        const InputRange range = RangeOf(input, system);
        val r = val::object();
        r.set("low", range.low);
        r.set("up", range.up);
        r.set("lowText", NumberFormat::General(range.low));
        r.set("upText", NumberFormat::General(range.up));
        r.set("firstWhole", range.firstWhole());
        r.set("lastWhole", range.lastWhole());
        ranges.call<void>("push", r);
    }
    js.set("ranges", ranges);
    const ThresholdPolicy thresholds = ThresholdsOf(system);
    js.set("mayText", std::string(thresholds.mayText));
    js.set("shallText", std::string(thresholds.shallText));
    js.set("alternateStart", std::string(thresholds.alternateStart));
    val symbols = val::array();
    val headings = val::array();
    for (Input input : AllInputs) {
        symbols.call<void>("push", std::string(SystemOf(system).unit(input).symbol));
        headings.call<void>("push", std::string(ReadingNames[input].symbol));
    }
    js.set("symbols", symbols);
    js.set("headings", headings);
    js.set("rateUnit", std::string(Units::Symbol(Quantity::Rate, system)));
    js.set("code", std::string(Units::Code(system)));
    return js;
}

bool IsInput(int input)
{
    return input >= 0 && input < static_cast<int>(AllInputs.size());
}

std::string JsConvertReading(int input, const std::string& text, const std::string& from, const std::string& to)
{
    if (!IsInput(input))
        return text;
    return ConvertReadingText(static_cast<Input>(input), text, System(from), System(to));
}

// Where an input's slider stands for the text in its box: a whole number inside the
// range, or null when the slider is to be hidden (empty text, or a reading outside).
val JsSliderValue(int input, const std::string& text, const std::string& units)
{
    if (!IsInput(input))
        return val::null();
    const std::optional<int> position = ScrollBarValueFor(text, RangeOf(static_cast<Input>(input), System(units)));
    return position ? val(*position) : val::null();
}

std::string JsConvertRate(const std::string& text, const std::string& from, const std::string& to)
{
    return ConvertRateText(text, System(from), System(to));
}

// The class of a message a log entry kept before entries kept their class: "ok", "may",
// "shall", or "" for a text the program does not write.
std::string JsPrecautionOfMessage(const std::string& message)
{
    const std::optional<Precaution> precaution = PrecautionOfMessage(message);
    return precaution ? PrecautionName(*precaution) : "";
}

}  // namespace

EMSCRIPTEN_BINDINGS(brackmere)
{
    emscripten::function("calculate", &JsCalculate);
    emscripten::function("describeChart", &JsDescribeChart);
    emscripten::function("unitSystem", &JsUnitSystem);
    emscripten::function("convertReading", &JsConvertReading);
    emscripten::function("convertRate", &JsConvertRate);
    emscripten::function("sliderValue", &JsSliderValue);
    emscripten::function("precautionOfMessage", &JsPrecautionOfMessage);
}

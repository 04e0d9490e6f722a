#include <gtest/gtest.h>

#include "calc/Calculation.h"
#include "calc/NomographGeometry.h"
#include "calc/ScrollBarValue.h"

namespace {

CalculationRequest Request(UnitSystem units, Readings readings, ThresholdChoice choice = ThresholdChoice::Default,
                           std::string alternate = "")
{
    return {.readings = std::move(readings), .units = units, .choice = choice, .alternateText = std::move(alternate)};
}

// Switching systems and back keeps a range end at the end, not a tenth past it.
TEST(Units, ReadingsConvertExactlyAndRangeEndsStayInside)
{
    const struct {
        Input input;
        UnitSystem from;
        const char* text;
        const char* converted;
    } cases[] = {
        {Input::AirTemp, UnitSystem::US, "40", "4.4"},        {Input::AirTemp, UnitSystem::SI, "4.4", "40.0"},
        {Input::AirTemp, UnitSystem::US, "100", "37.8"},      {Input::AirTemp, UnitSystem::SI, "37.8", "100.0"},
        {Input::ConcreteTemp, UnitSystem::US, "80", "26.7"},  {Input::ConcreteTemp, UnitSystem::SI, "26.7", "80.1"},
        {Input::WindVelocity, UnitSystem::US, "25", "40.2"},  {Input::WindVelocity, UnitSystem::SI, "40.2", "25.0"},
        {Input::WindVelocity, UnitSystem::US, "10", "16.1"},  {Input::AirTemp, UnitSystem::US, "120", "48.9"},
        {Input::AirTemp, UnitSystem::SI, "-40", "-40.0"},     {Input::RelativeHumidity, UnitSystem::US, "55", "55"},
        {Input::AirTemp, UnitSystem::US, "abc", "abc"},       {Input::AirTemp, UnitSystem::US, "", ""},
    };
    for (const auto& c : cases) {
        const UnitSystem to = c.from == UnitSystem::US ? UnitSystem::SI : UnitSystem::US;
        EXPECT_EQ(ConvertReadingText(c.input, c.text, c.from, to), c.converted) << c.text;
    }
    EXPECT_EQ(ConvertRateText("0.2", UnitSystem::US, UnitSystem::SI), "0.98");
    EXPECT_EQ(ConvertRateText("0.25", UnitSystem::SI, UnitSystem::US), "0.051");
    EXPECT_EQ(ConvertRateText("abc", UnitSystem::SI, UnitSystem::US), "abc");
    EXPECT_DOUBLE_EQ(Units::FromModel(Quantity::Rate, 1, UnitSystem::SI), 4.882428);
}

// Units as files, units rows and servers spell them, and exact conversions between any two.
TEST(Units, EveryKnownUnitIsFoundByItsSpellingsAndConvertsExactly)
{
    const struct {
        Quantity quantity;
        const char* spelling;
        const Units::Unit* unit;
        double value;
        double model;  // the value in the model's unit
    } cases[] = {
        {Quantity::Temperature, "°F", &Units::Fahrenheit, 80, 80},
        {Quantity::Temperature, " degC ", &Units::Celsius, 27, 80.6},
        {Quantity::Temperature, "C", &Units::Celsius, 100, 212},
        {Quantity::Wind, "MPH", &Units::Mph, 10, 10},
        {Quantity::Wind, "km/h", &Units::Kmh, 1.609344, 1},
        {Quantity::Wind, "kph", &Units::Kmh, 16.09344, 10},
        {Quantity::Wind, "m/s", &Units::MetresPerSecond, 10, 36 / 1.609344},
        {Quantity::Wind, "ms-1", &Units::MetresPerSecond, 1, 3.6 / 1.609344},
        {Quantity::Wind, "kn", &Units::Knots, 10, 18.52 / 1.609344},
        {Quantity::Humidity, "%", &Units::Percent, 55, 55},
        {Quantity::Rate, "kg/m²/hr", &Units::KgPerM2Hr, 4.882428, 1},
        {Quantity::Temperature, "km/h", nullptr, 0, 0},
        {Quantity::Wind, "furlongs", nullptr, 0, 0},
    };
    for (const auto& c : cases) {
        const Units::Unit* found = Units::Find(c.quantity, c.spelling);
        EXPECT_EQ(found, c.unit) << c.spelling;
        if (!found)
            continue;
        EXPECT_DOUBLE_EQ(found->ToModel(c.value), c.model) << c.spelling;
        EXPECT_DOUBLE_EQ(found->FromModel(found->ToModel(c.value)), c.value) << c.spelling;
    }
    EXPECT_EQ(Units::Convert(27.4, Units::Celsius, Units::Celsius), 27.4) << "the same unit leaves the value alone";
    EXPECT_DOUBLE_EQ(Units::Celsius.DifferenceToModel(5), 9) << "air + 5 °C is air + 9 °F";
    EXPECT_EQ(Units::SystemNamed("si"), UnitSystem::SI);
    EXPECT_EQ(Units::SystemNamed("metric"), std::nullopt);
}

// The model works in US customary units; the same case typed in either system gives
// the same rate, shown in that system's units.
TEST(Units, TheWorkedCaseGivesOneRateInEitherSystem)
{
    const Calculation si = Calculate(Request(UnitSystem::SI, {"27", "50", "32", "16"}));
    const Calculation us = Calculate(Request(UnitSystem::US, {"80.6", "50", "89.6", "9.941939"}));
    ASSERT_TRUE(si.valid && us.valid);
    EXPECT_FLOAT_EQ(si.model.AirTemp, 80.6f);
    EXPECT_FLOAT_EQ(si.model.WindVelocity, 9.941939f);
    EXPECT_FLOAT_EQ(si.solution.RateACI, us.solution.RateACI);
    EXPECT_FLOAT_EQ(si.solution.EvaporationRateNomo, us.solution.EvaporationRateNomo);
    EXPECT_EQ(us.eqnCaption, "0.233");
    EXPECT_EQ(si.eqnCaption, "1.14") << "0.2334 lb/ft2/hr x 4.882428, two decimals";
    EXPECT_EQ(si.answer, "Measures shall be taken.") << "1.14 is above 1.0 kg/m2/hr";
    EXPECT_EQ(si.precaution, Precaution::Shall);
}

// The SI thresholds judge the SI rate as shown; the tables solve for 0.5, 1.0 and the
// threshold in force and show SI values with one decimal, limits in SI.
TEST(Units, ThresholdsAndScenarioTablesInSI)
{
    const struct {
        Readings texts;
        const char* answer;
    } messages[] = {
        {{"21", "50", "21", "16"}, "OK"},  // 0.48 kg
        {{"24", "40", "26", "16"}, "Measures may be needed."},
    };
    for (const auto& m : messages)
        EXPECT_EQ(Calculate(Request(UnitSystem::SI, m.texts)).answer, m.answer) << m.texts.air;

    // 70 F, 50 %, 70 F, 10 mph solve at 0.1 lb/ft2/hr to 70.7 F, 51.2 %, 69.7 F and 9.7 mph:
    // in SI 21.5 C, 51.2 %, 20.9 C and 15.6 km/h.
    const Calculation c = Calculate(Request(UnitSystem::SI, {"21.11111", "50", "21.11111", "16.09344"},
                                            ThresholdChoice::Alternate, "0.4882428"));
    ASSERT_TRUE(c.valid);
    EXPECT_EQ(c.answer, "Measures shall be taken.") << c.eqnCaption;
    EXPECT_FLOAT_EQ(c.table(ScenarioBlock::May).threshold, 0.5f);
    EXPECT_FLOAT_EQ(c.table(ScenarioBlock::Shall).threshold, 1.0f);
    const ScenarioCells& inForce = c.table(ScenarioBlock::InForce);
    EXPECT_EQ(inForce.cell(Input::AirTemp, Input::ConcreteTemp).text, "21.1");
    EXPECT_EQ(inForce.cell(Input::AirTemp, Input::ConcreteTemp).state, CellState::Fixed);
    const struct {
        Input input;
        const char* text;
    } varied[] = {{Input::AirTemp, "21.5"}, {Input::RelativeHumidity, "51.2"}, {Input::ConcreteTemp, "20.9"},
                  {Input::WindVelocity, "15.6"}};
    for (const auto& v : varied) {
        EXPECT_EQ(inForce.cell(v.input, v.input).text, v.text) << int(v.input);
        EXPECT_EQ(inForce.cell(v.input, v.input).state, CellState::Varied) << int(v.input);
    }
    // At 1.0 kg/m2/hr the air temperature would have to fall below 4.4 C.
    EXPECT_EQ(c.table(ScenarioBlock::Shall).cell(Input::AirTemp, Input::AirTemp).state, CellState::Failed);
}

TEST(Units, SIRangesAreCheckedAsTypedAndTheBarsKeepToWholeUnits)
{
    const struct {
        Readings texts;
        bool valid;
    } sets[] = {
        {{"4.4", "0", "37.8", "40.2"}, true},  {{"4.3", "0", "20", "0"}, false},
        {{"20", "0", "37.9", "0"}, false},     {{"20", "100", "20", "40.3"}, false},
    };
    for (const auto& s : sets) {
        InputSet read;
        EXPECT_EQ(GoodInputs(s.texts, read, UnitSystem::SI), s.valid) << s.texts.air << " " << s.texts.wind;
    }
    const Calculation ends = Calculate(Request(UnitSystem::SI, {"4.4", "0", "37.8", "40.2"}));
    EXPECT_FLOAT_EQ(ends.model.AirTemp, 40.0f) << "39.92 F only through rounding: the end";
    EXPECT_FLOAT_EQ(ends.model.ConcreteTemp, 100.0f);

    const InputRange air = RangeOf(Input::AirTemp, UnitSystem::SI);
    EXPECT_EQ(ScrollBarValueFor("4.4", air), 5);
    EXPECT_EQ(ScrollBarValueFor("37.8", air), 37);
    EXPECT_EQ(ScrollBarValueFor("20.5", air), 20);
    EXPECT_EQ(ScrollBarValueFor("4.3", air), std::nullopt);
}

// In SI the chart is labelled at round SI values, placed by the conversion.
TEST(Units, TheChartIsLabelledInTheSystemShown)
{
    using namespace NomographGeometry;
    const auto labelsOf = [](UnitSystem units) {
        std::vector<Label> labels;
        for (const Item& item : DescribeChart(units, 164)) {
            if (const auto* label = std::get_if<Label>(&item))
                labels.push_back(*label);
        }
        return labels;
    };
    // Curve labels share the humidity panel: an air-temperature tick stands at y = 9.3.
    const auto find = [](const std::vector<Label>& labels, Panel panel, const std::string& text) -> const Label* {
        for (const Label& label : labels) {
            if (label.panel == panel && label.text == text && (panel != Panel::RH || label.y > 9))
                return &label;
        }
        return nullptr;
    };
    const auto si = labelsOf(UnitSystem::SI);
    ASSERT_NE(find(si, Panel::RH, "Air Temperature (°C)"), nullptr);
    ASSERT_NE(find(si, Panel::WV, "Wind Velocity (km/h)"), nullptr);
    ASSERT_NE(find(si, Panel::CT, "Concrete Temperature (°C)"), nullptr);
    const Label* twenty = find(si, Panel::RH, "20");
    ASSERT_NE(twenty, nullptr);
    EXPECT_DOUBLE_EQ(twenty->x, 68.0) << "20 C stands at 68 F";
    const Label* rate = find(si, Panel::Rate, "2.5");
    ASSERT_NE(rate, nullptr);
    EXPECT_DOUBLE_EQ(rate->y, 2.5 / 4.882428);
    ASSERT_NE(find(si, Panel::WV, "40"), nullptr);
    EXPECT_EQ(find(si, Panel::RH, "50"), nullptr) << "no air label at 50";
    EXPECT_NE(find(labelsOf(UnitSystem::US), Panel::RH, "50"), nullptr);
}

}  // namespace

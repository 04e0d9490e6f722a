#include <QApplication>
#include <QTest>

#include "tests/app/MainWindowFixture.h"

namespace {

class InputRowsTest : public MainWindowFixture {
protected:
    QScrollBar* bar(const char* name) const { return element<QScrollBar>(name); }
    QLabel* rangeLabel(int row) const { return label(QStringLiteral("lblValid(%1)").arg(row)); }
};

struct VisibilityCase {
    const char* name;
    const char* box;
    const char* bar;
    int row;
    const char* text;
    bool shown;
    int value;  // where a shown bar stands
};

const VisibilityCase VisibilityCases[] = {
    {"air_below_range", "txtAirTemp", "hsbAirTemp", 0, "39.9", false, 0},
    {"air_lower_limit", "txtAirTemp", "hsbAirTemp", 0, "40", true, 40},
    {"air_upper_limit", "txtAirTemp", "hsbAirTemp", 0, "100", true, 100},
    {"air_above_range", "txtAirTemp", "hsbAirTemp", 0, "100.4", false, 0},
    {"air_spaces_only", "txtAirTemp", "hsbAirTemp", 0, "   ", false, 0},
    {"humidity_zero", "txtRelativeHumidity", "hsbRelativeHumidity", 1, "0", true, 0},
    {"wind_right_end", "txtWindVelocity", "hsbWindVelocity", 3, "25", true, 25},
    {"wind_above_range", "txtWindVelocity", "hsbWindVelocity", 3, "26", false, 0},
    {"concrete_blanks_inside_number", "txtConcreteTemp", "hsbConcreteTemp", 2, " 7 5 ", true, 75},
};

class ScrollBarVisibilityTest : public InputRowsTest, public ::testing::WithParamInterface<VisibilityCase> {};

TEST_P(ScrollBarVisibilityTest, ShowsTheBarOnlyForATextInsideTheRange)
{
    const VisibilityCase& c = GetParam();
    box(c.box)->setText(c.text);
    EXPECT_EQ(!bar(c.bar)->isHidden(), c.shown);
    EXPECT_FALSE(rangeLabel(c.row)->isHidden()) << "the range label stays behind the bar";
    if (c.shown) {
        EXPECT_EQ(bar(c.bar)->value(), c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ScrollBarVisibilityTest, ::testing::ValuesIn(VisibilityCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputRowsTest, AllBarsStartHiddenAtTheirStartValues)
{
    const std::pair<const char*, int> starts[] = {
        {"hsbAirTemp", 40}, {"hsbRelativeHumidity", 0}, {"hsbConcreteTemp", 40}, {"hsbWindVelocity", 0}};
    for (const auto& [name, value] : starts) {
        EXPECT_TRUE(bar(name)->isHidden()) << name;
        EXPECT_EQ(bar(name)->value(), value) << name;
        EXPECT_EQ(bar(name)->singleStep(), 1) << name;
        EXPECT_EQ(bar(name)->pageStep(), 1) << name;
    }
    EXPECT_EQ(bar("hsbWindVelocity")->maximum(), 25);
}

TEST_F(InputRowsTest, AFractionThatMovesTheBarIsReplacedByTheWholeNumber)
{
    enterInputs("80", "50", "90", "10");
    QLineEdit* air = box("txtAirTemp");
    air->setText("80.4");
    EXPECT_EQ(air->text(), "80.4") << "rounds to where the bar already is";
    air->setText("80.5");
    EXPECT_EQ(air->text(), "80.5") << "a half goes to the even neighbour, 80";
    EXPECT_FLOAT_EQ(window->inputs().AirTemp, 80.5f) << "calculated as typed";
    air->setText("80.6");
    EXPECT_EQ(air->text(), "81");
    EXPECT_EQ(bar("hsbAirTemp")->value(), 81);
    EXPECT_FLOAT_EQ(window->inputs().AirTemp, 81.0f);
}

TEST_F(InputRowsTest, AHiddenBarKeepsItsValue)
{
    box("txtAirTemp")->setText("85");
    box("txtAirTemp")->setText("120");
    EXPECT_TRUE(bar("hsbAirTemp")->isHidden());
    EXPECT_EQ(bar("hsbAirTemp")->value(), 85);
    box("txtAirTemp")->setText("85.4");
    EXPECT_EQ(box("txtAirTemp")->text(), "85.4");
}

TEST_F(InputRowsTest, NonNumericHumidityReadsAsZero)
{
    QLineEdit* humidity = box("txtRelativeHumidity");
    humidity->setText("abc");
    EXPECT_EQ(humidity->text(), "abc") << "the bar is already at 0";
    EXPECT_FALSE(bar("hsbRelativeHumidity")->isHidden());

    humidity->setText("30");
    humidity->setText("abc");
    EXPECT_EQ(humidity->text(), "0") << "the bar moves to 0 and writes it back";
}

TEST_F(InputRowsTest, DraggingWritesAndCalculatesEveryPosition)
{
    enterInputs("60", "50", "70", "10");
    QScrollBar* air = bar("hsbAirTemp");
    air->setSliderDown(true);
    QString lastRate;
    for (int position = 61; position <= 70; ++position) {
        air->setSliderPosition(position);
        EXPECT_EQ(box("txtAirTemp")->text(), QString::number(position));
        EXPECT_FLOAT_EQ(window->inputs().AirTemp, static_cast<float>(position));
        EXPECT_NE(caption("lblEvapEqn"), lastRate) << "recalculated at " << position;
        lastRate = caption("lblEvapEqn");
    }
    air->setSliderDown(false);
}

TEST_F(InputRowsTest, AClickMovesTheBarButNeverLeavesItTheFocus)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    box("txtWindVelocity")->setText("10");
    QScrollBar* wind = bar("hsbWindVelocity");
    box("txtAirTemp")->setFocus();

    // A click near the right end, on the arrow, steps the value by one.
    QTest::mouseClick(wind, Qt::LeftButton, {}, QPoint(wind->width() - 4, wind->height() / 2));
    EXPECT_EQ(wind->value(), 11);
    EXPECT_EQ(box("txtWindVelocity")->text(), "11");
    EXPECT_NE(QApplication::focusWidget(), wind);
    EXPECT_EQ(wind->focusPolicy(), Qt::NoFocus);
}

}  // namespace

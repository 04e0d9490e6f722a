#include <QTest>

#include "tests/app/MainWindowFixture.h"
#include "ui/WidgetColors.h"

namespace {

constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t LightRed = 0x0000FF;

// The captions themselves are pinned by the core's tests; here each must reach its label.
using CalculationRunTest = MainWindowFixture;

TEST_F(CalculationRunTest, ShowsBothRatesAndTheMessage)
{
    struct Case {
        const char* air, *rh, *conc, *wind, *nomograph, *equation, *message;
        std::uint32_t messageColor;
    };
    const Case cases[] = {
        {"80", "50", "90", "10", "0.241", "0.241", "Measures shall be taken.", LightRed},
        {"100", "100", "40", "25", "0.000", "0.000", "OK", Black},  // negative rates
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.air);
        enterInputs(c.air, c.rh, c.conc, c.wind);
        EXPECT_EQ(caption("lblEvapNomo"), c.nomograph);
        EXPECT_EQ(caption("lblEvapEqn"), c.equation);
        EXPECT_EQ(caption("lblAnswer"), c.message);
        EXPECT_EQ(WidgetColors::ForeColor(label("lblAnswer")), c.messageColor);
        EXPECT_TRUE(element<QPushButton>("cmdSave")->isEnabled());
        EXPECT_TRUE(element<QPushButton>("cmdRunNomo")->isEnabled());
        // What the window keeps for saving and printing is never negative either.
        EXPECT_GE(window->solution().EvaporationRateNomo, 0.0f);
        EXPECT_GE(window->solution().RateACI, 0.0f);
    }
}

TEST_F(CalculationRunTest, TypingIntoABoxRecalculatesAtOnce)
{
    enterInputs("80", "50", "90", "10");
    QLineEdit* wind = box("txtWindVelocity");
    wind->selectAll();
    QTest::keyClicks(wind, "5");
    EXPECT_EQ(caption("lblAnswer"), "Measures may be needed.");
    EXPECT_EQ(WidgetColors::ForeColor(label("lblAnswer")), Black) << "red from the run before must not linger";
}

TEST_F(CalculationRunTest, EmptyingABoxBlanksTheResultsAndDisablesSaving)
{
    enterInputs("80", "50", "90", "10");
    box("txtConcreteTemp")->setText("   ");
    for (const char* name : {"lblEvapNomo", "lblEvapEqn", "lblAnswer", "lblAir1(0)", "lblWind1(11)"})
        EXPECT_EQ(caption(name), "") << name;
    EXPECT_FALSE(element<QPushButton>("cmdSave")->isEnabled());
    EXPECT_FALSE(element<QPushButton>("cmdRunNomo")->isEnabled());
}

}  // namespace

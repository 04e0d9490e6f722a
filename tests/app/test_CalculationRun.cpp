#include "tests/app/MainWindowFixture.h"
#include "ui/WidgetColors.h"

namespace {

constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t LightRed = 0x0000FF;

// The captions are pinned by the core's tests, and the soak's judge compares every
// result with the core after each random action, blanks for invalid inputs included;
// here one reference run must reach each label.
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

}  // namespace

#include <QTest>

#include "calc/NomographRun.h"
#include "tests/app/MainWindowFixture.h"
#include "ui/WidgetColors.h"

namespace {

constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t LightRed = 0x0000FF;

struct WorkedCase {
    const char* name;
    const char* air;
    const char* rh;
    const char* conc;
    const char* wind;
    const char* nomograph;
    const char* equation;
    const char* message;
    std::uint32_t messageColor;
};

const WorkedCase WorkedCases[] = {
    {"warm_concrete_in_wind", "80", "50", "90", "10", "0.241", "0.241", "Measures shall be taken.", LightRed},
    {"mild_and_humid", "70", "70", "70", "5", "0.039", "0.037", "OK", Black},
    {"hot_dry_gale", "100", "10", "100", "25", "0.999", "0.990", "Measures shall be taken.", LightRed},
    {"negative_rates_shown_as_zero", "40", "100", "40", "0", "0.000", "0.000", "OK", Black},
};

class CalculationRunTest : public MainWindowFixture, public ::testing::WithParamInterface<WorkedCase> {};

TEST_P(CalculationRunTest, ShowsBothRatesAndTheMessage)
{
    const WorkedCase& c = GetParam();
    enterInputs(c.air, c.rh, c.conc, c.wind);
    EXPECT_EQ(caption("lblEvapNomo"), c.nomograph);
    EXPECT_EQ(caption("lblEvapEqn"), c.equation);
    EXPECT_EQ(caption("lblAnswer"), c.message);
    EXPECT_EQ(WidgetColors::ForeColor(label("lblAnswer")), c.messageColor);
    EXPECT_TRUE(element<QPushButton>("cmdSave")->isEnabled());
    EXPECT_TRUE(element<QPushButton>("cmdRunNomo")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(WorkedCases, CalculationRunTest, ::testing::ValuesIn(WorkedCases),
                         [](const auto& info) { return std::string(info.param.name); });

class MainWindowRunTest : public MainWindowFixture {};

TEST_F(MainWindowRunTest, TypingIntoABoxRecalculatesAtOnce)
{
    enterInputs("80", "50", "90", "10");
    QLineEdit* wind = box("txtWindVelocity");
    wind->selectAll();
    QTest::keyClicks(wind, "5");

    InputSet read;
    ASSERT_TRUE(GoodInputs({"80", "50", "90", "5"}, read));
    const RunCaptions expected = CalculateRun(read, ThresholdChoice::Default, "0.2");
    EXPECT_EQ(caption("lblEvapEqn").toStdString(), expected.eqnCaption);
    EXPECT_EQ(caption("lblEvapNomo").toStdString(), expected.nomoCaption);
    EXPECT_EQ(caption("lblAnswer"), "Measures may be needed.");
    EXPECT_EQ(WidgetColors::ForeColor(label("lblAnswer")), Black) << "red from the run before must not linger";
}

TEST_F(MainWindowRunTest, EmptyingABoxBlanksTheResultsAndDisablesSaving)
{
    enterInputs("80", "50", "90", "10");
    box("txtConcreteTemp")->setText("   ");
    EXPECT_EQ(caption("lblEvapNomo"), "");
    EXPECT_EQ(caption("lblEvapEqn"), "");
    EXPECT_EQ(caption("lblAnswer"), "");
    EXPECT_FALSE(element<QPushButton>("cmdSave")->isEnabled());
    EXPECT_FALSE(element<QPushButton>("cmdRunNomo")->isEnabled());
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(caption(QStringLiteral("lblAir1(%1)").arg(i)), "") << "scenario cell " << i;
}

}  // namespace

#include <QSignalBlocker>

#include <algorithm>

#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowConsistency.h"
#include "ui/WidgetColors.h"

// The soak's judge must see real faults, or a green soak means nothing: each case
// puts the window into a state the program itself never leaves it in.
namespace {

class WindowConsistencyTest : public MainWindowFixture {
protected:
    bool Reports(const std::string& element) const
    {
        const std::vector<std::string> faults = WindowConsistency(*window).Check();
        return std::any_of(faults.begin(), faults.end(),
                           [&](const std::string& fault) { return fault.rfind(element, 0) == 0; });
    }
    void expectConsistent() const
    {
        for (const std::string& fault : WindowConsistency(*window).Check())
            ADD_FAILURE() << fault;
    }
    // Changes a text without the window hearing of it.
    static void SetQuietly(QLineEdit* box, const QString& text)
    {
        const QSignalBlocker quiet(box);
        box->setText(text);
    }
};

TEST_F(WindowConsistencyTest, FindsTheWindowConsistentAsTheProgramLeavesIt)
{
    expectConsistent();
    enterInputs("80", "50", "90", "10");
    expectConsistent();
    element<QRadioButton>("optAlternate")->click();
    box("txtAlternateRate")->setText("abc");
    expectConsistent();
    box("txtWindVelocity")->setText("26");
    expectConsistent();
}

TEST_F(WindowConsistencyTest, ReportsARateThatDiffersFromTheCalculation)
{
    enterInputs("80", "50", "90", "10");
    label("lblEvapEqn")->setText("0.242");
    EXPECT_TRUE(Reports("lblEvapEqn"));
}

TEST_F(WindowConsistencyTest, ReportsResultsLeftStandingAfterAnInputBecameInvalid)
{
    enterInputs("80", "50", "90", "10");
    SetQuietly(box("txtAirTemp"), "39");
    EXPECT_TRUE(Reports("lblEvapNomo"));
    EXPECT_TRUE(Reports("lblAir1(0)"));
    EXPECT_TRUE(Reports("cmdSave"));
}

TEST_F(WindowConsistencyTest, ReportsAThresholdOutOfStepWithTheChoice)
{
    enterInputs("70", "50", "70", "10");
    SetQuietly(box("txtUserRate"), "0.3");
    EXPECT_TRUE(Reports("txtUserRate"));
    EXPECT_TRUE(Reports("lblUserRate(0)"));
}

TEST_F(WindowConsistencyTest, ReportsAScenarioCellInTheWrongColour)
{
    enterInputs("70", "50", "70", "10");
    WidgetColors::SetBackColor(label("lblAir1(4)"), 7572479);  // 20.9 is below 40: must show as failed
    EXPECT_TRUE(Reports("lblAir1(4)"));
}

TEST_F(WindowConsistencyTest, ReportsAScrollBarOutOfStepWithItsBox)
{
    enterInputs("80", "50", "90", "10");
    SetQuietly(box("txtRelativeHumidity"), "60");
    EXPECT_TRUE(Reports("hsbRelativeHumidity"));
    SetQuietly(box("txtRelativeHumidity"), "");
    EXPECT_TRUE(Reports("hsbRelativeHumidity")) << "shown for an empty box";
}

}  // namespace

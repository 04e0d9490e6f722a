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
    bool reports(const std::string& element) const
    {
        const std::vector<std::string> found = CheckWindowConsistency(*window);
        return std::any_of(found.begin(), found.end(), [&](const std::string& f) { return f.starts_with(element); });
    }
    // Changes a text without the window hearing of it.
    static void setQuietly(QLineEdit* box, const QString& text)
    {
        const QSignalBlocker quiet(box);
        box->setText(text);
    }
};

TEST_F(WindowConsistencyTest, FindsTheWindowConsistentAsTheProgramLeavesIt)
{
    const std::vector<std::string> none;
    EXPECT_EQ(CheckWindowConsistency(*window), none);
    enterInputs("80", "50", "90", "10");
    EXPECT_EQ(CheckWindowConsistency(*window), none);
    element<QRadioButton>("optAlternate")->click();
    box("txtAlternateRate")->setText("abc");
    EXPECT_EQ(CheckWindowConsistency(*window), none);
    box("txtWindVelocity")->setText("26");
    EXPECT_EQ(CheckWindowConsistency(*window), none);
}

TEST_F(WindowConsistencyTest, ReportsWhatTheProgramWouldNeverShow)
{
    enterInputs("80", "50", "90", "10");
    label("lblEvapEqn")->setText("0.242");
    EXPECT_TRUE(reports("lblEvapEqn")) << "a rate that differs from the calculation";
    setQuietly(box("txtRelativeHumidity"), "60");
    EXPECT_TRUE(reports("hsbRelativeHumidity")) << "a scroll bar out of step with its box";
    setQuietly(box("txtRelativeHumidity"), "");
    EXPECT_TRUE(reports("hsbRelativeHumidity")) << "a scroll bar shown for an empty box";
    EXPECT_TRUE(reports("lblEvapNomo")) << "results left standing after an input became invalid";
    EXPECT_TRUE(reports("lblAir1(0)"));
    EXPECT_TRUE(reports("cmdSave"));

    enterInputs("70", "50", "70", "10");
    ASSERT_EQ(CheckWindowConsistency(*window), std::vector<std::string>{});
    setQuietly(box("txtUserRate"), "0.3");
    EXPECT_TRUE(reports("txtUserRate")) << "a threshold out of step with the choice";
    EXPECT_TRUE(reports("lblUserRate(0)"));
    WidgetColors::SetBackColor(label("lblAir1(4)"), 7572479);  // 20.9 is below 40: must show as failed
    EXPECT_TRUE(reports("lblAir1(4)")) << "a scenario cell in the wrong colour";
}

}  // namespace

#include "tests/app/MainWindowFixture.h"
#include "ui/WidgetColors.h"

namespace {

const QString TitleStart = QStringLiteral("Variation Scenarios to Get Evaporation Rate of ");
const QString TitleEnd = QStringLiteral(" lb/ft²/hr");

// How a rate is written in the title and the column is the core's business, and
// the soak's judge checks the whole threshold state after every random action;
// here the choice of threshold must reach the title, the column and the tables.
class ThresholdTest : public MainWindowFixture {
protected:
    QRadioButton* option(const char* name) const { return element<QRadioButton>(name); }
    void expectRateCells(const QString& text) const
    {
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(caption(QStringLiteral("lblUserRate(%1)").arg(i)), text) << "lblUserRate(" << i << ")";
    }
    bool tableOfPointOneShown() const { return !element<QWidget>("fra100")->isHidden(); }
};

TEST_F(ThresholdTest, ChoosingTheAlternateRateUsesTheWaitingText)
{
    ASSERT_TRUE(option("optDefault")->isChecked()) << "starts with the default rate";
    enterInputs("70", "50", "70", "10");
    option("optAlternate")->click();
    EXPECT_EQ(box("txtUserRate")->text(), "0.05");
    expectRateCells("0.05");
    EXPECT_EQ(caption("lblUsedThreshold"), TitleStart + ".05" + TitleEnd);
    EXPECT_FALSE(tableOfPointOneShown());
    EXPECT_TRUE(box("txtAlternateRate")->isEnabled());
    EXPECT_EQ(caption("lblAir1(8)"), "82.6") << "the threshold-in-force table follows the new rate";
    EXPECT_EQ(caption("lblAnswer"), "Measures shall be taken.");
}

TEST_F(ThresholdTest, SwitchingBackKeepsTheAlternateText)
{
    option("optAlternate")->click();
    box("txtAlternateRate")->setText(".15");
    option("optDefault")->click();
    EXPECT_EQ(box("txtUserRate")->text(), "0.2");
    EXPECT_EQ(box("txtAlternateRate")->text(), ".15");
    option("optAlternate")->click();
    EXPECT_EQ(box("txtUserRate")->text(), ".15");
}

TEST_F(ThresholdTest, TheAlternateRateDecidesTheMessageWithoutOK)
{
    option("optAlternate")->click();
    box("txtAlternateRate")->setText("0.15");
    enterInputs("40", "100", "40", "0");
    EXPECT_EQ(caption("lblAnswer"), "Measures may be needed.");
    EXPECT_EQ(WidgetColors::ForeColor(label("lblAnswer")), 0u);

    enterInputs("80", "50", "90", "10");
    EXPECT_EQ(caption("lblAnswer"), "Measures shall be taken.");
    EXPECT_EQ(WidgetColors::ForeColor(label("lblAnswer")), 0x0000FFu);
}

}  // namespace

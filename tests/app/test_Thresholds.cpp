#include "tests/app/MainWindowFixture.h"
#include "ui/WidgetColors.h"

namespace {

const QString TitleStart = QStringLiteral("Variation Scenarios to Get Evaporation Rate of ");
const QString TitleEnd = QStringLiteral(" lb/ft²/hr");

class ThresholdTest : public MainWindowFixture {
protected:
    QRadioButton* option(const char* name) const { return element<QRadioButton>(name); }
    QString rateCell(int i) const { return caption(QStringLiteral("lblUserRate(%1)").arg(i)); }
    void expectRateCells(const QString& text) const
    {
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(rateCell(i), text) << "lblUserRate(" << i << ")";
    }
    bool tableOfPointOneShown() const { return !element<QWidget>("fra100")->isHidden(); }
};

TEST_F(ThresholdTest, StartsWithTheDefaultRate)
{
    EXPECT_TRUE(option("optDefault")->isChecked());
    EXPECT_FALSE(option("optAlternate")->isChecked());
    EXPECT_EQ(box("txtUserRate")->text(), "0.2");
    EXPECT_TRUE(box("txtUserRate")->isHidden());
    expectRateCells("0.2");
    EXPECT_TRUE(tableOfPointOneShown());
    EXPECT_EQ(box("txtAlternateRate")->text(), "0.05");
    EXPECT_FALSE(box("txtAlternateRate")->isEnabled());
    EXPECT_EQ(caption("lblUsedThreshold"), "Variation Scenarios to Get Evaporation Rate of .2 lb/ft²/hr");
}

TEST_F(ThresholdTest, ChoosingTheAlternateRateUsesTheWaitingText)
{
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

struct AlternateText {
    const char* name;
    const char* typed;
    const char* rateCells;
    const char* titleRate;
};

const AlternateText AlternateTexts[] = {
    {"whole_number_keeps_its_point", "1", "1", "1."},
    {"no_leading_zero", ".15", "0.15", ".15"},
    {"rounded_to_three_decimals", "0.12345", "0.12345", ".123"},
    {"not_a_number", "abc", "0", "abc"},
    {"empty", "", "0", ""},
};

class AlternateTextTest : public ThresholdTest, public ::testing::WithParamInterface<AlternateText> {};

TEST_P(AlternateTextTest, TitleAndRateColumnFollowTheText)
{
    option("optAlternate")->click();
    box("txtAlternateRate")->setText(GetParam().typed);
    EXPECT_EQ(box("txtUserRate")->text(), GetParam().typed);
    expectRateCells(GetParam().rateCells);
    EXPECT_EQ(caption("lblUsedThreshold"), TitleStart + GetParam().titleRate + TitleEnd);
}

INSTANTIATE_TEST_SUITE_P(Texts, AlternateTextTest, ::testing::ValuesIn(AlternateTexts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ThresholdTest, ANonNumericRateActsAsZero)
{
    enterInputs("70", "50", "70", "10");
    option("optAlternate")->click();
    box("txtAlternateRate")->setText("abc");
    EXPECT_EQ(caption("lblWind1(11)"), "-2.5");
    EXPECT_EQ(WidgetColors::BackColor(label("lblWind1(11)")), 16298431u);
}

TEST_F(ThresholdTest, SwitchingBackKeepsTheAlternateText)
{
    option("optAlternate")->click();
    box("txtAlternateRate")->setText(".15");
    option("optDefault")->click();
    EXPECT_EQ(box("txtUserRate")->text(), "0.2");
    expectRateCells("0.2");
    EXPECT_TRUE(tableOfPointOneShown());
    EXPECT_FALSE(box("txtAlternateRate")->isEnabled());
    EXPECT_EQ(box("txtAlternateRate")->text(), ".15");

    option("optAlternate")->click();
    EXPECT_EQ(box("txtUserRate")->text(), ".15");
    EXPECT_EQ(caption("lblUsedThreshold"), TitleStart + ".15" + TitleEnd);
}


TEST_F(ThresholdTest, TheAlternateRateDecidesTheMessageWithoutOK)
{
    option("optAlternate")->click();
    box("txtAlternateRate")->setText("0.15");
    enterInputs("40", "100", "40", "0");
    EXPECT_EQ(caption("lblEvapEqn"), "0.000");
    EXPECT_EQ(caption("lblAnswer"), "Measures may be needed.");
    EXPECT_EQ(WidgetColors::ForeColor(label("lblAnswer")), 0u);

    enterInputs("80", "50", "90", "10");
    EXPECT_EQ(caption("lblAnswer"), "Measures shall be taken.");
    EXPECT_EQ(WidgetColors::ForeColor(label("lblAnswer")), 0x0000FFu);
}

}  // namespace

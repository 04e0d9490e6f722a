#include "tests/app/MainWindowFixture.h"
#include "ui/WidgetColors.h"

namespace {

constexpr std::uint32_t Successful = 7572479;
constexpr std::uint32_t FixedInput = 12376239;
constexpr std::uint32_t Failed = 16298431;

// Table t (0.1, 0.2, then the threshold in force) holds row r's varied value in
// column r of index 4t + r; the other columns repeat the inputs.
class ScenarioTablesTest : public MainWindowFixture {
protected:
    QLabel* cell(int column, int index) const
    {
        static const char* const arrays[4] = {"lblAir1", "lblRH1", "lblConc1", "lblWind1"};
        return label(QStringLiteral("%1(%2)").arg(arrays[column]).arg(index));
    }
};

// The solved values are the core's, and the soak's judge checks every cell and its
// colour after each random action; here one run shows where each value lands.
TEST_F(ScenarioTablesTest, EachTableShowsItsThresholdsValues)
{
    enterInputs("70", "50", "70", "10");
    const char* const atPointOne[4] = {"70.7", "51.2", "69.7", "9.7"};
    const char* const atPointTwo[4] = {"20.9", "2.4", "81.8", "21.9"};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(cell(row, row)->text(), atPointOne[row]);
        EXPECT_EQ(WidgetColors::BackColor(cell(row, row)), Successful);
        for (int table : {1, 2}) {
            EXPECT_EQ(cell(row, 4 * table + row)->text(), atPointTwo[row]);
            EXPECT_EQ(WidgetColors::BackColor(cell(row, 4 * table + row)), row == 0 ? Failed : Successful)
                << "20.9 is below the air temperature's range";
        }
    }
    EXPECT_EQ(cell(1, 0)->text(), "50") << "the other columns repeat the inputs";
    EXPECT_EQ(WidgetColors::BackColor(cell(1, 0)), FixedInput);
    EXPECT_TRUE(element<QWidget>("Frame1")->isHidden()) << "the 0.2 table is filled but never shown";
}

}  // namespace

#include "tests/app/MainWindowFixture.h"
#include "ui/WidgetColors.h"

namespace {

constexpr std::uint32_t Successful = 7572479;
constexpr std::uint32_t FixedInput = 12376239;
constexpr std::uint32_t Failed = 16298431;

const char* const CellArrays[4] = {"lblAir1", "lblRH1", "lblConc1", "lblWind1"};

class ScenarioTablesTest : public MainWindowFixture {
protected:
    QLabel* cell(int column, int index) const
    {
        return label(QStringLiteral("%1(%2)").arg(CellArrays[column]).arg(index));
    }
    // Checks the varied cells of one table: texts and whether each is coloured as failed.
    void expectTable(int table, const std::array<const char*, 4>& texts, const std::array<bool, 4>& failed)
    {
        for (int row = 0; row < 4; ++row) {
            QLabel* varied = cell(row, 4 * table + row);
            EXPECT_EQ(varied->text(), texts[row]) << varied->objectName().toStdString();
            EXPECT_EQ(WidgetColors::BackColor(varied), failed[row] ? Failed : Successful)
                << varied->objectName().toStdString();
        }
    }
};

TEST_F(ScenarioTablesTest, FillsAllThreeTablesAfterARun)
{
    enterInputs("70", "50", "70", "10");
    expectTable(0, {"70.7", "51.2", "69.7", "9.7"}, {false, false, false, false});
    expectTable(1, {"20.9", "2.4", "81.8", "21.9"}, {true, false, false, false});
    expectTable(2, {"20.9", "2.4", "81.8", "21.9"}, {true, false, false, false});
    EXPECT_TRUE(element<QWidget>("Frame1")->isHidden()) << "the 0.2 table is filled but never shown";
}

TEST_F(ScenarioTablesTest, FixedCellsShowTheInputsEvenWhereTheVariedCellFailed)
{
    box("txtConcreteTemp")->setText("72");  // so that 72.5 stays as typed
    enterInputs("70", "0", "72.5", "10");
    EXPECT_EQ(cell(0, 0)->text(), "#Num!");
    EXPECT_EQ(WidgetColors::BackColor(cell(0, 0)), Failed);
    const std::array<const char*, 4> inputs{"70", "0", "72.5", "10"};
    for (int index = 0; index < 12; ++index) {
        for (int column = 0; column < 4; ++column) {
            if (column == index % 4)
                continue;
            EXPECT_EQ(cell(column, index)->text(), inputs[column]) << "cell " << column << "," << index;
            EXPECT_EQ(WidgetColors::BackColor(cell(column, index)), FixedInput);
        }
    }
}

TEST_F(ScenarioTablesTest, ANewRunResetsTheFailureColour)
{
    enterInputs("70", "0", "70", "10");
    ASSERT_EQ(WidgetColors::BackColor(cell(0, 0)), Failed);
    box("txtRelativeHumidity")->setText("50");
    EXPECT_EQ(cell(0, 0)->text(), "70.7");
    EXPECT_EQ(WidgetColors::BackColor(cell(0, 0)), Successful);
}

TEST_F(ScenarioTablesTest, HumidityAtOneHundredWithEqualTemperaturesCannotSolveForWind)
{
    enterInputs("70", "100", "70", "10");
    for (int table = 0; table < 3; ++table)
        EXPECT_EQ(cell(3, 4 * table + 3)->text(), "#Num!") << "table " << table;
}

}  // namespace

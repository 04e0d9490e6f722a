#include <gtest/gtest.h>

#include <QApplication>

#include "ui/Colors.h"

namespace {

struct PaletteRow {
    const char* name;
    int index;
    uint32_t value;
    const char* rgb;
};

void PrintTo(const PaletteRow& row, std::ostream* os)
{
    *os << row.name;
}

class QBColorTable : public ::testing::TestWithParam<PaletteRow> {};

TEST_P(QBColorTable, GivesTheColourReferenceAndItsRgb)
{
    const PaletteRow& row = GetParam();
    EXPECT_EQ(Colors::QBColor(row.index), row.value);
    EXPECT_EQ(Colors::toQColor(Colors::QBColor(row.index)).name(), QString(row.rgb));
}

INSTANTIATE_TEST_SUITE_P(
    Palette, QBColorTable,
    ::testing::Values(PaletteRow{"Black", 0, 0x000000, "#000000"},
                      PaletteRow{"Blue", 1, 0x800000, "#000080"},
                      PaletteRow{"Red", 4, 0x000080, "#800000"},
                      PaletteRow{"LightGray", 7, 0xC0C0C0, "#c0c0c0"},
                      PaletteRow{"LightBlue", 9, 0xFF0000, "#0000ff"},
                      PaletteRow{"LightRed", 12, 0x0000FF, "#ff0000"},
                      PaletteRow{"LightMagenta", 13, 0xFF00FF, "#ff00ff"},
                      PaletteRow{"LightYellow", 14, 0x00FFFF, "#ffff00"},
                      PaletteRow{"BrightWhite", 15, 0xFFFFFF, "#ffffff"}),
    [](const ::testing::TestParamInfo<PaletteRow>& info) { return std::string(info.param.name); });

TEST(QBColor, RefusesIndicesOutsideThePalette)
{
    EXPECT_THROW(Colors::QBColor(-1), std::out_of_range);
    EXPECT_THROW(Colors::QBColor(16), std::out_of_range);
}

TEST(ToQColor, ReadsRedFromTheLowByte)
{
    EXPECT_EQ(Colors::toQColor(Colors::ChartBack).name(), "#96c8e9");
    EXPECT_EQ(Colors::toQColor(Colors::RateScaleBack).name(), "#5ffa8d");
    EXPECT_EQ(Colors::toQColor(Colors::SolutionPathOnScreen).name(), "#ffff9d");
}

TEST(ToQColor, ButtonFaceFollowsThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor("#123456"));
    palette.setColor(QPalette::Window, QColor("#abcdef"));
    EXPECT_EQ(Colors::toQColor(Colors::ButtonFace, palette).name(), "#123456");
}

}  // namespace

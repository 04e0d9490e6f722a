#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/Colors.h"

namespace {

// Colour references keep red in the low byte.
TEST(Colors, PaletteAndChartColoursReadAsTheirRgb)
{
    const struct {
        uint32_t color;
        uint32_t reference;
        const char* rgb;
    } colors[] = {
        {Colors::QBColor(0), 0x000000, "#000000"},  {Colors::QBColor(1), 0x800000, "#000080"},
        {Colors::QBColor(4), 0x000080, "#800000"},  {Colors::QBColor(7), 0xC0C0C0, "#c0c0c0"},
        {Colors::QBColor(9), 0xFF0000, "#0000ff"},  {Colors::QBColor(12), 0x0000FF, "#ff0000"},
        {Colors::QBColor(13), 0xFF00FF, "#ff00ff"}, {Colors::QBColor(14), 0x00FFFF, "#ffff00"},
        {Colors::QBColor(15), 0xFFFFFF, "#ffffff"}, {Colors::ChartBack, 0xE9C896, "#96c8e9"},
        {Colors::RateScaleBack, 0x8DFA5F, "#5ffa8d"}, {Colors::SolutionPathOnScreen, 0x9DFFFF, "#ffff9d"},
    };
    for (const auto& c : colors) {
        SCOPED_TRACE(c.rgb);
        EXPECT_EQ(c.color, c.reference);
        EXPECT_EQ(Colors::toQColor(c.color).name(), QString(c.rgb));
    }
    EXPECT_THROW(Colors::QBColor(-1), std::out_of_range);
    EXPECT_THROW(Colors::QBColor(16), std::out_of_range);
}

TEST(Colors, ButtonFaceFollowsThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor("#123456"));
    palette.setColor(QPalette::Window, QColor("#abcdef"));
    EXPECT_EQ(Colors::toQColor(Colors::ButtonFace, palette).name(), "#123456");
}

}  // namespace

#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

#include <QColor>
#include <QPalette>

// Every colour of the program, once. Colours travel as 32-bit colour references:
// 0x00BBGGRR, red in the low byte. A value with the top bit set names a system colour
// by its number instead of a fixed colour.
namespace Colors {

inline constexpr uint32_t SystemColorFlag = 0x80000000u;
inline constexpr uint32_t ButtonFace = SystemColorFlag + 15;

constexpr uint32_t Rgb(uint8_t red, uint8_t green, uint8_t blue)
{
    return uint32_t(red) | uint32_t(green) << 8 | uint32_t(blue) << 16;
}

// The classic 16-colour palette; 0 is black, 9 light blue, 12 light red,
// 13 light magenta, 15 bright white.
constexpr uint32_t QBColor(int n)
{
    constexpr std::array<uint32_t, 16> palette{
        Rgb(0, 0, 0),       Rgb(0, 0, 128),     Rgb(0, 128, 0),     Rgb(0, 128, 128),
        Rgb(128, 0, 0),     Rgb(128, 0, 128),   Rgb(128, 128, 0),   Rgb(192, 192, 192),
        Rgb(128, 128, 128), Rgb(0, 0, 255),     Rgb(0, 255, 0),     Rgb(0, 255, 255),
        Rgb(255, 0, 0),     Rgb(255, 0, 255),   Rgb(255, 255, 0),   Rgb(255, 255, 255),
    };
    if (n < 0 || n >= int(palette.size()))
        throw std::out_of_range("QBColor takes a palette index from 0 to 15");
    return palette[std::size_t(n)];
}

// The chart.
inline constexpr uint32_t ChartBack = 15321238;       // 0xE9C896, RGB #96C8E9
inline constexpr uint32_t RateScaleBack = 9304671;    // 0x8DFA5F, RGB #5FFA8D
inline constexpr uint32_t ChartFore = QBColor(0);
inline constexpr uint32_t HumidityInk = QBColor(9);
inline constexpr uint32_t ConcreteInk = QBColor(13);
inline constexpr uint32_t WindInk = QBColor(12);
inline constexpr uint32_t SolutionPathOnScreen = 0x9DFFFF;  // RGB #FFFF9D
inline constexpr uint32_t SolutionPathPrinted = QBColor(9);
inline constexpr uint32_t PrintBackground = QBColor(15);

// The window's texts.
inline constexpr uint32_t MessageNormal = QBColor(0);
inline constexpr uint32_t MessageWarning = QBColor(12);
inline constexpr uint32_t RangeLabel = Rgb(255, 0, 0);
inline constexpr uint32_t RateResultBack = RateScaleBack;

// The scenario tables and their legend.
inline constexpr uint32_t SuccessfulVariation = 7572479;  // RGB #FF8B73
inline constexpr uint32_t FixedInput = 12376239;          // RGB #AFD8BC
inline constexpr uint32_t FailedVariation = 16298431;     // RGB #BFB1F8

// The outlook's rate-over-time chart.
inline constexpr uint32_t OutlookEquation = Rgb(0, 0, 160);
inline constexpr uint32_t OutlookNomograph = Rgb(0, 128, 0);
inline constexpr uint32_t OutlookMay = Rgb(230, 140, 0);
inline constexpr uint32_t OutlookShall = Rgb(200, 0, 0);
inline constexpr uint32_t OutlookInForce = Rgb(128, 0, 128);
inline constexpr uint32_t OutlookBand = Rgb(200, 210, 245);
inline constexpr uint32_t OutlookAboveShade = Rgb(255, 215, 215);
inline constexpr uint32_t OutlookWindowShade = Rgb(200, 240, 200);
inline constexpr uint32_t OutlookGrid = Rgb(215, 215, 215);

// System colours follow the palette in force; the program only names the
// button face, any other system colour is shown as the window background.
inline QColor toQColor(uint32_t color, const QPalette& palette = QPalette())
{
    if (color & SystemColorFlag) {
        const uint32_t index = color & ~SystemColorFlag;
        return palette.color(index == 15 ? QPalette::Button : QPalette::Window);
    }
    return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
}

}  // namespace Colors

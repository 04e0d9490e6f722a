#pragma once

#include <cstdint>

#include "ui/Colors.h"

class QWidget;

// Colours of window elements as the program names them: 32-bit values with red in
// the low byte (0x00BBGGRR); 0x80000000 + n names system colour n.
namespace WidgetColors {

void SetBackColor(QWidget* widget, std::uint32_t color);
void SetForeColor(QWidget* widget, std::uint32_t color);
std::uint32_t BackColor(const QWidget* widget);
std::uint32_t ForeColor(const QWidget* widget);

inline constexpr std::uint32_t ButtonFace = Colors::ButtonFace;

}  // namespace WidgetColors

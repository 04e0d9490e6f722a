#include "ui/WidgetColors.h"

#include <QWidget>

#include "ui/Colors.h"

namespace WidgetColors {

void SetBackColor(QWidget* widget, std::uint32_t color)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), Colors::toQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setProperty("BackColor", QVariant::fromValue(color));
}

void SetForeColor(QWidget* widget, std::uint32_t color)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), Colors::toQColor(color));
    widget->setPalette(palette);
    widget->setProperty("ForeColor", QVariant::fromValue(color));
}

std::uint32_t BackColor(const QWidget* widget)
{
    const QVariant stored = widget->property("BackColor");
    return stored.isValid() ? stored.value<std::uint32_t>() : ButtonFace;
}

std::uint32_t ForeColor(const QWidget* widget)
{
    const QVariant stored = widget->property("ForeColor");
    return stored.isValid() ? stored.value<std::uint32_t>() : 0u;
}

}  // namespace WidgetColors

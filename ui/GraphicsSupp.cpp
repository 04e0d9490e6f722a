#include "ui/GraphicsSupp.h"

#include <cmath>

#include "ui/ChartSurface.h"
#include "ui/MessageBox.h"

namespace GraphicsSupp {
namespace {

// A margin of pixels in user units; no margin is none, even on a surface
// too small to divide by.
float marginInUnits(float margin, float extent, int pixels)
{
    if (margin == 0)
        return 0;
    return margin * extent / (float(pixels) - 2 * margin);
}

}  // namespace

void SetUserScale(ChartSurface& target, float x1, float y1, float x2, float y2, float xMargin,
                  float yMargin)
{
    target.SetScaleMode(ChartScaleMode::Twips);
    const float dy = std::abs(y2 - y1);
    const float dx = std::abs(x2 - x1);
    const float xm = marginInUnits(xMargin, dx, target.Width());
    const float ym = marginInUnits(yMargin, dy, target.Height());
    if (dx != 0 && dy != 0) {
        target.Scale(x1 - xm, y2 + ym, x2 + xm, y1 - ym);
        return;
    }
    Msg::Box(target.dialogParent(), "Can't size a window on the width of a line.", Msg::Buttons::Ok,
             Msg::Icon::Critical, "Set Scale Error");
}

}  // namespace GraphicsSupp

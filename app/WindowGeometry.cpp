#include "app/WindowGeometry.h"

#include <QtMath>

namespace WindowGeometry {

QSize MinimumOuterSizePixels(double logicalDpi)
{
    const double twipsPerPixel = 1440.0 / logicalDpi;
    return {qCeil(MinimumOuterWidthTwips / twipsPerPixel), qCeil(MinimumOuterHeightTwips / twipsPerPixel)};
}

PanelBlock FitPanels(int scaleWidth, int scaleHeight, const QRect& picRH, int rightContainerLeft)
{
    Q_UNUSED(scaleWidth);
    const float availH = static_cast<float>(scaleHeight - BottomBand - picRH.top() - ChartGap);
    const float availW = static_cast<float>(rightContainerLeft - picRH.left() - ChartGap);
    const float ratio = availW / availH;
    const float narrow = static_cast<float>(1.4 / 2);
    const float P = narrow >= ratio ? availW / 1.4f : availH / 2.0f;

    PanelBlock block{};
    // Whole pixels, rounded down so that the block never reaches into the gaps.
    block.height = qFloor(P);
    block.rhWidth = qRound(0.6 * block.height);
    block.ctWidth = qRound(0.8 * block.height);
    return block;
}

}  // namespace WindowGeometry

#include "app/WindowGeometry.h"

#include <QtMath>

namespace WindowGeometry {

namespace {

QSize TwipsToPixels(int widthTwips, int heightTwips, double logicalDpi)
{
    const double twipsPerPixel = 1440.0 / logicalDpi;
    return {qCeil(widthTwips / twipsPerPixel), qCeil(heightTwips / twipsPerPixel)};
}

}  // namespace

QSize DesignInnerSizePixels(double logicalDpi)
{
    return TwipsToPixels(DesignInnerWidthTwips, DesignInnerHeightTwips, logicalDpi);
}

QSize MinimumOuterSizePixels(double logicalDpi)
{
    return TwipsToPixels(MinimumOuterWidthTwips, MinimumOuterHeightTwips, logicalDpi);
}

QSize MinimumInnerSizePixels(double logicalDpi, QSize aroundInner)
{
    return (MinimumOuterSizePixels(logicalDpi) - aroundInner).boundedTo(DesignInnerSizePixels(logicalDpi));
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

#pragma once

#include <QRect>
#include <QSize>

// The arithmetic of the main window's layout: the minimum size and the fitting of
// the four nomograph panels into the space between the side containers.
namespace WindowGeometry {

inline constexpr int DesignInnerWidthTwips = 11745;
inline constexpr int DesignInnerHeightTwips = 8715;
inline constexpr int MinimumOuterWidthTwips = 11865;
inline constexpr int MinimumOuterHeightTwips = 9525;
inline constexpr int BottomBand = 17;            // reserved for the equation label
inline constexpr int LeftContainerOverlap = 2;   // the left container reaches into the band
inline constexpr int RightMargin = 5;
inline constexpr int ChartGap = 2;

QSize DesignInnerSizePixels(double logicalDpi);
QSize MinimumOuterSizePixels(double logicalDpi);

// The smallest inner area: the minimum outer size less what the window system puts
// around the inner area (frame, title bar, menu bar). Where it puts less than the
// design allowed for (no frame at all without a window manager), the design size is
// the minimum, so that the window is never held larger than it was laid out.
QSize MinimumInnerSizePixels(double logicalDpi, QSize aroundInner);

// Heights and widths of the panel block: picRH is 0.6 and picCT 0.8 of the panel
// height; the block (1.4 P wide, 2 P high) fits the available width when the area
// is relatively narrow (width : height at most 0.7) and the height otherwise.
struct PanelBlock {
    int height;    // P, rounded down to whole pixels
    int rhWidth;   // 0.6 P
    int ctWidth;   // 0.8 P
};

PanelBlock FitPanels(int scaleWidth, int scaleHeight, const QRect& picRH, int rightContainerLeft);

}  // namespace WindowGeometry

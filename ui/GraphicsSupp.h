#pragma once

class ChartSurface;

namespace GraphicsSupp {

// Gives the surface a user coordinate system in which (x1, y1) is the
// bottom-left and (x2, y2) the top-right corner of the area that fills it, the
// y axis growing upward. The margins are in pixels on each side. An area of
// zero width or height cannot be scaled: the user is told and the surface is
// left in twips.
void SetUserScale(ChartSurface& target, float x1, float y1, float x2, float y2, float xMargin,
                  float yMargin);

}  // namespace GraphicsSupp

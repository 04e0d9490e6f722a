#pragma once

class QPainter;
class QPainterPath;
class QPen;

// Strokes a path as QPainter::drawPath does with the pen, to the same pixels, but on a
// raster device in a fraction of the time. Qt's antialiasing rasterizer holds the cells of
// only a few rows at a time and walks the whole outline again for each such band, so a long
// wide curve costs hundreds of walks. Here the pen's outline is filled tile by tile instead,
// each tile given only the part of the outline that decides its pixels.
//
// Other devices (printers, PDF), thin or cosmetic pens, and transforms other than whole-pixel
// shifts are drawn by drawPath itself. Either way the painter is left with the pen and no brush.
void StrokeInTiles(QPainter& painter, const QPainterPath& path, const QPen& pen);

#pragma once

#include <QRectF>

class QPainter;
struct PourReport;

// The report's hourly chart: the equation's rate hour by hour within the band measured
// rates fall in (±40 %), against the threshold in force. Drawn in points on a painter
// scaled to points.
void DrawPourChart(QPainter& painter, const QRectF& area, const PourReport& report);

#pragma once

#include <cstdint>

class ChartSurface;

// The evaporation nomograph on its four panels: relative-humidity curves over
// air temperature (picRH, top left), concrete-temperature lines (picCT, top
// right), wind-velocity lines (picWV, bottom right) and the rate scale
// (picRate, the strip left of picWV). Each draws on the panels' current layer.
namespace NomographChart {

// The static chart: grids, curves, lines, tick labels and captions. Sets the
// panels' scales; clears picRH, picCT and picWV but not picRate.
void DrawChart(ChartSurface& picRH, ChartSurface& picCT, ChartSurface& picWV, ChartSurface& picRate);

// The label of the wind line for t mph, resting on that line near its right end.
void labelWind(ChartSurface& picWV, short t);

// The six thick lines that trace one solution through the panels, from the air
// temperature up to its humidity curve, across to the concrete-temperature
// line, down to the wind line and across to the rate scale. Values outside a
// panel's range are drawn where they fall. The draw width is restored after.
void DrawSolutionPath(ChartSurface& picRH, ChartSurface& picCT, ChartSurface& picWV, float AirTemp,
                      float RHOrdinate, float XIntersection, float EvaporationRateNomo,
                      uint32_t SolutionLineColor);

}  // namespace NomographChart

#pragma once

#include <cstdint>
#include <vector>

#include "calc/NomographGeometry.h"
#include "calc/Units.h"

class ChartSurface;
struct NomographPanels;

// The evaporation nomograph on its four panels, drawn from its description in the
// core: relative-humidity curves over air temperature (picRH, top left),
// concrete-temperature lines (picCT, top right), wind-velocity lines (picWV, bottom
// right) and the rate scale (picRate, the strip left of picWV). Each draws on the
// panels' current layer.
namespace NomographChart {

// Draws a description item by item, placing each label with the panel's own text metrics.
void Draw(const NomographPanels& panels, const std::vector<NomographGeometry::Item>& chart);

// The static chart: grids, curves, lines, tick labels and captions. Sets the
// panels' scales; clears picRH, picCT and picWV but not picRate.
void DrawChart(ChartSurface& picRH, ChartSurface& picCT, ChartSurface& picWV, ChartSurface& picRate,
               UnitSystem units = UnitSystem::US);

// The six thick lines that trace one solution through the panels. Values outside a
// panel's range are drawn where they fall. The draw width is restored after.
void DrawSolutionPath(ChartSurface& picRH, ChartSurface& picCT, ChartSurface& picWV, float AirTemp,
                      const NomographSolution& solution, uint32_t SolutionLineColor);

}  // namespace NomographChart

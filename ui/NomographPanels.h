#pragma once

#include <cstdint>

class ChartSurface;

// The four chart panels of the main window, in the order the program treats them.
struct NomographPanels {
    ChartSurface* picRH;
    ChartSurface* picCT;
    ChartSurface* picWV;
    ChartSurface* picRate;
};

// Cls on every panel: with AutoRedraw off this removes only the solution path.
void ClearMyPics(const NomographPanels& panels);
void PicsAutoRedraw(const NomographPanels& panels, bool Setting);
// The back colour of the three chart panels; the rate scale keeps its own.
void ChangeGraphColor(const NomographPanels& panels, uint32_t NewColor);

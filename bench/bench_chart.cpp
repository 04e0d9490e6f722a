#include <benchmark/benchmark.h>

#include <QWidget>

#include "ui/ChartPanel.h"
#include "ui/Colors.h"
#include "ui/NomographChart.h"
#include "ui/NomographPanels.h"

namespace {

// The four panels placed as the main window places them for a panel height P:
// picRH 0.6P x P, picCT and picWV 0.8P x P, the rate strip 25 pixels wide.
class PlacedPanels {
public:
    PlacedPanels(int rhWidth, int chartWidth, int height)
    {
        picRH = place(QRect(0, 0, rhWidth, height), Colors::ChartBack);
        picCT = place(QRect(rhWidth, 0, chartWidth, height), Colors::ChartBack);
        picWV = place(QRect(rhWidth, height, chartWidth, height), Colors::ChartBack);
        picRate = place(QRect(rhWidth - 25, height, 25, height), Colors::RateScaleBack);
        window.resize(rhWidth + chartWidth, 2 * height);
        window.show();
    }

    // A full redraw as on a resize: chart in the persistent layer, path above it. The back
    // colour alternates (as printing changes it), so that every redraw draws the whole chart:
    // one that repeats what the panels show draws nothing again.
    void redraw()
    {
        const NomographPanels panels{picRH, picCT, picWV, picRate};
        white_ = !white_;
        ChangeGraphColor(panels, white_ ? Colors::PrintBackground : Colors::ChartBack);
        PicsAutoRedraw(panels, true);
        ClearMyPics(panels);
        NomographChart::DrawChart(*picRH, *picCT, *picWV, *picRate);
        PicsAutoRedraw(panels, false);
        NomographSolution path;
        path.RHOrdinate = 2.41975f;
        path.XIntersection = 3.97325f;
        path.EvaporationRateNomo = 0.24144f;
        NomographChart::DrawSolutionPath(*picRH, *picCT, *picWV, 80, path, Colors::SolutionPathOnScreen);
    }

    QWidget window;
    ChartPanel* picRH;
    ChartPanel* picCT;
    ChartPanel* picWV;
    ChartPanel* picRate;

private:
    bool white_ = false;

    ChartPanel* place(const QRect& geometry, uint32_t backColor)
    {
        auto* panel = new ChartPanel(&window);
        panel->setGeometry(geometry);
        panel->SetBackColor(backColor);
        return panel;
    }
};

void chartRedraw(benchmark::State& state, bool paint)
{
    PlacedPanels placed(int(state.range(0)), int(state.range(1)), int(state.range(2)));
    for (auto _ : state) {
        placed.redraw();
        if (paint)
            placed.window.repaint();
    }
}

void BM_ChartRedraw(benchmark::State& state)
{
    chartRedraw(state, false);
}

// The redraw and the repaint that puts both layers on screen.
void BM_ChartRedrawAndPaint(benchmark::State& state)
{
    chartRedraw(state, true);
}

// Design size, and the panels of a 3840 x 2160 window (P = 1060).
void panelSizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Args({164, 219, 274})->Args({636, 848, 1060})->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_ChartRedraw)->Apply(panelSizes);
BENCHMARK(BM_ChartRedrawAndPaint)->Apply(panelSizes);

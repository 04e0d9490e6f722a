#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <unistd.h>

#include "app/frmMain.h"
#include "records/RecordsPath.h"
#include "records/RecordsSchema.h"
#include "ui/Colors.h"

namespace {

// The real window, started against an empty records file of its own.
class BenchWindow {
public:
    BenchWindow() : scope_(folder_.path())
    {
        QString error;
        RecordsSchema::CreateRecordsFile(RecordsPath::ForThisProgram(), error);
        window = std::make_unique<frmMain>();
    }
    void enter(const char* air, const char* rh, const char* conc, const char* wind)
    {
        window->findChild<QLineEdit*>("txtAirTemp")->setText(air);
        window->findChild<QLineEdit*>("txtRelativeHumidity")->setText(rh);
        window->findChild<QLineEdit*>("txtConcreteTemp")->setText(conc);
        window->findChild<QLineEdit*>("txtWindVelocity")->setText(wind);
    }
    // Sizes the window so that its inner area is `inner`, and lets it lay out and redraw.
    void resizeInner(QSize inner)
    {
        window->resize(window->size() + inner - window->centralWidget()->size());
        QApplication::processEvents();
    }

    std::unique_ptr<frmMain> window;

private:
    QTemporaryDir folder_;
    RecordsPath::ScopedProgramFolder scope_;
};

double ResidentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// One recalculation in each unit system: 0 is US customary, 1 is SI (the same case).
void BM_Recalculation(benchmark::State& state)
{
    BenchWindow bench;
    if (state.range(0) == 1) {
        bench.window->SetUnits(UnitSystem::SI);
        bench.enter("26.7", "50", "32.2", "16.1");
    } else {
        bench.enter("80", "50", "90", "10");
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.window->UnlockRateButton());
    bench.window->SetUnits(UnitSystem::US);
}
BENCHMARK(BM_Recalculation)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One position of a thumb drag: the bar's value, the text written back, the
// row's text handling and the recalculation it runs.
void BM_DragStep(benchmark::State& state)
{
    BenchWindow bench;
    bench.enter("80", "50", "90", "10");
    auto* bar = bench.window->findChild<QScrollBar*>("hsbAirTemp");
    bar->setSliderDown(true);
    int position = 60;
    for (auto _ : state) {
        position = position == 60 ? 61 : 60;
        bar->setSliderPosition(position);
    }
    bar->setSliderDown(false);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

// The full redraw of the chart panels as a resize runs it, on the real window
// laid out for an inner area of the given size. The panels' back colour alternates
// (as printing changes it), so that every redraw draws the whole chart: one that
// repeats what the panels show draws nothing again.
void BM_WindowRedraw(benchmark::State& state)
{
    BenchWindow bench;
    bench.window->show();
    bench.enter("80", "50", "90", "10");
    bench.resizeInner(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    frmMain& window = *bench.window;
    bool white = false;
    for (auto _ : state) {
        white = !white;
        window.ChangeGraphColor(white ? Colors::PrintBackground : Colors::ChartBack);
        window.PicsAutoRedraw(true);
        window.ClearMyPics();
        window.Command1_Click();
        window.PicsAutoRedraw(false);
        window.DoCalculation();
    }
}
BENCHMARK(BM_WindowRedraw)->Args({800, 620})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

// A whole resize: layout, the redraw above, and painting the window.
void BM_WindowResize(benchmark::State& state)
{
    BenchWindow bench;
    bench.window->show();
    bench.enter("80", "50", "90", "10");
    const QSize inner(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    bool wider = false;
    for (auto _ : state) {
        wider = !wider;
        bench.resizeInner(inner + QSize(wider ? 1 : 0, 0));
    }
}
BENCHMARK(BM_WindowResize)->Args({800, 620})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

// A whole resize that changes the chart panels' size (the window one pixel taller and
// back), so that the chart is drawn anew.
void BM_WindowResizeTaller(benchmark::State& state)
{
    BenchWindow bench;
    bench.window->show();
    bench.enter("80", "50", "90", "10");
    const QSize inner(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    bool taller = false;
    for (auto _ : state) {
        taller = !taller;
        bench.resizeInner(inner + QSize(0, taller ? 1 : 0));
    }
}
BENCHMARK(BM_WindowResizeTaller)->Args({3840, 2160})->Unit(benchmark::kMillisecond);

// From creating the window to its first paint on screen.
void BM_StartupToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        BenchWindow bench;
        bench.window->show();
        QApplication::processEvents();
        bench.window->repaint();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Memory of a started, idle window with a solution shown.
void BM_IdleMemory(benchmark::State& state)
{
    BenchWindow bench;
    bench.window->show();
    bench.enter("80", "50", "90", "10");
    QApplication::processEvents();
    for (auto _ : state)
        QApplication::processEvents();
    state.counters["resident_MB"] = ResidentMegabytes();
}
BENCHMARK(BM_IdleMemory)->Iterations(1);

}  // namespace

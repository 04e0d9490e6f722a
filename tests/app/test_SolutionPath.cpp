#include <QAction>
#include <QApplication>
#include <QTimer>

#include "tests/app/MainWindowFixture.h"
#include "ui/ChartOperations.h"
#include "ui/ChartPanel.h"

namespace {

class SolutionPathTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        for (const char* name : {"picRH", "picCT", "picWV", "picRate"})
            element<ChartPanel>(name)->setOperationLog(&log);
    }
    std::vector<ChartOperation> pathLines() const
    {
        std::vector<ChartOperation> lines;
        for (const ChartOperation& op : log.operations())
            if (op.kind == ChartOperation::Kind::Line && op.width == 4)
                lines.push_back(op);
        return lines;
    }
    ChartOperationLog log;
};

// The path's geometry is pinned by the chart's own tests; here the window must hand
// the run's values to it and draw it on the transient layer.
TEST_F(SolutionPathTest, DrawsTheWorkedCasesPathOnTheTransientLayer)
{
    enterInputs("80", "50", "90", "10");
    const std::vector<ChartOperation> lines = pathLines();
    ASSERT_EQ(lines.size(), 6u);
    const NomographSolution& s = window->solution();
    EXPECT_NEAR(s.RHOrdinate, 2.41975, 5e-6);
    EXPECT_NEAR(s.XIntersection, 3.97325, 5e-6);
    EXPECT_NEAR(s.EvaporationRateNomo, 0.24144, 5e-6);
    EXPECT_EQ(lines[0].from, QPointF(80, 0));
    EXPECT_EQ(lines[0].to, QPointF(80, s.RHOrdinate));
    EXPECT_EQ(lines[3].from, QPointF(s.XIntersection, s.RHOrdinate));
    EXPECT_EQ(lines[4].from, QPointF(0, s.EvaporationRateNomo));
    for (const ChartOperation& line : lines) {
        EXPECT_EQ(line.layer, ChartLayer::Transient);
        EXPECT_EQ(line.color, 0x9DFFFFu);
    }
}

TEST_F(SolutionPathTest, ANewCalculationClearsOnlyThePath)
{
    enterInputs("80", "50", "90", "10");
    log.clear();
    box("txtWindVelocity")->setText("5");
    std::vector<ChartOperation> clears;
    for (const ChartOperation& op : log.operations())
        if (op.kind == ChartOperation::Kind::Clear)
            clears.push_back(op);
    ASSERT_FALSE(clears.empty());
    for (const ChartOperation& op : clears)
        EXPECT_EQ(op.layer, ChartLayer::Transient) << "the chart must survive a recalculation";
    EXPECT_EQ(pathLines().size(), 6u);
}

TEST_F(SolutionPathTest, AResizeRedrawsTheChartAndThePathOnlyWithASolution)
{
    window->show();
    QApplication::processEvents();
    log.clear();
    window->resize(window->width() + 40, window->height() + 30);
    QApplication::processEvents();
    EXPECT_FALSE(log.of(ChartOperation::Kind::Text, "picRate").empty()) << "chart redrawn";
    EXPECT_TRUE(pathLines().empty()) << "no solution, no path";

    enterInputs("80", "50", "90", "10");
    log.clear();
    window->resize(window->width() + 40, window->height() + 30);
    QApplication::processEvents();
    EXPECT_EQ(pathLines().size(), 6u);
}

TEST_F(SolutionPathTest, TheRedrawButtonDrawsThePathAgainWithoutTheChart)
{
    enterInputs("80", "50", "90", "10");
    log.clear();
    element<QPushButton>("cmdRunNomo")->click();
    EXPECT_EQ(pathLines().size(), 6u);
    EXPECT_TRUE(log.of(ChartOperation::Kind::Text).empty()) << "the chart is not redrawn";
}

TEST_F(SolutionPathTest, ClosingTheAboutBoxRecalculatesAndRedrawsThePath)
{
    enterInputs("80", "50", "90", "10");
    log.clear();
    QTimer::singleShot(0, [] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->windowTitle(), "About Brackmere");
        about->findChild<QPushButton*>("cmdOK")->click();
    });
    element<QAction>("mnuHelpAbout")->trigger();
    EXPECT_EQ(pathLines().size(), 6u);
    EXPECT_TRUE(element<QPushButton>("cmdRunNomo")->isEnabled());
}

}  // namespace

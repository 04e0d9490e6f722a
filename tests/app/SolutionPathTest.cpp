#include <QAction>
#include <QApplication>

#include "tests/app/MainWindowFixture.h"
#include "tests/support/ModalDialogs.h"
#include "ui/ChartOperations.h"
#include "ui/ChartPanel.h"

// The path's geometry is pinned by the chart's own tests; here the window must hand
// the run's values to it, keep it on the transient layer, and draw it again whenever
// the panels are repainted.
namespace {

class SolutionPathTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        for (const char* name : {"picRH", "picCT", "picWV", "picRate"})
            element<ChartPanel>(name)->setOperationLog(&log);
    }
    // The path is drawn in lines four pixels wide; the chart's lines are thinner.
    std::vector<ChartOperation> pathLines() const
    {
        std::vector<ChartOperation> lines = log.of(ChartOperation::Kind::Line);
        std::erase_if(lines, [](const ChartOperation& op) { return op.width != 4; });
        return lines;
    }
    ChartOperationLog log;
};

TEST_F(SolutionPathTest, EachRunClearsOnlyThePathAndDrawsItsOwn)
{
    enterInputs("80", "50", "90", "10");
    const std::vector<ChartOperation> lines = pathLines();
    ASSERT_EQ(lines.size(), 6u);
    const NomographSolution& s = window->solution();
    EXPECT_EQ(lines[0].from, QPointF(80, 0));
    EXPECT_EQ(lines[0].to, QPointF(80, s.RHOrdinate));
    EXPECT_EQ(lines[3].from, QPointF(s.XIntersection, s.RHOrdinate));
    EXPECT_EQ(lines[4].from, QPointF(0, s.EvaporationRateNomo));
    for (const ChartOperation& line : lines)
        EXPECT_EQ(line.layer, ChartLayer::Transient);

    log.clear();
    box("txtWindVelocity")->setText("5");
    const auto clears = log.of(ChartOperation::Kind::Clear);
    ASSERT_FALSE(clears.empty());
    for (const ChartOperation& op : clears)
        EXPECT_EQ(op.layer, ChartLayer::Transient) << "the chart must survive a recalculation";
    EXPECT_EQ(pathLines().size(), 6u);
}

TEST_F(SolutionPathTest, AResizeRedrawsTheChartAndThePathOnlyWithASolution)
{
    window->show();
    for (bool solved : {false, true}) {
        SCOPED_TRACE(solved ? "solved" : "no solution");
        if (solved)
            enterInputs("80", "50", "90", "10");
        QApplication::processEvents();
        log.clear();
        window->resize(window->size() + QSize(40, 30));
        QApplication::processEvents();
        EXPECT_FALSE(log.of(ChartOperation::Kind::Text, "picRate").empty()) << "chart redrawn";
        EXPECT_EQ(pathLines().size(), solved ? 6u : 0u);
    }
}

TEST_F(SolutionPathTest, TheRedrawButtonAndClosingTheAboutBoxDrawThePathAgain)
{
    enterInputs("80", "50", "90", "10");
    log.clear();
    element<QPushButton>("cmdRunNomo")->click();
    EXPECT_EQ(pathLines().size(), 6u);
    EXPECT_TRUE(log.of(ChartOperation::Kind::Text).empty()) << "the chart is not redrawn";

    log.clear();
    OnNextDialog([](QWidget& about) { Element<QPushButton>(about, "cmdOK")->click(); });
    element<QAction>("mnuHelpAbout")->trigger();
    EXPECT_EQ(pathLines().size(), 6u);
}

}  // namespace

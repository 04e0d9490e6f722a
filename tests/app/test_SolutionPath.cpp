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

TEST_F(SolutionPathTest, DrawsTheSixLinesOfTheWorkedCaseOnTheTransientLayer)
{
    enterInputs("80", "50", "90", "10");
    const std::vector<ChartOperation> lines = pathLines();
    ASSERT_EQ(lines.size(), 6u);
    const float y = window->solution().RHOrdinate;
    const float x = window->solution().XIntersection;
    const float rate = window->solution().EvaporationRateNomo;
    EXPECT_NEAR(y, 2.41975, 5e-6);
    EXPECT_NEAR(x, 3.97325, 5e-6);
    EXPECT_NEAR(rate, 0.24144, 5e-6);
    const struct {
        const char* panel;
        QPointF from, to;
    } expected[6] = {
        {"picRH", {80, 0}, {80, y}},  {"picRH", {80, y}, {100, y}},   {"picCT", {0, y}, {x, y}},
        {"picCT", {x, y}, {x, 0}},    {"picWV", {0, rate}, {x, rate}}, {"picWV", {x, rate}, {x, 1}},
    };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(lines[i].surface, expected[i].panel) << "line " << i + 1;
        EXPECT_NEAR(lines[i].from.x(), expected[i].from.x(), 1e-5) << "line " << i + 1;
        EXPECT_NEAR(lines[i].from.y(), expected[i].from.y(), 1e-5) << "line " << i + 1;
        EXPECT_NEAR(lines[i].to.x(), expected[i].to.x(), 1e-5) << "line " << i + 1;
        EXPECT_NEAR(lines[i].to.y(), expected[i].to.y(), 1e-5) << "line " << i + 1;
        EXPECT_EQ(lines[i].layer, ChartLayer::Transient);
        EXPECT_EQ(lines[i].color, 0x9DFFFFu);
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

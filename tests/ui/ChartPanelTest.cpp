#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <stdexcept>

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>

#include "tests/support/MessageRecorder.h"
#include "ui/ChartPanel.h"
#include "ui/Colors.h"
#include "ui/GraphicsSupp.h"

namespace {

const QString chartBack = Colors::toQColor(Colors::ChartBack).name();
const QString pathColor = Colors::toQColor(Colors::SolutionPathOnScreen).name();
const QString black = "#000000";

// A panel with a user scale of 0..10 both ways, y upward, holding a black persistent
// line at x = 2 and a thick transient path at x = 7.
struct LayeredPanel {
    LayeredPanel()
    {
        panel.setObjectName("picTest");
        panel.resize(200, 100);
        panel.SetBackColor(Colors::ChartBack);
        panel.Scale(0, 10, 10, 0);
        panel.setOperationLog(&log);
        panel.SetAutoRedraw(true);
        panel.Line(2, 0, 2, 10);
        panel.SetAutoRedraw(false);
        panel.SetDrawWidth(4);
        panel.Line(7, 0, 7, 10, Colors::SolutionPathOnScreen);
        panel.SetDrawWidth(1);
    }

    // The colours shown, both layers composed, on the chart's line, the path and between them.
    std::vector<QString> shown()
    {
        const QImage image = panel.grab().toImage();
        std::vector<QString> colours;
        for (double x : {2, 7, 5}) {
            const QPointF pixel = panel.toPixels(x, 5) * image.devicePixelRatio();
            colours.push_back(image.pixelColor(int(pixel.x()), int(pixel.y())).name());
        }
        return colours;
    }

    ChartPanel panel;
    ChartOperationLog log;
};

// The path once vanished on the first repaint while the rates it led to still showed.
TEST(ChartPanelLayers, PathSurvivesRepaintsUntilClsWithAutoRedrawOffRemovesIt)
{
    LayeredPanel p;
    p.panel.show();
    p.panel.repaint();
    p.panel.hide();
    QApplication::processEvents();
    p.panel.show();
    p.panel.update();
    QApplication::processEvents();
    EXPECT_EQ(p.shown(), (std::vector<QString>{black, pathColor, chartBack}));

    p.panel.SetCurrentX(3);
    p.panel.SetCurrentY(4);
    p.panel.Cls();
    EXPECT_EQ(p.shown(), (std::vector<QString>{black, chartBack, chartBack}));
    EXPECT_EQ(p.panel.CurrentX(), 0);
    EXPECT_EQ(p.panel.CurrentY(), 0);
    const auto clears = p.log.of(ChartOperation::Kind::Clear);
    ASSERT_EQ(clears.size(), 1u);
    EXPECT_EQ(clears[0].layer, ChartLayer::Transient);
}

TEST(ChartPanelLayers, ClsWithAutoRedrawOnANewBackColourAndResizingBlankBothLayers)
{
    const struct { const char* name; std::function<void(ChartPanel&)> act; QString blank; } cases[] = {
        {"Cls with AutoRedraw on", [](ChartPanel& panel) { panel.SetAutoRedraw(true); panel.Cls(); }, chartBack},
        {"new back colour", [](ChartPanel& panel) { panel.SetBackColor(Colors::QBColor(15)); }, "#ffffff"},
        {"resize", [](ChartPanel& panel) { panel.resize(180, 90); }, chartBack},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LayeredPanel p;
        c.act(p.panel);
        EXPECT_EQ(p.shown(), std::vector<QString>(3, c.blank));
    }
}

TEST(ChartPanelLayers, SegmentsThroughInfinityAreRecordedButNotPainted)
{
    LayeredPanel p;
    p.panel.Line(std::numeric_limits<double>::infinity(), 5, 3, 5);
    EXPECT_EQ(p.log.of(ChartOperation::Kind::Line).size(), 3u);
    EXPECT_EQ(p.shown(), (std::vector<QString>{black, pathColor, chartBack}));
}

// A redraw that repeats what the persistent layer shows is not drawn again; whatever it
// asks for, the panel shows what a fresh panel given only that redraw shows.
TEST(ChartPanelLayers, ARedrawShowsWhatItAsksForWhetherOrNotItRepeatsTheLast)
{
    using Step = std::function<void(ChartPanel&)>;
    const Step gridLine = [](ChartPanel& panel) { panel.Line(0, 2, 10, 2); };
    const Step curve = [](ChartPanel& panel) { panel.Line(1, 1, 9, 8, Colors::QBColor(9)); };
    const Step otherCurve = [](ChartPanel& panel) { panel.Line(1, 1, 9, 7, Colors::QBColor(9)); };
    const Step label = [](ChartPanel& panel) {
        panel.SetCurrentX(2);
        panel.SetCurrentY(9);
        panel.Print("50");
    };
    const Step clear = [](ChartPanel& panel) { panel.Cls(); };
    const Step whiten = [](ChartPanel& panel) { panel.SetBackColor(Colors::QBColor(15)); };
    const auto drawn = [](const std::vector<Step>& steps) {
        auto panel = std::make_unique<ChartPanel>();
        panel->resize(200, 100);
        panel->SetBackColor(Colors::ChartBack);
        panel->Scale(0, 10, 10, 0);
        panel->SetAutoRedraw(true);
        for (const Step& step : steps)
            step(*panel);
        return panel;
    };
    const struct { const char* name; std::vector<Step> redraw; } cases[] = {
        {"the same again", {clear, gridLine, curve, label}},
        {"part of it", {clear, gridLine}},
        {"parting halfway", {clear, gridLine, otherCurve, label}},
        {"more than before", {clear, gridLine, curve, label, otherCurve}},
        {"nothing", {clear}},
        {"on another back colour", {whiten, gridLine, curve, label}},
        {"twice cleared", {clear, gridLine, clear, gridLine, curve}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Step> steps{gridLine, curve, label};
        steps.insert(steps.end(), c.redraw.begin(), c.redraw.end());
        EXPECT_TRUE(drawn(steps)->grab().toImage() == drawn(c.redraw)->grab().toImage());
    }
}

TEST(ChartPanelText, ExtentsFollowTheScaleAndPrintMovesToTheStartOfTheNextLine)
{
    ChartPanel panel;
    panel.resize(200, 100);
    panel.Scale(5, 10, 25, 0);
    const QFontMetricsF metrics(panel.font(), &panel);
    EXPECT_FLOAT_EQ(panel.TextWidth("0.5"), float(metrics.horizontalAdvance("0.5") * 20 / 200));
    EXPECT_FLOAT_EQ(panel.TextHeight("0.5"), float(-metrics.height() * 10 / 100)) << "y grows upward";
    const float plainWidth = panel.TextWidth("Air Temperature (°F)");
    panel.SetFontBold(true);
    EXPECT_GT(panel.TextWidth("Air Temperature (°F)"), plainWidth) << "bold is measured bold";

    panel.SetCurrentX(8);
    panel.SetCurrentY(6);
    panel.Print("50");
    EXPECT_FLOAT_EQ(panel.CurrentX(), 5);
    EXPECT_FLOAT_EQ(panel.CurrentY(), 6 + panel.TextHeight("50"));
}

// Text printed at another resolution than it was measured at would not fill the
// extent TextWidth and TextHeight promise.
TEST(ChartPanelText, PrintedTextFillsItsMeasuredExtent)
{
    ChartPanel panel;
    panel.resize(300, 60);
    panel.SetBackColor(Colors::QBColor(15));
    panel.Scale(0, 0, 300, 60);
    panel.SetAutoRedraw(true);
    const QString text = "MMMMMMMMMMMM";
    panel.SetCurrentX(10);
    panel.SetCurrentY(10);
    panel.Print(text);

    const QImage shown = panel.grab().toImage();
    QPoint lowestRightInk(-1, -1);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixelColor(x, y).lightness() < 128)
                lowestRightInk = QPoint(std::max(lowestRightInk.x(), x), std::max(lowestRightInk.y(), y));
    const QPointF ink = QPointF(lowestRightInk) / shown.devicePixelRatio() - QPointF(10, 10);
    EXPECT_LE(ink.x(), panel.TextWidth(text));
    EXPECT_GT(ink.x(), 0.9f * panel.TextWidth(text));
    EXPECT_LE(ink.y(), panel.TextHeight(text));
    EXPECT_GT(ink.y(), 0.5f * panel.TextHeight(text));
}

// A resolution other than the default catches an image left at its default dots per meter.
TEST(LayerImage, IsSizedAtTheDevicePixelRatioAndPrintsAtTheLogicalResolution)
{
    LayerImage layer(QImage::Format_RGB32);
    layer.reset(QSize(219, 274), 2.0, 120, 144, Qt::white);
    EXPECT_EQ(layer.image().size(), QSize(438, 548));
    EXPECT_EQ(layer.image().deviceIndependentSize(), QSizeF(219, 274));
    EXPECT_EQ(layer.image().logicalDpiX(), 120);
    EXPECT_EQ(layer.image().logicalDpiY(), 144);
    EXPECT_TRUE(layer.isBlank());
}

// A system colour follows the palette in force: the button face its button colour, any
// other the window's. The classic palette ends at 15.
TEST(Colors, SystemColoursFollowThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor("#123456"));
    palette.setColor(QPalette::Window, QColor("#abcdef"));
    EXPECT_EQ(Colors::toQColor(Colors::ButtonFace, palette).name(), "#123456");
    EXPECT_EQ(Colors::toQColor(Colors::SystemColorFlag + 5, palette).name(), "#abcdef");
    EXPECT_THROW(Colors::QBColor(16), std::out_of_range);
}

// An area puts its first corner at the bottom left and the second at the top right of
// the 164 x 274 panel, each margin inside the edge. A line complains and leaves the
// panel in twips, which follow the logical resolution: 1440 to the inch.
TEST(SetUserScale, MapsAnAreaWithinTheMarginsAndRefusesALine)
{
    const struct { float x1, y1, x2, y2, xMargin, yMargin; bool line; } cases[] = {
        {40, 0, 100, 10, 0, 0, false}, {0, 1, 8, 0, 0, 0, false}, {0, 0, 8, 10, 12, 7, false},
        {5, 0, 5, 10, 0, 0, true},     {0, 3, 8, 3, 0, 0, true},  {1, 1, 1, 1, 0, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x1 << ',' << c.y1 << ' ' << c.x2 << ',' << c.y2);
        MessageRecorder messages;
        ChartPanel panel;
        panel.resize(164, 274);
        GraphicsSupp::SetUserScale(panel, 40, 0, 100, 10, 0, 0);
        GraphicsSupp::SetUserScale(panel, c.x1, c.y1, c.x2, c.y2, c.xMargin, c.yMargin);
        EXPECT_EQ(panel.ScaleMode(), c.line ? ChartScaleMode::Twips : ChartScaleMode::User);
        if (c.line) {
            ASSERT_EQ(messages.messages().size(), 1u);
            EXPECT_EQ(messages.messages()[0].text, "Can't size a window on the width of a line.");
            EXPECT_EQ(messages.messages()[0].title, "Set Scale Error");
            EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::Critical);
            EXPECT_FLOAT_EQ(panel.ScaleWidth(), 164 * 1440.0f / panel.logicalDpiX());
            EXPECT_FLOAT_EQ(panel.ScaleHeight(), 274 * 1440.0f / panel.logicalDpiY());
            EXPECT_EQ(panel.toPixels(0, 0), QPointF(0, 0));
        } else {
            EXPECT_TRUE(messages.messages().empty());
            EXPECT_LT((panel.toPixels(c.x1, c.y1) - QPointF(c.xMargin, 274 - c.yMargin)).manhattanLength(), 1e-3);
            EXPECT_LT((panel.toPixels(c.x2, c.y2) - QPointF(164 - c.xMargin, c.yMargin)).manhattanLength(), 1e-3);
        }
    }
}

}  // namespace

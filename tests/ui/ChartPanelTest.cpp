#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>

#include "tests/ui/DesignPanels.h"
#include "ui/ChartPanel.h"
#include "ui/Colors.h"
#include "ui/LayerImage.h"

namespace {

using Colors::QBColor;

const QColor chartBack = Colors::toQColor(Colors::ChartBack);
const QColor pathColor = Colors::toQColor(Colors::SolutionPathOnScreen);
const QColor black = Colors::toQColor(QBColor(0));

// A panel on screen with a user scale of 0..10 both ways, y upward, holding a
// black persistent line at x = 2 and a thick transient "path" at x = 7.
class ChartPanelLayers : public ::testing::Test {
protected:
    ChartPanelLayers()
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

    QColor chartPixel() { return shownColorAt(panel, 2, 5); }
    QColor pathPixel() { return shownColorAt(panel, 7, 5); }

    ChartPanel panel;
    ChartOperationLog log;
};

TEST_F(ChartPanelLayers, BothLayersShowTogether)
{
    EXPECT_EQ(chartPixel(), black);
    EXPECT_EQ(pathPixel(), pathColor);
    EXPECT_EQ(shownColorAt(panel, 5, 5), chartBack);
}

TEST_F(ChartPanelLayers, PathSurvivesRepaintsAndBeingHiddenAndShownAgain)
{
    panel.show();
    panel.repaint();
    panel.hide();
    QApplication::processEvents();
    panel.show();
    panel.update();
    QApplication::processEvents();

    EXPECT_EQ(pathPixel(), pathColor);
    EXPECT_EQ(chartPixel(), black);
}

TEST_F(ChartPanelLayers, ClsWithAutoRedrawOffRemovesOnlyThePath)
{
    panel.Cls();

    EXPECT_EQ(pathPixel(), chartBack);
    EXPECT_EQ(chartPixel(), black);
    const auto clears = log.of(ChartOperation::Kind::Clear);
    ASSERT_EQ(clears.size(), 1u);
    EXPECT_EQ(clears[0].layer, ChartLayer::Transient);
}

TEST_F(ChartPanelLayers, ClsWithAutoRedrawOnBlanksBothLayers)
{
    panel.SetAutoRedraw(true);
    panel.Cls();

    EXPECT_EQ(pathPixel(), chartBack);
    EXPECT_EQ(chartPixel(), chartBack);
    const auto clears = log.of(ChartOperation::Kind::Clear);
    ASSERT_EQ(clears.size(), 1u);
    EXPECT_EQ(clears[0].layer, ChartLayer::Persistent);
}

TEST_F(ChartPanelLayers, ClsResetsTheCurrentPosition)
{
    panel.SetCurrentX(3);
    panel.SetCurrentY(4);
    panel.Cls();
    EXPECT_EQ(panel.CurrentX(), 0);
    EXPECT_EQ(panel.CurrentY(), 0);
}

TEST_F(ChartPanelLayers, NewBackColorRepaintsTheWholePanel)
{
    panel.SetBackColor(QBColor(15));

    EXPECT_EQ(panel.BackColor(), QBColor(15));
    EXPECT_EQ(chartPixel(), Qt::white);
    EXPECT_EQ(pathPixel(), Qt::white);
}

TEST_F(ChartPanelLayers, ResizingBlanksBothLayersInTheBackColour)
{
    panel.resize(180, 90);

    EXPECT_EQ(chartPixel(), chartBack);
    EXPECT_EQ(pathPixel(), chartBack);
}

TEST_F(ChartPanelLayers, SegmentsThroughInfinityAreRecordedButNotPainted)
{
    panel.Line(std::numeric_limits<double>::infinity(), 5, 3, 5);
    EXPECT_EQ(log.of(ChartOperation::Kind::Line).size(), 3u);
    EXPECT_EQ(shownColorAt(panel, 5, 5), chartBack);
}

TEST(ChartPanelScale, TwipsFollowTheLogicalResolution)
{
    ChartPanel panel;
    panel.resize(164, 274);
    EXPECT_EQ(panel.ScaleMode(), ChartScaleMode::Twips);
    EXPECT_FLOAT_EQ(panel.ScaleWidth(), 164 * 1440.0f / panel.logicalDpiX());
    EXPECT_FLOAT_EQ(panel.ScaleHeight(), 274 * 1440.0f / panel.logicalDpiY());
    if (panel.logicalDpiX() == 96) {
        EXPECT_FLOAT_EQ(panel.ScaleWidth(), 164 * 15.0f);
    }
}

TEST(ChartPanelText, ExtentsAreSignedByTheScaleDirection)
{
    ChartPanel panel;
    panel.resize(200, 100);
    panel.Scale(0, 10, 20, 0);
    const QFontMetricsF metrics(panel.font(), &panel);

    EXPECT_FLOAT_EQ(panel.TextWidth("0.5"), float(metrics.horizontalAdvance("0.5") * 20 / 200));
    EXPECT_FLOAT_EQ(panel.TextHeight("0.5"), float(-metrics.height() * 10 / 100));
}

TEST(ChartPanelText, BoldIsMeasuredBold)
{
    ChartPanel panel;
    panel.resize(200, 100);
    const QString caption = "Air Temperature (°F)";
    const float plain = panel.TextWidth(caption);
    panel.SetFontBold(true);
    QFont bold = panel.font();
    bold.setBold(true);

    EXPECT_FLOAT_EQ(panel.TextWidth(caption),
                    float(QFontMetricsF(bold, &panel).horizontalAdvance(caption) * 1440 /
                          panel.logicalDpiX()));
    EXPECT_GT(panel.TextWidth(caption), plain);
}

// The ink of a printed text fills the extent TextWidth and TextHeight promise:
// text printed at another resolution than it was measured at would not.
TEST(ChartPanelText, PrintedTextFillsItsMeasuredExtent)
{
    ChartPanel panel;
    panel.resize(300, 60);
    panel.SetBackColor(QBColor(15));
    panel.Scale(0, 0, 300, 60);
    panel.SetAutoRedraw(true);
    const QString text = "MMMMMMMMMMMM";
    panel.SetCurrentX(10);
    panel.SetCurrentY(10);
    panel.Print(text);

    const QImage shown = panel.grab().toImage();
    int rightmostInk = -1;
    int lowestInk = -1;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixelColor(x, y).lightness() < 128) {
                rightmostInk = std::max(rightmostInk, x);
                lowestInk = std::max(lowestInk, y);
            }
        }
    }
    const double ratio = shown.devicePixelRatio();
    const float right = 10 + panel.TextWidth(text);
    const float bottom = 10 + panel.TextHeight(text);
    EXPECT_LE(rightmostInk / ratio, right);
    EXPECT_GT(rightmostInk / ratio, 10 + 0.9f * panel.TextWidth(text));
    EXPECT_LE(lowestInk / ratio, bottom);
    EXPECT_GT(lowestInk / ratio, 10 + 0.5f * panel.TextHeight(text));
}

TEST(ChartPanelText, PrintMovesToTheStartOfTheNextLine)
{
    ChartPanel panel;
    panel.resize(200, 100);
    panel.Scale(5, 10, 20, 0);
    panel.SetCurrentX(8);
    panel.SetCurrentY(6);
    panel.Print("50");
    EXPECT_FLOAT_EQ(panel.CurrentX(), 5);
    EXPECT_FLOAT_EQ(panel.CurrentY(), 6 + panel.TextHeight("50"));
}

TEST(LayerImage, IsSizedAtTheDevicePixelRatioAndPrintsAtTheLogicalResolution)
{
    LayerImage layer(QImage::Format_RGB32);
    layer.reset(QSize(219, 274), 2.0, 120, 144, Qt::white);

    const QImage& image = layer.image();
    EXPECT_EQ(image.size(), QSize(438, 548));
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(219, 274));
    EXPECT_EQ(image.logicalDpiX(), 120);
    EXPECT_EQ(image.logicalDpiY(), 144);
    EXPECT_TRUE(layer.isBlank());
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <ostream>
#include <stdexcept>

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>

#include "tests/support/MessageRecorder.h"
#include "ui/ChartPanel.h"
#include "ui/Colors.h"
#include "ui/GraphicsSupp.h"

void PrintTo(const QColor& color, std::ostream* os)
{
    *os << color.name(QColor::HexArgb).toStdString();
}

namespace {

// The colour shown at a point given in the panel's user units, both layers composed.
QColor shownColorAt(ChartPanel& panel, double x, double y)
{
    const QImage shown = panel.grab().toImage();
    const QPointF pixel = panel.toPixels(x, y) * shown.devicePixelRatio();
    return shown.pixelColor(int(pixel.x()), int(pixel.y()));
}

const QColor chartBack = Colors::toQColor(Colors::ChartBack);
const QColor pathColor = Colors::toQColor(Colors::SolutionPathOnScreen);
const QColor black(Qt::black);

// A panel with a user scale of 0..10 both ways, y upward, holding a black
// persistent line at x = 2 and a thick transient "path" at x = 7.
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

    void expectShown(const QColor& chart, const QColor& path, const QColor& between = chartBack)
    {
        EXPECT_EQ(shownColorAt(panel, 2, 5), chart);
        EXPECT_EQ(shownColorAt(panel, 7, 5), path);
        EXPECT_EQ(shownColorAt(panel, 5, 5), between);
    }

    ChartPanel panel;
    ChartOperationLog log;
};

// The path once vanished on the first repaint while the rates it led to still showed.
TEST(ChartPanelLayers, PathSurvivesRepaintsUntilClsWithAutoRedrawOffRemovesIt)
{
    LayeredPanel p;
    p.expectShown(black, pathColor);
    p.panel.show();
    p.panel.repaint();
    p.panel.hide();
    QApplication::processEvents();
    p.panel.show();
    p.panel.update();
    QApplication::processEvents();
    p.expectShown(black, pathColor);

    p.panel.SetCurrentX(3);
    p.panel.SetCurrentY(4);
    p.panel.Cls();

    p.expectShown(black, chartBack);
    EXPECT_EQ(p.panel.CurrentX(), 0);
    EXPECT_EQ(p.panel.CurrentY(), 0);
    const auto clears = p.log.of(ChartOperation::Kind::Clear);
    ASSERT_EQ(clears.size(), 1u);
    EXPECT_EQ(clears[0].layer, ChartLayer::Transient);
}

TEST(ChartPanelLayers, ClsWithAutoRedrawOnANewBackColourAndResizingBlankBothLayers)
{
    const struct {
        const char* name;
        std::function<void(ChartPanel&)> act;
        QColor blank;
    } cases[] = {
        {"Cls with AutoRedraw on", [](ChartPanel& panel) { panel.SetAutoRedraw(true); panel.Cls(); }, chartBack},
        {"new back colour", [](ChartPanel& panel) { panel.SetBackColor(Colors::QBColor(15)); }, Qt::white},
        {"resize", [](ChartPanel& panel) { panel.resize(180, 90); }, chartBack},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LayeredPanel p;
        c.act(p.panel);
        p.expectShown(c.blank, c.blank, c.blank);
    }
}

TEST(ChartPanelLayers, SegmentsThroughInfinityAreRecordedButNotPainted)
{
    LayeredPanel p;
    p.panel.Line(std::numeric_limits<double>::infinity(), 5, 3, 5);
    EXPECT_EQ(p.log.of(ChartOperation::Kind::Line).size(), 3u);
    p.expectShown(black, pathColor);
}

TEST(ChartPanelText, ExtentsFollowTheScaleAndPrintMovesToTheStartOfTheNextLine)
{
    ChartPanel panel;
    panel.resize(200, 100);
    panel.Scale(5, 10, 25, 0);
    const QFontMetricsF metrics(panel.font(), &panel);
    const QString caption = "Air Temperature (°F)";

    EXPECT_FLOAT_EQ(panel.TextWidth("0.5"), float(metrics.horizontalAdvance("0.5") * 20 / 200));
    EXPECT_FLOAT_EQ(panel.TextHeight("0.5"), float(-metrics.height() * 10 / 100)) << "y grows upward";
    const float plainWidth = panel.TextWidth(caption);
    panel.SetFontBold(true);
    EXPECT_GT(panel.TextWidth(caption), plainWidth) << "bold is measured bold";

    panel.SetCurrentX(8);
    panel.SetCurrentY(6);
    panel.Print("50");
    EXPECT_FLOAT_EQ(panel.CurrentX(), 5);
    EXPECT_FLOAT_EQ(panel.CurrentY(), 6 + panel.TextHeight("50"));
}

// Text printed at another resolution than it was measured at would not fill
// the extent TextWidth and TextHeight promise.
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
    EXPECT_LE(rightmostInk / ratio, 10 + panel.TextWidth(text));
    EXPECT_GT(rightmostInk / ratio, 10 + 0.9f * panel.TextWidth(text));
    EXPECT_LE(lowestInk / ratio, 10 + panel.TextHeight(text));
    EXPECT_GT(lowestInk / ratio, 10 + 0.5f * panel.TextHeight(text));
}

// A resolution other than the default catches an image left at its default dots per meter.
TEST(LayerImage, IsSizedAtTheDevicePixelRatioAndPrintsAtTheLogicalResolution)
{
    LayerImage layer(QImage::Format_RGB32);
    layer.reset(QSize(219, 274), 2.0, 120, 144, Qt::white);

    const QImage& image = layer.image();
    EXPECT_EQ(image.size(), QSize(438, 548));
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(219, 274));
    EXPECT_EQ(image.logicalDpiX(), 120);
    EXPECT_EQ(image.logicalDpiY(), 144);
    EXPECT_TRUE(layer.isBlank());
}

// Colour references keep red in the low byte.
TEST(Colors, PaletteAndChartColoursReadAsTheirRgb)
{
    const struct {
        uint32_t color;
        uint32_t reference;
        const char* rgb;
    } colors[] = {
        {Colors::QBColor(0), 0x000000, "#000000"},  {Colors::QBColor(1), 0x800000, "#000080"},
        {Colors::QBColor(4), 0x000080, "#800000"},  {Colors::QBColor(7), 0xC0C0C0, "#c0c0c0"},
        {Colors::QBColor(9), 0xFF0000, "#0000ff"},  {Colors::QBColor(12), 0x0000FF, "#ff0000"},
        {Colors::QBColor(13), 0xFF00FF, "#ff00ff"}, {Colors::QBColor(14), 0x00FFFF, "#ffff00"},
        {Colors::QBColor(15), 0xFFFFFF, "#ffffff"}, {Colors::ChartBack, 0xE9C896, "#96c8e9"},
        {Colors::RateScaleBack, 0x8DFA5F, "#5ffa8d"}, {Colors::SolutionPathOnScreen, 0x9DFFFF, "#ffff9d"},
    };
    for (const auto& c : colors) {
        SCOPED_TRACE(c.rgb);
        EXPECT_EQ(c.color, c.reference);
        EXPECT_EQ(Colors::toQColor(c.color).name(), QString(c.rgb));
    }
    EXPECT_THROW(Colors::QBColor(-1), std::out_of_range);
    EXPECT_THROW(Colors::QBColor(16), std::out_of_range);
}

TEST(Colors, ButtonFaceFollowsThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor("#123456"));
    palette.setColor(QPalette::Window, QColor("#abcdef"));
    EXPECT_EQ(Colors::toQColor(Colors::ButtonFace, palette).name(), "#123456");
}

void expectPixel(QPointF actual, QPointF expected)
{
    EXPECT_NEAR(actual.x(), expected.x(), 1e-3);
    EXPECT_NEAR(actual.y(), expected.y(), 1e-3);
}

// The first corner lands at the bottom left and the second at the top right of
// the 164 x 274 panel, each margin that many pixels inside the edge.
TEST(SetUserScale, PutsTheFirstCornerBottomLeftWithinTheMargins)
{
    const struct {
        float x1, y1, x2, y2, xMargin, yMargin;
    } areas[] = {{40, 0, 100, 10, 0, 0}, {0, 1, 8, 0, 0, 0}, {0, 0, 8, 10, 12, 7}};
    for (const auto& a : areas) {
        SCOPED_TRACE(testing::Message() << a.x1 << ',' << a.y1 << ' ' << a.x2 << ',' << a.y2);
        MessageRecorder messages;
        ChartPanel panel;
        panel.resize(164, 274);
        GraphicsSupp::SetUserScale(panel, a.x1, a.y1, a.x2, a.y2, a.xMargin, a.yMargin);

        EXPECT_EQ(panel.ScaleMode(), ChartScaleMode::User);
        expectPixel(panel.toPixels(a.x1, a.y1), QPointF(a.xMargin, 274 - a.yMargin));
        expectPixel(panel.toPixels(a.x2, a.y2), QPointF(164 - a.xMargin, a.yMargin));
        EXPECT_TRUE(messages.messages().empty());
    }
}

TEST(SetUserScale, OnALineComplainsAndLeavesThePanelInTwips)
{
    const struct {
        float x1, y1, x2, y2;
    } lines[] = {{5, 0, 5, 10}, {0, 3, 8, 3}, {1, 1, 1, 1}};
    for (const auto& l : lines) {
        SCOPED_TRACE(testing::Message() << l.x1 << ',' << l.y1 << ' ' << l.x2 << ',' << l.y2);
        MessageRecorder messages;
        ChartPanel panel;
        panel.resize(164, 274);
        GraphicsSupp::SetUserScale(panel, 40, 0, 100, 10, 0, 0);
        GraphicsSupp::SetUserScale(panel, l.x1, l.y1, l.x2, l.y2, 0, 0);

        ASSERT_EQ(messages.messages().size(), 1u);
        const Msg::Request& message = messages.messages().front();
        EXPECT_EQ(message.text, "Can't size a window on the width of a line.");
        EXPECT_EQ(message.title, "Set Scale Error");
        EXPECT_EQ(message.icon, Msg::Icon::Critical);
        EXPECT_EQ(message.buttons, Msg::Buttons::Ok);
        // Twips follow the logical resolution: 1440 to the inch.
        EXPECT_EQ(panel.ScaleMode(), ChartScaleMode::Twips);
        EXPECT_FLOAT_EQ(panel.ScaleWidth(), 164 * 1440.0f / panel.logicalDpiX());
        EXPECT_FLOAT_EQ(panel.ScaleHeight(), 274 * 1440.0f / panel.logicalDpiY());
        expectPixel(panel.toPixels(0, 0), QPointF(0, 0));
    }
}

}  // namespace

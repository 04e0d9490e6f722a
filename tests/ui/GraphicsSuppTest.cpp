#include <gtest/gtest.h>

#include "tests/support/MessageRecorder.h"
#include "ui/ChartPanel.h"
#include "ui/GraphicsSupp.h"

namespace {

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

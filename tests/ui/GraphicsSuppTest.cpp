#include <gtest/gtest.h>

#include "tests/support/MessageRecorder.h"
#include "ui/ChartPanel.h"
#include "ui/GraphicsSupp.h"

namespace {

class SetUserScaleTest : public ::testing::Test {
protected:
    SetUserScaleTest() { panel.resize(164, 274); }

    ChartPanel panel;
    MessageRecorder messages;
};

void expectPixel(QPointF actual, QPointF expected)
{
    EXPECT_NEAR(actual.x(), expected.x(), 1e-3);
    EXPECT_NEAR(actual.y(), expected.y(), 1e-3);
}

TEST_F(SetUserScaleTest, AreaFillsThePanelWithYGrowingUpward)
{
    GraphicsSupp::SetUserScale(panel, 40, 0, 100, 10, 0, 0);

    EXPECT_EQ(panel.ScaleMode(), ChartScaleMode::User);
    expectPixel(panel.toPixels(40, 0), QPointF(0, 274));
    expectPixel(panel.toPixels(100, 10), QPointF(164, 0));
    EXPECT_FLOAT_EQ(panel.ScaleWidth(), 60);
    EXPECT_FLOAT_EQ(panel.ScaleHeight(), -10);
    EXPECT_FLOAT_EQ(panel.ScaleLeft(), 40);
    EXPECT_FLOAT_EQ(panel.ScaleTop(), 10);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SetUserScaleTest, CornersGivenInAnyOrderStillPutTheFirstAtBottomLeft)
{
    GraphicsSupp::SetUserScale(panel, 0, 1, 8, 0, 0, 0);

    expectPixel(panel.toPixels(0, 1), QPointF(0, 274));
    expectPixel(panel.toPixels(8, 0), QPointF(164, 0));
}

TEST_F(SetUserScaleTest, MarginsKeepTheAreaThatManyPixelsFromEachEdge)
{
    GraphicsSupp::SetUserScale(panel, 0, 0, 8, 10, 12, 7);

    expectPixel(panel.toPixels(0, 0), QPointF(12, 274 - 7));
    expectPixel(panel.toPixels(8, 10), QPointF(164 - 12, 7));
}

struct DegenerateArea {
    const char* name;
    float x1, y1, x2, y2;
};

void PrintTo(const DegenerateArea& area, std::ostream* os)
{
    *os << area.name;
}

class SetUserScaleOnALine : public SetUserScaleTest,
                            public ::testing::WithParamInterface<DegenerateArea> {};

TEST_P(SetUserScaleOnALine, ComplainsAndLeavesThePanelInTwips)
{
    GraphicsSupp::SetUserScale(panel, 40, 0, 100, 10, 0, 0);
    const DegenerateArea& area = GetParam();

    GraphicsSupp::SetUserScale(panel, area.x1, area.y1, area.x2, area.y2, 0, 0);

    ASSERT_EQ(messages.messages().size(), 1u);
    const Msg::Request& message = messages.messages().front();
    EXPECT_EQ(message.text, "Can't size a window on the width of a line.");
    EXPECT_EQ(message.title, "Set Scale Error");
    EXPECT_EQ(message.icon, Msg::Icon::Critical);
    EXPECT_EQ(message.buttons, Msg::Buttons::Ok);
    EXPECT_EQ(panel.ScaleMode(), ChartScaleMode::Twips);
    EXPECT_FLOAT_EQ(panel.ScaleWidth(), 164 * 1440.0f / panel.logicalDpiX());
    expectPixel(panel.toPixels(0, 0), QPointF(0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Degenerate, SetUserScaleOnALine,
    ::testing::Values(DegenerateArea{"ZeroWidth", 5, 0, 5, 10}, DegenerateArea{"ZeroHeight", 0, 3, 8, 3},
                      DegenerateArea{"SinglePoint", 1, 1, 1, 1}),
    [](const ::testing::TestParamInfo<DegenerateArea>& info) { return std::string(info.param.name); });

}  // namespace

#include <QApplication>
#include <QLabel>
#include <QScreen>

#include "app/WindowGeometry.h"
#include "tests/app/MainWindowFixture.h"

namespace {

TEST(WindowGeometry, MinimumOuterSizeIsFixedInTwips)
{
    EXPECT_EQ(WindowGeometry::MinimumOuterSizePixels(96), QSize(791, 635));
    EXPECT_EQ(WindowGeometry::MinimumOuterSizePixels(192), QSize(1582, 1270));
}

TEST(WindowGeometry, ANarrowAreaSizesThePanelsFromItsWidth)
{
    // picRH at (56, 8); right container at 441: available 383 x 554, ratio 0.69.
    const auto block = WindowGeometry::FitPanels(783, 581, QRect(56, 8, 164, 273), 441);
    EXPECT_EQ(block.height, 273) << "383 / 1.4 = 273.57, rounded down";
    EXPECT_EQ(block.rhWidth, 164);
    EXPECT_EQ(block.ctWidth, 218);
}

TEST(WindowGeometry, AWideAreaSizesThePanelsFromItsHeight)
{
    // Available 1000 x 554: the block is as high as the area allows.
    const auto block = WindowGeometry::FitPanels(1400, 581, QRect(56, 8, 164, 273), 1058);
    EXPECT_EQ(block.height, 277);
    EXPECT_EQ(block.rhWidth, 166);
    EXPECT_EQ(block.ctWidth, 222);
}

class WindowLayoutTest : public MainWindowFixture {
protected:
    void resizeCanvas(int width, int height)
    {
        window->show();
        QApplication::processEvents();
        QWidget* canvas = window->centralWidget();
        window->resize(window->size() + QSize(width, height) - canvas->size());
        QApplication::processEvents();
        ASSERT_EQ(canvas->size(), QSize(width, height));
    }
    QRect geometryOf(const char* name) const { return element<QWidget>(name)->geometry(); }
};

TEST_F(WindowLayoutTest, KeepsTheEdgesAndFitsThePanelBlock)
{
    resizeCanvas(1200, 900);
    EXPECT_EQ(geometryOf("lblDisplayEqn").top(), 900 - 17);
    const QRect left = geometryOf("fraLeftSideContainer");
    EXPECT_EQ(left.bottom() + 1, 900 - 15);
    const QRect right = geometryOf("fraRightSideContainer");
    EXPECT_EQ(right.right() + 1, 1200 - 5);

    const QRect rh = geometryOf("picRH"), ct = geometryOf("picCT"), wv = geometryOf("picWV"),
                rate = geometryOf("picRate");
    EXPECT_EQ(rh.topLeft(), QPoint(56, 8)) << "picRH never moves";
    EXPECT_EQ(ct.left(), rh.right() + 1);
    EXPECT_EQ(ct.top(), rh.top());
    EXPECT_EQ(ct.height(), rh.height());
    EXPECT_EQ(wv.top(), ct.bottom() + 1);
    EXPECT_EQ(wv.size(), ct.size());
    EXPECT_EQ(rate.right() + 1, ct.left());
    EXPECT_EQ(rate.top(), wv.top());
    EXPECT_EQ(rate.height(), wv.height());
    EXPECT_LE(wv.bottom() + 1, 900 - 17 - 2) << "the block stays above the equation band";
    EXPECT_LE(ct.right() + 1, right.left() - 2) << "and left of the right container";
}

TEST_F(WindowLayoutTest, CannotBeMadeSmallerThanTheMinimum)
{
    window->show();
    window->resize(300, 200);
    QApplication::processEvents();
    const QSize outer = window->frameGeometry().size();
    const QSize minimum = WindowGeometry::MinimumOuterSizePixels(window->logicalDpiX());
    EXPECT_GE(outer.width(), minimum.width());
    EXPECT_GE(outer.height(), minimum.height());
}

}  // namespace

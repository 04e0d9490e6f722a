#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWindow>

#include "app/WindowGeometry.h"
#include "tests/app/MainWindowFixture.h"

namespace {

TEST(WindowGeometry, SizesAreFixedInTwips)
{
    EXPECT_EQ(WindowGeometry::DesignInnerSizePixels(96), QSize(783, 581));
    EXPECT_EQ(WindowGeometry::MinimumOuterSizePixels(96), QSize(791, 635));
    EXPECT_EQ(WindowGeometry::MinimumOuterSizePixels(192), QSize(1582, 1270));
    // The inner minimum is the outer one less what surrounds the inner area, but never
    // more than the design size (no frame, or a thinner one than the design's).
    const struct {
        QSize around, inner;
    } cases[] = {{{0, 0}, {783, 581}}, {{0, 21}, {783, 581}}, {{8, 54}, {783, 581}}, {{12, 70}, {779, 565}}};
    for (const auto& c : cases)
        EXPECT_EQ(WindowGeometry::MinimumInnerSizePixels(96, c.around), c.inner) << c.around.height();
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

TEST_F(WindowLayoutTest, OpensCentredAtItsDesignSize)
{
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(window->centralWidget()->size(), QSize(783, 581));
    const QPoint centre = window->screen()->availableGeometry().center();
    // Placed before the window system adds its frame, which may shift it by half its extent.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    EXPECT_LE((window->frameGeometry().center() - centre).manhattanLength(), 1 + (frame.width() + frame.height()) / 2);
}

// Qt refuses a smaller size itself; a window system without a window manager does
// not, and then the resize handler must hold the minimum.
TEST_F(WindowLayoutTest, CannotBeMadeSmallerThanTheMinimum)
{
    window->show();
    QApplication::processEvents();
    for (const bool bypassQt : {false, true}) {
        SCOPED_TRACE(bypassQt);
        if (bypassQt)
            window->windowHandle()->resize(300, 200);
        else
            window->resize(300, 200);
        // The window system confirms each size in an event of its own.
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
        EXPECT_EQ(window->centralWidget()->size(), QSize(783, 581));
        EXPECT_EQ(geometryOf("picRH").height(), 273) << "the panels are laid out for that size";
    }
}

}  // namespace

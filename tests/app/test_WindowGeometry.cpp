#include <QApplication>

#include "app/WindowGeometry.h"
#include "tests/app/MainWindowFixture.h"

namespace {

TEST(WindowGeometry, MinimumSizeIsFixedInTwipsAndThePanelsFitTheNarrowerSide)
{
    EXPECT_EQ(WindowGeometry::MinimumOuterSizePixels(96), QSize(791, 635));
    EXPECT_EQ(WindowGeometry::MinimumOuterSizePixels(192), QSize(1582, 1270));
    const struct { const char* area; int width, rightContainerLeft, height, rhWidth, ctWidth; } cases[] = {
        {"383 x 554, narrow: from the width, 383 / 1.4 rounded down", 783, 441, 273, 164, 218},
        {"1000 x 554, wide: from the height", 1400, 1058, 277, 166, 222},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.area);
        const auto block = WindowGeometry::FitPanels(c.width, 581, QRect(56, 8, 164, 273), c.rightContainerLeft);
        EXPECT_EQ(block.height, c.height);
        EXPECT_EQ(block.rhWidth, c.rhWidth);
        EXPECT_EQ(block.ctWidth, c.ctWidth);
    }
}

class WindowLayoutTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        window->show();
        QApplication::processEvents();
    }
    QRect geometryOf(const char* name) const { return element(name)->geometry(); }
};

TEST_F(WindowLayoutTest, KeepsTheEdgesAndFitsThePanelBlock)
{
    QWidget* canvas = window->centralWidget();
    window->resize(window->size() + QSize(1200, 900) - canvas->size());
    QApplication::processEvents();
    ASSERT_EQ(canvas->size(), QSize(1200, 900));
    EXPECT_EQ(geometryOf("lblDisplayEqn").top(), 900 - 17);
    EXPECT_EQ(geometryOf("fraLeftSideContainer").bottom() + 1, 900 - 15);
    const QRect right = geometryOf("fraRightSideContainer");
    EXPECT_EQ(right.right() + 1, 1200 - 5);

    const QRect rh = geometryOf("picRH"), ct = geometryOf("picCT"), wv = geometryOf("picWV"),
                rate = geometryOf("picRate");
    EXPECT_EQ(rh.topLeft(), QPoint(56, 8)) << "picRH never moves";
    EXPECT_EQ(ct.topLeft(), QPoint(rh.right() + 1, rh.top()));
    EXPECT_EQ(ct.height(), rh.height());
    EXPECT_EQ(wv.topLeft(), QPoint(ct.left(), ct.bottom() + 1));
    EXPECT_EQ(wv.size(), ct.size());
    EXPECT_EQ(rate.topRight(), QPoint(ct.left() - 1, wv.top()));
    EXPECT_EQ(rate.height(), wv.height());
    EXPECT_LE(wv.bottom() + 1, 900 - 17 - 2) << "the block stays above the equation band";
    EXPECT_LE(ct.right() + 1, right.left() - 2) << "and left of the right container";
}

TEST_F(WindowLayoutTest, CannotBeMadeSmallerThanTheMinimum)
{
    window->resize(300, 200);
    QApplication::processEvents();
    const QSize minimum = WindowGeometry::MinimumOuterSizePixels(window->logicalDpiX());
    EXPECT_GE(window->frameGeometry().width(), minimum.width());
    EXPECT_GE(window->frameGeometry().height(), minimum.height());
}

}  // namespace

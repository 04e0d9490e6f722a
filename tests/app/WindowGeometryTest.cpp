#include <QApplication>
#include <QScreen>
#include <QWindow>

#include "app/WindowGeometry.h"
#include "tests/app/MainWindowFixture.h"

namespace {

TEST(WindowGeometry, MinimumSizeIsFixedInTwipsAndThePanelsFitTheNarrowerSide)
{
    EXPECT_EQ(WindowGeometry::DesignInnerSizePixels(96), QSize(783, 581));
    EXPECT_EQ(WindowGeometry::MinimumOuterSizePixels(96), QSize(791, 635));
    EXPECT_EQ(WindowGeometry::MinimumOuterSizePixels(192), QSize(1582, 1270));
    // The inner minimum is the outer one less what surrounds the inner area, but never
    // more than the design size (no frame, or a thinner one than the design's).
    const struct {
        QSize around, inner;
    } minima[] = {{{0, 0}, {783, 581}}, {{0, 21}, {783, 581}}, {{8, 54}, {783, 581}}, {{12, 70}, {779, 565}}};
    for (const auto& m : minima)
        EXPECT_EQ(WindowGeometry::MinimumInnerSizePixels(96, m.around), m.inner) << m.around.height();
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

// Each input row as laid out: the range label takes the bar's place and the limits
// stand at its ends, on its line, each fitting its place.
TEST_F(WindowLayoutTest, InputRowsKeepTheirDesignGeometry)
{
    const struct {
        const char *box, *bar, *lower, *upper;
    } rows[] = {{"txtAirTemp", "hsbAirTemp", "Label29", "Label33(0)"},
                {"txtRelativeHumidity", "hsbRelativeHumidity", "Label31", "Label33(1)"},
                {"txtConcreteTemp", "hsbConcreteTemp", "Label30", "Label33(2)"},
                {"txtWindVelocity", "hsbWindVelocity", "Label32", "Label33(3)"}};
    for (int row = 0; row < 4; ++row) {
        const auto& r = rows[row];
        SCOPED_TRACE(r.box);
        EXPECT_EQ(geometryOf(r.box), QRect(144, 8 + 48 * row, 37, 19));
        const QRect track = geometryOf(r.bar);
        EXPECT_EQ(track, QRect(16, 32 + 48 * row, 153, 17));
        EXPECT_EQ(label(QStringLiteral("lblValid(%1)").arg(row))->geometry().topLeft(), track.topLeft());
        for (QLabel* limit : {label(r.lower), label(r.upper)}) {
            EXPECT_EQ(limit->y(), track.y());
            EXPECT_LE(limit->fontMetrics().horizontalAdvance(limit->text()), limit->width()) << "fits its place";
        }
        EXPECT_LT(geometryOf(r.lower).right(), track.left());
        EXPECT_GT(geometryOf(r.upper).left(), track.right());
    }
}

}  // namespace

#include "tests/app/MainWindowFixture.h"

namespace {

class InputRowsTest : public MainWindowFixture {
protected:
    QScrollBar* bar(const char* name) const { return element<QScrollBar>(name); }
};

// Which text gives which bar position is the core's business, and the soak's judge
// checks every bar against its box after each random action (clicks and drags too,
// and that no bar keeps the focus); here each box must drive its own bar.
TEST_F(InputRowsTest, EachBoxShowsAndMovesItsOwnBar)
{
    struct Row {
        const char* box, *bar, *lower, *upper;
        int start;
        const char* inside;
        int position;
        const char* outside;
    };
    const Row rows[] = {
        {"txtAirTemp", "hsbAirTemp", "Label29", "Label33(0)", 40, "100", 100, "39.9"},
        {"txtRelativeHumidity", "hsbRelativeHumidity", "Label31", "Label33(1)", 0, "55", 55, "100.4"},
        {"txtConcreteTemp", "hsbConcreteTemp", "Label30", "Label33(2)", 40, " 7 5 ", 75, "   "},
        {"txtWindVelocity", "hsbWindVelocity", "Label32", "Label33(3)", 0, "25", 25, "26"},
    };
    for (int row = 0; row < 4; ++row) {
        const Row& r = rows[row];
        SCOPED_TRACE(r.box);
        // The range label takes the bar's place; the limits stand at its ends, on its line.
        EXPECT_EQ(box(r.box)->geometry(), QRect(144, 8 + 48 * row, 37, 19));
        const QRect track = bar(r.bar)->geometry();
        EXPECT_EQ(track, QRect(16, 32 + 48 * row, 153, 17));
        EXPECT_EQ(label(QStringLiteral("lblValid(%1)").arg(row))->geometry().topLeft(), track.topLeft());
        for (QLabel* limit : {label(r.lower), label(r.upper)}) {
            EXPECT_EQ(limit->y(), track.y());
            EXPECT_LE(limit->fontMetrics().horizontalAdvance(limit->text()), limit->width()) << "fits its place";
        }
        EXPECT_LT(label(r.lower)->geometry().right(), track.left());
        EXPECT_GT(label(r.upper)->geometry().left(), track.right());
        EXPECT_TRUE(bar(r.bar)->isHidden()) << "hidden at start-up";
        EXPECT_EQ(bar(r.bar)->value(), r.start);
        EXPECT_EQ(bar(r.bar)->singleStep(), 1);
        EXPECT_EQ(bar(r.bar)->pageStep(), 1);

        box(r.box)->setText(r.inside);
        EXPECT_FALSE(bar(r.bar)->isHidden());
        EXPECT_EQ(bar(r.bar)->value(), r.position);
        box(r.box)->setText(r.outside);
        EXPECT_TRUE(bar(r.bar)->isHidden());
        EXPECT_EQ(bar(r.bar)->value(), r.position) << "a hidden bar keeps its value";
        EXPECT_FALSE(label(QStringLiteral("lblValid(%1)").arg(row))->isHidden()) << "the range label stays behind";
    }
    EXPECT_EQ(bar("hsbWindVelocity")->maximum(), 25);
}

TEST_F(InputRowsTest, AFractionThatMovesTheBarIsReplacedByTheWholeNumber)
{
    enterInputs("80", "50", "90", "10");
    QLineEdit* air = box("txtAirTemp");
    air->setText("80.4");
    EXPECT_EQ(air->text(), "80.4") << "rounds to where the bar already is";
    air->setText("80.5");
    EXPECT_EQ(air->text(), "80.5") << "a half goes to the even neighbour, 80";
    EXPECT_FLOAT_EQ(window->inputs().AirTemp, 80.5f) << "calculated as typed";
    air->setText("80.6");
    EXPECT_EQ(air->text(), "81");
    EXPECT_EQ(bar("hsbAirTemp")->value(), 81);
    EXPECT_FLOAT_EQ(window->inputs().AirTemp, 81.0f);

    air->setText("120");
    air->setText("81.4");
    EXPECT_EQ(air->text(), "81.4") << "the bar kept 81 while hidden";
}

TEST_F(InputRowsTest, NonNumericHumidityReadsAsZero)
{
    QLineEdit* humidity = box("txtRelativeHumidity");
    humidity->setText("abc");
    EXPECT_EQ(humidity->text(), "abc") << "the bar is already at 0";
    EXPECT_FALSE(bar("hsbRelativeHumidity")->isHidden());
    humidity->setText("30");
    humidity->setText("abc");
    EXPECT_EQ(humidity->text(), "0") << "the bar moves to 0 and writes it back";
}

TEST_F(InputRowsTest, DraggingWritesAndCalculatesEveryPosition)
{
    enterInputs("60", "50", "70", "10");
    QScrollBar* air = bar("hsbAirTemp");
    air->setSliderDown(true);
    QString lastRate = caption("lblEvapEqn");
    for (int position = 61; position <= 64; ++position) {
        air->setSliderPosition(position);
        EXPECT_EQ(box("txtAirTemp")->text(), QString::number(position));
        EXPECT_NE(caption("lblEvapEqn"), lastRate) << "recalculated at " << position;
        lastRate = caption("lblEvapEqn");
    }
    air->setSliderDown(false);
}

}  // namespace

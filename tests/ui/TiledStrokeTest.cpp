#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <cmath>
#include <ostream>

#include "ui/TiledStroke.h"

namespace {

// A week of hourly rates as the outlook draws them: daily saw teeth with steep falls, a
// missing hour, and stretches that lie almost level.
QPainterPath Week()
{
    QPainterPath path;
    for (int hour = 0; hour < 168; ++hour) {
        const double day = (hour % 24) / 24.0;
        const QPointF at(12.5 + hour * 3.7, 230 - 190 * day * day * (1 + 0.1 * std::sin(hour)));
        if (hour == 0 || hour == 61)
            path.moveTo(at);
        else if (hour != 60)
            path.lineTo(at);
    }
    return path;
}

struct Case {
    const char* name;
    Qt::PenStyle style;
    Qt::PenCapStyle cap;
    Qt::PenJoinStyle join;
    double width;
    QImage::Format format;
    QPoint shift;  // the painter's translation, in whole pixels
};

QImage Drawn(const Case& c, bool inTiles)
{
    QImage image(660, 260, c.format);
    image.fill(QColor(200, 220, 240));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(c.shift);
    const QPen pen(QColor(0, 0, 128), c.width, c.style, c.cap, c.join);
    if (inTiles) {
        StrokeInTiles(painter, Week(), pen);
    } else {
        painter.setPen(pen);
        painter.drawPath(Week());
    }
    return image;
}

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

class TiledStrokeTest : public ::testing::TestWithParam<Case> {};

TEST_P(TiledStrokeTest, SetsTheSamePixelsAsDrawPath)
{
    EXPECT_TRUE(Drawn(GetParam(), true) == Drawn(GetParam(), false));
}

INSTANTIATE_TEST_SUITE_P(
    Pens, TiledStrokeTest,
    ::testing::Values(
        Case{"EquationRate", Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin, 2, QImage::Format_ARGB32_Premultiplied, {}},
        Case{"NomographRate", Qt::DashLine, Qt::RoundCap, Qt::RoundJoin, 2, QImage::Format_ARGB32_Premultiplied, {}},
        Case{"OnAWidgetsBackingStore", Qt::DashLine, Qt::RoundCap, Qt::RoundJoin, 2, QImage::Format_RGB32, {37, 5}},
        Case{"WideMitredDots", Qt::DotLine, Qt::SquareCap, Qt::MiterJoin, 4.5, QImage::Format_RGB32, {-3, 2}},
        Case{"FlatBevelledDashDots", Qt::DashDotLine, Qt::FlatCap, Qt::BevelJoin, 1.3,
             QImage::Format_ARGB32_Premultiplied, {}},
        Case{"ThinLeftToDrawPath", Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin, 0.8, QImage::Format_RGB32, {}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// Printers and PDF files receive the path itself, as drawPath gives it to them.
TEST(TiledStrokeOnOtherDevices, RecordsTheSameDrawingAsDrawPath)
{
    const QPen pen(QColor(0, 0, 128), 2, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);
    QPicture inTiles, drawn;
    {
        QPainter painter(&inTiles);
        painter.setRenderHint(QPainter::Antialiasing);
        StrokeInTiles(painter, Week(), pen);
    }
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(Week());
    }
    EXPECT_EQ(QByteArray(inTiles.data(), inTiles.size()), QByteArray(drawn.data(), drawn.size()));
}

}  // namespace

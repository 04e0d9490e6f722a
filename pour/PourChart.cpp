#include "pour/PourChart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "calc/NumberWriting.h"
#include "calc/RateBand.h"
#include "output/PagedDocument.h"
#include "pour/PourReport.h"
#include "ui/Colors.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"
#include <QCoreApplication>

namespace {

constexpr double LabelPoints = output::SmallestType;
constexpr double MinimumLabelGap = 40.0;  // between the time labels, in points
constexpr int BandAlpha = 60;

QColor Ink(std::uint32_t color, int alpha = 255)
{
    QColor ink = Colors::toQColor(color);
    ink.setAlpha(alpha);
    return ink;
}

}  // namespace

void DrawPourChart(QPainter& painter, const QRectF& area, const PourReport& report)
{
    painter.setFont(output::PointFont(painter.device(), LabelPoints));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    const QString unit = UnitCaptions::Symbol(Quantity::Rate, report.units);

    // The legend along the top, the rate scale on the left, the times below.
    const QRectF plot(area.left() + metrics.horizontalAdvance(QStringLiteral("0.000")) + 6, area.top() + line + 4,
                      0, 0);
    const QRectF frame(plot.topLeft(), QPointF(area.right() - 4, area.bottom() - 2 * line - 4));
    double top = report.threshold * 1.5;
    for (const PourHour& hour : report.hours) {
        if (hour.rate)
            top = std::max(top, BandAround(*hour.rate).high);
    }
    const double step = top / 4 <= 0 ? 0.05 : std::pow(10.0, std::floor(std::log10(top / 4)));
    const double tick = std::ceil(top / 4 / step) * step;
    top = tick * 4;
    const auto y = [&](double rate) { return frame.bottom() - frame.height() * std::clamp(rate / top, 0.0, 1.0); };
    const std::size_t count = report.hours.size();
    const auto x = [&](std::size_t index) {
        return count <= 1 ? frame.center().x() : frame.left() + frame.width() * double(index) / double(count - 1);
    };

    painter.setPen(QPen(Ink(Colors::OutlookGrid), 0.5));
    for (int i = 0; i <= 4; ++i) {
        painter.drawLine(QPointF(frame.left(), y(i * tick)), QPointF(frame.right(), y(i * tick)));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), y(i * tick) - line / 2, frame.left() - area.left() - 3, line),
                         Qt::AlignRight | Qt::AlignVCenter, Q(NumberFormat::Rate(i * tick)));
        painter.setPen(QPen(Ink(Colors::OutlookGrid), 0.5));
    }
    painter.setPen(QPen(Qt::black, 0.5));
    painter.drawRect(frame);

    // The band and the rate, broken where an hour has no rate.
    QPainterPath band;
    QPainterPath rate;
    std::vector<std::pair<QPointF, QPointF>> edges;
    bool drawing = false;
    std::size_t runStart = 0;
    const auto closeBand = [&](std::size_t end) {
        if (!drawing)
            return;
        QPolygonF polygon;
        for (std::size_t i = runStart; i < end; ++i)
            polygon << QPointF(x(i), y(BandAround(*report.hours[i].rate).high));
        for (std::size_t i = end; i-- > runStart;)
            polygon << QPointF(x(i), y(BandAround(*report.hours[i].rate).low));
        if (end - runStart == 1)
            polygon = QPolygonF({polygon[0] + QPointF(-1.5, 0), polygon[0] + QPointF(1.5, 0),
                                 polygon[1] + QPointF(1.5, 0), polygon[1] + QPointF(-1.5, 0)});
        band.addPolygon(polygon);
        band.closeSubpath();
        drawing = false;
    };
    for (std::size_t i = 0; i < count; ++i) {
        const PourHour& hour = report.hours[i];
        if (!hour.rate) {
            closeBand(i);
            continue;
        }
        const QPointF at(x(i), y(*hour.rate));
        if (!drawing) {
            rate.moveTo(at);
            runStart = i;
            drawing = true;
        } else {
            rate.lineTo(at);
        }
    }
    closeBand(count);
    painter.fillPath(band, Ink(Colors::OutlookEquation, BandAlpha));
    painter.setPen(QPen(Ink(Colors::OutlookEquation), 1.0));
    painter.drawPath(rate);
    for (std::size_t i = 0; i < count && count <= 48; ++i) {
        if (report.hours[i].rate)
            painter.drawEllipse(QPointF(x(i), y(*report.hours[i].rate)), 1.2, 1.2);
    }

    QPen thresholdPen(Ink(Colors::OutlookInForce), 1.0, Qt::DashLine);
    painter.setPen(thresholdPen);
    painter.drawLine(QPointF(frame.left(), y(report.threshold)), QPointF(frame.right(), y(report.threshold)));

    // Time labels, as many as fit.
    painter.setPen(Qt::black);
    const double perHour = count <= 1 ? frame.width() : frame.width() / double(count - 1);
    const std::size_t every = std::max<std::size_t>(1, std::size_t(std::ceil(MinimumLabelGap / perHour)));
    for (std::size_t i = 0; i < count; i += every) {
        const QDateTime& time = report.hours[i].time;
        if (!time.isValid())
            continue;
        const QRectF box(x(i) - MinimumLabelGap / 2, frame.bottom() + 2, MinimumLabelGap, 2 * line);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop,
                         QLocale::c().toString(time, QStringLiteral("HH:mm\nddd d")));
    }

    // The legend.
    const QString legend
        = QCoreApplication::translate("PourChart", "Equation rate (%1), ±%2 % band; threshold in force %3 %1")
              .arg(unit)
              .arg(int(std::lround(EquationSpread * 100)))
              .arg(report.thresholdText);
    painter.fillRect(QRectF(frame.left(), area.top() + 2, 14, line - 4), Ink(Colors::OutlookEquation, BandAlpha));
    painter.setPen(QPen(Ink(Colors::OutlookEquation), 1.0));
    painter.drawLine(QPointF(frame.left(), area.top() + line / 2), QPointF(frame.left() + 14, area.top() + line / 2));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(frame.left() + 18, area.top(), frame.width() - 18, line), Qt::AlignLeft | Qt::AlignVCenter,
                     legend);
}

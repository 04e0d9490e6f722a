#include "outlook/OutlookChart.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "calc/NumberWriting.h"
#include "calc/RateBand.h"
#include "outlook/SiteTime.h"
#include "ui/Colors.h"
#include "ui/TiledStroke.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"
#include "ui/WindowFont.h"
#include <QCoreApplication>

namespace {

constexpr qint64 HourMs = 3600 * 1000;
constexpr qint64 DayMs = 24 * HourMs;
constexpr qint64 JulianDayOf1970 = 2440588;

qint64 FloorTo(qint64 ms, qint64 step)
{
    return ms - ((ms % step) + step) % step;
}

QColor Color(uint32_t color)
{
    return Colors::toQColor(color);
}

// A tick step of 1, 2 or 5 times a power of ten giving about `ticks` steps up to `top`.
double NiceStep(double top, int ticks)
{
    const double raw = top / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw)
            return factor * power;
    }
    return 10 * power;
}

struct Frame {
    QRectF plot;
    QDateTime start;
    qint64 startMs = 0;
    qint64 spanMs = HourMs;
    double top = 1;
    // Each point's hour as an instant, worked out once: converting a local time is slow.
    std::vector<std::optional<qint64>> hours;

    double x(qint64 ms) const { return plot.left() + plot.width() * double(ms - startMs) / double(spanMs); }
    double x(const QDateTime& time) const { return x(time.toMSecsSinceEpoch()); }
    // Where the point's hour plus `offset` lies; the left edge for a point without a time.
    double x(std::size_t point, qint64 offset) const { return hours[point] ? x(*hours[point] + offset) : plot.left(); }
    double y(double rate) const { return plot.bottom() - plot.height() * rate / top; }
};

// The wall clock of the hours' zone along the axis, from its offset at the start and the
// few changes of it within the span: looking the zone up for every tick would be slow.
struct AxisClock {
    std::vector<std::pair<qint64, int>> offsets;  // from this instant on (ms), this offset (s)

    AxisClock(const QDateTime& start, qint64 endMs) : offsets{{std::numeric_limits<qint64>::min(), start.offsetFromUtc()}}
    {
        if (start.timeSpec() != Qt::TimeZone && start.timeSpec() != Qt::LocalTime)
            return;
        for (const QTimeZone::OffsetData& change :
             start.timeZone().transitions(start, QDateTime::fromMSecsSinceEpoch(endMs, Qt::UTC)))
            offsets.emplace_back(change.atUtc.toMSecsSinceEpoch(), change.offsetFromUtc);
    }
    qint64 wall(qint64 ms) const
    {
        int offset = 0;
        for (const auto& [from, seconds] : offsets) {
            if (ms >= from)
                offset = seconds;
        }
        return ms + offset * 1000LL;
    }
    // The instant a wall-clock time falls on (near a change, the nearer of the two).
    qint64 instant(qint64 wallMs) const
    {
        qint64 ms = wallMs - (wall(wallMs) - wallMs);
        return wallMs - (wall(ms) - ms);
    }
    int hourOfDay(qint64 ms) const { return int((wall(ms) - FloorTo(wall(ms), DayMs)) / HourMs); }
};

struct LegendEntry {
    uint32_t color;
    Qt::PenStyle style;
    bool shade;  // a shaded box rather than a line
    QString text;
    QPointF at;  // the sample's left end on the text's baseline
};

// The legend of the values shown in italics in the table, the tooltips and the printout.
QStringList AssumedNotes(const OutlookChartData& data)
{
    QStringList notes;
    if (!data.concreteRule.isEmpty())
        notes << QCoreApplication::translate("OutlookChart", "Italics: assumed values. Concrete: %1 (the rule).")
                     .arg(data.concreteRule);
    if (data.windAdjusted) {
        const QString lead
            = notes.isEmpty() ? QCoreApplication::translate("OutlookChart", "Italics: assumed values. ") : QString();
        notes << (data.heightFactor == 1.0
                      ? QCoreApplication::translate("OutlookChart", "%1Wind: the 10 m forecast as given.").arg(lead)
                      : QCoreApplication::translate(
                            "OutlookChart", "%1Wind: the 10 m forecast × %2, brought to about 0.5 m above the surface.")
                            .arg(lead, QString::fromStdString(NumberFormat::General(data.heightFactor))));
    }
    return notes;
}

// The legend's entries placed in rows across the area, wrapping where a row is full.
std::vector<LegendEntry> LayOutLegend(const QRectF& area, const OutlookChartData& data, const QFontMetricsF& metrics)
{
    const QString unit = UnitCaptions::Symbol(Quantity::Rate, data.units);
    std::vector<LegendEntry> entries{
        {Colors::OutlookEquation, Qt::SolidLine, false, QCoreApplication::translate("OutlookChart", "Equation rate"),
         {}},
        {Colors::OutlookBand, Qt::SolidLine, true,
         QCoreApplication::translate("OutlookChart", "±%1 % (measured rates)").arg(int(EquationSpread * 100)), {}},
        {Colors::OutlookNomograph, Qt::DashLine, false, QCoreApplication::translate("OutlookChart", "Nomograph rate"),
         {}},
        {Colors::OutlookMay, Qt::DashLine, false,
         QCoreApplication::translate("OutlookChart", "%1 and %2 %3")
             .arg(QString::fromStdString(RateText(data.may, data.units)),
                  QString::fromStdString(RateText(data.shall, data.units)), unit),
         {}},
    };
    if (data.inForce)
        entries.push_back({Colors::OutlookInForce, Qt::SolidLine, false,
                           QCoreApplication::translate("OutlookChart", "Threshold in force"), {}});
    entries.push_back({Colors::OutlookAboveShade, Qt::SolidLine, true,
                       QCoreApplication::translate("OutlookChart", "Above the threshold"), {}});
    entries.push_back({Colors::OutlookWindowShade, Qt::SolidLine, true,
                       QCoreApplication::translate("OutlookChart", "Longest safe window"), {}});
    if (data.windows.next)
        entries.push_back({Colors::OutlookNomograph, Qt::SolidLine, false,
                           QCoreApplication::translate("OutlookChart", "Next window of at least %1 h")
                               .arg(data.minimumHours),
                           {}});
    double x = area.left() + 4;
    double y = area.top() + metrics.ascent() + 2;
    for (LegendEntry& entry : entries) {
        const double width = 22 + metrics.horizontalAdvance(entry.text);
        if (x > area.left() + 4 && x + width > area.right() - 4) {
            x = area.left() + 4;
            y += metrics.height();
        }
        entry.at = {x, y};
        x += width + 14;
    }
    return entries;
}

// The height the legend and the wind note take above the plot.
double LegendHeight(const QRectF& area, const OutlookChartData& data, const QFontMetricsF& metrics)
{
    const std::vector<LegendEntry> entries = LayOutLegend(area, data, metrics);
    return entries.back().at.y() - area.top() + metrics.descent() + AssumedNotes(data).size() * metrics.height();
}

void DrawLegend(QPainter& painter, const QRectF& area, const OutlookChartData& data, const QFontMetricsF& metrics)
{
    const std::vector<LegendEntry> entries = LayOutLegend(area, data, metrics);
    for (const LegendEntry& entry : entries) {
        const double x = entry.at.x();
        const double y = entry.at.y();
        if (entry.shade) {
            painter.fillRect(QRectF(x, y - metrics.ascent() + 2, 18, metrics.ascent() - 2), Color(entry.color));
        } else {
            painter.setPen(QPen(Color(entry.color), 2, entry.style));
            painter.drawLine(QPointF(x, y - metrics.ascent() / 2 + 1), QPointF(x + 18, y - metrics.ascent() / 2 + 1));
        }
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 22, y), entry.text);
    }
    QFont italic = painter.font();
    italic.setItalic(true);
    painter.save();
    painter.setFont(italic);
    double y = entries.back().at.y();
    for (const QString& note : AssumedNotes(data))
        painter.drawText(QPointF(area.left() + 4, y += metrics.height()), note);
    painter.restore();
}

std::optional<Frame> FrameFor(const QRectF& area, const OutlookChartData& data, const QFontMetricsF& metrics)
{
    Frame frame;
    frame.hours.reserve(data.points.size());
    std::optional<std::size_t> first, last;
    double highest = std::max(data.shall, data.inForce.value_or(0));
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        const auto& point = data.points[i];
        frame.hours.push_back(point.time.isValid() ? std::optional(point.time.toMSecsSinceEpoch()) : std::nullopt);
        if (!point.time.isValid())
            continue;
        if (!first || *frame.hours[i] < *frame.hours[*first])
            first = i;
        if (!last || *frame.hours[i] > *frame.hours[*last])
            last = i;
        highest = std::max({highest, point.nomograph.value_or(0), BandAround(point.equation.value_or(0)).high});
    }
    if (!first)
        return std::nullopt;
    const double line = metrics.height();
    frame.plot = area.adjusted(metrics.horizontalAdvance(QStringLiteral("0.000")) + 10,
                               LegendHeight(area, data, metrics) + line, -8, -2.4 * line);
    frame.start = data.points[*first].time;
    frame.startMs = *frame.hours[*first];
    frame.spanMs = std::max<qint64>(*frame.hours[*last] - frame.startMs + HourMs, HourMs);
    const double step = NiceStep(highest * 1.1, 5);
    frame.top = std::ceil(highest * 1.1 / step) * step;
    return frame;
}

// The hours above the threshold in force, shaded from where the equation's line crosses
// it (each reading at its hour) to where it comes back; the last reading of a stretch
// stands for its whole hour.
void ShadeAbove(QPainter& painter, const Frame& frame, const OutlookChartData& data, const QColor& color)
{
    const double threshold = data.inForce.value_or(data.shall);
    const auto joined = [&](std::size_t i, std::size_t j) {
        return data.points[i].equation && data.points[j].equation && frame.hours[i] && frame.hours[j]
               && *frame.hours[j] - *frame.hours[i] == HourMs;
    };
    // Where the line between readings i and j meets the threshold.
    const auto crossing = [&](std::size_t i, std::size_t j) {
        const double from = *data.points[i].equation;
        const double to = *data.points[j].equation;
        const double t = from == to ? 0.5 : std::clamp((threshold - from) / (to - from), 0.0, 1.0);
        return frame.x(i, 0) + t * (frame.x(j, 0) - frame.x(i, 0));
    };
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        if (!data.points[i].above || !frame.hours[i])
            continue;
        const bool afterBelow = i > 0 && joined(i - 1, i) && !data.points[i - 1].above;
        const bool hasNext = i + 1 < data.points.size() && joined(i, i + 1);
        const double left = afterBelow ? crossing(i - 1, i) : frame.x(i, 0);
        const double right = !hasNext ? frame.x(i, HourMs)
                                      : data.points[i + 1].above ? frame.x(i + 1, 0) : crossing(i, i + 1);
        painter.fillRect(QRectF(QPointF(left, frame.plot.top()), QPointF(right, frame.plot.bottom())), color);
    }
}

void DrawGrid(QPainter& painter, const QRectF& area, const Frame& frame, const OutlookChartData& data,
              const QFontMetricsF& metrics)
{
    painter.setPen(QPen(Color(Colors::OutlookGrid), 0));
    const double step = NiceStep(frame.top, 5);
    for (double rate = 0; rate <= frame.top + step / 2; rate += step) {
        const double y = frame.y(rate);
        painter.setPen(QPen(Color(Colors::OutlookGrid), 0));
        painter.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
        painter.setPen(Qt::black);
        const QString label = QString::fromStdString(RateText(rate, data.units));
        painter.drawText(QRectF(frame.plot.left() - 60, y - metrics.height() / 2, 56, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
    // Hour lines as close as their labels allow (every 1, 2, 3, 6, 12 or 24 hours), each
    // labelled with its hour; under them the day, at midnight and at the start.
    const double hourWidth = frame.plot.width() * HourMs / double(frame.spanMs);
    const double hourLabel = metrics.horizontalAdvance(QStringLiteral("00")) + 6;
    int every = 24;
    for (int candidate : {1, 2, 3, 6, 12}) {
        if (hourWidth * candidate >= hourLabel) {
            every = candidate;
            break;
        }
    }
    const double hourRow = frame.plot.bottom() + metrics.ascent() + 2;
    const double dayRow = hourRow + metrics.height();
    double hoursEnd = area.left();
    double daysEnd = hoursEnd;
    // A label is drawn only where it fits inside the area and clear of the one before.
    const auto label = [&](double left, double baseline, const QString& text, double& end) {
        const double width = metrics.horizontalAdvance(text);
        if (left < end + 4 || left < area.left() || left + width > area.right())
            return;
        painter.drawText(QPointF(left, baseline), text);
        end = left + width;
    };
    const qint64 last = frame.startMs + frame.spanMs;
    const AxisClock clock(frame.start, last);
    const qint64 startWall = clock.wall(frame.startMs);
    const qint64 intoHour = startWall - FloorTo(startWall, HourMs);
    for (qint64 tick = frame.startMs + (intoHour ? HourMs - intoHour : 0); tick <= last; tick += HourMs) {
        const int hour = clock.hourOfDay(tick);
        if (hour % every != 0)
            continue;
        const double x = frame.x(tick);
        painter.setPen(QPen(Color(hour == 0 ? Colors::ChartFore : Colors::OutlookGrid), 0));
        painter.drawLine(QPointF(x, frame.plot.top()), QPointF(x, frame.plot.bottom()));
        painter.setPen(Qt::black);
        const QString text = QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
        label(x - metrics.horizontalAdvance(text) / 2, hourRow, text, hoursEnd);
    }
    // Where the site's zone is not the computer's, each day names the zone it starts in.
    const bool zoneNamed = !SiteTime::ZoneLabel(frame.start).isEmpty();
    for (qint64 day = FloorTo(startWall, DayMs); clock.instant(day) < last; day += DayMs) {
        const qint64 from = std::max(clock.instant(day), frame.startMs);
        QString text = QLocale::c().toString(QDate::fromJulianDay(day / DayMs + JulianDayOf1970), QStringLiteral("ddd d MMM"));
        if (zoneNamed)
            text += SiteTime::ZoneLabel(QDateTime::fromMSecsSinceEpoch(from, frame.start.timeZone()));
        label(frame.x(from), dayRow, text, daysEnd);
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(frame.plot);
}

void DrawThreshold(QPainter& painter, const Frame& frame, double rate, uint32_t color, Qt::PenStyle style,
                   const QString& label)
{
    const double y = frame.y(rate);
    painter.setPen(QPen(Color(color), 1.5, style));
    painter.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
    painter.drawText(QPointF(frame.plot.right() - QFontMetricsF(painter.font()).horizontalAdvance(label) - 3, y - 3),
                     label);
}

void DrawRate(QPainter& painter, const Frame& frame, const OutlookChartData& data,
              std::optional<double> OutlookChartData::Point::*rate, uint32_t color, Qt::PenStyle style)
{
    QPainterPath path;
    bool drawing = false;
    qint64 previous = 0;
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        const std::optional<double> value = data.points[i].*rate;
        if (!value || !frame.hours[i]) {
            drawing = false;
            continue;
        }
        const QPointF at(frame.x(i, 0), frame.y(*value));
        // A gap in time breaks the line as a missing hour does.
        if (drawing && *frame.hours[i] - previous == HourMs)
            path.lineTo(at);
        else
            path.moveTo(at);
        drawing = true;
        previous = *frame.hours[i];
    }
    StrokeInTiles(painter, path, QPen(Color(color), 2, style, Qt::RoundCap, Qt::RoundJoin));
}

// The band about the equation's rate, a polygon along each unbroken stretch of the line.
void DrawBand(QPainter& painter, const Frame& frame, const OutlookChartData& data)
{
    QPainterPath path;
    std::vector<QPointF> low;
    std::vector<QPointF> high;
    const auto close = [&] {
        if (!low.empty()) {
            QPolygonF polygon(qsizetype(low.size() + high.size()));
            std::copy(high.begin(), high.end(), polygon.begin());
            std::copy(low.rbegin(), low.rend(), polygon.begin() + qsizetype(high.size()));
            path.addPolygon(polygon);
            path.closeSubpath();
        }
        low.clear();
        high.clear();
    };
    qint64 previous = 0;
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        const std::optional<double> rate = data.points[i].equation;
        if (!rate || !frame.hours[i]) {
            close();
            continue;
        }
        if (!low.empty() && *frame.hours[i] - previous != HourMs)
            close();
        const RateBand band = BandAround(*rate);
        const double x = frame.x(i, 0);
        low.emplace_back(x, frame.y(band.low));
        high.emplace_back(x, frame.y(band.high));
        previous = *frame.hours[i];
    }
    close();
    painter.fillPath(path, Color(Colors::OutlookBand));
}

void ShadeRun(QPainter& painter, const Frame& frame, const PourWindow::Run& run, const QColor& color)
{
    const double start = frame.x(run.first, 0);
    const double end = frame.x(run.first + run.count - 1, HourMs);
    painter.fillRect(QRectF(QPointF(start, frame.plot.top()), QPointF(end, frame.plot.bottom())), color);
}

void MarkNextRun(QPainter& painter, const Frame& frame, const PourWindow::Run& run)
{
    const double y = frame.plot.top() + 3;
    painter.setPen(QPen(Color(Colors::OutlookNomograph), 3));
    painter.drawLine(QPointF(frame.x(run.first, 0), y), QPointF(frame.x(run.first + run.count - 1, HourMs), y));
}

}  // namespace

OutlookChartData OutlookChartData::From(const std::vector<OutlookHour>& hours, const OutlookSettings& settings,
                                        const PourWindow::Found& windows)
{
    OutlookChartData data;
    data.units = settings.units;
    const ThresholdPolicy thresholds = ThresholdsOf(settings.units);
    data.may = thresholds.may;
    data.shall = thresholds.shall;
    data.windows = windows;
    for (const OutlookHour& hour : hours) {
        Point point;
        point.time = hour.reading.time;
        point.used = hour.used;
        point.concreteAssumed = hour.concreteAssumed;
        point.windAssumed = hour.windAssumed();
        if (hour.concreteAssumed)
            data.concreteRule = settings.concrete.Words(settings.units);
        if (hour.result.valid) {
            const Units::Unit& rate = SystemOf(settings.units).unit(Quantity::Rate);
            point.nomograph = rate.FromModel(std::max(0.0f, hour.result.solution.EvaporationRateNomo));
            point.equation = rate.FromModel(std::max(0.0f, hour.result.solution.RateACI));
            point.above = hour.above();
            point.borderline = hour.borderline;
            if (settings.choice == ThresholdChoice::Alternate)
                data.inForce = hour.result.threshold;
        }
        data.points.push_back(point);
    }
    return data;
}

OutlookChart::OutlookChart(QWidget* parent) : QWidget(parent)
{
    setFont(WindowFont());
    setMinimumHeight(180);
    setCursor(Qt::PointingHandCursor);
}

void OutlookChart::setData(OutlookChartData data)
{
    data_ = std::move(data);
    update();
}

void OutlookChart::Paint(QPainter& painter, const QRectF& area, const OutlookChartData& data)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const std::optional<Frame> frame = FrameFor(area, data, metrics);
    if (!frame) {
        painter.drawText(area, Qt::AlignCenter, QCoreApplication::translate("OutlookChart", "No hours to show."));
        painter.restore();
        return;
    }
    if (data.windows.longest)
        ShadeRun(painter, *frame, *data.windows.longest, Color(Colors::OutlookWindowShade));
    ShadeAbove(painter, *frame, data, Color(Colors::OutlookAboveShade));
    DrawBand(painter, *frame, data);
    DrawGrid(painter, area, *frame, data, metrics);
    DrawThreshold(painter, *frame, data.may, Colors::OutlookMay, Qt::DashLine,
                  QString::fromStdString(RateText(data.may, data.units)));
    DrawThreshold(painter, *frame, data.shall, Colors::OutlookShall, Qt::DashLine,
                  QString::fromStdString(RateText(data.shall, data.units)));
    if (data.inForce)
        DrawThreshold(painter, *frame, *data.inForce, Colors::OutlookInForce, Qt::SolidLine,
                      QString::fromStdString(RateText(*data.inForce, data.units)));
    if (data.windows.next)
        MarkNextRun(painter, *frame, *data.windows.next);
    DrawRate(painter, *frame, data, &OutlookChartData::Point::nomograph, Colors::OutlookNomograph, Qt::DashLine);
    DrawRate(painter, *frame, data, &OutlookChartData::Point::equation, Colors::OutlookEquation, Qt::SolidLine);
    DrawLegend(painter, area, data, metrics);
    painter.restore();
}

std::optional<std::size_t> OutlookChart::HourAt(const QRectF& area, const OutlookChartData& data, double x)
{
    QFont font = WindowFont();
    const std::optional<Frame> frame = FrameFor(area, data, QFontMetricsF(font));
    if (!frame)
        return std::nullopt;
    std::optional<std::size_t> nearest;
    double distance = 0;
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        if (!frame->hours[i])
            continue;
        const double d = std::abs(frame->x(i, 0) - x);
        if (!nearest || d < distance) {
            nearest = i;
            distance = d;
        }
    }
    return nearest;
}

QString OutlookChart::HourTip(const OutlookChartData& data, std::size_t hour)
{
    const OutlookChartData::Point& point = data.points.at(hour);
    const auto value = [&](Input input, bool assumed) {
        const QString text = QString(Q(point.used[input])).toHtmlEscaped() + u' ' + UnitCaptions::InputUnit(input, data.units);
        return assumed ? QStringLiteral("<i>%1</i>").arg(text) : text;
    };
    QString tip
        = QCoreApplication::translate("OutlookChart", "<b>%1</b><br>Air %2, RH %3, concrete %4, wind %5")
              .arg(QLocale::c().toString(point.time, QStringLiteral("ddd d MMM HH:mm")), value(Input::AirTemp, false),
                   value(Input::RelativeHumidity, false), value(Input::ConcreteTemp, point.concreteAssumed),
                   value(Input::WindVelocity, point.windAssumed));
    if (point.equation)
        tip += QCoreApplication::translate("OutlookChart", "<br>Equation %1 %2")
                   .arg(QString::fromStdString(RateText(*point.equation, data.units)),
                        UnitCaptions::Symbol(Quantity::Rate, data.units));
    if (point.borderline)
        tip += QCoreApplication::translate("OutlookChart",
                                           "<br>Borderline: the ±%1 % band reaches across the threshold in force")
                   .arg(int(EquationSpread * 100));
    if (point.concreteAssumed || point.windAssumed)
        tip += QCoreApplication::translate("OutlookChart", "<br><i>Italics: assumed</i>");
    return tip;
}

bool OutlookChart::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const std::optional<std::size_t> hour = HourAt(rect(), data_, help->pos().x()))
        QToolTip::showText(help->globalPos(), HourTip(data_, *hour), this);
    else
        QToolTip::hideText();
    return true;
}

void OutlookChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, rect(), data_);
}

void OutlookChart::mousePressEvent(QMouseEvent* event)
{
    if (const std::optional<std::size_t> hour = HourAt(rect(), data_, event->position().x()))
        emit hourClicked(*hour);
}

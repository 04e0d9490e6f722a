#include "outlook/OutlookPage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <array>

#include "output/Page.h"
#include "outlook/OutlookTable.h"
#include "ui/UnitCaptions.h"
#include "ui/WindowFont.h"
#include "ui/QtText.h"

namespace {

// The painter is scaled so that one unit is one point; a font resolved on the device
// would be scaled a second time, so its size is given in device pixels of that scale.
QFont PointFont(const QPainter& painter, double points, bool bold = false)
{
    QFont font = WindowFont();
    font.setPointSizeF(points * 72.0 / painter.device()->logicalDpiY());
    font.setBold(bold);
    return font;
}

double DrawLines(QPainter& painter, const QRectF& area, double top, const QString& text, const QFont& font)
{
    painter.setFont(font);
    const QRectF box(area.left(), top, area.width(), area.bottom() - top);
    const QRectF used = painter.boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return used.bottom() + 2;
}

struct TableLayout {
    double fontSize = 8;
    int blocks = 1;
    int rowsPerBlock = 0;
    std::array<double, 8> widths{};
    double blockWidth = 0;
};

std::array<QString, 8> Cells(const OutlookHour& hour)
{
    const bool computed = hour.result.valid;
    return {OutlookTable::TimeText(hour.reading.time),
            Q(hour.used.air),
            Q(hour.used.humidity),
            Q(hour.used.wind),
            Q(hour.used.concrete),
            computed ? Q(hour.result.nomoCaption) : QString(),
            computed ? Q(hour.result.eqnCaption) : QString(),
            computed ? Q(hour.result.answer) : hour.problem};
}

TableLayout FitTable(QPainter& painter, const QSizeF& area, const std::vector<OutlookHour>& hours, UnitSystem units)
{
    TableLayout layout;
    const std::array<QString, 8> headers{QStringLiteral("Time"),
                                         UnitCaptions::Symbol(Quantity::Temperature, units),
                                         QStringLiteral("%"),
                                         UnitCaptions::Symbol(Quantity::Wind, units),
                                         UnitCaptions::Symbol(Quantity::Temperature, units),
                                         QStringLiteral("Nomo."),
                                         QStringLiteral("Eqn."),
                                         QStringLiteral("Message")};
    const QString widestTime = OutlookTable::WidestTimeText(hours);
    for (double size = 8; size >= 3.5; size -= 0.5) {
        layout.fontSize = size;
        painter.setFont(PointFont(painter, size));
        const QFontMetricsF metrics(painter.font(), painter.device());
        layout.widths = {metrics.horizontalAdvance(widestTime),
                         metrics.horizontalAdvance(QStringLiteral("-100.0")),
                         metrics.horizontalAdvance(QStringLiteral("100.0")),
                         metrics.horizontalAdvance(QStringLiteral("100.0")),
                         metrics.horizontalAdvance(QStringLiteral("-100.0")),
                         metrics.horizontalAdvance(QStringLiteral("0.000")),
                         metrics.horizontalAdvance(QStringLiteral("0.000")),
                         metrics.horizontalAdvance(QStringLiteral("Measures shall be taken."))};
        for (std::size_t i = 0; i < headers.size(); ++i)
            layout.widths[i] = std::max(layout.widths[i], metrics.horizontalAdvance(headers[i])) + size;
        layout.blockWidth = 0;
        for (double width : layout.widths)
            layout.blockWidth += width;
        layout.blocks = std::max(1, int((area.width() + 2 * size) / (layout.blockWidth + 2 * size)));
        layout.rowsPerBlock = std::max(0, int(area.height() / metrics.lineSpacing()) - 1);
        if (layout.blocks * layout.rowsPerBlock >= int(hours.size()))
            break;
    }
    return layout;
}

void DrawTable(QPainter& painter, const QRectF& area, const std::vector<OutlookHour>& hours, UnitSystem units)
{
    const TableLayout layout = FitTable(painter, area.size(), hours, units);
    painter.setFont(PointFont(painter, layout.fontSize));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.lineSpacing();
    const std::array<QString, 8> headers{QStringLiteral("Time"),
                                         QStringLiteral("Air ") + UnitCaptions::Symbol(Quantity::Temperature, units),
                                         QStringLiteral("RH %"),
                                         QStringLiteral("Wind ") + UnitCaptions::Symbol(Quantity::Wind, units),
                                         QStringLiteral("Conc. ") + UnitCaptions::Symbol(Quantity::Temperature, units),
                                         QStringLiteral("Nomo."),
                                         QStringLiteral("Eqn."),
                                         QStringLiteral("Message")};
    // The table's columns in the page's order; assumed values in italics, as on screen.
    constexpr std::array<OutlookTable::Column, 8> columns{OutlookTable::Time,      OutlookTable::Air,
                                                          OutlookTable::Humidity,  OutlookTable::Wind,
                                                          OutlookTable::Concrete,  OutlookTable::Nomograph,
                                                          OutlookTable::Equation,  OutlookTable::Message};
    const auto drawRow = [&](double x, double y, const std::array<QString, 8>& cells, bool underline,
                             const OutlookHour* hour) {
        QFont font = painter.font();
        font.setUnderline(underline);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            font.setItalic(hour && OutlookTable::IsAssumed(*hour, columns[i]));
            painter.setFont(font);
            const QString text = metrics.elidedText(cells[i], Qt::ElideRight, layout.widths[i] - layout.fontSize);
            painter.drawText(QPointF(x, y + metrics.ascent()), text);
            x += layout.widths[i];
        }
        font.setItalic(false);
        painter.setFont(font);
    };
    // Hours that do not fit even in the smallest type are named in the last line, never
    // left off unsaid.
    const std::size_t capacity = std::size_t(layout.blocks * layout.rowsPerBlock);
    const std::size_t shown = hours.size() <= capacity ? hours.size() : capacity - std::min<std::size_t>(capacity, 1);
    for (int block = 0; block < layout.blocks; ++block) {
        const double x = area.left() + block * (layout.blockWidth + 2 * layout.fontSize);
        drawRow(x, area.top(), headers, true, nullptr);
        for (int row = 0; row < layout.rowsPerBlock; ++row) {
            const std::size_t index = std::size_t(block * layout.rowsPerBlock + row);
            const double y = area.top() + (row + 1) * line;
            if (index == shown && shown < hours.size()) {
                painter.drawText(QPointF(x, y + metrics.ascent()),
                                 QStringLiteral("%1 more hours, to %2, do not fit on the page.")
                                     .arg(hours.size() - shown)
                                     .arg(OutlookTable::TimeText(hours.back().reading.time)));
            }
            if (index >= shown)
                return;
            drawRow(x, y, Cells(hours[index]), false, &hours[index]);
        }
    }
}

}  // namespace

void DrawOutlookPage(output::Page& page, const OutlookPageContent& content)
{
    QPainter& painter = page.painter();
    painter.save();
    painter.scale(page.devicePerPoint(), page.devicePerPoint());
    const QRectF area(QPointF(0, 0), page.printableSize());
    double top = DrawLines(painter, area, area.top(), QStringLiteral("Pour-Day Outlook"), PointFont(painter, 14, true));
    top = DrawLines(painter, area, top, content.source, PointFont(painter, 8));
    top = DrawLines(painter, area, top, content.windows, PointFont(painter, 8, true));
    const double chartHeight = area.height() * 0.32;
    painter.setFont(PointFont(painter, 7));
    OutlookChart::Paint(painter, QRectF(area.left(), top + 2, area.width(), chartHeight), content.chart);
    top += chartHeight + 8;
    DrawTable(painter, QRectF(area.left(), top, area.width(), area.bottom() - top), content.hours, content.units);
    painter.restore();
}

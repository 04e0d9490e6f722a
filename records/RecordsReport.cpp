#include "records/RecordsReport.h"

#include <QAbstractItemModel>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <numeric>

#include "output/Page.h"
#include "records/RecordsDisplay.h"
#include "records/RecordsProxy.h"
#include "records/RecordsSchema.h"

namespace {

constexpr double TitleSize = 14.0;
constexpr double HeadingSize = 9.0;
constexpr double TableSize = 8.0;
constexpr double CellPadding = 3.0;  // points between a cell's text and the next column
constexpr double Gap = 6.0;          // points between the heading, the table and the foot
constexpr int CellFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

QFont Font(double points, bool bold = false)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

double LineHeight(const output::Page& page, const QFont& font)
{
    return page.toPoints(QFontMetricsF(font, page.painter().device()).lineSpacing());
}

// Draws one line of text with its top at `y` points and returns where the next starts.
double DrawLine(output::Page& page, const QFont& font, double y, const QString& text,
                Qt::Alignment align = Qt::AlignLeft)
{
    const double height = LineHeight(page, font);
    page.painter().setFont(font);
    page.painter().drawText(page.toDevice(QRectF(0.0, y, page.printableSize().width(), height)),
                            static_cast<int>(align | Qt::AlignTop), text);
    return y + height;
}

void DrawRule(output::Page& page, double y, double widthPoints, const QColor& color)
{
    page.painter().setPen(QPen(color, widthPoints * page.devicePerPoint()));
    page.painter().drawLine(page.toDevice(QPointF(0.0, y)), page.toDevice(QPointF(page.printableSize().width(), y)));
}

}  // namespace

RecordsReport::RecordsReport(const QAbstractItemModel& rows, RecordsReportHeading heading)
    : rows_(rows), heading_(std::move(heading))
{
    QStringList names;
    for (int column = 0; column < rows_.columnCount(); ++column)
        names << rows_.headerData(column, Qt::Horizontal, RecordsProxy::ColumnNameRole).toString();
    for (const RecordsSchema::Column& column : RecordsSchema::ReportColumns()) {
        columns_.push_back(*column.report);
        const int source = static_cast<int>(names.indexOf(column.name));
        sourceColumns_.push_back(source);
        const QString unit =
            source < 0 ? QString()
                       : RecordsDisplay::SplitHeading(rows_.headerData(source, Qt::Horizontal).toString()).unit;
        titles_ << (unit.isEmpty() ? column.report->title : QStringLiteral("%1 (%2)").arg(column.report->title, unit));
    }
}

QString RecordsReport::Cell(int row, int column) const
{
    const int source = sourceColumns_[column];
    return source < 0 ? QString() : rows_.index(row, source).data().toString();
}

double RecordsReport::RowHeight(output::Page& page, int row) const
{
    const QFont font = Font(TableSize);
    const QFontMetricsF metrics(font, page.painter().device());
    const double line = metrics.lineSpacing();
    double height = line;
    for (std::size_t column = 0; column < sourceColumns_.size(); ++column) {
        const QString text = Cell(row, static_cast<int>(column));
        const double width = (layout_.columnWidth[column] - CellPadding) * page.devicePerPoint();
        if (text.isEmpty() || (metrics.horizontalAdvance(text) <= width && !text.contains(u'\n')))
            continue;
        height = std::max(height, metrics.boundingRect(QRectF(0.0, 0.0, width, 1e9), CellFlags, text).height());
    }
    return page.toPoints(height) + CellPadding;
}

void RecordsReport::LayOut(output::Page& page)
{
    const double pageWidth = page.printableSize().width();
    const double weights =
        std::accumulate(columns_.begin(), columns_.end(), 0.0,
                        [](double sum, const RecordsSchema::ReportPlace& column) { return sum + column.weight; });
    double x = 0.0;
    for (const RecordsSchema::ReportPlace& column : columns_) {
        layout_.columnX.push_back(x);
        layout_.columnWidth.push_back(column.weight / weights * pageWidth);
        x += layout_.columnWidth.back();
    }
    const double heading = LineHeight(page, Font(TitleSize, true)) + 4 * LineHeight(page, Font(HeadingSize));
    const QFontMetricsF titleMetrics(Font(TableSize, true), page.painter().device());
    layout_.titleHeight = LineHeight(page, Font(TableSize, true));
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        const double width = (layout_.columnWidth[column] - CellPadding) * page.devicePerPoint();
        const QRectF wrapped = titleMetrics.boundingRect(QRectF(0.0, 0.0, width, 1e9), CellFlags, titles_[int(column)]);
        layout_.titleHeight = std::max(layout_.titleHeight, page.toPoints(wrapped.height()));
    }
    layout_.tableTop = heading + Gap + layout_.titleHeight + CellPadding;
    layout_.footTop = page.printableSize().height() - LineHeight(page, Font(HeadingSize));
    const double bodyHeight = layout_.footTop - Gap - layout_.tableTop;

    // Rows fill each page in turn; one too tall for a page is cut at its foot.
    firstRows_ = {0};
    double y = 0.0;
    for (int row = 0; row < rows_.rowCount(); ++row) {
        const double height = std::min(RowHeight(page, row), bodyHeight);
        if (y + height > bodyHeight && firstRows_.back() < row) {
            firstRows_.push_back(row);
            y = 0.0;
        }
        rowHeights_.push_back(height);
        y += height;
    }
}

bool RecordsReport::DrawPage(output::Page& page, int index)
{
    if (index == 0)
        LayOut(page);
    QPainter& painter = page.painter();
    painter.save();
    double y = DrawLine(page, Font(TitleSize, true), 0.0, QStringLiteral("Saved Records"));
    y = DrawLine(page, Font(HeadingSize), y, QStringLiteral("Source: ") + heading_.source);
    y = DrawLine(page, Font(HeadingSize), y, QStringLiteral("Filter: ") + heading_.filter);
    y = DrawLine(page, Font(HeadingSize), y, heading_.count);
    y = DrawLine(page, Font(HeadingSize), y, QStringLiteral("Exported: ") + heading_.exportedAt) + Gap;

    painter.setFont(Font(TableSize, true));
    for (std::size_t column = 0; column < columns_.size(); ++column)
        painter.drawText(page.toDevice(QRectF(layout_.columnX[column], y, layout_.columnWidth[column] - CellPadding,
                                              layout_.titleHeight)),
                         CellFlags, titles_[int(column)]);
    DrawRule(page, layout_.tableTop - CellPadding / 2, 0.75, Qt::black);

    const int first = firstRows_[index];
    const int end = index + 1 < pageCount() ? firstRows_[index + 1] : rows_.rowCount();
    y = layout_.tableTop;
    for (int row = first; row < end; ++row) {
        const double height = rowHeights_[row];
        painter.setPen(Qt::black);
        painter.setFont(Font(TableSize));
        for (std::size_t column = 0; column < sourceColumns_.size(); ++column) {
            const QRectF cell(layout_.columnX[column], y, layout_.columnWidth[column] - CellPadding,
                              height - CellPadding);
            painter.drawText(page.toDevice(cell), CellFlags, Cell(row, static_cast<int>(column)));
        }
        y += height;
        DrawRule(page, y - CellPadding / 2, 0.25, Qt::gray);
    }

    painter.setPen(Qt::black);
    DrawLine(page, Font(HeadingSize), layout_.footTop, QStringLiteral("Page %1 of %2").arg(index + 1).arg(pageCount()),
             Qt::AlignHCenter);
    painter.restore();
    return index + 1 < pageCount();
}

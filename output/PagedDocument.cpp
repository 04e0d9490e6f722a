#include "output/PagedDocument.h"

#include <QAbstractItemModel>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <numeric>

#include "output/Page.h"
#include "ui/WindowFont.h"

namespace output {
namespace {

constexpr double CellPadding = 3.0;   // each side of a cell's text, in points
constexpr double RowPadding = 1.5;    // above and below a row's texts
constexpr double BlockGap = 4.0;      // below a paragraph or a table
constexpr double BandGap = 6.0;       // between the page's heading or footer and its body
// Texts are measured and set with the same flags; a text never clipped, so a measurement a
// hair off shows as a line a hair longer, never as a missing word.
constexpr int WrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip;

// Territories whose printers hold Letter paper.
constexpr std::array LetterTerritories{QLocale::UnitedStates, QLocale::Canada,      QLocale::Mexico,
                                       QLocale::Chile,        QLocale::Colombia,    QLocale::CostaRica,
                                       QLocale::Guatemala,    QLocale::Philippines, QLocale::Venezuela,
                                       QLocale::PuertoRico,   QLocale::Panama,      QLocale::DominicanRepublic,
                                       QLocale::ElSalvador,   QLocale::Nicaragua};

double LongestWord(const QFontMetricsF& metrics, const QString& text)
{
    double longest = 0;
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        longest = std::max(longest, metrics.horizontalAdvance(word));
    return longest;
}

double LongestLine(const QFontMetricsF& metrics, const QString& text)
{
    if (!text.contains(u'\n'))
        return metrics.horizontalAdvance(text);
    double longest = 0;
    for (const QString& line : text.split(u'\n'))
        longest = std::max(longest, metrics.horizontalAdvance(line));
    return longest;
}

// The height of a text set in `width`, wrapped at words (or anywhere, when a word is wider).
double TextHeight(const QFontMetricsF& metrics, const QString& text, double width, int flags)
{
    if (!text.contains(u'\n') && metrics.horizontalAdvance(text) <= width)
        return metrics.height();
    return metrics.boundingRect(QRectF(0, 0, width, 1e6), flags, text).height();
}

// Each column gets its widest text where all fit. Otherwise the columns narrower than an
// even share of the room keep their width, and the others share what is left by their
// widest texts, each keeping at least its longest word where the room allows.
std::vector<double> ColumnWidths(const std::vector<double>& natural, const std::vector<double>& minimum, double width)
{
    std::vector<double> widths = natural;
    std::vector<std::size_t> open(natural.size());
    std::iota(open.begin(), open.end(), std::size_t{0});
    double room = width;
    for (bool settled = true; settled && !open.empty();) {
        settled = false;
        const double share = room / double(open.size());
        for (auto it = open.begin(); it != open.end();) {
            if (natural[*it] <= share) {
                room -= natural[*it];
                it = open.erase(it);
                settled = true;
            } else {
                ++it;
            }
        }
    }
    if (open.empty())
        return widths;
    double wanted = 0;
    for (std::size_t column : open)
        wanted += natural[column];
    double given = 0;
    for (std::size_t column : open) {
        widths[column] = std::max(minimum[column], room * natural[column] / wanted);
        given += widths[column];
    }
    if (given > room) {
        for (std::size_t column : open)
            widths[column] *= room / given;
    }
    return widths;
}

}  // namespace

QPageSize PaperFor(const QLocale& locale)
{
    const bool letter = std::find(LetterTerritories.begin(), LetterTerritories.end(), locale.territory())
                        != LetterTerritories.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QFont PointFont(const QPaintDevice* device, double points, bool bold)
{
    QFont font = WindowFont();
    font.setPointSizeF(points * 72.0 / device->logicalDpiY());
    font.setBold(bold);
    return font;
}

PagedTable TableFromModel(const QAbstractItemModel& model, const QList<int>& shown)
{
    QList<int> columns = shown;
    if (columns.isEmpty()) {
        for (int column = 0; column < model.columnCount(); ++column)
            columns << column;
    }
    PagedTable table;
    const int rows = model.rowCount();
    for (int column : columns)
        table.headers << model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    table.rows.reserve(std::size_t(rows));
    std::vector<std::vector<bool>> italic(static_cast<std::size_t>(rows),
                                         std::vector<bool>(static_cast<std::size_t>(columns.size())));
    bool anyItalic = false;
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        for (qsizetype at = 0; at < columns.size(); ++at) {
            const QModelIndex index = model.index(row, columns[at]);
            cells << model.data(index, Qt::DisplayRole).toString();
            const QVariant font = model.data(index, Qt::FontRole);
            if (font.isValid() && font.value<QFont>().italic()) {
                italic[std::size_t(row)][std::size_t(at)] = true;
                anyItalic = true;
            }
        }
        table.rows.push_back(cells);
    }
    if (anyItalic) {
        table.italic = [italic = std::move(italic)](int row, int column) {
            return italic[std::size_t(row)][std::size_t(column)];
        };
    }
    return table;
}

// The pages being filled: the body of each runs from `top` to `bottom`, in points.
struct PagedDocument::Layout {
    const QPaintDevice* device;
    double width;
    double top;
    double bottom;
    std::vector<Pieces> pages{Pieces{}};
    double y;

    double room() const { return bottom - y; }
    void newPage()
    {
        pages.emplace_back();
        y = top;
    }
    // Starts a new page unless `height` fits below, or the page is still empty.
    void makeRoom(double height)
    {
        if (height > room() && y > top)
            newPage();
    }
    void place(Piece piece) { pages.back().push_back(std::move(piece)); }
};

PagedDocument::PagedDocument(QString title, QString footer) : title_(std::move(title)), footer_(std::move(footer))
{
}

void PagedDocument::addHeading(const QString& text)
{
    blocks_.push_back({.kind = Block::Kind::Heading, .text = text, .bold = true});
}

void PagedDocument::addText(const QString& text, bool bold)
{
    blocks_.push_back({.kind = Block::Kind::Text, .text = text, .bold = bold});
}

void PagedDocument::addTable(PagedTable table)
{
    blocks_.push_back({.kind = Block::Kind::Table, .table = std::move(table)});
}

void PagedDocument::addDrawing(double height, std::function<void(QPainter&, const QRectF&)> draw)
{
    blocks_.push_back({.kind = Block::Kind::Drawing, .height = height, .draw = std::move(draw)});
}

void PagedDocument::addSpace(double points)
{
    blocks_.push_back({.kind = Block::Kind::Space, .height = points});
}

int PagedDocument::paginate(const QPaintDevice* device, QSizeF printableSize)
{
    printable_ = printableSize;
    const QFontMetricsF titleMetrics(PointFont(device, TitlePoints, true), device);
    headerHeight_ = titleMetrics.height() + BandGap;
    const QFontMetricsF footerMetrics(PointFont(device, SmallestType), device);
    footerHeight_ = footer_.isEmpty()
                        ? 0
                        : TextHeight(footerMetrics, footer_, printableSize.width(), WrapFlags | Qt::TextWrapAnywhere)
                              + BandGap;

    Layout layout{.device = device,
                  .width = printableSize.width(),
                  .top = headerHeight_,
                  .bottom = printableSize.height() - footerHeight_,
                  .y = headerHeight_};
    const QFontMetricsF body(PointFont(device, BodyPoints), device);
    for (const Block& block : blocks_) {
        switch (block.kind) {
        case Block::Kind::Heading: {
            const QFontMetricsF metrics(PointFont(device, HeadingPoints, true), device);
            const double height = TextHeight(metrics, block.text, layout.width, WrapFlags);
            // A heading stays with the first lines under it.
            layout.makeRoom(height + BandGap + 4 * body.height());
            if (layout.y > layout.top)
                layout.y += BandGap;
            layout.place({.rect = QRectF(0, layout.y, layout.width, height), .text = block.text,
                          .points = HeadingPoints, .bold = true, .flags = WrapFlags});
            layout.y += height + 2;
            break;
        }
        case Block::Kind::Text: {
            const QFontMetricsF metrics(PointFont(device, BodyPoints, block.bold), device);
            for (const QString& line : block.text.split(u'\n')) {
                const double height = TextHeight(metrics, line, layout.width, WrapFlags | Qt::TextWrapAnywhere);
                layout.makeRoom(height);
                layout.place({.rect = QRectF(0, layout.y, layout.width, height), .text = line,
                              .points = BodyPoints, .bold = block.bold,
                              .flags = WrapFlags | Qt::TextWrapAnywhere});
                layout.y += height;
            }
            layout.y += BlockGap;
            break;
        }
        case Block::Kind::Table:
            placeTable(layout, block.table);
            break;
        case Block::Kind::Drawing: {
            const double height = std::min(block.height, layout.bottom - layout.top);
            layout.makeRoom(height);
            layout.place({.rect = QRectF(0, layout.y, layout.width, height), .draw = block.draw});
            layout.y += height + BlockGap;
            break;
        }
        case Block::Kind::Space:
            layout.y = std::min(layout.bottom, layout.y + block.height);
            break;
        }
    }
    pages_ = std::move(layout.pages);
    return pageCount();
}

void PagedDocument::placeTable(Layout& layout, const PagedTable& table) const
{
    const std::size_t columns = std::size_t(table.headers.size());
    if (columns == 0)
        return;
    const QFontMetricsF metrics(PointFont(layout.device, TablePoints), layout.device);
    const QFontMetricsF bold(PointFont(layout.device, TablePoints, true), layout.device);
    std::vector<double> natural(columns), minimum(columns);
    for (std::size_t column = 0; column < columns; ++column) {
        natural[column] = LongestLine(bold, table.headers[qsizetype(column)]);
        minimum[column] = LongestWord(bold, table.headers[qsizetype(column)]);
    }
    for (const QStringList& row : table.rows) {
        for (std::size_t column = 0; column < columns && column < std::size_t(row.size()); ++column) {
            const QString& text = row[qsizetype(column)];
            const double advance = LongestLine(metrics, text);
            if (advance > natural[column])
                natural[column] = advance;
            if (advance > minimum[column])
                minimum[column] = std::max(minimum[column], LongestWord(metrics, text));
        }
    }
    for (std::size_t column = 0; column < columns; ++column) {
        natural[column] += 2 * CellPadding;
        minimum[column] += 2 * CellPadding;
        if (table.keptWhole.contains(int(column)))
            minimum[column] = natural[column];
    }
    const std::vector<double> widths = ColumnWidths(natural, minimum, layout.width);

    // Laid out cell by cell; a word wider than its column breaks where it must.
    const auto rowPieces = [&](const QStringList& cells, bool heading, int rowIndex, double& height) {
        Pieces pieces;
        double x = 0;
        height = 0;
        for (std::size_t column = 0; column < columns; ++column) {
            const QString text = column < std::size_t(cells.size()) ? cells[qsizetype(column)] : QString();
            const double inner = widths[column] - 2 * CellPadding;
            const int flags = WrapFlags | (inner < minimum[column] - 2 * CellPadding ? Qt::TextWrapAnywhere : 0);
            const double textHeight = TextHeight(heading ? bold : metrics, text, inner, flags);
            height = std::max(height, textHeight);
            // The rectangle reaches into the right padding, as metrics may round a width up when set.
            pieces.push_back({.rect = QRectF(x + CellPadding, 0, inner + CellPadding, textHeight), .text = text,
                              .points = TablePoints, .bold = heading,
                              .italic = !heading && table.italic && table.italic(rowIndex, int(column)),
                              .flags = flags});
            x += widths[column];
        }
        height += 2 * RowPadding;
        return pieces;
    };
    double headingHeight = 0;
    const Pieces headingPieces = rowPieces(table.headers, true, -1, headingHeight);
    const double tableWidth = std::accumulate(widths.begin(), widths.end(), 0.0);
    const auto placeRow = [&](const Pieces& pieces, double height) {
        for (Piece piece : pieces) {
            piece.rect.moveTop(layout.y + RowPadding);
            layout.place(std::move(piece));
        }
        layout.y += height;
    };
    const auto placeHeading = [&]() {
        layout.place({.rect = QRectF(0, layout.y, tableWidth, 0), .rule = true});
        placeRow(headingPieces, headingHeight);
        layout.place({.rect = QRectF(0, layout.y, tableWidth, 0), .rule = true});
    };

    layout.makeRoom(headingHeight + 2 * metrics.height());
    placeHeading();
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        double height = 0;
        const Pieces pieces = rowPieces(table.rows[row], false, int(row), height);
        if (height > layout.room()) {
            layout.newPage();
            placeHeading();
        }
        placeRow(pieces, height);
    }
    layout.place({.rect = QRectF(0, layout.y, tableWidth, 0), .rule = true});
    layout.y += BlockGap;
}

void PagedDocument::drawPage(Page& page, int index) const
{
    QPainter& painter = page.painter();
    const QPaintDevice* device = painter.device();
    painter.save();
    painter.scale(page.devicePerPoint(), page.devicePerPoint());
    const double width = printable_.width();

    painter.setPen(Qt::black);
    painter.setFont(PointFont(device, TitlePoints, true));
    const QRectF band(0, 0, width, headerHeight_ - BandGap);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, title_);
    painter.setFont(PointFont(device, BodyPoints));
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Page %1 of %2").arg(index + 1).arg(pageCount()));
    painter.drawLine(QPointF(0, band.bottom() + 2), QPointF(width, band.bottom() + 2));

    for (const Piece& piece : pages_[std::size_t(index)]) {
        if (piece.draw) {
            painter.save();
            piece.draw(painter, piece.rect);
            painter.restore();
            continue;
        }
        if (piece.rule) {
            painter.setPen(QPen(Qt::black, 0.5));
            painter.drawLine(piece.rect.topLeft(), piece.rect.topRight());
            continue;
        }
        QFont font = PointFont(device, piece.points, piece.bold);
        font.setItalic(piece.italic);
        painter.setFont(font);
        painter.drawText(piece.rect, piece.flags, piece.text);
    }

    if (!footer_.isEmpty()) {
        const double top = printable_.height() - footerHeight_ + BandGap;
        painter.setPen(QPen(Qt::black, 0.5));
        painter.drawLine(QPointF(0, top - 3), QPointF(width, top - 3));
        painter.setFont(PointFont(device, SmallestType));
        painter.drawText(QRectF(0, top, width, footerHeight_ - BandGap), WrapFlags | Qt::TextWrapAnywhere, footer_);
    }
    painter.restore();
}

bool PagedDocument::drawPages(Page& page, int index)
{
    if (index == 0)
        paginate(page.painter().device(), page.printableSize());
    drawPage(page, index);
    return index + 1 < pageCount();
}

}  // namespace output

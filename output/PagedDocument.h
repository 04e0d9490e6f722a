#pragma once

#include <QFont>
#include <QLocale>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QAbstractItemModel;
class QPaintDevice;
class QPainter;

namespace output {

class Page;

// The smallest type any printed page uses, in points.
inline constexpr double SmallestType = 8.0;

// The paper a locale's printers hold: Letter in the territories that use it, A4 elsewhere.
QPageSize PaperFor(const QLocale& locale = QLocale());

// A font of `points` for a painter scaled so that one unit is one point on `device`: the
// device would scale a font resolved on it a second time, so its size is given in device
// pixels of that scale.
QFont PointFont(const QPaintDevice* device, double points, bool bold = false);

// A table for a paged document: its heading row is repeated on every page it continues on.
struct PagedTable {
    QStringList headers{};
    std::vector<QStringList> rows{};
    // Whether a cell is set in italics (a value assumed rather than given); none: no cell is.
    std::function<bool(int row, int column)> italic{};
    QList<int> keptWhole{};  // columns whose texts are never wrapped while the page has room
};

// The display texts of a model's columns (all, or those listed) and rows; a cell whose
// font role is italic stays italic.
PagedTable TableFromModel(const QAbstractItemModel& model, const QList<int>& columns = {});

// A document laid out on as many pages as it needs: every page is headed by the title
// and "Page n of m" and ends with the footer. Tables are set in columns sized to their
// content, their texts wrapped rather than cut, their rows never split across pages.
// Nothing is set smaller than SmallestType.
class PagedDocument {
public:
    static constexpr double TitlePoints = 12.0;
    static constexpr double HeadingPoints = 10.5;
    static constexpr double BodyPoints = 9.0;
    static constexpr double TablePoints = SmallestType;

    PagedDocument(QString title, QString footer);

    void addHeading(const QString& text);
    void addText(const QString& text, bool bold = false);
    void addTable(PagedTable table);
    // A drawing of the page's full width and `height` points, given its rectangle in points.
    void addDrawing(double height, std::function<void(QPainter&, const QRectF&)> draw);
    void addSpace(double points);

    // Lays the document out on pages of the printable size of `device`'s pages (in points)
    // and returns how many it takes.
    int paginate(const QPaintDevice* device, QSizeF printableSize);
    int pageCount() const { return int(pages_.size()); }
    // Draws page `index` (from 0) of the last layout.
    void drawPage(Page& page, int index) const;

    // Lays the document out on the first page and draws every page: the drawing of a
    // print job (see RunMultiPagePrintJob).
    bool drawPages(Page& page, int index);

private:
    struct Block {
        enum class Kind { Heading, Text, Table, Drawing, Space } kind;
        QString text{};
        bool bold = false;
        PagedTable table{};
        double height = 0;
        std::function<void(QPainter&, const QRectF&)> draw{};
    };
    struct Piece {
        QRectF rect{};
        QString text{};
        double points = BodyPoints;
        bool bold = false;
        bool italic = false;
        int flags = 0;
        bool rule = false;  // a line along the rectangle's top
        std::function<void(QPainter&, const QRectF&)> draw{};
    };
    using Pieces = std::vector<Piece>;
    struct Layout;

    void placeTable(Layout& layout, const PagedTable& table) const;

    QString title_;
    QString footer_;
    std::vector<Block> blocks_;
    std::vector<Pieces> pages_;
    double headerHeight_ = 0;
    double footerHeight_ = 0;
    QSizeF printable_;
};

}  // namespace output

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "records/RecordsSchema.h"

class QAbstractItemModel;

namespace output {
class Page;
}

// What stands above the table on every page of the records report.
struct RecordsReportHeading {
    QString source;      // the records file or server
    QString filter;      // the filter in words
    QString count;       // how many records the report holds, in words
    QString exportedAt;  // when the report was made
};

// The saved records as a table on landscape pages, as many as it takes: on each page the
// heading "Saved Records", the source, the filter, the count and the time of export,
// the column titles, the rows that fit, and "Page i of n" at the foot. A long message or
// note wraps within its column. The columns, their titles and widths are those the
// records schema gives the report; a title carries the unit its column's heading names in
// the model ("Air (°F)"), and a long title wraps.
class RecordsReport {
public:
    RecordsReport(const QAbstractItemModel& rows, RecordsReportHeading heading);

    // Draws page `index` (from 0); true while another page follows.
    bool DrawPage(output::Page& page, int index);
    // Known once the first page has been drawn.
    int pageCount() const { return static_cast<int>(firstRows_.size()); }

private:
    struct Layout {
        std::vector<double> columnX;      // left edges, in points
        std::vector<double> columnWidth;  // in points
        double titleHeight = 0.0;         // of the column titles, in points
        double tableTop = 0.0;            // where the first row starts, below the column titles
        double footTop = 0.0;             // where the page number stands
    };
    void LayOut(output::Page& page);
    double RowHeight(output::Page& page, int row) const;
    QString Cell(int row, int column) const;

    const QAbstractItemModel& rows_;
    RecordsReportHeading heading_;
    std::vector<RecordsSchema::ReportPlace> columns_;
    QStringList titles_;
    std::vector<int> sourceColumns_;  // the model's column for each report column; -1 when missing
    Layout layout_;
    std::vector<int> firstRows_;  // the first row of each page
    std::vector<double> rowHeights_;
};

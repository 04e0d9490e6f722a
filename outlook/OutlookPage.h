#pragma once

#include <QString>

#include "outlook/OutlookChart.h"
#include "output/PagedDocument.h"

// The outlook printed: title, source and fetch time, the windows found, the chart, then
// every hour of the table with whatever columns it has, on as many pages as it takes.
struct OutlookPageContent {
    QString source;
    QString windows;
    OutlookChartData chart;
    output::PagedTable table;
};

// The chart's height on the printed page, in points.
inline constexpr double OutlookChartPoints = 250.0;

output::PagedDocument OutlookDocument(const OutlookPageContent& content);

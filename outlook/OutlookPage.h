#pragma once

#include <QString>
#include <vector>

#include "outlook/OutlookChart.h"
#include "outlook/OutlookHours.h"

namespace output {
class Page;
}

// The outlook on one printed page: title, source and fetch time, the windows found, the
// chart and every hour of the table, in as many columns and as small a type as it takes.
struct OutlookPageContent {
    QString source;
    QString windows;
    OutlookChartData chart;
    std::vector<OutlookHour> hours;
    UnitSystem units = UnitSystem::US;
};

void DrawOutlookPage(output::Page& page, const OutlookPageContent& content);

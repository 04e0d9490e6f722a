#pragma once

#include "output/PagedDocument.h"

struct PourReport;

// The chart's height on the page, in points.
inline constexpr double PourChartPoints = 220.0;

// The pour report laid out for paper: its fields, the chart, the hours, the measures, the
// remarks and a line to sign, every page ending with the digest of its canonical text.
output::PagedDocument PourDocument(const PourReport& report);

// The footer that names the digest.
QString DigestLine(const QString& digest);

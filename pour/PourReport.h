#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlRecord>
#include <QString>
#include <optional>
#include <vector>

#include "calc/Calculation.h"
#include "outlook/OutlookHours.h"

// One pour on paper for the quality-control file: where and what, who prepared it, the
// mix and the threshold in force, every hour's readings with where they came from, its
// rate with the band measured rates fall in, its class, the safe window, and the measures
// planned and taken. Its canonical text is what is kept beside the records and what the
// digest printed on each page is computed from.
struct PourHour {
    QDateTime time{};  // the site's clock; invalid when not known
    QString air{}, humidity{}, wind{}, concrete{};  // as shown, in the report's units
    QString provenance{};  // "measured", "forecast; assumed: concrete air + 0.0 °F, wind 10 m × 0.65", …
    std::optional<double> rate{};  // the equation's rate, in the report's units; none when not computed
    QString message{};             // the hour's class in words ("Measures shall be taken."), or why not computed
    Precaution precaution = Precaution::Ok;
};

struct PourMeasure {
    QString text{};
    bool planned = false;
    bool taken = false;
};

struct PourReport {
    QString site{};
    QString pour{};  // the pour or the element
    QDate date{};
    QString preparedBy{};
    UnitSystem units = UnitSystem::US;
    MixPreset mix = MixPreset::Standard;
    double threshold = 0.2;  // the threshold in force, in the report's units
    QString thresholdText{};   // as the window wrote it
    QString safeWindow{};      // the safe window in words
    QString sun{};             // sun on the slab in the hours, as the user said; empty when not asked
    std::vector<PourHour> hours{};
    std::vector<PourMeasure> measures{};  // the list a crew ticks, in its order
    QString otherMeasures{};
    QString remarks{};

    // The report's title: the pour's name, or the site's, or "Pour report".
    QString title() const;
    // Whether the hour's ±40 % band holds rates on both sides of the threshold.
    bool borderline(const PourHour& hour) const;
};

// The measures a crew may tick: the full list, in the order a crew applies them.
std::vector<PourMeasure> MeasureList();

// The hours' texts as the report's table and its canonical text write them.
QString HourTimeText(const PourHour& hour);
QString RateText(std::optional<double> rate);
QString BandText(std::optional<double> rate);
// "OK", "may be needed, borderline", … : the hour's class for a narrow column.
QString ClassText(const PourReport& report, const PourHour& hour);

// The safe window among the hours in words: the longest run of hours in which no measure
// shall be taken, hour after hour.
QString DescribeSafeWindow(const std::vector<PourHour>& hours);

// The text the digest covers: every field and hour, one per line, in a fixed order.
QString CanonicalText(const PourReport& report);

// Reports begun from what the user was looking at; the fields the dialog asks for are left
// for it (the site where the source knows it).
PourReport ReportFromCalculation(const Calculation& calculation, const QDateTime& now);
PourReport ReportFromOutlook(const std::vector<OutlookHour>& hours, const OutlookSettings& settings,
                             const QString& windows);
// Records as the viewer's table holds them, each shown in `units`.
PourReport ReportFromRecords(const QList<QSqlRecord>& records, UnitSystem units);

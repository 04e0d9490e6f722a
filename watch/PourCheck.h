#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "calc/PourState.h"
#include "outlook/Forecast.h"
#include "outlook/OutlookHours.h"
#include "records/PlannedPours.h"

// One planned pour checked against its site's forecast.
struct PourCheck {
    PlannedPour pour;
    std::optional<PourState> state;  // none when it could not be checked
    QString reason;                  // why not
    int plannedHours = 0;
    int hoursAtRisk = 0;
    int hoursBorderline = 0;
    double worstRate = 0;  // the highest equation rate of its hours, in the pour's units
    QString worstRateText;  // as the calculator writes it
    QDateTime worstHour;   // when it is forecast, in the site's zone
    QString threshold;     // the threshold in force, as written
    UnitSystem units = UnitSystem::US;
    // The forecast it was checked against: when it was fetched, and whether it was kept
    // from an earlier fetch because the server could not be asked.
    QDateTime fetched;
    bool kept = false;
};

// The outlook settings a pour's hours are computed with.
OutlookSettings SettingsOf(const PlannedPour& pour);

// The pour's hours (those starting from its start to before its end) in the forecast; a
// pour the forecast does not cover hour by hour, or with an hour that cannot be computed,
// is not checked.
PourCheck CheckPour(const PlannedPour& pour, const Forecast::Answer& forecast, double heightFactor);

#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QTimeZone>
#include <vector>

#include "records/RecordsSchema.h"

// A pour booked for a site: the hours it runs and what its rates are judged by. Kept with
// the records, in a table of its own, so that a team sharing a records server shares them.
struct PlannedPour {
    qint64 id = 0;  // given by the engine when the pour is added
    QString site;
    double latitude = 0;
    double longitude = 0;
    QString timeZone;  // the site's zone ("Europe/Zurich"); the hours are instants whatever it is
    QDateTime start;   // UTC
    QDateTime end;     // UTC, after the start
    QString units = QStringLiteral("US");  // the unit system's code the values below are in
    QString threshold;  // the alternate rate in force; empty for the system's default
    QString mix = QStringLiteral("Standard");  // the mix preset's code the threshold was chosen for
    bool concreteConstant = false;  // the concrete rule: a constant temperature, or air + an offset
    double concreteValue = 0;
    QString plannedBy;
};

namespace PlannedPours {

inline const QString TableName = QStringLiteral("tblPlannedPours");

// The table's columns, each once with its type on both engines.
const std::vector<RecordsSchema::Column>& Columns();

// The table is made with the first pour planned, so that a records file or a server the
// login may only read opens as before; a store without it has no pours.
QSqlError Add(QSqlDatabase& db, PlannedPour& pour);
QSqlError List(QSqlDatabase& db, std::vector<PlannedPour>& pours);
QSqlError Remove(QSqlDatabase& db, qint64 id);

// "Pour 3 at Zurich, Tue 8 Dec 07:00 to 12:00 CET", in the site's zone (UTC where it is not
// known).
QString Title(const PlannedPour& pour);
// The site's zone, or UTC.
QTimeZone ZoneOf(const PlannedPour& pour);

// The pours that have not ended by `now`, in the order they start.
std::vector<PlannedPour> Coming(const std::vector<PlannedPour>& pours, const QDateTime& now);

}  // namespace PlannedPours

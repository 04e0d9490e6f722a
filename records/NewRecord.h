#pragma once

#include <QString>

// One record as the save dialog hands it over: every value is text, converted by
// the store to its column's type.
struct NewRecord {
    QString RecordDate;
    QString RecordTime;
    QString AirTemp;
    QString ConcreteTemp;
    QString RH;
    QString WindVelocity;
    QString EvapRate;
    QString RateNote;
    QString MiscNote;
    QString RateThreshold;
    QString Units = QStringLiteral("US");  // the unit system of every value above
    QString Site;                          // where the readings were taken
    QString SavedBy;                       // the login name of whoever saved the record
    QString CopiedFrom;                    // for a record copied from a records file: its file and number
};

#pragma once

#include <QString>

#include "calc/Calculation.h"
#include "records/LoginName.h"
#include "records/RecordSource.h"
#include "ui/QtText.h"

// One record as it is handed to the store: every value is text, converted by the store
// to its column's type.
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
    QString Source = {};                   // where the readings came from (RecordSources::Text)
    QString ConcreteRule = {};             // the rule that set the concrete temperature; empty when measured
    QString WindFactor = {};               // the factor a 10 m forecast wind was scaled by; empty when measured
    QString Mix = {};                      // the code of the mix preset the threshold was chosen for
};

// What the person saving adds to a calculation, and where its readings came from: typed
// in the window, or an outlook hour whose concrete temperature a rule set and whose wind a
// factor scaled.
struct RecordDetails {
    QString date;
    QString time;
    QString note;
    QString site;
    RecordSource source = RecordSource::Typed;
    QString concreteRule = {};
    QString windFactor = {};
};

// The record of a calculation, saved by the user logged in: the readings and the
// threshold as typed, the equation's rate and the message as shown, in the calculation's
// unit system. The save dialog and the outlook's hours save through this alone.
inline NewRecord RecordOf(const Calculation& calculation, const RecordDetails& details)
{
    const CalculationRequest& request = calculation.request;
    NewRecord record;
    record.RecordDate = details.date;
    record.RecordTime = details.time;
    record.AirTemp = Q(request.readings.air);
    record.ConcreteTemp = Q(request.readings.concrete);
    record.RH = Q(request.readings.humidity);
    record.WindVelocity = Q(request.readings.wind);
    record.EvapRate = Q(calculation.eqnCaption);
    record.RateNote = Q(calculation.answer);
    record.MiscNote = details.note;
    record.RateThreshold = Q(request.thresholdText());
    record.Units = Q(Units::Code(request.units));
    record.Site = details.site;
    record.SavedBy = LoginName();
    record.Source = RecordSources::Text(details.source);
    record.ConcreteRule = details.concreteRule;
    record.WindFactor = details.windFactor;
    record.Mix = Q(PresetOf(request.mix).code);
    return record;
}

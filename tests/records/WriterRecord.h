#pragma once

#include <QString>
#include <QTime>

#include "records/LoginName.h"
#include "records/RecordsStore.h"

// The time a writer's record `i` carries, as the save dialog takes it in the en_US locale.
inline const QString WriterTimeForm = QStringLiteral("h:mm:ss AP");

// Record number `i` of the writer tagged `tag`: every column is derived from the
// two, so a reader can tell a whole record from a damaged one.
inline NewRecord WriterRecord(const QString& tag, int i)
{
    const QString n = QString::number(i);
    NewRecord record;
    record.RecordDate = tag;
    record.RecordTime = QTime(0, 0).addSecs(i).toString(WriterTimeForm);
    record.AirTemp = n + "1";
    record.ConcreteTemp = n + "2";
    record.RH = n + "3";
    record.WindVelocity = n + "4";
    record.EvapRate = n + "5";
    record.RateNote = n + "6";
    record.MiscNote = QString(255, QChar(u'a' + i % 26));
    record.RateThreshold = QStringLiteral("0.2");
    record.Site = QString();
    record.SavedBy = LoginName();  // as the save dialog fills these in
    record.Source = RecordSources::Text(RecordSource::Typed);
    record.Mix = Q(PresetOf(MixPreset::Standard).code);
    return record;
}

#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "records/NewRecord.h"

// Records read from a CSV file that the viewer's export or the field edition's log wrote:
// the records columns by name in any order, with or without a unit in the heading
// ("AirTemp (°F)"); columns the records do not have are left aside. A row is refused, with
// its line and column, when its date, time or a reading cannot be read.
namespace RecordsImport {

struct Read {
    QString error;  // why the file cannot be imported at all; empty when its rows were read
    int rows = 0;   // rows of data in the file
    std::vector<NewRecord> records;  // the rows that can be saved, dated in the locale's forms
    QStringList refused;             // "line 5, column AirTemp: "abc" is not a number."
};
Read FromText(const QString& text);

// What a record is known by, however often it is imported: its date, time, readings
// (to the whole unit of the model, so that a value converted for an export and back still
// matches), site and note.
QString KeyOf(const NewRecord& record);

// What the user is told: how many rows were added, were there already and were refused,
// and why the first few were refused.
struct Outcome {
    int added = 0;
    int already = 0;
    bool cancelled = false;
    QString error;  // why nothing was added
};
QString Summary(const QString& fileName, const Read& read, const Outcome& outcome);

}  // namespace RecordsImport

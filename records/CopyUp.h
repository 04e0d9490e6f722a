#pragma once

#include <QString>
#include <functional>

#include "records/RecordsStore.h"

// Copying every record of a records file to a records server, once: each copied record
// keeps its origin (the file's identity and its record number), so running the copy again
// adds only what is new.
namespace CopyUp {

struct Result {
    QString error;  // why nothing was copied; empty when the copy ran
    RecordsStore::CopyOutcome outcome;
    int total = 0;  // records in the file
};

// `progress` is told how many of `total` records were handled; returning false cancels
// the copy, which then changes nothing on the server.
Result Run(const QString& file, RecordsStore& server, const std::function<bool(int done, int total)>& progress = {});

// What the user is told when the copy has run.
QString Summary(const Result& result);

}  // namespace CopyUp

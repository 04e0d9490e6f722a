#pragma once

#include <QString>

#include "records/RecordsSchema.h"
#include "records/RecordsStore.h"
#include "ui/MessageBox.h"

// What the records benchmarks share.
namespace BenchRecords {

constexpr int RecordCount = 100000;

// Answers every message at once, as the user would press OK.
class PressOk : public Msg::Responder {
public:
    Msg::Answer respond(const Msg::Request&) override { return Msg::Answer::Ok; }
};

// A new records file at `path`, opened as the program opens one.
inline void OpenNewRecordsFile(RecordsStore& store, const QString& path)
{
    QString error;
    RecordsSchema::CreateRecordsFile(path, error);
    store.UseDatabasePath(path);
    store.OpenDatabase();
    store.AddRateThresholdField();
    store.OpenRecordsTable();
}

}  // namespace BenchRecords

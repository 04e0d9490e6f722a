#pragma once

#include <QString>
#include <memory>

#include "records/RecordsPath.h"

// Gives the program a folder of its own for the test: an empty records file as the
// build ships it, and the program's folder pointed there while the object lives.
class RecordsFolder {
public:
    explicit RecordsFolder(const QString& folder, bool createFile = true);
    QString databasePath() const;

private:
    QString folder_;
    RecordsPath::ScopedProgramFolder scope_;
};

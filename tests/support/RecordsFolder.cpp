#include "tests/support/RecordsFolder.h"

#include <gtest/gtest.h>

#include "records/RecordsSchema.h"

RecordsFolder::RecordsFolder(const QString& folder, bool createFile) : folder_(folder), scope_(folder)
{
    if (!createFile)
        return;
    QString error;
    EXPECT_TRUE(RecordsSchema::CreateRecordsFile(databasePath(), error)) << error.toStdString();
}

QString RecordsFolder::databasePath() const
{
    return RecordsPath::ForThisProgram();
}

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <vector>

#include "tests/records/RecordsTestFiles.h"
#include "tests/records/WriterProcess.h"

namespace {

constexpr int Seconds = 10;

// Several copies of the program save into one file as fast as they can for the
// whole span; afterwards every record each one reported saved is there exactly once.
class ConcurrentWriters : public ::testing::TestWithParam<int> {};

TEST_P(ConcurrentWriters, SavingAtOnceLosesNothing)
{
    const int copies = GetParam();
    RecordsFile file;
    std::vector<std::unique_ptr<WriterProcess>> writers;
    for (int i = 0; i < copies; ++i)
        writers.push_back(std::make_unique<WriterProcess>(file.path(), QStringLiteral("copy %1").arg(i), 0, Seconds));

    std::vector<int> reported;
    for (const auto& writer : writers) {
        ASSERT_TRUE(writer->WaitForExit((Seconds + 60) * 1000)) << writer->tag().toStdString();
        EXPECT_TRUE(writer->FinishedCleanly()) << writer->tag().toStdString();
        reported.push_back(writer->ReportedSaves());
        EXPECT_GT(reported.back(), 0) << writer->tag().toStdString() << " never got to save";
    }

    const ReadOnlyLook look = LookReadOnly(file.path());
    ASSERT_EQ(look.error, "");
    EXPECT_EQ(look.integrity, "ok");
    const WriterRecordTally tally = TallyWriterRecords(look.rows);
    EXPECT_EQ(tally.damaged, 0);
    int written = 0;
    int lost = 0;
    int doubled = 0;
    for (int i = 0; i < copies; ++i) {
        written += reported[i];
        lost += tally.Missing(writers[i]->tag(), reported[i]);
        doubled += tally.Duplicated(writers[i]->tag());
    }
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(doubled, 0);
    // Every copy ended by itself, so it reported every record it saved.
    EXPECT_EQ(tally.rows, written);
    std::cout << "concurrent writers: " << copies << " processes for " << Seconds << " s, " << written
              << " records written, " << tally.rows - tally.damaged << " found, " << lost << " lost, " << doubled
              << " doubled" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Copies, ConcurrentWriters, ::testing::Values(2, 4),
                         [](const auto& info) { return std::to_string(info.param) + "Copies"; });

}  // namespace

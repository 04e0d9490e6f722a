#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <iostream>
#include <map>

#include "records/RecordsStore.h"
#include "tests/records/RecordsTestFiles.h"
#include "tests/records/WriterProcess.h"

namespace {

constexpr int Trials = 200;
// A save takes some milliseconds (mostly waiting for the disk), so kills spread
// over this span land at every point of a save and between saves.
constexpr int LongestDelayUs = 40000;

bool HasJournal(const QString& path)
{
    return QFileInfo(path + QStringLiteral("-journal")).size() > 0;
}

// A copy of the program saving in a loop is killed at a random moment, over and over,
// on the same file. After each kill the file must read back sound, every record in
// it whole, and every record a copy reported saved still there.
TEST(RecordsUnderFaults, SaveKilledAtRandomPointsLeavesOnlyWholeRecords)
{
    RecordsFile file;
    const quint32 seed = QRandomGenerator::global()->generate();
    SCOPED_TRACE(testing::Message() << "random seed " << seed);
    QRandomGenerator random(seed);

    std::map<QString, int> reported;
    int damagedFiles = 0;
    int rolledBack = 0;
    int lost = 0;
    WriterRecordTally tally;
    for (int trial = 0; trial < Trials; ++trial) {
        const QString tag = QStringLiteral("trial %1").arg(trial);
        {
            WriterProcess writer(file.path(), tag, 0);
            ASSERT_TRUE(writer.WaitUntilReady()) << tag.toStdString();
            QThread::usleep(random.bounded(LongestDelayUs));
            writer.Kill();
            ASSERT_TRUE(writer.WaitForExit(30000)) << tag.toStdString();
            reported[tag] = writer.ReportedSaves();
        }

        ReadOnlyLook look = LookReadOnly(file.path());
        if (!look.error.isEmpty() && HasJournal(file.path())) {
            // The save was cut off with its journal in place; a reader that may not
            // write cannot undo it. The next copy of the program to open the file
            // rolls the unfinished save back, as here.
            ++rolledBack;
            RecordsStore next;
            ASSERT_EQ(OpenStore(next, file.path()), std::vector<int>{}) << tag.toStdString();
            look = LookReadOnly(file.path());
        }
        tally = TallyWriterRecords(look.rows);
        int lostHere = 0;
        for (const auto& [writerTag, saves] : reported)
            lostHere += tally.Missing(writerTag, saves) + tally.Duplicated(writerTag);
        const bool damaged = !look.error.isEmpty() || look.integrity != "ok" || tally.damaged > 0 || lostHere > 0;
        EXPECT_FALSE(damaged) << tag.toStdString() << ": " << look.error.toStdString() << " integrity "
                              << look.integrity.toStdString() << ", " << tally.damaged << " damaged rows, "
                              << lostHere << " records lost or doubled";
        damagedFiles += damaged;
        lost += lostHere;
    }

    int promised = 0;
    for (const auto& entry : reported)
        promised += entry.second;
    EXPECT_GT(promised, 0) << "no kill came after a finished save";
    std::cout << "kill-during-save: " << Trials << " trials, " << damagedFiles << " damaged files, "
              << tally.rows - tally.damaged << " records whole, " << promised << " reported saved, " << lost
              << " lost (" << rolledBack << " unfinished saves rolled back on the next opening)" << std::endl;
}

}  // namespace

#include <gtest/gtest.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <map>
#include <memory>
#include <set>

#include "tests/records/RecordsTestFiles.h"
#include "tests/records/WriterRecord.h"

namespace {

std::unique_ptr<QProcess> StartWriter(const QString& path, const QString& tag, int count)
{
    auto writer = std::make_unique<QProcess>();
    writer->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    writer->start(QStringLiteral(BRACKMERE_RECORDS_WRITER), {path, tag, QString::number(count)});
    return writer;
}

bool WaitUntilReady(QProcess& writer)
{
    while (!writer.canReadLine())
        if (!writer.waitForReadyRead(30000))
            return false;
    return writer.readLine().trimmed() == "ready";
}

// Every row must be exactly the record its writer made from its tag and number.
void ExpectEveryRecordWhole(const RecordsFile& file)
{
    for (const QStringList& row : file.Rows()) {
        ASSERT_EQ(row.size(), 11);
        const NewRecord made = WriterRecord(row[1], row[2].toInt());
        const QStringList expected{row[0], made.RecordDate, made.RecordTime, made.AirTemp, made.ConcreteTemp,
                                   made.RH, made.WindVelocity, made.EvapRate, made.RateNote, made.MiscNote,
                                   made.RateThreshold};
        EXPECT_EQ(row, expected);
    }
}

TEST(RecordsSharing, TwoCopiesSavingAtOnceLoseNoRecord)
{
    RecordsFile file;
    file.Exec("ALTER TABLE tblBrackmere ADD COLUMN RateThreshold REAL");
    constexpr int perWriter = 300;
    auto first = StartWriter(file.path(), "first", perWriter);
    auto second = StartWriter(file.path(), "second", perWriter);
    for (QProcess* writer : {first.get(), second.get()}) {
        ASSERT_TRUE(writer->waitForFinished(120000));
        EXPECT_EQ(writer->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(writer->exitCode(), 0);
    }

    std::map<QString, std::set<int>> saved;
    for (const QStringList& row : file.Rows())
        saved[row[1]].insert(row[2].toInt());
    for (const char* tag : {"first", "second"}) {
        EXPECT_EQ(saved[tag].size(), std::size_t{perWriter}) << tag;
        EXPECT_EQ(*saved[tag].rbegin(), perWriter - 1) << tag;
    }
    ExpectEveryRecordWhole(file);
}

TEST(RecordsSharing, CopyKilledWhileSavingLeavesOnlyWholeRecords)
{
    RecordsFile file;
    file.Exec("ALTER TABLE tblBrackmere ADD COLUMN RateThreshold REAL");
    constexpr int trials = 20;
    int previous = 0;
    for (int trial = 0; trial < trials; ++trial) {
        auto writer = StartWriter(file.path(), QStringLiteral("trial %1").arg(trial), 0);
        ASSERT_TRUE(WaitUntilReady(*writer));
        QThread::msleep(QRandomGenerator::global()->bounded(5, 60));
        writer->kill();
        ASSERT_TRUE(writer->waitForFinished(30000));

        const int count = file.Count();
        EXPECT_GE(count, previous) << "trial " << trial;
        previous = count;
    }
    EXPECT_GT(previous, 0);

    QList<QStringList> check;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("integrity"));
        db.setDatabaseName(file.path());
        ASSERT_TRUE(db.open());
        QSqlQuery integrity(db);
        ASSERT_TRUE(integrity.exec(QStringLiteral("PRAGMA integrity_check")));
        ASSERT_TRUE(integrity.next());
        EXPECT_EQ(integrity.value(0).toString(), "ok");
    }
    QSqlDatabase::removeDatabase(QStringLiteral("integrity"));
    ExpectEveryRecordWhole(file);
}

}  // namespace

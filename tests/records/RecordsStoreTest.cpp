#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <chrono>
#include <future>
#include <optional>
#include <thread>

#include "records/RecordsPath.h"
#include "records/RecordsSchema.h"
#include "tests/support/RecordsFiles.h"

namespace {

const std::vector<int> NothingFails{};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(RecordsOpening, ShippedFileGainsRateThresholdOnceAndIsNotWrittenAgain)
{
    RecordsFile file;
    file.Exec("INSERT INTO tblBrackmere (RecordDate) VALUES ('old one'), ('old two')");
    ASSERT_EQ(file.Rows().value(0).size(), 10);
    {
        RecordsStore store;
        EXPECT_EQ(OpenStore(store, file.path()), NothingFails);
        QStringList names;
        for (int i = 0; i < store.recordsTable()->record().count(); ++i)
            names << store.recordsTable()->record().fieldName(i);
        EXPECT_EQ(names, (QStringList{"RecID", "RecordDate", "RecordTime", "AirTemp", "ConcreteTemp", "RH",
                                      "WindVelocity", "EvapRate", "RateNote", "MiscNote", "RateThreshold", "Units",
                                      "Site", "SavedBy", "CopiedFrom", "Source", "ConcreteRule", "WindFactor", "Mix"}));
        EXPECT_EQ(store.RecordCount(), 2);
    }
    for (const QStringList& row : file.Rows())
        EXPECT_EQ(row.mid(10), (QStringList{"<null>", "US", "<null>", "<null>", "<null>", "<null>", "<null>", "<null>", "<null>"}))
            << "older rows were US and say nothing of their source";

    const QByteArray before = ReadAll(file.path());
    RecordsStore again;
    EXPECT_EQ(OpenStore(again, file.path()), NothingFails);
    EXPECT_EQ(again.ColumnCount(), 19);
    EXPECT_EQ(ReadAll(file.path()), before);
}

// Two copies of the program started together on a shipped file both find the column
// missing; the one that comes second must take the other's column, not fail on it.
TEST(RecordsOpening, CopyAddingTheColumnAtTheSameMomentIsWaitedFor)
{
    RecordsFile file;
    std::promise<void> columnPending;
    std::thread otherCopy([&] {
        OtherConnection other(file.path());
        EXPECT_TRUE(other.Exec("BEGIN IMMEDIATE"));
        EXPECT_TRUE(other.Exec("ALTER TABLE tblBrackmere ADD COLUMN RateThreshold REAL"));
        columnPending.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_TRUE(other.Exec("COMMIT"));
    });
    columnPending.get_future().wait();
    RecordsStore store;
    EXPECT_EQ(OpenStore(store, file.path()), NothingFails);
    otherCopy.join();
    EXPECT_EQ(store.ColumnCount(), 19);
}

TEST(RecordsOpening, ColumnDifferingOnlyInCaseIsReportedWithTheReasonAndUsedAsItIs)
{
    RecordsFile file;
    file.Exec("ALTER TABLE tblBrackmere ADD COLUMN ratethreshold REAL");
    RecordsStore store;
    QStringList errors;
    EXPECT_EQ(OpenStore(store, file.path(), &errors), std::vector<int>{RecordsErrorNumber::CannotAddColumn});
    EXPECT_TRUE(errors.value(0).contains("duplicate column name")) << errors.join(u'\n').toStdString();
    EXPECT_FALSE(store.AddRecord(SampleRecord("1/2/2024", "0.1")).isValid());
    EXPECT_EQ(file.Rows().value(0).value(10), "0.1");
}

// A file that cannot be used fails the opening steps in turn, the first error naming
// the file, and is left exactly as it was; a missing one is not created, not even by a save.
TEST(RecordsOpening, UnusableFileFailsEveryStepAndIsLeftAsItWas)
{
    using namespace RecordsErrorNumber;
    const struct {
        const char* name;
        std::optional<QByteArray> content;  // none: no file at all
        std::vector<int> errors;
    } cases[] = {
        {"missing", std::nullopt, {FileNotFound, NotOpen, NotOpen, NotOpen, NotOpen}},
        {"not a database", "Not records, just a note someone renamed.\n",
         {NotADatabase, NotOpen, NotOpen, NotOpen, NotOpen}},
        {"empty, without the table", "", {NoTable, NoTable, NotOpen, NotOpen}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("Brackmere_Data.mdb");
        if (c.content) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*c.content);
        }
        RecordsStore store;
        QStringList errors;
        EXPECT_EQ(OpenStore(store, path, &errors), c.errors);
        EXPECT_TRUE(errors.value(0).contains(path)) << errors.value(0).toStdString();
        EXPECT_TRUE(store.AddRecord(SampleRecord("1/2/2024", "0.2")).isValid());
        EXPECT_EQ(ReadAll(path), c.content.value_or(QByteArray()));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), c.content ? 1 : 0);
    }
}

TEST(RecordsOpening, FolderNameWithHashOpensTheRightFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("site #4/Brackmere_Data.mdb");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("site #4")));
    QString error;
    ASSERT_TRUE(RecordsSchema::CreateRecordsFile(path, error)) << error.toStdString();
    RecordsStore store;
    EXPECT_EQ(OpenStore(store, path), NothingFails);
    EXPECT_FALSE(store.AddRecord(SampleRecord("1/2/2024", "0.2")).isValid());
    EXPECT_EQ(store.RecordCount(), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

TEST(RecordsPathRule, UsesTheSharedFileOnlyInTheSharedFolderItself)
{
    const QString shared = "Y:\\Concrete Curing\\records.mdb";
    const struct { const char* programFolder; const char* sharedProgramFolder; QString expected; } cases[] = {
        {"/srv/curing", "/srv/curing", shared},
        {"/srv/Curing", "/srv/curing", "/srv/Curing/Brackmere_Data.mdb"},
        {"/home/site/brackmere", "/srv/curing", "/home/site/brackmere/Brackmere_Data.mdb"},
        {"/srv/curing/old", "/srv/curing", "/srv/curing/old/Brackmere_Data.mdb"},
        {"/opt/brackmere", "", "/opt/brackmere/Brackmere_Data.mdb"},
        {"/opt/brackmere/", "", "/opt/brackmere/Brackmere_Data.mdb"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecordsPath::For(c.programFolder, c.sharedProgramFolder, shared), c.expected)
            << c.programFolder << " with the shared folder '" << c.sharedProgramFolder << "'";

    RecordsStore store;
    store.ChooseDatabasePath();
    EXPECT_EQ(store.databasePath(), QCoreApplication::applicationDirPath() + "/Brackmere_Data.mdb");
}

TEST(RecordsSeedTool, PlacesTheShippedTableWhereNoFileIsAndNeverReplacesRecords)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Brackmere_Data.mdb");
    const auto runSeedTool = [&path] {
        QProcess tool;
        tool.start(QStringLiteral(BRACKMERE_SEED_TOOL), {path});
        return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    };
    ASSERT_TRUE(runSeedTool());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Brackmere_Data.mdb"});
    {
        RecordsStore store;
        ASSERT_EQ(OpenStore(store, path), NothingFails);
        ASSERT_FALSE(store.AddRecord(SampleRecord("1/2/2024", "0.2")).isValid());
    }
    const QByteArray before = ReadAll(path);
    EXPECT_TRUE(runSeedTool());
    EXPECT_EQ(ReadAll(path), before);
}

}  // namespace

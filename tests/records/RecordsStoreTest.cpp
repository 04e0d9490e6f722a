#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTemporaryDir>
#include <chrono>
#include <future>
#include <thread>

#include "calc/ProgramError.h"
#include "records/RecordsPath.h"
#include "records/RecordsSchema.h"
#include "records/RecordsStore.h"
#include "tests/records/RecordsTestFiles.h"

namespace {

const QStringList ShippedColumns{"RecID", "RecordDate", "RecordTime", "AirTemp", "ConcreteTemp", "RH",
                                 "WindVelocity", "EvapRate", "RateNote", "MiscNote"};
const std::vector<int> NothingFails{};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(RecordsOpening, ShippedFileGainsRateThresholdAsLastColumnNullInOldRows)
{
    RecordsFile file;
    EXPECT_EQ(file.ColumnNames(), ShippedColumns);
    file.Exec("INSERT INTO tblBrackmere (RecordDate) VALUES ('old one')");
    file.Exec("INSERT INTO tblBrackmere (RecordDate) VALUES ('old two')");

    RecordsStore store;
    EXPECT_EQ(OpenStore(store, file.path()), NothingFails);
    EXPECT_TRUE(store.isOpen());
    EXPECT_EQ(store.ColumnCount(), 11);
    EXPECT_EQ(store.RecordCount(), 2);
    EXPECT_EQ(file.ColumnNames(), ShippedColumns + QStringList{"RateThreshold"});
    for (const QStringList& row : file.Rows())
        EXPECT_EQ(row.last(), "<null>");
}

TEST(RecordsOpening, FileThatHasRateThresholdIsLeftUnchanged)
{
    RecordsFile file;
    {
        RecordsStore first;
        ASSERT_EQ(OpenStore(first, file.path()), NothingFails);
    }
    const QByteArray before = ReadAll(file.path());
    RecordsStore second;
    EXPECT_EQ(OpenStore(second, file.path()), NothingFails);
    EXPECT_EQ(second.ColumnCount(), 11);
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
    EXPECT_EQ(store.ColumnCount(), 11);
    EXPECT_EQ(file.ColumnNames(), ShippedColumns + QStringList{"RateThreshold"});
}

TEST(RecordsOpening, ColumnDifferingOnlyInCaseIsReportedAndUsedAsItIs)
{
    RecordsFile file;
    file.Exec("ALTER TABLE tblBrackmere ADD COLUMN ratethreshold REAL");
    RecordsStore store;
    EXPECT_EQ(OpenStore(store, file.path()), std::vector<int>{RecordsErrorNumber::CannotAddColumn});
    EXPECT_TRUE(store.isOpen());
    EXPECT_EQ(store.ColumnCount(), 11);
    EXPECT_EQ(store.recordsTable()->record().fieldName(10), "ratethreshold");

    EXPECT_FALSE(store.AddRecord(SampleRecord("1/2/2024", "0.1")).isValid());
    EXPECT_EQ(file.Rows().value(0).value(10), "0.1");
}

TEST(RecordsOpening, DuplicateColumnErrorCarriesTheEnginesReason)
{
    RecordsFile file;
    file.Exec("ALTER TABLE tblBrackmere ADD COLUMN RATETHRESHOLD REAL");
    RecordsStore store;
    store.UseDatabasePath(file.path());
    store.OpenDatabase();
    try {
        store.AddRateThresholdField();
        FAIL() << "the duplicate column was accepted";
    } catch (const ProgramError& error) {
        EXPECT_EQ(error.number(), RecordsErrorNumber::CannotAddColumn);
        EXPECT_NE(std::string(error.what()).find("duplicate column name"), std::string::npos) << error.what();
    }
}

TEST(RecordsOpening, MissingFileFailsEveryStepAndIsNotCreated)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Brackmere_Data.mdb");
    RecordsStore store;
    const std::vector<int> expected{RecordsErrorNumber::FileNotFound, RecordsErrorNumber::NotOpen,
                                    RecordsErrorNumber::NotOpen, RecordsErrorNumber::NotOpen,
                                    RecordsErrorNumber::NotOpen};
    EXPECT_EQ(OpenStore(store, path), expected);
    EXPECT_FALSE(store.isOpen());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(store.AddRecord(SampleRecord("1/2/2024", "0.2")).isValid());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(RecordsOpening, MissingFileErrorNamesTheFile)
{
    QTemporaryDir dir;
    RecordsStore store;
    store.UseDatabasePath(dir.filePath("Brackmere_Data.mdb"));
    try {
        store.OpenDatabase();
        FAIL() << "a missing file opened";
    } catch (const ProgramError& error) {
        EXPECT_NE(QString::fromStdString(error.what()).indexOf(dir.filePath("Brackmere_Data.mdb")), -1) << error.what();
    }
}

TEST(RecordsOpening, FileThatIsNotADatabaseFailsEveryStepAndIsKept)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Brackmere_Data.mdb");
    const QByteArray text = "These are not records, just a note someone renamed.\n";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    RecordsStore store;
    const std::vector<int> expected{RecordsErrorNumber::NotADatabase, RecordsErrorNumber::NotOpen,
                                    RecordsErrorNumber::NotOpen, RecordsErrorNumber::NotOpen,
                                    RecordsErrorNumber::NotOpen};
    EXPECT_EQ(OpenStore(store, path), expected);
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(ReadAll(path), text);
}

TEST(RecordsOpening, EmptyFileWithoutTheTableIsReported)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Brackmere_Data.mdb");
    QFile(path).open(QIODevice::WriteOnly);
    RecordsStore store;
    const std::vector<int> expected{RecordsErrorNumber::NoTable, RecordsErrorNumber::NoTable,
                                    RecordsErrorNumber::NotOpen, RecordsErrorNumber::NotOpen};
    EXPECT_EQ(OpenStore(store, path), expected);
    EXPECT_FALSE(store.isOpen());
}

TEST(RecordsOpening, FolderNameWithHashOpensTheRightFile)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("site #4");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/Brackmere_Data.mdb";
    QString error;
    ASSERT_TRUE(RecordsSchema::CreateRecordsFile(path, error)) << error.toStdString();
    RecordsStore store;
    EXPECT_EQ(OpenStore(store, path), NothingFails);
    EXPECT_FALSE(store.AddRecord(SampleRecord("1/2/2024", "0.2")).isValid());
    EXPECT_EQ(store.RecordCount(), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

struct PathCase {
    const char* name;
    QString programFolder;
    QString sharedProgramFolder;
    QString expected;
};

void PrintTo(const PathCase& c, std::ostream* os)
{
    *os << c.name;
}


class RecordsPathRule : public ::testing::TestWithParam<PathCase> {};

TEST_P(RecordsPathRule, ChoosesTheFile)
{
    const PathCase& c = GetParam();
    EXPECT_EQ(RecordsPath::For(c.programFolder, c.sharedProgramFolder, "Y:\\Concrete Curing\\records.mdb"),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, RecordsPathRule,
    ::testing::Values(
        PathCase{"SharedFolderUsesSharedFile", "/srv/curing", "/srv/curing", "Y:\\Concrete Curing\\records.mdb"},
        PathCase{"LetterCaseDiffersUsesOwnFile", "/srv/Curing", "/srv/curing", "/srv/Curing/Brackmere_Data.mdb"},
        PathCase{"OtherFolderUsesOwnFile", "/home/site/brackmere", "/srv/curing",
                 "/home/site/brackmere/Brackmere_Data.mdb"},
        PathCase{"SharedFolderPrefixUsesOwnFile", "/srv/curing/old", "/srv/curing",
                 "/srv/curing/old/Brackmere_Data.mdb"},
        PathCase{"EmptySettingNeverMatches", "/opt/brackmere", "", "/opt/brackmere/Brackmere_Data.mdb"},
        PathCase{"TrailingSeparatorIsNotDoubled", "/opt/brackmere/", "", "/opt/brackmere/Brackmere_Data.mdb"}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

TEST(RecordsPathRule, ThisProgramUsesTheFileInItsOwnFolder)
{
    EXPECT_EQ(RecordsPath::ForThisProgram(), QCoreApplication::applicationDirPath() + "/Brackmere_Data.mdb");
    RecordsStore store;
    store.ChooseDatabasePath();
    EXPECT_EQ(store.databasePath(), RecordsPath::ForThisProgram());
}

int RunSeedTool(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral(BRACKMERE_SEED_TOOL), {path});
    if (!tool.waitForFinished(30000))
        return -1;
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

TEST(RecordsSeedTool, PlacesTheShippedTableWhereNoFileIs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Brackmere_Data.mdb");
    ASSERT_EQ(RunSeedTool(path), 0);
    RecordsStore store;
    store.UseDatabasePath(path);
    store.OpenDatabase();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Brackmere_Data.mdb"});
    EXPECT_NO_THROW(store.AddRateThresholdField());
}

TEST(RecordsSeedTool, NeverReplacesAFileThatHoldsRecords)
{
    RecordsFile file;
    {
        RecordsStore store;
        ASSERT_EQ(OpenStore(store, file.path()), NothingFails);
        ASSERT_FALSE(store.AddRecord(SampleRecord("1/2/2024", "0.2")).isValid());
    }
    const QByteArray before = ReadAll(file.path());
    EXPECT_EQ(RunSeedTool(file.path()), 0);
    EXPECT_EQ(ReadAll(file.path()), before);
    EXPECT_EQ(file.Count(), 1);
}

}  // namespace

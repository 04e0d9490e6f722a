// Records under faults: copies of the program killed while saving, copies saving at
// once, a full disk; a records server stopped or down. Each test prints its figures on one line.

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <algorithm>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

#include "app/frmMain.h"
#include "records/LoginName.h"
#include "records/RecordsSchema.h"
#include "records/frmSave.h"
#include "tests/records/RecordsServer.h"
#include "tests/records/WriterRecord.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/DefaultLocale.h"
#include "tests/support/RecordsFiles.h"

namespace {

// Another running copy of the program (records_writer) saving records tagged `tag` in the
// records file or on the server at `location`,
// for `seconds` or, with 0, until it is killed, pausing `pauseMs` after each save.
class WriterProcess {
public:
    WriterProcess(const QString& location, const QString& tag, int seconds = 0, int pauseMs = 0)
        : WriterProcess({location, tag, QString::number(seconds), QString::number(pauseMs)})
    {
    }
    // records_writer with these arguments; its tag is the second.
    explicit WriterProcess(const QStringList& arguments) : tag(arguments.value(1))
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(BRACKMERE_RECORDS_WRITER), arguments);
    }
    ~WriterProcess()
    {
        process.kill();
        process.waitForFinished(30000);
    }
    // Waits until the writer has opened the records and is about to save.
    bool WaitUntilReady()
    {
        while (!process.canReadLine())
            if (!process.waitForReadyRead(30000))
                return false;
        return process.readLine().trimmed() == "ready";
    }
    // The records the writer reported saved, one "saved <n>" line each, in order. A line
    // cut short by a kill was never a promise.
    int ReportedSaves(const char* line = "saved ")
    {
        output_ += process.readAllStandardOutput();
        return static_cast<int>(output_.left(output_.lastIndexOf('\n') + 1).count(line));
    }

    const QString tag;
    QProcess process;

private:
    QByteArray output_;
};

// A whole record is exactly the one its writer made from its tag and number.
int NumberOf(const QStringList& row)
{
    const QTime time = QTime::fromString(row.value(2), WriterTimeForm);
    return time.isValid() ? time.msecsSinceStartOfDay() / 1000 : -1;
}

bool IsWhole(const QStringList& row)
{
    const int number = NumberOf(row);
    if (row.size() != 19 || number < 0)
        return false;
    const NewRecord made = WriterRecord(row[1], number);
    return row.mid(1) == QStringList{made.RecordDate, made.RecordTime,    made.AirTemp,  made.ConcreteTemp,
                                      made.RH,         made.WindVelocity,  made.EvapRate, made.RateNote,
                                      made.MiscNote,   made.RateThreshold, made.Units,    made.Site,
                                      made.SavedBy,    "<null>",           made.Source,   "",
                                      "",              made.Mix};
}

// What a reader that changes nothing finds in records that writers filled, against the
// number of records each writer (by tag) reported saved.
struct Verdict {
    ReadOnlyLook look;
    int damaged = 0;        // rows that are not exactly a record some writer made
    int lostOrDoubled = 0;  // reported records missing, or there more than once

    Verdict(ReadOnlyLook looked, const std::map<QString, int>& reported) : look(std::move(looked))
    {
        std::map<QString, std::map<int, int>> found;  // tag -> record number -> copies
        for (const QStringList& row : look.rows) {
            if (IsWhole(row))
                ++found[row[1]][NumberOf(row)];
            else
                ++damaged;
        }
        for (const auto& [tag, saves] : reported) {
            for (int i = 0; i < saves; ++i)
                lostOrDoubled += !found[tag].contains(i);
            for (const auto& [number, copies] : found[tag])
                lostOrDoubled += copies > 1;
        }
    }
    bool sound() const { return look.error.isEmpty() && look.integrity == "ok" && damaged == 0 && lostOrDoubled == 0; }
};

std::ostream& operator<<(std::ostream& os, const Verdict& v)
{
    return os << "read error '" << v.look.error.toStdString() << "', integrity '" << v.look.integrity.toStdString()
              << "', " << v.look.rows.size() << " rows, " << v.damaged << " damaged, " << v.lostOrDoubled
              << " reported records lost or doubled";
}

// A copy of the program saving in a loop is killed at a random moment, over and over,
// on the same file or server. After each kill the records must read back sound, every
// record in them whole, and every record a copy reported saved there exactly once. A
// save takes some milliseconds (in a file mostly waiting for the disk), so kills spread
// over the span land at every point of a save and between saves.
struct Kills { bool server; int trials; int longestDelayUs; };

class KilledWriter : public ::testing::TestWithParam<Kills> {};

TEST_P(KilledWriter, SaveKilledAtRandomPointsLeavesOnlyWholeRecords)
{
    const auto [server, Trials, LongestDelayUs] = GetParam();
    SKIP_WITHOUT_TEST_SERVER(server);
    const TestRecords records(server);
    const quint32 seed = QRandomGenerator::global()->generate();
    SCOPED_TRACE(testing::Message() << "random seed " << seed);
    QRandomGenerator random(seed);

    std::map<QString, int> reported;
    int damagedLooks = 0;
    int rolledBack = 0;
    int promised = 0;
    for (int trial = 0; trial < Trials; ++trial) {
        const QString tag = QStringLiteral("trial %1").arg(trial);
        SCOPED_TRACE(tag.toStdString());
        {
            WriterProcess writer(records.location(), tag);
            ASSERT_TRUE(writer.WaitUntilReady());
            QThread::usleep(random.bounded(LongestDelayUs));
            writer.process.kill();
            ASSERT_TRUE(writer.process.waitForFinished(30000));
            promised += reported[tag] = writer.ReportedSaves();
        }
        if (!server && !records.Look().error.isEmpty() && QFileInfo(records.location() + "-journal").size() > 0) {
            // The save was cut off with its journal in place, which a reader that may not
            // write cannot undo; the next copy of the program to open the file rolls it back.
            ++rolledBack;
            RecordsStore next;
            ASSERT_EQ(OpenStore(next, records.location()), std::vector<int>{});
        }
        const Verdict verdict(records.Look(), reported);
        EXPECT_TRUE(verdict.sound()) << verdict;
        damagedLooks += !verdict.sound();
    }
    EXPECT_GT(promised, 0) << "no kill came after a finished save";
    std::cout << (server ? "server " : "") << "kill-during-save: " << Trials << " trials, " << damagedLooks
              << (server ? " damaged looks, " : " damaged files, ") << promised << " records reported saved, "
              << rolledBack << " unfinished saves rolled back on the next opening; "
              << Verdict(records.Look(), reported) << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Kills, KilledWriter, ::testing::Values(Kills{false, 200, 40000}, Kills{true, 50, 20000}),
                         [](const auto& info) { return info.param.server ? "Server" : "File"; });

// A copy of the program changing and deleting records through the viewer's grid is killed
// at a random moment, over and over, each time on records of its own. Afterwards every
// record is untouched with no history, or changed or deleted with exactly one history row,
// naming the login and holding the record whole as it was: the history row is there exactly
// when the change is. Every change the copy reported done is there.
class KilledChanger : public ::testing::TestWithParam<Kills> {};

TEST_P(KilledChanger, ChangeKilledAtRandomPointsHasItsHistoryRowExactlyWhenItIsThere)
{
    constexpr int PerTrial = 100;
    const auto [server, Trials, LongestDelayUs] = GetParam();
    SKIP_WITHOUT_TEST_SERVER(server);
    const TestRecords records(server);
    {
        RecordsStore store;
        ASSERT_EQ(OpenStore(store, records.location()), std::vector<int>{});
        std::vector<NewRecord> base;
        for (int i = 0; i < Trials * PerTrial; ++i)
            base.push_back(WriterRecord("base", i));
        ASSERT_FALSE(store.AddRecords(base).isValid());
    }
    const quint32 seed = QRandomGenerator::global()->generate();
    SCOPED_TRACE(testing::Message() << "random seed " << seed);
    QRandomGenerator random(seed);
    std::vector<bool> reported(Trials * PerTrial + 1);
    int promised = 0;
    for (int first = 1; first < Trials * PerTrial; first += PerTrial) {
        WriterProcess changer({"change", records.location(), QString::number(first),
                               QString::number(first + PerTrial - 1)});
        ASSERT_TRUE(changer.WaitUntilReady());
        QThread::usleep(random.bounded(LongestDelayUs));
        changer.process.kill();
        ASSERT_TRUE(changer.process.waitForFinished(30000));
        const int done = changer.ReportedSaves("done ");
        std::fill_n(reported.begin() + first, done, true);
        promised += done;
    }

    QStringList columns;
    for (const RecordsSchema::Column& column : RecordsSchema::Columns())
        columns << '"' + column.name + '"';
    std::map<int, QList<QStringList>> kept;  // record number -> its history rows
    for (const QStringList& row : records.Query("SELECT \"Action\", \"ActionBy\", " + columns.join(", ")
                                                + " FROM \"tblBrackmereHistory\""))
        kept[row[2].toInt()] << row;
    std::map<int, QStringList> now;
    for (const QStringList& row : records.Rows())
        now[row[0].toInt()] = row;
    const QString me = server ? "postgres" : LoginName();
    std::map<QString, int> found;  // what happened -> records
    int unsound = 0;
    for (int n = 1; n <= Trials * PerTrial; ++n) {
        const auto record = now.find(n);
        const QString action = record == now.end()               ? "deleted"
                               : record->second[9] == "changed" ? "changed"
                                                                 : "";
        const QList<QStringList>& history = kept[n];
        const bool sound = action.isEmpty() ? history.isEmpty() && IsWhole(record->second) && !reported[n]
                                            : history.size() == 1 && history[0][0] == action && history[0][1] == me
                                                  && history[0][2] == QString::number(n) && IsWhole(history[0].mid(2));
        unsound += !sound;
        ++found[action];
    }
    EXPECT_EQ(unsound, 0);
    EXPECT_GT(promised, 0) << "no kill came after a finished change";
    std::cout << (server ? "server " : "") << "kill-during-change: " << Trials << " trials, " << promised
              << " changes reported done, " << found["changed"] << " records changed and " << found["deleted"]
              << " deleted, each with its one history row; " << found[""] << " untouched without history; "
              << unsound << " unsound" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Kills, KilledChanger, ::testing::Values(Kills{false, 60, 150000}, Kills{true, 30, 60000}),
                         [](const auto& info) { return info.param.server ? "Server" : "File"; });

// Several copies of the program save into one file, or on one server, for the whole span;
// afterwards every record each one reported saved is there exactly once. Each copy saving
// in a file pauses a little after a save, far less than any person takes between two:
// copies saving back to back keep the lock among themselves, and the engine's polling busy
// wait may then leave one waiting past its timeout (refused with a message, which counts
// as a failure here). A server queues them without polling: its copies save back to back.
struct Writers { bool server; int copies; int pauseMs; };

class ConcurrentWriters : public ::testing::TestWithParam<Writers> {};

TEST_P(ConcurrentWriters, SavingAtOnceLosesNothing)
{
    constexpr int Seconds = 10;
    const auto [server, copies, pauseMs] = GetParam();
    SKIP_WITHOUT_TEST_SERVER(server);
    const TestRecords records(server);
    std::vector<std::unique_ptr<WriterProcess>> writers;
    for (int i = 0; i < copies; ++i)
        writers.push_back(
            std::make_unique<WriterProcess>(records.location(), QStringLiteral("copy %1").arg(i), Seconds, pauseMs));

    std::map<QString, int> reported;
    int written = 0;
    for (const auto& writer : writers) {
        SCOPED_TRACE(writer->tag.toStdString());
        ASSERT_TRUE(writer->process.waitForFinished((Seconds + 60) * 1000));
        // Every copy must end by itself, so that it reported every record it saved.
        EXPECT_EQ(writer->process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(writer->process.exitCode(), 0);
        written += reported[writer->tag] = writer->ReportedSaves();
        EXPECT_GT(reported[writer->tag], 0) << "never got to save";
    }
    const Verdict verdict(records.Look(), reported);
    EXPECT_TRUE(verdict.sound()) << verdict;
    EXPECT_EQ(verdict.look.rows.size(), written);
    std::cout << (server ? "server " : "") << "concurrent writers: " << copies << " processes for " << Seconds
              << " s, " << written << " records reported saved; " << verdict << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Copies, ConcurrentWriters,
                         ::testing::Values(Writers{false, 2, 50}, Writers{false, 4, 50}, Writers{true, 8, 0}),
                         [](const auto& info) {
                             return (info.param.server ? "Server" : "") + std::to_string(info.param.copies) + "Copies";
                         });

// While it lives, no file this process writes may grow beyond `bytes`: a write past
// that fails (EFBIG) as on a disk without room, instead of killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : savedHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    bool active = false;

private:
    void (*savedHandler_)(int);
    rlimit saved_{};
};

// A tmpfs of `kib` KiB over `folder`, seen by this process only (a mount namespace of
// its own), where the process may mount; `failure` says why not otherwise.
class SmallFileSystem {
public:
    SmallFileSystem(const QString& folder, int kib) : folder_(QFile::encodeName(folder))
    {
        const QByteArray options = "size=" + QByteArray::number(kib) + "k";
        mounted = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
                  && mount("tmpfs", folder_.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) == 0;
        if (!mounted)
            failure = std::strerror(errno);
    }
    ~SmallFileSystem()
    {
        if (mounted)
            umount2(folder_.constData(), MNT_DETACH);
    }
    bool mounted = false;
    std::string failure;

private:
    QByteArray folder_;
};

// Returns how many records were lost or doubled.
// The records saved through the dialog are dated as a user in the en_US locale types a date.
const QString DialogTag = QStringLiteral("1/2/24");

int ExpectHolding(const ReadOnlyLook& look, int earlier, int dialogRecords)
{
    const Verdict verdict(look, {{"earlier", earlier}, {DialogTag, dialogRecords}});
    EXPECT_TRUE(verdict.sound()) << verdict;
    EXPECT_EQ(verdict.look.rows.size(), earlier + dialogRecords);
    return verdict.lostOrDoubled;
}

// Saves through the dialog, as the user would, into the records at `location` until a save
// fails once `fail` has run (a disk filled up, a server stopped): the refused save is
// reported clearly, the store stays open, nothing saved before is lost, nothing of the
// refused record is written (as seen once `mend` has run), and the same dialog then saves it.
void SaveUntilRefusedThenRetry(const QString& location, const std::function<ReadOnlyLook()>& look, const char* fault,
                               const char* reason, const std::function<void()>& fail,
                               const std::function<void()>& mend)
{
    constexpr int Earlier = 20;
    const DefaultLocale locale("en_US");
    MessageRecorder messages;
    RecordsStore store;
    ASSERT_EQ(OpenStore(store, location), std::vector<int>{});
    for (int i = 0; i < Earlier; ++i)
        ASSERT_FALSE(store.AddRecord(WriterRecord("earlier", i)).isValid());
    fail();
    if (::testing::Test::HasFatalFailure())
        return;
    std::unique_ptr<frmSave> dialog;
    int saved = 0;
    for (; saved < 1000; ++saved) {
        const NewRecord r = WriterRecord(DialogTag, saved);
        dialog = std::make_unique<frmSave>(CalculationShowing(r), store);
        dialog->show();
        TypeDateTimeNote(*dialog, r);
        messages.clear();
        Element<QPushButton>(*dialog, "cmdAccept")->click();
        ASSERT_EQ(messages.messages().size(), 1u);
        if (messages.messages()[0].text != "Record added.") {
            ExpectSaveRefused(*dialog, messages, store.databasePath(), reason, r);
            break;
        }
    }
    ASSERT_LT(saved, 1000) << "no save was refused";
    EXPECT_TRUE(store.isOpen());
    const QString refusal = messages.messages()[0].text;

    mend();
    ExpectHolding(look(), Earlier, saved);
    messages.clear();
    Element<QPushButton>(*dialog, "cmdAccept")->click();
    ASSERT_EQ(messages.messages().size(), 1u);
    const bool savedOnRetry = messages.messages()[0].text == "Record added.";
    EXPECT_TRUE(savedOnRetry) << messages.messages()[0].text.toStdString();
    EXPECT_FALSE(dialog->isVisible());
    const int lost = ExpectHolding(look(), Earlier, saved + 1);
    std::cout << fault << ": " << Earlier << " earlier records, " << saved << " saved before the refusal"
              << ", save refused with \"" << refusal.section(u'\n', 1).simplified().toStdString() << "\", " << lost
              << " lost, " << (savedOnRetry ? "saved" : "refused again") << " on retry" << std::endl;
}

TEST(RecordsOnAFullDisk, FileThatMayNotGrowRefusesTheSaveClearly)
{
    RecordsFile file;
    std::optional<FileSizeLimit> limit;
    SaveUntilRefusedThenRetry(
        file.path(), [&] { return LookReadOnly(file.path()); }, "full disk", "disk I/O error",
        [&] { ASSERT_TRUE(limit.emplace(QFileInfo(file.path()).size()).active); }, [&] { limit.reset(); });
}

TEST(RecordsOnAFullDisk, SmallFileSystemRefusesTheSaveClearly)
{
    QTemporaryDir folder;
    const SmallFileSystem disk(folder.path(), 64);
    if (!disk.mounted)
        GTEST_SKIP() << "cannot mount a small file system here: " << disk.failure;
    const QString path = folder.filePath(RecordsSchema::FileName);
    QString error;
    ASSERT_TRUE(RecordsSchema::CreateRecordsFile(path, error)) << error.toStdString();
    QFile ballast(folder.filePath("ballast"));  // room to give back once the disk is full
    SaveUntilRefusedThenRetry(
        path, [&] { return LookReadOnly(path); }, "full disk", "database or disk is full",
        [&] {
            ASSERT_TRUE(ballast.open(QIODevice::WriteOnly));
            ASSERT_EQ(ballast.write(QByteArray(16 * 1024, 'b')), 16 * 1024);
            ballast.close();
        },
        [&] { ASSERT_TRUE(ballast.remove()); });
}

// A records server of the test's own, which it may stop and start again on the same port
// (scripts/pg-test-server.sh); stopped at the end whatever happens.
class OwnServer {
public:
    OwnServer() { started = Run("start"); }
    ~OwnServer() { Run("stop"); }
    bool Run(const char* command) const
    {
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedChannels);
        script.start(QStringLiteral("bash"), {QStringLiteral(BRACKMERE_PG_TEST_SERVER), command, dir_.path()});
        return script.waitForFinished(120000) && script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
    }
    QString uri() const  // its database, as the administrator
    {
        QFile port(dir_.filePath("port"));
        return QStringLiteral("postgresql://postgres@127.0.0.1:%1/brackmere_test")
            .arg(port.open(QIODevice::ReadOnly) ? QString::fromLatin1(port.readAll()).trimmed() : QString());
    }
    bool started = false;

private:
    QTemporaryDir dir_;
};

// A server stopped under a running program refuses the save with the reason, and once it is
// back on its port the program's next save reaches it.
TEST(RecordsServerUnderFaults, ServerStoppedWhileOpenRefusesTheSaveAndTheNextSaveReconnects)
{
    SKIP_WITHOUT_TEST_SERVER(true);
    const OwnServer server;
    ASSERT_TRUE(server.started);
    const ServerSchema schema(ServerSchema::Table::Shipped, server.uri());
    SaveUntilRefusedThenRetry(
        schema.uri(), [&] { return LookAt(schema); }, "server stopped", "Connection refused",
        [&] { ASSERT_TRUE(server.Run("stop")); }, [&] { ASSERT_TRUE(server.Run("start")); });
}

// Start-up with the server down: the start-up handler reports the opening, naming the server.
TEST(RecordsServerUnderFaults, ServerDownAtStartUpIsReportedNamingTheServer)
{
    QTcpServer probe;  // a port of this computer where nothing listens
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const QString uri = QStringLiteral("postgresql://postgres@127.0.0.1:%1/brackmere_test").arg(probe.serverPort());
    probe.close();
    qputenv(RecordsLocationVariable, uri.toUtf8());
    MessageRecorder messages;
    for (int i = 0; i < 5; ++i)
        messages.answerNext(Msg::Answer::Yes);
    frmMain window;
    qunsetenv(RecordsLocationVariable);
    EXPECT_TRUE(window.startupCompleted());
    ASSERT_EQ(messages.messages().size(), 5u) << "the open, then the four steps that needed it";
    const QString reported = messages.messages()[0].text;
    EXPECT_TRUE(reported.startsWith(QStringLiteral("Error #%1 The records server \"%2\" could not be reached: ")
                                        .arg(RecordsErrorNumber::CannotOpen)
                                        .arg(uri)))
        << reported.toStdString();
    std::cout << "server down at start-up: reported as \"" << reported.section(u'\r', 0, 0).simplified().toStdString()
              << "\"" << std::endl;
}

}  // namespace

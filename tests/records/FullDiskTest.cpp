#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <memory>

#include "records/RecordsSchema.h"
#include "records/RecordsStore.h"
#include "records/frmSave.h"
#include "tests/records/RecordsTestFiles.h"
#include "tests/records/WriterProcess.h"
#include "tests/records/WriterRecord.h"
#include "tests/support/MessageRecorder.h"

namespace {

constexpr int EarlierRecords = 20;

// While it lives, no file this process writes may grow beyond `bytes`: a write past
// that fails (EFBIG) as on a disk without room, instead of killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() { Lift(); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return active_; }
    void Lift()
    {
        if (!active_)
            return;
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
        active_ = false;
    }

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

// A tmpfs of `kib` KiB over `folder`, seen by this process only (a mount namespace
// of its own). Only where the process may mount; `reason` says why not otherwise.
class SmallFileSystem {
public:
    SmallFileSystem(const QString& folder, int kib) : folder_(QFile::encodeName(folder))
    {
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            reason_ = std::strerror(errno);
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kib) + "k";
        if (mount("tmpfs", folder_.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) != 0)
            reason_ = std::strerror(errno);
        else
            mounted_ = true;
    }
    ~SmallFileSystem()
    {
        if (mounted_)
            umount2(folder_.constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }

private:
    QByteArray folder_;
    bool mounted_ = false;
    std::string reason_;
};

SaveSnapshot SnapshotOf(const NewRecord& record)
{
    return {record.AirTemp, record.RH,      record.ConcreteTemp, record.WindVelocity,
            record.RateThreshold, record.EvapRate, record.RateNote};
}

// The save dialog, opened on `record` as the main window would show it and with the
// record's date, time and note typed in, so the row it writes is a writer's record.
std::unique_ptr<frmSave> DialogFor(const NewRecord& record, RecordsStore& store)
{
    auto dialog = std::make_unique<frmSave>(SnapshotOf(record), store);
    dialog->show();
    dialog->findChild<QLineEdit*>(QStringLiteral("txtDate"))->setText(record.RecordDate);
    dialog->findChild<QLineEdit*>(QStringLiteral("txtTime"))->setText(record.RecordTime);
    dialog->findChild<QLineEdit*>(QStringLiteral("txtNote"))->setText(record.MiscNote);
    return dialog;
}

void Accept(frmSave& dialog)
{
    dialog.findChild<QPushButton*>(QStringLiteral("cmdAccept"))->click();
}

class RecordsOnAFullDisk : public ::testing::Test {
protected:
    void OpenWithEarlierRecords(const QString& path)
    {
        path_ = path;
        ASSERT_EQ(OpenStore(store_, path), std::vector<int>{});
        for (int i = 0; i < EarlierRecords; ++i)
            ASSERT_FALSE(store_.AddRecord(WriterRecord(QStringLiteral("earlier"), i)).isValid());
    }

    // Saves through the dialog until a save is refused; leaves that dialog open.
    void SaveUntilRefused()
    {
        for (saved_ = 0; saved_ < 1000; ++saved_) {
            refused_ = DialogFor(WriterRecord(QStringLiteral("dialog"), saved_), store_);
            messages_.clear();
            Accept(*refused_);
            ASSERT_EQ(messages_.messages().size(), 1u);
            if (messages_.messages()[0].text != "Record added.") {
                refusal_ = messages_.messages()[0].text;
                return;
            }
        }
        FAIL() << "the disk never filled up";
    }

    // The refusal names the file and the engine's reason, the dialog stays open with
    // everything typed, and the file holds every earlier record whole and nothing of
    // the refused one.
    void ExpectRefusedAndNothingLost(const char* reason)
    {
        ASSERT_TRUE(refused_);
        ASSERT_EQ(messages_.messages().size(), 1u);
        const Msg::Request& shown = messages_.messages()[0];
        EXPECT_EQ(shown.icon, Msg::Icon::Critical);
        EXPECT_EQ(shown.title, "Save");
        EXPECT_TRUE(shown.text.startsWith(QStringLiteral("The record could not be saved in \"%1\".")
                                              .arg(QDir::toNativeSeparators(path_))))
            << shown.text.toStdString();
        EXPECT_NE(shown.text.indexOf(QString::fromLatin1(reason)), -1) << shown.text.toStdString();
        EXPECT_TRUE(refused_->isVisible());
        EXPECT_EQ(refused_->findChild<QLineEdit*>(QStringLiteral("txtNote"))->text(),
                  WriterRecord(QStringLiteral("dialog"), saved_).MiscNote);
        ExpectFileHolds(saved_);
    }

    void ExpectFileHolds(int dialogRecords)
    {
        const ReadOnlyLook look = LookReadOnly(path_);
        ASSERT_EQ(look.error, "");
        EXPECT_EQ(look.integrity, "ok");
        const WriterRecordTally tally = TallyWriterRecords(look.rows);
        EXPECT_EQ(tally.damaged, 0);
        EXPECT_EQ(tally.Missing(QStringLiteral("earlier"), EarlierRecords), 0);
        EXPECT_EQ(tally.Missing(QStringLiteral("dialog"), dialogRecords), 0);
        EXPECT_EQ(tally.rows, EarlierRecords + dialogRecords);
    }

    // Once there is room again the same dialog saves the record.
    void ExpectSavedOnRetry()
    {
        messages_.clear();
        Accept(*refused_);
        ASSERT_EQ(messages_.messages().size(), 1u);
        EXPECT_EQ(messages_.messages()[0].text, "Record added.");
        EXPECT_FALSE(refused_->isVisible());
        ExpectFileHolds(saved_ + 1);
    }

    void Report(const char* disk)
    {
        std::cout << "full disk (" << disk << "): " << EarlierRecords << " earlier records, " << saved_
                  << " saved before the disk was full, save refused with \""
                  << refusal_.section(u'\n', 1).toStdString() << "\", 0 lost, saved on retry" << std::endl;
    }

    MessageRecorder messages_;
    RecordsStore store_;
    QString path_;
    std::unique_ptr<frmSave> refused_;
    int saved_ = 0;
    QString refusal_;
};

TEST_F(RecordsOnAFullDisk, FileThatMayNotGrowRefusesTheSaveClearly)
{
    RecordsFile file;
    OpenWithEarlierRecords(file.path());
    {
        FileSizeLimit limit(QFileInfo(file.path()).size());
        ASSERT_TRUE(limit.active());
        SaveUntilRefused();
        ExpectRefusedAndNothingLost("disk I/O error");
    }
    ExpectSavedOnRetry();
    Report("file size limit");
}

TEST_F(RecordsOnAFullDisk, SmallFileSystemRefusesTheSaveClearly)
{
    QTemporaryDir folder;
    const SmallFileSystem disk(folder.path(), 64);
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a small file system here: " << disk.reason();
    const QString path = folder.filePath(RecordsSchema::FileName);
    QString error;
    ASSERT_TRUE(RecordsSchema::CreateRecordsFile(path, error)) << error.toStdString();
    OpenWithEarlierRecords(path);

    // Room to give back once the disk is full.
    QFile ballast(folder.filePath(QStringLiteral("ballast")));
    ASSERT_TRUE(ballast.open(QIODevice::WriteOnly));
    ASSERT_EQ(ballast.write(QByteArray(16 * 1024, 'b')), 16 * 1024);
    ballast.close();

    SaveUntilRefused();
    ExpectRefusedAndNothingLost("database or disk is full");
    ASSERT_TRUE(ballast.remove());
    ExpectSavedOnRetry();
    Report("64 KiB tmpfs");
}

}  // namespace

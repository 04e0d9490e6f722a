#include <gtest/gtest.h>

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <future>
#include <iterator>
#include <thread>

#include "records/RecordsStore.h"
#include "records/frmSave.h"
#include "tests/records/RecordsTestFiles.h"
#include "tests/support/MessageRecorder.h"

namespace {

// Every value distinct, so a value shown or stored in the wrong place shows.
const SaveSnapshot Shown{"85", "50", "90", "10", "0.2", "0.241", "Measures may be needed."};
// The date, time and note the tests type in.
const NewRecord Typed = SampleRecord("1/2/2024", "");

class SaveDialog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(OpenStore(store, file.path()), std::vector<int>{}); }

    static void Accept(frmSave& dialog) { Element<QPushButton>(dialog, "cmdAccept")->click(); }

    // Accepts with Typed typed in: the save must be refused for `reason`, and
    // `target` must hold what it held before.
    void AcceptRefused(frmSave& dialog, const RecordsFile& target, const char* reason)
    {
        const QList<QStringList> before = target.Rows();
        QSignalSpy added(&dialog, &frmSave::recordAdded);
        dialog.show();
        TypeDateTimeNote(dialog, Typed);
        Accept(dialog);
        ExpectSaveRefused(dialog, messages, target.path(), reason, Typed);
        EXPECT_EQ(target.Rows(), before);
        EXPECT_EQ(added.count(), 0);
    }

    RecordsFile file;
    RecordsStore store;
    MessageRecorder messages;
};

TEST_F(SaveDialog, IsModalAndItsTabOrderStartsAtTheDate)
{
    frmSave dialog(Shown, store);
    EXPECT_TRUE(dialog.isModal());
    QWidget* chain[] = {Element<QLineEdit>(dialog, "txtDate"), Element<QLineEdit>(dialog, "txtTime"),
                        Element<QLineEdit>(dialog, "txtNote"), Element<QPushButton>(dialog, "cmdAccept"),
                        Element<QPushButton>(dialog, "cmdCancel")};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        QWidget* next = chain[i]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, chain[i + 1]) << i;
    }
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.focusWidget(), chain[0]);
}

TEST_F(SaveDialog, CancelWritesNothingAndAcceptWritesEveryValueInItsColumn)
{
    frmSave cancelled(Shown, store);
    QSignalSpy notAdded(&cancelled, &frmSave::recordAdded);
    TypeDateTimeNote(cancelled, Typed);
    Element<QPushButton>(cancelled, "cmdCancel")->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(notAdded.count(), 0);
    EXPECT_EQ(file.Count(), 0);
    EXPECT_TRUE(messages.messages().empty());

    frmSave dialog(Shown, store);
    QSignalSpy added(&dialog, &frmSave::recordAdded);
    TypeDateTimeNote(dialog, Typed);
    Accept(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(file.Rows(), (QList<QStringList>{{"1", "1/2/2024", "10:11:12 AM", "85", "90", "50", "10", "0.241",
                                                "Measures may be needed.", "note 1/2/2024", "0.2"}}));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Record added.");
    EXPECT_EQ(messages.messages()[0].title, "Saved");
    EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::Information);
}

// Today's date, the time and an empty note are offered and stored as they were
// shown, and the threshold reads back as the same value, whatever its text.
TEST_F(SaveDialog, OfferedTextsAndTheThresholdAreStoredAsShown)
{
    const std::pair<QString, QString> thresholds[] = {
        {"0.2", "0.2"}, {"0.05", "0.05"}, {".15", "0.15"}, {"abc", "abc"}, {"", ""}};
    int row = 0;
    for (const auto& [shown, stored] : thresholds) {
        SCOPED_TRACE(shown.toStdString());
        SaveSnapshot snapshot = Shown;
        snapshot.RateThreshold = shown;
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        const QTime before = QTime::currentTime().addSecs(-1);
        frmSave dialog(snapshot, store);
        const QTime after = QTime::currentTime().addSecs(1);
        QLocale::setDefault(QLocale::system());
        const QString date = Element<QLineEdit>(dialog, "txtDate")->text();
        const QString time = Element<QLineEdit>(dialog, "txtTime")->text();
        EXPECT_EQ(QDate::fromString(date, "dd/MM/yyyy"), QDate::currentDate()) << date.toStdString();
        const QTime offered = QTime::fromString(time, "HH:mm:ss");
        EXPECT_TRUE(offered >= before.addMSecs(-before.msec()) && offered <= after) << time.toStdString();
        Accept(dialog);
        const QStringList saved = file.Rows().value(row++);
        EXPECT_EQ(saved.mid(1, 2), (QStringList{date, time}));
        EXPECT_EQ(saved.value(9), "");
        EXPECT_EQ(saved.value(10), stored);
    }
}

TEST_F(SaveDialog, NoteTakesAtMost255Characters)
{
    frmSave dialog(Shown, store);
    QLineEdit* note = Element<QLineEdit>(dialog, "txtNote");
    QTest::keyClicks(note, QString(300, u'n'));
    EXPECT_EQ(note->text(), QString(255, u'n'));
    Accept(dialog);
    EXPECT_EQ(file.Rows().value(0).value(9), QString(255, u'n'));
}

TEST_F(SaveDialog, ReadOnlyFileIsReportedAndTheDialogStays)
{
    RecordsStore readOnly({.busyTimeoutMs = 100, .readOnly = true});
    ASSERT_EQ(OpenStore(readOnly, file.path()), std::vector<int>{});
    frmSave dialog(Shown, readOnly);
    AcceptRefused(dialog, file, "readonly");
}

TEST_F(SaveDialog, ValueTheColumnRejectsIsReportedAndNothingIsWritten)
{
    RecordsFile strict;
    strict.Exec("ALTER TABLE tblBrackmere ADD COLUMN RateThreshold REAL CHECK (typeof(RateThreshold) <> 'text')");
    RecordsStore strictStore;
    ASSERT_EQ(OpenStore(strictStore, strict.path()), std::vector<int>{});
    SaveSnapshot notANumber = Shown;
    notANumber.RateThreshold = "abc";
    frmSave dialog(notANumber, strictStore);
    AcceptRefused(dialog, strict, "CHECK constraint failed");
}

TEST_F(SaveDialog, LockedFileIsWaitedForThenReportedAndTheSaveCanBeRepeated)
{
    constexpr int busyTimeoutMs = 500;
    RecordsStore impatient({.busyTimeoutMs = busyTimeoutMs, .readOnly = false});
    ASSERT_EQ(OpenStore(impatient, file.path()), std::vector<int>{});
    ASSERT_FALSE(impatient.AddRecord(SampleRecord("12/31/2023", "0.2")).isValid());
    OtherConnection other(file.path());
    ASSERT_TRUE(other.Exec("BEGIN IMMEDIATE"));
    ASSERT_TRUE(other.Exec("INSERT INTO tblBrackmere (RecordDate) VALUES ('never committed')"));

    frmSave dialog(Shown, impatient);
    QElapsedTimer waited;
    waited.start();
    AcceptRefused(dialog, file, "locked");
    EXPECT_GE(waited.elapsed(), busyTimeoutMs * 9 / 10);

    ASSERT_TRUE(other.Exec("ROLLBACK"));
    Accept(dialog);
    EXPECT_EQ(file.Count(), 2);
    EXPECT_EQ(messages.messages().back().text, "Record added.");
}

TEST_F(SaveDialog, LockReleasedWhileWaitingLetsTheSaveThrough)
{
    std::promise<void> locked;
    std::thread otherCopy([&] {
        OtherConnection other(file.path());
        EXPECT_TRUE(other.Exec("BEGIN IMMEDIATE"));
        locked.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_TRUE(other.Exec("COMMIT"));
    });
    locked.get_future().wait();

    frmSave dialog(Shown, store);
    TypeDateTimeNote(dialog, Typed);
    Accept(dialog);
    otherCopy.join();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Record added.");
    EXPECT_EQ(file.Rows().value(0).value(9), Typed.MiscNote);
}

TEST_F(SaveDialog, StoreThatDidNotOpenRefusesTheSaveAndCreatesNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Brackmere_Data.mdb");
    RecordsStore closed;
    OpenStore(closed, path);
    frmSave dialog(Shown, closed);
    dialog.show();
    TypeDateTimeNote(dialog, Typed);
    Accept(dialog);
    ExpectSaveRefused(dialog, messages, path, "is not open", Typed);
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace

#include <gtest/gtest.h>

#include <QDate>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <future>
#include <thread>

#include "records/RecordsAvailability.h"
#include "records/RecordsStore.h"
#include "records/frmSave.h"
#include "tests/records/RecordsTestFiles.h"
#include "tests/support/MessageRecorder.h"

namespace {

const SaveSnapshot Shown{"85", "50", "90", "10", "0.2", "0.241", "Measures may be needed."};

template <typename T>
T* Element(QWidget& dialog, const char* name)
{
    T* element = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!element)
        ADD_FAILURE() << "no element " << name;
    return element;
}

class SaveDialog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(OpenStore(store, file.path()), std::vector<int>{}); }

    // Fills the editable boxes with fixed texts, so the stored row is known exactly.
    static void TypeDateTimeNote(frmSave& dialog, const QString& note)
    {
        Element<QLineEdit>(dialog, "txtDate")->setText("1/2/2024");
        Element<QLineEdit>(dialog, "txtTime")->setText("10:11:12 AM");
        Element<QLineEdit>(dialog, "txtNote")->setText(note);
    }

    RecordsFile file;
    RecordsStore store;
    MessageRecorder messages;
};

TEST_F(SaveDialog, ShowsTheWindowsTextsAndOffersTodayAndNow)
{
    const QTime before = QTime::currentTime();
    frmSave dialog(Shown, store);
    const QTime after = QTime::currentTime();
    EXPECT_EQ(dialog.windowTitle(), "Save");
    EXPECT_TRUE(dialog.isModal());
    const std::pair<const char*, QString> values[] = {
        {"lblAT", "85"}, {"lblRH", "50"}, {"lblCT", "90"}, {"lblWV", "10"},
        {"lblSelected", "0.2"}, {"lblER", "0.241"}, {"lblAnswer", "Measures may be needed."}};
    for (const auto& [name, text] : values)
        EXPECT_EQ(Element<QLabel>(dialog, name)->text(), text) << name;
    const std::pair<const char*, QString> captions[] = {
        {"Label3", "Air Temperature (°F)"}, {"Label1", "Relative Humidity (%)"},
        {"Label2", "Concrete Temperature (°F)"}, {"Label4", "Wind Velocity (mph)"},
        {"Label6", "Selected Threshold Evap. Rate"}, {"lvlererer", "Calculated Evaporation Rate"},
        {"Label10", "Calculation Response"}, {"Label7", "Record Date"}, {"Label8", "Record Time"},
        {"Label5", "Note"}};
    for (const auto& [name, text] : captions)
        EXPECT_EQ(Element<QLabel>(dialog, name)->text(), text) << name;

    EXPECT_EQ(Element<QLineEdit>(dialog, "txtDate")->text(),
              QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    const QString offered = Element<QLineEdit>(dialog, "txtTime")->text();
    EXPECT_TRUE(offered == QLocale::system().toString(before, QLocale::LongFormat)
                || offered == QLocale::system().toString(after, QLocale::LongFormat))
        << offered.toStdString();
    EXPECT_TRUE(Element<QLineEdit>(dialog, "txtNote")->text().isEmpty());
    EXPECT_EQ(Element<QPushButton>(dialog, "cmdAccept")->text(), "Accept");
    EXPECT_EQ(Element<QPushButton>(dialog, "cmdCancel")->text(), "Cancel");
    EXPECT_TRUE(Element<QPushButton>(dialog, "cmdAccept")->font().bold());
}

TEST_F(SaveDialog, TabOrderStartsAtTheDate)
{
    frmSave dialog(Shown, store);
    QWidget* chain[] = {Element<QLineEdit>(dialog, "txtDate"), Element<QLineEdit>(dialog, "txtTime"),
                        Element<QLineEdit>(dialog, "txtNote"), Element<QPushButton>(dialog, "cmdAccept"),
                        Element<QPushButton>(dialog, "cmdCancel")};
    const auto nextTabStop = [](QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    };
    for (int i = 0; i + 1 < 5; ++i)
        EXPECT_EQ(nextTabStop(chain[i]), chain[i + 1]) << i;
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.focusWidget(), chain[0]);
}

TEST_F(SaveDialog, AcceptWritesEveryValueInItsColumn)
{
    frmSave dialog(Shown, store);
    QSignalSpy added(&dialog, &frmSave::recordAdded);
    TypeDateTimeNote(dialog, "north slab, pour 3");
    Element<QPushButton>(dialog, "cmdAccept")->click();

    const QStringList expected{"1", "1/2/2024", "10:11:12 AM", "85", "90", "50", "10", "0.241",
                               "Measures may be needed.", "north slab, pour 3", "0.2"};
    EXPECT_EQ(file.Rows(), QList<QStringList>{expected});
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Record added.");
    EXPECT_EQ(messages.messages()[0].title, "Saved");
    EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::Information);
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SaveDialog, DefaultDateAndTimeAndEmptyNoteAreStoredAsOffered)
{
    frmSave dialog(Shown, store);
    const QString date = Element<QLineEdit>(dialog, "txtDate")->text();
    const QString time = Element<QLineEdit>(dialog, "txtTime")->text();
    Element<QPushButton>(dialog, "cmdAccept")->click();
    const QStringList row = file.Rows().value(0);
    EXPECT_EQ(row.value(1), date);
    EXPECT_EQ(row.value(2), time);
    EXPECT_EQ(row.value(9), "");
}

struct ThresholdCase {
    const char* name;
    QString shown;
    QString stored;
};

void PrintTo(const ThresholdCase& c, std::ostream* os)
{
    *os << c.name;
}


class SavedThreshold : public SaveDialog, public ::testing::WithParamInterface<ThresholdCase> {};

TEST_P(SavedThreshold, ReadsBackAsTheSameValue)
{
    SaveSnapshot snapshot = Shown;
    snapshot.RateThreshold = GetParam().shown;
    frmSave dialog(snapshot, store);
    Element<QPushButton>(dialog, "cmdAccept")->click();
    EXPECT_EQ(file.Rows().value(0).value(10), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Texts, SavedThreshold,
                         ::testing::Values(ThresholdCase{"Default", "0.2", "0.2"},
                                           ThresholdCase{"Alternate", "0.05", "0.05"},
                                           ThresholdCase{"NoLeadingZero", ".15", "0.15"},
                                           ThresholdCase{"NotANumber", "abc", "abc"},
                                           ThresholdCase{"Empty", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveDialog, CancelWritesNothing)
{
    frmSave dialog(Shown, store);
    QSignalSpy added(&dialog, &frmSave::recordAdded);
    TypeDateTimeNote(dialog, "not wanted");
    Element<QPushButton>(dialog, "cmdCancel")->click();
    EXPECT_EQ(file.Count(), 0);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(added.count(), 0);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(SaveDialog, NoteTakesAtMost255Characters)
{
    frmSave dialog(Shown, store);
    QLineEdit* note = Element<QLineEdit>(dialog, "txtNote");
    QTest::keyClicks(note, QString(300, u'n'));
    EXPECT_EQ(note->text(), QString(255, u'n'));
    Element<QPushButton>(dialog, "cmdAccept")->click();
    EXPECT_EQ(file.Rows().value(0).value(9), QString(255, u'n'));
}

// After a refusal the dialog is still open with everything typed, and the file holds
// what it held before, nothing of the refused record.
void ExpectRefusedAndKept(frmSave& dialog, const MessageRecorder& messages, const RecordsFile& file,
                          const char* reason, const QList<QStringList>& rowsBefore = {})
{
    ASSERT_EQ(messages.messages().size(), 1u);
    const Msg::Request& shown = messages.messages()[0];
    EXPECT_EQ(shown.icon, Msg::Icon::Critical);
    EXPECT_NE(shown.text.indexOf(file.path()), -1) << shown.text.toStdString();
    EXPECT_NE(shown.text.indexOf(QString::fromLatin1(reason)), -1) << shown.text.toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Element<QLineEdit>(dialog, "txtNote")->text(), "typed with care");
    EXPECT_EQ(Element<QLineEdit>(dialog, "txtDate")->text(), "1/2/2024");
    EXPECT_EQ(file.Rows(), rowsBefore);
}

TEST_F(SaveDialog, ReadOnlyFileIsReportedAndTheDialogStays)
{
    RecordsStore readOnly({.busyTimeoutMs = 100, .readOnly = true});
    ASSERT_EQ(OpenStore(readOnly, file.path()), std::vector<int>{});
    frmSave dialog(Shown, readOnly);
    QSignalSpy added(&dialog, &frmSave::recordAdded);
    dialog.show();
    TypeDateTimeNote(dialog, "typed with care");
    Element<QPushButton>(dialog, "cmdAccept")->click();
    ExpectRefusedAndKept(dialog, messages, file, "readonly");
    EXPECT_EQ(added.count(), 0);
}

TEST_F(SaveDialog, LockedFileIsWaitedForThenReportedAndTheSaveCanBeRepeated)
{
    constexpr int busyTimeoutMs = 500;
    RecordsStore impatient({.busyTimeoutMs = busyTimeoutMs, .readOnly = false});
    ASSERT_EQ(OpenStore(impatient, file.path()), std::vector<int>{});
    ASSERT_FALSE(impatient.AddRecord(SampleRecord("12/31/2023", "0.2")).isValid());
    const QList<QStringList> before = file.Rows();
    OtherConnection other(file.path());
    ASSERT_TRUE(other.Exec("BEGIN IMMEDIATE"));
    ASSERT_TRUE(other.Exec("INSERT INTO tblBrackmere (RecordDate) VALUES ('never committed')"));

    frmSave dialog(Shown, impatient);
    dialog.show();
    TypeDateTimeNote(dialog, "typed with care");
    QElapsedTimer waited;
    waited.start();
    Element<QPushButton>(dialog, "cmdAccept")->click();
    EXPECT_GE(waited.elapsed(), busyTimeoutMs * 9 / 10);
    ASSERT_TRUE(other.Exec("ROLLBACK"));
    ExpectRefusedAndKept(dialog, messages, file, "locked", before);

    Element<QPushButton>(dialog, "cmdAccept")->click();
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
    TypeDateTimeNote(dialog, "after the other copy");
    Element<QPushButton>(dialog, "cmdAccept")->click();
    otherCopy.join();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Record added.");
    EXPECT_EQ(file.Rows().value(0).value(9), "after the other copy");
}

TEST_F(SaveDialog, ValueTheColumnRejectsIsReportedAndNothingIsWritten)
{
    RecordsFile strict;
    strict.Exec("ALTER TABLE tblBrackmere ADD COLUMN RateThreshold REAL CHECK (typeof(RateThreshold) <> 'text')");
    RecordsStore strictStore;
    ASSERT_EQ(OpenStore(strictStore, strict.path()), std::vector<int>{});
    SaveSnapshot snapshot = Shown;
    snapshot.RateThreshold = "abc";
    frmSave dialog(snapshot, strictStore);
    dialog.show();
    TypeDateTimeNote(dialog, "typed with care");
    Element<QPushButton>(dialog, "cmdAccept")->click();
    ExpectRefusedAndKept(dialog, messages, strict, "CHECK constraint failed");
}

TEST_F(SaveDialog, StoreThatDidNotOpenIsReportedByName)
{
    QTemporaryDir dir;
    RecordsStore closed;
    OpenStore(closed, dir.filePath("Brackmere_Data.mdb"));

    EXPECT_FALSE(ConfirmRecordsAvailable(closed, nullptr));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, RecordsUnavailableText(dir.filePath("Brackmere_Data.mdb")));
    EXPECT_NE(messages.messages()[0].text.indexOf(dir.filePath("Brackmere_Data.mdb")), -1);
    EXPECT_NE(messages.messages()[0].text.indexOf("cannot be saved or shown"), -1);

    messages.clear();
    EXPECT_TRUE(ConfirmRecordsAvailable(store, nullptr));
    EXPECT_TRUE(messages.messages().empty());

    frmSave dialog(Shown, closed);
    dialog.show();
    Element<QPushButton>(dialog, "cmdAccept")->click();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::Critical);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(QFile::exists(dir.filePath("Brackmere_Data.mdb")));
}

}  // namespace

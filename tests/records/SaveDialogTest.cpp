#include <gtest/gtest.h>

#include <QDate>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <iterator>

#include "records/LoginName.h"
#include "records/frmSave.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/RecordsFiles.h"
#include "tests/support/DefaultLocale.h"

namespace {

// Every value distinct, so a value shown or stored in the wrong place shows.
const Calculation Shown = CalculationShowing(SampleRecord("", "0.2"));
const NewRecord Typed = SampleRecord("1/2/2024", "");

class SaveDialog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(OpenStore(store, file.path()), std::vector<int>{}); }

    static void Accept(frmSave& dialog) { Element<QPushButton>(dialog, "cmdAccept")->click(); }

    DefaultLocale locale{"en_US"};
    RecordsFile file;
    RecordsStore store;
    MessageRecorder messages;
};

TEST_F(SaveDialog, IsModalAndItsTabOrderStartsAtTheDate)
{
    frmSave dialog(Shown, store);
    EXPECT_TRUE(dialog.isModal());
    QWidget* chain[] = {Element<QLineEdit>(dialog, "txtDate"), Element<QLineEdit>(dialog, "txtTime"),
                        Element<QComboBox>(dialog, "cboSite"),
                        Element<QLineEdit>(dialog, "txtNote"), Element<QPushButton>(dialog, "cmdAccept"),
                        Element<QPushButton>(dialog, "cmdCancel")};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        QWidget* next = chain[i]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus) || next->parentWidget() == chain[i])
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
    EXPECT_TRUE(file.Rows().isEmpty());
    EXPECT_TRUE(messages.messages().empty());

    frmSave dialog(Shown, store);
    QSignalSpy added(&dialog, &frmSave::recordAdded);
    TypeDateTimeNote(dialog, Typed);
    Element<QComboBox>(dialog, "cboSite")->setCurrentText("north slab");
    Accept(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(file.Rows(), (QList<QStringList>{{"1", "1/2/2024", "10:11:12 AM", "85", "90", "50", "10", "0.241",
                                                "Measures may be needed.", "note 1/2/2024", "0.2", "US", "north slab",
                                                LoginName(), "<null>", "Typed", "", "", "Standard"}}));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Record added.");
    EXPECT_EQ(messages.messages()[0].title, "Saved");
    EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::Information);
}

// Today's date, the time and an empty note are offered and stored as shown, and the
// threshold reads back as the same value, whatever its text.
TEST_F(SaveDialog, OfferedTextsAndTheThresholdAreStoredAsShown)
{
    const std::pair<QString, QString> thresholds[] = {
        {"0.2", "0.2"}, {"0.05", "0.05"}, {".15", "0.15"}, {"abc", "abc"}, {"", ""}};
    int row = 0;
    for (const auto& [shown, stored] : thresholds) {
        SCOPED_TRACE(shown.toStdString());
        const Calculation calculation = CalculationShowing(SampleRecord("", shown));
        std::optional<DefaultLocale> british(std::in_place, "en_GB");
        const QTime before = QTime::currentTime().addSecs(-1);
        frmSave dialog(calculation, store);
        const QTime after = QTime::currentTime().addSecs(1);
        const QString date = Element<QLineEdit>(dialog, "txtDate")->text();
        const QString time = Element<QLineEdit>(dialog, "txtTime")->text();
        EXPECT_EQ(QDate::fromString(date, "dd/MM/yyyy"), QDate::currentDate()) << date.toStdString();
        const QTime offered = QTime::fromString(time, "HH:mm:ss");
        EXPECT_TRUE(offered >= before.addMSecs(-before.msec()) && offered <= after) << time.toStdString();
        Accept(dialog);
        british.reset();
        const QStringList saved = file.Rows().value(row++);
        EXPECT_EQ(saved.mid(1, 2), (QStringList{date, time}));
        EXPECT_EQ(saved.value(9), "");
        EXPECT_EQ(saved.value(10), stored);
    }
}

// A date or time that cannot be read is refused, naming the forms that can; an ISO 8601
// one is stored in the locale's form, as the dialog offers it.
TEST_F(SaveDialog, DatesAndTimesAreReadOrRefused)
{
    const QDate today = QDate::currentDate();
    const struct { QString date, time, stored, said; } cases[] = {
        {"1/2/24", "10:11:12 AM", "1/2/24 10:11:12 AM", "Record added."},
        {"1/2/2024", "9:05:00 PM", "1/2/2024 9:05:00 PM", "Record added."},
        {"2024-01-02", "14:03", "1/2/24 2:03:00 PM", "Record added."},
        {"yesterday", "10:11:12 AM", "",
         QStringLiteral("The record date \"yesterday\" cannot be read. Type it as %1/%2/%3 or %4.")
             .arg(today.month()).arg(today.day()).arg(today.year() % 100, 2, 10, QChar(u'0'))
             .arg(today.toString(Qt::ISODate))},
        {"2/30/24", "10:11:12 AM", "", ""},
        {"1/2/24", "25:99", "", "The record time \"25:99\" cannot be read. Type it as 2:03:12 PM or 14:03."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date.toStdString() + " " + c.time.toStdString());
        messages.clear();
        file.Exec("DELETE FROM tblBrackmere");
        frmSave dialog(Shown, store);
        dialog.show();
        Element<QLineEdit>(dialog, "txtDate")->setText(c.date);
        Element<QLineEdit>(dialog, "txtTime")->setText(c.time);
        Accept(dialog);
        const QStringList row = file.Rows().value(0);
        EXPECT_EQ(row.isEmpty() ? QString() : row[1] + u' ' + row[2], c.stored);
        ASSERT_EQ(messages.messages().size(), 1u);
        if (!c.said.isEmpty()) {
            EXPECT_EQ(messages.messages()[0].text, c.said);
        }
        EXPECT_EQ(dialog.isVisible(), c.stored.isEmpty()) << "a refused date stays to be corrected";
    }
}

TEST_F(SaveDialog, NoteTakesAtMost255Characters)
{
    frmSave dialog(Shown, store);
    QTest::keyClicks(Element<QLineEdit>(dialog, "txtNote"), QString(300, u'n'));
    Accept(dialog);
    EXPECT_EQ(file.Rows().value(0).value(9), QString(255, u'n'));
}

// The save waits a while for another copy of the program that holds the file; then it is
// refused, the dialog stays with what was typed, and the same dialog saves once the file
// is free. (A refusal by a full disk is tested with the other faults of the records file.)
TEST_F(SaveDialog, LockedFileIsReportedAndTheSaveCanBeRepeated)
{
    RecordsStore impatient({.busyTimeoutMs = 500});
    ASSERT_EQ(OpenStore(impatient, file.path()), std::vector<int>{});
    OtherConnection other(file.path());
    ASSERT_TRUE(other.Exec("BEGIN IMMEDIATE"));
    ASSERT_TRUE(other.Exec("INSERT INTO tblBrackmere (RecordDate) VALUES ('never committed')"));

    frmSave dialog(Shown, impatient);
    QSignalSpy added(&dialog, &frmSave::recordAdded);
    dialog.show();
    TypeDateTimeNote(dialog, Typed);
    Accept(dialog);
    ExpectSaveRefused(dialog, messages, file.path(), "locked", Typed);
    EXPECT_EQ(added.count(), 0);

    ASSERT_TRUE(other.Exec("ROLLBACK"));
    Accept(dialog);
    EXPECT_EQ(file.Rows().size(), 1);
    EXPECT_EQ(file.Rows().value(0).value(9), Typed.MiscNote);
    EXPECT_EQ(messages.messages().back().text, "Record added.");
}

}  // namespace

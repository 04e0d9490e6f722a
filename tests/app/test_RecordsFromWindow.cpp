#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>
#include <functional>

#include "tests/app/MainWindowFixture.h"

// What the dialogs store and return is tested with the dialogs; here the window must
// hand them its values, take back what they return, and calculate again afterwards.
namespace {

// Runs `act` on the modal dialog that the next click opens, as soon as it is shown.
void OnNextDialog(const std::function<void(QWidget*)>& act)
{
    QTimer::singleShot(0, [act] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr) << "no dialog opened";
        act(dialog);
    });
}

// Runs one statement on the window's records file through a connection of the test's own.
QSqlQuery Exec(const QString& path, const QString& sql)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test"));
    db.setDatabaseName(path);
    EXPECT_TRUE(db.open());
    QSqlQuery query(db);
    EXPECT_TRUE(query.exec(sql)) << sql.toStdString();
    return query;
}

class RecordsFromWindowTest : public MainWindowFixture {
protected:
    void TearDown() override
    {
        QSqlDatabase::removeDatabase(QStringLiteral("test"));
        MainWindowFixture::TearDown();
    }
};

TEST_F(RecordsFromWindowTest, SaveDataHandsTheDialogWhatTheWindowShows)
{
    element<QRadioButton>("optAlternate")->click();
    box("txtAlternateRate")->setText(".15");
    enterInputs("80", "50", "90", "10");

    OnNextDialog([](QWidget* dialog) { dialog->findChild<QPushButton*>("cmdCancel")->click(); });
    element<QPushButton>("cmdSave")->click();
    EXPECT_TRUE(messages.messages().empty()) << "a cancelled save adds nothing";
    EXPECT_EQ(caption("lblEvapEqn"), "0.241") << "recalculated after the dialog closed";

    OnNextDialog([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Save");
        EXPECT_EQ(dialog->findChild<QLabel*>("lblAT")->text(), "80");
        EXPECT_EQ(dialog->findChild<QLabel*>("lblSelected")->text(), ".15");
        EXPECT_EQ(dialog->findChild<QLabel*>("lblER")->text(), "0.241");
        EXPECT_EQ(dialog->findChild<QLabel*>("lblAnswer")->text(), "Measures shall be taken.");
        dialog->findChild<QPushButton*>("cmdAccept")->click();
    });
    element<QPushButton>("cmdSave")->click();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages().back().text, "Record added.");
    EXPECT_TRUE(element<QPushButton>("cmdSave")->isEnabled()) << "recalculated after the dialog closed";

    QSqlQuery q = Exec(records->databasePath(), "SELECT AirTemp, EvapRate, RateThreshold FROM tblBrackmere");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "80");
    EXPECT_EQ(q.value(1).toString(), "0.241");
    EXPECT_FLOAT_EQ(q.value(2).toFloat(), 0.15f);
    EXPECT_FALSE(q.next()) << "one record only";
}

TEST_F(RecordsFromWindowTest, ReturningARecordSetsTheInputsAndTheThreshold)
{
    Exec(records->databasePath(),
         "INSERT INTO tblBrackmere (RecordDate, RecordTime, AirTemp, ConcreteTemp, RH, WindVelocity, EvapRate, "
         "RateNote, MiscNote, RateThreshold) VALUES "
         "('1/2/26', '10:00:00', '70', '72', '40', '12', '0.125', 'Measures shall be taken.', '', 0.1)");
    OnNextDialog([](QWidget* dialog) {
        auto* grid = dialog->findChild<QTableView*>("DBGrid1");
        ASSERT_NE(grid, nullptr);
        grid->selectRow(0);
        dialog->findChild<QPushButton*>("cmdReturn")->click();
    });
    element<QPushButton>("cmdRecords")->click();

    EXPECT_EQ(box("txtAirTemp")->text(), "70");
    EXPECT_EQ(box("txtConcreteTemp")->text(), "72");
    EXPECT_EQ(box("txtRelativeHumidity")->text(), "40");
    EXPECT_EQ(box("txtWindVelocity")->text(), "12");
    EXPECT_TRUE(element<QRadioButton>("optAlternate")->isChecked());
    EXPECT_EQ(box("txtAlternateRate")->text(), "0.1");
    EXPECT_EQ(box("txtUserRate")->text(), "0.1");
    EXPECT_FALSE(caption("lblEvapEqn").isEmpty()) << "the returned inputs are calculated";
}

}  // namespace

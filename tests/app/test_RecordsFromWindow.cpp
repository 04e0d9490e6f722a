#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>
#include <QUuid>
#include <functional>

#include "tests/app/MainWindowFixture.h"

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

// A connection of the test's own to the window's records file.
class RecordsFile {
public:
    explicit RecordsFile(const QString& path) : name_(QUuid::createUuid().toString())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
    }
    ~RecordsFile()
    {
        QSqlDatabase::database(name_).close();
        QSqlDatabase::removeDatabase(name_);
    }
    QSqlQuery query(const QString& sql) const
    {
        QSqlQuery q(QSqlDatabase::database(name_));
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        return q;
    }

private:
    QString name_;
};

using RecordsFromWindowTest = MainWindowFixture;

TEST_F(RecordsFromWindowTest, SaveDataStoresWhatTheWindowShows)
{
    element<QRadioButton>("optAlternate")->click();
    box("txtAlternateRate")->setText(".15");
    enterInputs("80", "50", "90", "10");

    OnNextDialog([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Save");
        EXPECT_EQ(dialog->findChild<QLabel*>("lblAT")->text(), "80");
        EXPECT_EQ(dialog->findChild<QLabel*>("lblSelected")->text(), ".15");
        EXPECT_EQ(dialog->findChild<QLabel*>("lblER")->text(), "0.241");
        EXPECT_EQ(dialog->findChild<QLabel*>("lblAnswer")->text(), "Measures shall be taken.");
        dialog->findChild<QLineEdit*>("txtNote")->setText("north slab");
        dialog->findChild<QPushButton*>("cmdAccept")->click();
    });
    element<QPushButton>("cmdSave")->click();

    ASSERT_FALSE(messages.messages().empty());
    EXPECT_EQ(messages.messages().back().text, "Record added.");
    EXPECT_TRUE(element<QPushButton>("cmdSave")->isEnabled()) << "recalculated after the dialog closed";

    RecordsFile file(records->databasePath());
    QSqlQuery q = file.query("SELECT AirTemp, RH, ConcreteTemp, WindVelocity, EvapRate, RateNote, MiscNote, "
                             "RateThreshold FROM tblBrackmere");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "80");
    EXPECT_EQ(q.value(1).toString(), "50");
    EXPECT_EQ(q.value(2).toString(), "90");
    EXPECT_EQ(q.value(3).toString(), "10");
    EXPECT_EQ(q.value(4).toString(), "0.241");
    EXPECT_EQ(q.value(5).toString(), "Measures shall be taken.");
    EXPECT_EQ(q.value(6).toString(), "north slab");
    EXPECT_FLOAT_EQ(q.value(7).toFloat(), 0.15f);
    EXPECT_FALSE(q.next());
}

TEST_F(RecordsFromWindowTest, ReturningARecordSetsTheInputsAndTheThreshold)
{
    {
        RecordsFile file(records->databasePath());
        file.query("INSERT INTO tblBrackmere (RecordDate, RecordTime, AirTemp, ConcreteTemp, RH, WindVelocity, "
                   "EvapRate, RateNote, MiscNote, RateThreshold) VALUES "
                   "('1/2/26', '10:00:00', '70', '72', '40', '12', '0.125', 'Measures shall be taken.', '', 0.1)");
    }
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
    EXPECT_TRUE(element<QPushButton>("cmdRunNomo")->isEnabled());
}

TEST_F(RecordsFromWindowTest, CancellingTheSaveWritesNothingAndRecalculates)
{
    enterInputs("80", "50", "90", "10");
    OnNextDialog([](QWidget* dialog) { dialog->findChild<QPushButton*>("cmdCancel")->click(); });
    element<QPushButton>("cmdSave")->click();
    RecordsFile file(records->databasePath());
    QSqlQuery q = file.query("SELECT COUNT(*) FROM tblBrackmere");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 0);
    EXPECT_EQ(caption("lblEvapEqn"), "0.241");
}

}  // namespace

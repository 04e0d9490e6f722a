#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlTableModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include "records/RecordsStore.h"
#include "records/frmView.h"
#include "tests/records/RecordsTestFiles.h"
#include "tests/support/MessageRecorder.h"

namespace {

template <typename T>
T* Element(QWidget& window, const char* name)
{
    T* element = window.findChild<T*>(QString::fromLatin1(name));
    if (!element)
        ADD_FAILURE() << "no element " << name;
    return element;
}

void Select(frmView& viewer, int row)
{
    Element<QTableView>(viewer, "DBGrid1")->selectRow(row);
}

// Three records: one saved before thresholds were recorded, then 0.1 and 0.2.
class Viewer : public ::testing::Test {
protected:
    void SetUp() override
    {
        file.Exec("INSERT INTO tblBrackmere (RecordDate, RecordTime, AirTemp, ConcreteTemp, RH, WindVelocity,"
                  " EvapRate, RateNote, MiscNote) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                  {"1/2/2024", "9:00:00 AM", "85", "90", "50", "10", "0.241", "Measures may be needed.", "old"});
        ASSERT_EQ(OpenStore(store, file.path()), std::vector<int>{});
        ASSERT_FALSE(store.AddRecord({"1/3/2024", "10:30:00 AM", "70", "75", "40", "5", "0.095", "OK", "",
                                      "0.1"}).isValid());
        ASSERT_FALSE(store.AddRecord({"1/4/2024", "2:15:00 PM", "95", "98", "20", "15", "0.612",
                                      "Measures shall be taken.", "west wall", "0.2"}).isValid());
    }

    static bool Enabled(frmView& viewer, const char* button) { return Element<QPushButton>(viewer, button)->isEnabled(); }
    static void ExpectOnlyExit(frmView& viewer)
    {
        for (const char* button : {"cmdDelete", "cmdReturn", "cmdDeleteAll", "cmdCopy"})
            EXPECT_FALSE(Enabled(viewer, button)) << button;
        EXPECT_TRUE(Enabled(viewer, "cmdExit"));
    }

    RecordsFile file;
    RecordsStore store;
    MessageRecorder messages;
};

TEST_F(Viewer, OpensWithItsTextsAndTheRowButtonsDisabled)
{
    frmView viewer(store);
    EXPECT_EQ(viewer.windowTitle(), "Saved Records");
    EXPECT_TRUE(viewer.isModal());
    EXPECT_EQ(Element<QLabel>(viewer, "lblDB")->text(),
              "These records are from the Access database: \"" + file.path() + "\"");
    EXPECT_EQ(Element<QGroupBox>(viewer, "Frame1")->title(), "Copy");
    QCheckBox* headers = Element<QCheckBox>(viewer, "chkHeaders");
    EXPECT_EQ(headers->text(), "Include column headers");
    EXPECT_EQ(headers->toolTip(),
              "Include the column headers (field names) as the first row of data when copying to clipboard.");
    EXPECT_FALSE(headers->isChecked());
    QCheckBox* recId = Element<QCheckBox>(viewer, "chkRecID");
    EXPECT_EQ(recId->text(), "Include Access RecID");
    EXPECT_EQ(recId->toolTip(), "Include column with the auto record number generated within Access.");
    EXPECT_FALSE(recId->isChecked());
    EXPECT_EQ(Element<QLabel>(viewer, "Label1")->text(),
              "Edit privileges are active for the main purpose of editing the Misc. Note.");
    EXPECT_EQ(Element<QLabel>(viewer, "Label2")->text(), "Results are not updated if input variables are changed here.");
    EXPECT_EQ(Element<QLabel>(viewer, "Label1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    const std::pair<const char*, const char*> buttons[] = {{"cmdCopy", "Copy All Data to Clipboard"},
                                                           {"cmdDelete", "Delete Record"},
                                                           {"cmdDeleteAll", "Delete All"},
                                                           {"cmdReturn", "Return Record Inputs to Calculator"},
                                                           {"cmdExit", "Exit"}};
    for (const auto& [name, text] : buttons)
        EXPECT_EQ(Element<QPushButton>(viewer, name)->text(), text) << name;
    EXPECT_TRUE(Element<QPushButton>(viewer, "cmdExit")->font().bold());

    EXPECT_FALSE(Enabled(viewer, "cmdDelete"));
    EXPECT_FALSE(Enabled(viewer, "cmdReturn"));
    EXPECT_TRUE(Enabled(viewer, "cmdDeleteAll"));
    EXPECT_TRUE(Enabled(viewer, "cmdCopy"));
}

TEST_F(Viewer, GridShowsEveryRecordWithTheRecordNumberHidden)
{
    frmView viewer(store);
    QTableView* grid = Element<QTableView>(viewer, "DBGrid1");
    ASSERT_EQ(grid->model()->rowCount(), 3);
    ASSERT_EQ(grid->model()->columnCount(), 11);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "RecID");
    EXPECT_EQ(grid->model()->headerData(10, Qt::Horizontal).toString(), "RateThreshold");
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_EQ(grid->model()->index(2, 9).data().toString(), "west wall");
    EXPECT_FALSE(grid->verticalHeader()->isHidden());
}

TEST_F(Viewer, ColumnsAreFittedToTheirHeadersAndTheGrid)
{
    frmView viewer(store);
    QTableView* grid = Element<QTableView>(viewer, "DBGrid1");
    // Wide enough for every header, whatever the font.
    viewer.show();
    viewer.resize(1400, 600);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    viewer.FitDBGrid(grid);
    const QFontMetrics metrics(viewer.font());
    const QStringList headers{"RecID", "RecordDate", "RecordTime", "AirTemp", "ConcreteTemp",
                              "RH", "WindVelocity", "EvapRate", "RateNote"};
    int used = metrics.horizontalAdvance("RecIDX");
    for (int i = 1; i < headers.size(); ++i) {
        EXPECT_EQ(grid->columnWidth(i), metrics.horizontalAdvance(headers[i] + "X")) << i;
        used += grid->columnWidth(i);
    }
    EXPECT_EQ(grid->columnWidth(9), metrics.horizontalAdvance("Measures may be needed.  "));
    used += grid->columnWidth(9);
    ASSERT_GT(grid->viewport()->width() - used, 0);
    EXPECT_EQ(grid->columnWidth(10), grid->viewport()->width() - used);
}

TEST_F(Viewer, LastColumnNeverGetsANegativeWidth)
{
    frmView viewer(store);
    QStandardItemModel wide(1, 4);
    const QStringList headers{"Number", "A header far wider than the grid it stands in",
                              "Another header far wider than the grid", "Last"};
    wide.setHorizontalHeaderLabels(headers);
    QTableView narrow;
    narrow.setModel(&wide);
    narrow.resize(120, 80);
    narrow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&narrow));
    viewer.FitDBGrid(&narrow);
    EXPECT_EQ(narrow.columnWidth(3), QFontMetrics(viewer.font()).horizontalAdvance("LastX"));
}

const QString RowsWithoutOptions =
    "1/2/2024\t9:00:00 AM\t85\t90\t50\t10\t0.241\tMeasures may be needed.\told\t\t\r"
    "1/3/2024\t10:30:00 AM\t70\t75\t40\t5\t0.095\tOK\t\t0.1\t\r"
    "1/4/2024\t2:15:00 PM\t95\t98\t20\t15\t0.612\tMeasures shall be taken.\twest wall\t0.2\t\r";

const QString Headers = "RecordDate\tRecordTime\tAirTemp\tConcreteTemp\tRH\tWindVelocity\tEvapRate\tRateNote\t"
                        "MiscNote\tRateThreshold\t\r";

struct CopyCase {
    const char* name;
    bool headers;
    bool recordNumbers;
    QString expected;
};

void PrintTo(const CopyCase& c, std::ostream* os)
{
    *os << c.name;
}

class CopiedText : public Viewer, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopiedText, HasATabAfterEveryValueAndACarriageReturnAfterEveryLine)
{
    frmView viewer(store);
    Element<QCheckBox>(viewer, "chkHeaders")->setChecked(GetParam().headers);
    Element<QCheckBox>(viewer, "chkRecID")->setChecked(GetParam().recordNumbers);
    Element<QPushButton>(viewer, "cmdCopy")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Options, CopiedText,
    ::testing::Values(CopyCase{"TenValuesALine", false, false, RowsWithoutOptions},
                      CopyCase{"Headers", true, false, Headers + RowsWithoutOptions},
                      CopyCase{"HeadersAndRecordNumbers", true, true,
                               "RecID\t" + Headers +
                                   "1\t1/2/2024\t9:00:00 AM\t85\t90\t50\t10\t0.241\tMeasures may be needed.\told\t\t\r"
                                   "2\t1/3/2024\t10:30:00 AM\t70\t75\t40\t5\t0.095\tOK\t\t0.1\t\r"
                                   "3\t1/4/2024\t2:15:00 PM\t95\t98\t20\t15\t0.612\tMeasures shall be taken.\twest wall"
                                   "\t0.2\t\r"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Viewer, SelectingARowEnablesDeleteAndReturnAndClearingDisablesThem)
{
    frmView viewer(store);
    Select(viewer, 1);
    EXPECT_TRUE(Enabled(viewer, "cmdDelete"));
    EXPECT_TRUE(Enabled(viewer, "cmdReturn"));
    Element<QTableView>(viewer, "DBGrid1")->clearSelection();
    EXPECT_FALSE(Enabled(viewer, "cmdDelete"));
    EXPECT_FALSE(Enabled(viewer, "cmdReturn"));
}

TEST_F(Viewer, DeleteAfterCopyRemovesTheSelectedRecord)
{
    frmView viewer(store);
    Select(viewer, 1);
    Element<QPushButton>(viewer, "cmdCopy")->click();
    EXPECT_TRUE(Enabled(viewer, "cmdDelete"));
    messages.answerNext(Msg::Answer::Yes);
    Element<QPushButton>(viewer, "cmdDelete")->click();

    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Delete record: 1/3/2024, 10:30:00 AM");
    EXPECT_EQ(messages.messages()[0].title, "Confirm");
    EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::None);
    EXPECT_EQ(messages.messages()[0].buttons, Msg::Buttons::YesNo);
    const QList<QStringList> rows = file.Rows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0][1], "1/2/2024");
    EXPECT_EQ(rows[1][1], "1/4/2024");
    QTableView* grid = Element<QTableView>(viewer, "DBGrid1");
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_EQ(grid->columnWidth(9), QFontMetrics(viewer.font()).horizontalAdvance("Measures may be needed.  "));
    EXPECT_FALSE(Enabled(viewer, "cmdDelete"));
    EXPECT_FALSE(Enabled(viewer, "cmdReturn"));
    EXPECT_TRUE(Enabled(viewer, "cmdDeleteAll"));
    EXPECT_TRUE(Enabled(viewer, "cmdCopy"));
}

TEST_F(Viewer, DeleteAnsweredNoKeepsTheRecord)
{
    frmView viewer(store);
    Select(viewer, 0);
    messages.answerNext(Msg::Answer::No);
    Element<QPushButton>(viewer, "cmdDelete")->click();
    EXPECT_EQ(file.Count(), 3);
    EXPECT_TRUE(Enabled(viewer, "cmdDelete"));
}

TEST_F(Viewer, DeleteKeyAsksAboutTheSelectedRecord)
{
    frmView viewer(store);
    Select(viewer, 2);
    messages.answerNext(Msg::Answer::Yes);
    QTest::keyClick(Element<QTableView>(viewer, "DBGrid1"), Qt::Key_Delete);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Delete record: 1/4/2024, 2:15:00 PM");
    EXPECT_EQ(file.Count(), 2);
}

TEST_F(Viewer, DeletingTheLastRecordLeavesOnlyExit)
{
    file.Exec("DELETE FROM tblBrackmere WHERE RecID > 1");
    frmView viewer(store);
    Select(viewer, 0);
    messages.answerNext(Msg::Answer::Yes);
    Element<QPushButton>(viewer, "cmdDelete")->click();
    EXPECT_EQ(file.Count(), 0);
    ExpectOnlyExit(viewer);
}

TEST_F(Viewer, DeleteAllAnsweredNoKeepsEveryRecordButDisablesItself)
{
    frmView viewer(store);
    messages.answerNext(Msg::Answer::No);
    Element<QPushButton>(viewer, "cmdDeleteAll")->click();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Delete all records?");
    EXPECT_EQ(messages.messages()[0].title, "Confirm");
    EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::None);
    EXPECT_EQ(file.Count(), 3);
    EXPECT_FALSE(Enabled(viewer, "cmdDeleteAll"));
    EXPECT_TRUE(Enabled(viewer, "cmdCopy"));
}

TEST_F(Viewer, DeleteAllAnsweredYesEmptiesTheTable)
{
    frmView viewer(store);
    Select(viewer, 1);
    messages.answerNext(Msg::Answer::Yes);
    Element<QPushButton>(viewer, "cmdDeleteAll")->click();
    EXPECT_EQ(file.Count(), 0);
    EXPECT_EQ(Element<QTableView>(viewer, "DBGrid1")->model()->rowCount(), 0);
    ExpectOnlyExit(viewer);
}

TEST_F(Viewer, EmptyTableLeavesOnlyExit)
{
    file.Exec("DELETE FROM tblBrackmere");
    frmView viewer(store);
    ExpectOnlyExit(viewer);
}

struct ReturnCase {
    const char* name;
    int row;
    ThresholdOption option;
    QString thresholdText;
    QStringList airConcreteRhWind;
};

void PrintTo(const ReturnCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReturnedRecord : public Viewer, public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(ReturnedRecord, SendsInputsAndThresholdAndCloses)
{
    const ReturnCase& c = GetParam();
    frmView viewer(store);
    QSignalSpy returned(&viewer, &frmView::recordReturned);
    Select(viewer, c.row);
    Element<QPushButton>(viewer, "cmdReturn")->click();
    ASSERT_EQ(returned.count(), 1);
    const auto inputs = returned.at(0).at(0).value<ReturnedInputs>();
    EXPECT_EQ((QStringList{inputs.AirTemp, inputs.ConcreteTemp, inputs.RH, inputs.WindVelocity}),
              c.airConcreteRhWind);
    EXPECT_EQ(ThresholdOptionFor(inputs), c.option);
    EXPECT_EQ(inputs.RateThresholdText, c.thresholdText);
    EXPECT_EQ(viewer.result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, ReturnedRecord,
    ::testing::Values(ReturnCase{"SavedBeforeThresholds", 0, ThresholdOption::Default, "", {"85", "90", "50", "10"}},
                      ReturnCase{"Alternate", 1, ThresholdOption::Alternate, "0.1", {"70", "75", "40", "5"}},
                      ReturnCase{"Default", 2, ThresholdOption::Default, "0.2", {"95", "98", "20", "15"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ThresholdOptionFor, ComparesAtSinglePrecision)
{
    ReturnedInputs inputs;
    EXPECT_EQ(ThresholdOptionFor(inputs), ThresholdOption::Default);
    inputs.RateThresholdIsNull = false;
    inputs.RateThresholdValue = static_cast<double>(0.2f);
    EXPECT_EQ(ThresholdOptionFor(inputs), ThresholdOption::Default);
    inputs.RateThresholdValue = 0.2000001;
    EXPECT_EQ(ThresholdOptionFor(inputs), ThresholdOption::Alternate);
    inputs.RateThresholdValue = 0.0;
    EXPECT_EQ(ThresholdOptionFor(inputs), ThresholdOption::Alternate);
}

TEST_F(Viewer, GridEditIsWrittenWhenTheRowIsLeftAndAnEmptyInputReturnsEmptyText)
{
    frmView viewer(store);
    QAbstractItemModel* model = Element<QTableView>(viewer, "DBGrid1")->model();
    Element<QTableView>(viewer, "DBGrid1")->setCurrentIndex(model->index(1, 3));
    ASSERT_TRUE(model->setData(model->index(1, 3), QVariant()));
    ASSERT_TRUE(model->setData(model->index(1, 9), "corrected note"));
    Element<QTableView>(viewer, "DBGrid1")->setCurrentIndex(model->index(0, 3));
    EXPECT_EQ(file.Rows().value(1).value(3), "<null>");
    EXPECT_EQ(file.Rows().value(1).value(9), "corrected note");

    QSignalSpy returned(&viewer, &frmView::recordReturned);
    Select(viewer, 1);
    Element<QPushButton>(viewer, "cmdReturn")->click();
    ASSERT_EQ(returned.count(), 1);
    EXPECT_EQ(returned.at(0).at(0).value<ReturnedInputs>().AirTemp, "");
    EXPECT_EQ(returned.at(0).at(0).value<ReturnedInputs>().ConcreteTemp, "75");
}

TEST_F(Viewer, EditPendingWhenTheViewerClosesIsWritten)
{
    frmView viewer(store);
    QAbstractItemModel* model = Element<QTableView>(viewer, "DBGrid1")->model();
    ASSERT_TRUE(model->setData(model->index(2, 9), "last words"));
    Element<QPushButton>(viewer, "cmdExit")->click();
    EXPECT_EQ(file.Rows().value(2).value(9), "last words");
}

TEST_F(Viewer, StoreThatDidNotOpenLeavesOnlyExit)
{
    QTemporaryDir dir;
    RecordsStore closed;
    OpenStore(closed, dir.filePath("Brackmere_Data.mdb"));
    frmView viewer(closed);
    EXPECT_TRUE(Element<QLabel>(viewer, "lblDB")->text().endsWith("/Brackmere_Data.mdb\""));
    ExpectOnlyExit(viewer);
    EXPECT_TRUE(messages.messages().empty());
}

// The grid reads a large table in parts; a read left unfinished would keep every
// other copy of the program from saving.
class LargeTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        file.Exec("ALTER TABLE tblBrackmere ADD COLUMN RateThreshold REAL");
        file.Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                  " INSERT INTO tblBrackmere (RecordDate, AirTemp) SELECT 'day ' || i, '85' FROM n");
        ASSERT_EQ(OpenStore(store, file.path()), std::vector<int>{});
    }

    bool OtherCopyCanSave()
    {
        OtherConnection other(file.path(), 50);
        return other.Exec("INSERT INTO tblBrackmere (RecordDate) VALUES ('other copy')");
    }

    RecordsFile file;
    RecordsStore store;
    MessageRecorder messages;
};

TEST_F(LargeTable, OtherCopiesCanSaveOnceTheGridHasReadEverything)
{
    frmView viewer(store);
    QAbstractItemModel* model = Element<QTableView>(viewer, "DBGrid1")->model();
    EXPECT_LT(model->rowCount(), 2000);
    EXPECT_FALSE(OtherCopyCanSave());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !model->canFetchMore(QModelIndex()); }, 10000));
    EXPECT_EQ(model->rowCount(), 2000);
    EXPECT_TRUE(OtherCopyCanSave());
}

TEST_F(LargeTable, OtherCopiesCanSaveAfterTheViewerClosedEarly)
{
    {
        frmView viewer(store);
    }
    EXPECT_TRUE(OtherCopyCanSave());
}

TEST_F(LargeTable, CopyTakesEveryRecordWithoutMovingTheSelection)
{
    frmView viewer(store);
    Select(viewer, 5);
    Element<QPushButton>(viewer, "cmdCopy")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().count(u'\r'), 2000);
    const QModelIndexList selected = Element<QTableView>(viewer, "DBGrid1")->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].row(), 5);
}

}  // namespace

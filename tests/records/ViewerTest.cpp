#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include "records/RecordReading.h"
#include "records/frmView.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/RecordsFiles.h"
#include "tests/support/DefaultLocale.h"
#include "ui/QtText.h"

namespace {

QTableView* Grid(frmView& viewer) { return Element<QTableView>(viewer, "DBGrid1"); }
void Click(frmView& viewer, const char* button) { Element<QPushButton>(viewer, button)->click(); }

// The names of the buttons that can be pressed, in a fixed order.
QString EnabledButtons(frmView& viewer)
{
    QStringList enabled;
    for (const char* name : {"cmdDelete", "cmdDeleteAll", "cmdReturn", "cmdCopy", "cmdExit"})
        if (Element<QPushButton>(viewer, name)->isEnabled())
            enabled << name;
    return enabled.join(u' ');
}

int MeasuresColumnWidth(const frmView& viewer)
{
    return viewer.fontMetrics().horizontalAdvance("Measures may be needed.  ");
}

ReturnedInputs Returned(frmView& viewer, int row)
{
    QSignalSpy returned(&viewer, &frmView::recordReturned);
    Grid(viewer)->selectRow(row);
    Click(viewer, "cmdReturn");
    EXPECT_EQ(returned.count(), 1);
    return returned.value(0).value(0).value<ReturnedInputs>();
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
        ASSERT_FALSE(store.AddRecord({"1/3/2024", "10:30:00 AM", "70", "75", "40", "5", "0.095", "OK", "", "0.1",
                                      "US", "", "", "", ""})
                         .isValid());
        ASSERT_FALSE(store.AddRecord({"1/4/2024", "2:15:00 PM", "95", "98", "20", "15", "0.612",
                                      "Measures shall be taken.", "west wall", "0.2", "US", "", "", "", ""})
                         .isValid());
    }

    RecordsFile file;
    RecordsStore store;
    MessageRecorder messages;
};

// The notes column fits the longest precaution, the record number is hidden, and the
// last column takes the rest of the grid, but never less than its header.
TEST_F(Viewer, TheLastColumnFillsTheGrid)
{
    frmView viewer(store);
    QTableView* grid = Grid(viewer);
    viewer.resize(1800, 600);  // wide enough for every header, whatever the font
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    viewer.FitDBGrid(grid);
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_EQ(grid->columnWidth(9), MeasuresColumnWidth(viewer));
    // The hidden record number keeps its room, which leaves space for the grid's frame.
    const int last = grid->model()->columnCount() - 1;
    int used = viewer.fontMetrics().horizontalAdvance("RecIDX");
    for (int i = 1; i < last; ++i)
        used += grid->columnWidth(i);
    EXPECT_EQ(grid->columnWidth(last), grid->viewport()->width() - used);

    // Headers wider than the grid leave the last column its header's width.
    QStandardItemModel wide(1, 3);
    wide.setHorizontalHeaderLabels({"Number", "A header far wider than the grid it stands in", "Last"});
    QTableView narrow;
    narrow.setModel(&wide);
    narrow.resize(120, 80);
    narrow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&narrow));
    viewer.FitDBGrid(&narrow);
    EXPECT_EQ(narrow.columnWidth(2), viewer.fontMetrics().horizontalAdvance("LastX"));
}

TEST_F(Viewer, CopiedTextHasATabAfterEveryValueAndACarriageReturnAfterEveryLine)
{
    const QString rows[] = {
        "1/2/2024\t9:00:00 AM\t85\t90\t50\t10\t0.241\tMeasures may be needed.\told\t\tUS\t\t\t\t\t\t\t\t\r",
        "1/3/2024\t10:30:00 AM\t70\t75\t40\t5\t0.095\tOK\t\t0.1\tUS\t\t\t\t\t\t\t\t\r",
        "1/4/2024\t2:15:00 PM\t95\t98\t20\t15\t0.612\tMeasures shall be taken.\twest wall\t0.2\tUS\t\t\t\t\t\t\t\t\r"};
    const QString headers = "RecordDate\tRecordTime\tAirTemp (°F)\tConcreteTemp (°F)\tRH (%)\tWindVelocity (mph)\t"
                            "EvapRate (lb/ft²/hr)\tRateNote\tMiscNote\tRateThreshold (lb/ft²/hr)\tUnits\tSite\tSavedBy\t"
                            "CopiedFrom\tSource\tConcreteRule\tWindFactor\tMix\t\r";
    const struct { bool headers; bool recordNumbers; QString expected; } cases[] = {
        {false, false, rows[0] + rows[1] + rows[2]},
        {true, false, headers + rows[0] + rows[1] + rows[2]},
        {true, true, "RecID\t" + headers + "1\t" + rows[0] + "2\t" + rows[1] + "3\t" + rows[2]},
    };
    frmView viewer(store);
    EXPECT_FALSE(Element<QCheckBox>(viewer, "chkHeaders")->isChecked());
    EXPECT_FALSE(Element<QCheckBox>(viewer, "chkRecID")->isChecked());
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "headers " << c.headers << ", record numbers " << c.recordNumbers);
        Element<QCheckBox>(viewer, "chkHeaders")->setChecked(c.headers);
        Element<QCheckBox>(viewer, "chkRecID")->setChecked(c.recordNumbers);
        Click(viewer, "cmdCopy");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.expected);
    }
}

// What the user does in the viewer, one character a step: select row 0, 1 or 2, clear
// the selection (c), prepare the answer yes or no (y, n), click Copy (C), Delete (D) or
// Delete All (A), or press the Delete key (K). Then the question the viewer asked, the
// records left (by date) in the file and the grid, and the buttons that can be pressed.
struct ButtonCase {
    const char* name;
    const char* sqlBefore;  // run on the file before the viewer opens, when set
    const char* steps;
    QString question, datesLeft, enabled;
};

void PrintTo(const ButtonCase& c, std::ostream* os)
{
    *os << c.name;
}

class ViewerButtons : public Viewer, public ::testing::WithParamInterface<ButtonCase> {
protected:
    void Do(char step, frmView& viewer)
    {
        if (step >= '0' && step <= '2')
            return Grid(viewer)->selectRow(step - '0');
        if (step == 'c')
            return Grid(viewer)->clearSelection();
        if (step == 'y' || step == 'n')
            return messages.answerNext(step == 'y' ? Msg::Answer::Yes : Msg::Answer::No);
        if (step == 'K')
            return QTest::keyClick(Grid(viewer), Qt::Key_Delete);
        Click(viewer, step == 'C' ? "cmdCopy" : step == 'D' ? "cmdDelete" : "cmdDeleteAll");
    }
};

const QString RowButtons = "cmdDelete cmdDeleteAll cmdReturn cmdCopy cmdExit";
const QString TableButtons = "cmdDeleteAll cmdCopy cmdExit";
const QString AllDates = "1/2/2024 1/3/2024 1/4/2024";

const ButtonCase ButtonCases[] = {
    {"Opened", nullptr, "", "", AllDates, TableButtons},
    {"RowSelected", nullptr, "1", "", AllDates, RowButtons},
    {"SelectionCleared", nullptr, "1c", "", AllDates, TableButtons},
    {"DeleteAnsweredNo", nullptr, "0nD", "Delete record: 1/2/2024, 9:00:00 AM", AllDates, RowButtons},
    {"DeleteAfterCopy", nullptr, "1CyD", "Delete record: 1/3/2024, 10:30:00 AM", "1/2/2024 1/4/2024", TableButtons},
    {"DeleteKey", nullptr, "2yK", "Delete record: 1/4/2024, 2:15:00 PM", "1/2/2024 1/3/2024", TableButtons},
    {"LastRecordDeleted", "DELETE FROM tblBrackmere WHERE RecID > 1", "0yD", "Delete record: 1/2/2024, 9:00:00 AM",
     "", "cmdExit"},
    {"DeleteAllAnsweredNo", nullptr, "nA", "Delete all records?", AllDates, "cmdCopy cmdExit"},
    {"DeleteAllAnsweredYes", nullptr, "1yA", "Delete all records?", "", "cmdExit"},
    {"EmptyTable", "DELETE FROM tblBrackmere", "", "", "", "cmdExit"},
};

TEST_P(ViewerButtons, FollowTheRecordsAndTheSelection)
{
    const ButtonCase& c = GetParam();
    if (c.sqlBefore)
        file.Exec(c.sqlBefore);
    frmView viewer(store);
    for (const char* step = c.steps; *step; ++step)
        Do(*step, viewer);

    if (c.question.isEmpty()) {
        EXPECT_TRUE(messages.messages().empty());
    } else {
        ASSERT_EQ(messages.messages().size(), 1u);
        const Msg::Request& asked = messages.messages()[0];
        EXPECT_EQ(asked.text, c.question);
        EXPECT_EQ(asked.title, "Confirm");
        EXPECT_EQ(asked.buttons, Msg::Buttons::YesNo);
    }
    QStringList dates;
    for (const QStringList& row : file.Rows())
        dates << row.value(1);
    EXPECT_EQ(dates.join(u' '), c.datesLeft);
    EXPECT_EQ(Grid(viewer)->model()->rowCount(), dates.size());
    // Reading the table again after a delete keeps the grid's layout.
    EXPECT_TRUE(Grid(viewer)->isColumnHidden(0));
    EXPECT_EQ(Grid(viewer)->columnWidth(9), MeasuresColumnWidth(viewer));
    EXPECT_EQ(EnabledButtons(viewer), c.enabled);
}

INSTANTIATE_TEST_SUITE_P(Actions, ViewerButtons, ::testing::ValuesIn(ButtonCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Viewer, NamesTheFileEvenWhenTheStoreDidNotOpenAndThenLeavesOnlyExit)
{
    QTemporaryDir dir;
    RecordsStore closed;
    OpenStore(closed, dir.filePath("Brackmere_Data.mdb"));
    frmView viewer(closed);
    EXPECT_EQ(Element<QLabel>(viewer, "lblDB")->text(),
              "These records are from the Access database: \"" + dir.filePath("Brackmere_Data.mdb") + "\"");
    EXPECT_EQ(EnabledButtons(viewer), "cmdExit");
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Viewer, ReturnSendsTheInputsAndTheThresholdAndCloses)
{
    const struct { QStringList airConcreteRhWind; ThresholdOption option; QString thresholdText; } rows[] = {
        {{"85", "90", "50", "10"}, ThresholdOption::Default, ""},  // saved before thresholds were recorded
        {{"70", "75", "40", "5"}, ThresholdOption::Alternate, "0.1"},
        {{"95", "98", "20", "15"}, ThresholdOption::Default, "0.2"},
    };
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        frmView viewer(store);
        const ReturnedInputs inputs = Returned(viewer, row);
        const Readings& r = inputs.readings;
        EXPECT_EQ((QStringList{Q(r.air), Q(r.concrete), Q(r.humidity), Q(r.wind)}), rows[row].airConcreteRhWind);
        EXPECT_EQ(ThresholdOptionFor(inputs), rows[row].option);
        EXPECT_EQ(inputs.RateThresholdText, rows[row].thresholdText);
        EXPECT_EQ(viewer.result(), QDialog::Accepted);
    }
}

TEST(ThresholdOptionFor, ComparesAtSinglePrecision)
{
    const std::pair<double, ThresholdOption> values[] = {{static_cast<double>(0.2f), ThresholdOption::Default},
                                                         {0.2000001, ThresholdOption::Alternate},
                                                         {0.0, ThresholdOption::Alternate}};
    for (const auto& [value, option] : values) {
        ReturnedInputs inputs;
        inputs.RateThresholdIsNull = false;
        inputs.RateThresholdValue = value;
        EXPECT_EQ(ThresholdOptionFor(inputs), option) << value;
    }
}

// A grid edit is written when the user leaves its row, or at the latest when the
// viewer closes; an input emptied there comes back as empty text.
TEST_F(Viewer, GridEditsAreWrittenWhenTheRowIsLeftOrTheViewerCloses)
{
    {
        frmView viewer(store);
        QAbstractItemModel* model = Grid(viewer)->model();
        Grid(viewer)->setCurrentIndex(model->index(1, 3));
        ASSERT_TRUE(model->setData(model->index(1, 3), QVariant()));
        ASSERT_TRUE(model->setData(model->index(1, 9), "corrected note"));
        Grid(viewer)->setCurrentIndex(model->index(2, 3));
        EXPECT_EQ(file.Rows().value(1).value(3), "<null>");
        EXPECT_EQ(file.Rows().value(1).value(9), "corrected note");
        ASSERT_TRUE(model->setData(model->index(2, 9), "last words"));
        Click(viewer, "cmdExit");
        EXPECT_EQ(file.Rows().value(2).value(9), "last words");
    }
    frmView viewer(store);
    const ReturnedInputs inputs = Returned(viewer, 1);
    EXPECT_EQ(inputs.readings.air, "");
    EXPECT_EQ(inputs.readings.concrete, "75");
}

// The grid reads a large table in parts; a read left unfinished would keep every
// other copy of the program from saving.
class LargeTable : public Viewer {
protected:
    void SetUp() override
    {
        Viewer::SetUp();
        file.Exec("WITH RECURSIVE n(i) AS (SELECT 4 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                  " INSERT INTO tblBrackmere (RecordDate, AirTemp) SELECT 'day ' || i, '85' FROM n");
    }
    bool OtherCopyCanSave()
    {
        OtherConnection other(file.path(), 50);
        return other.Exec("INSERT INTO tblBrackmere (RecordDate) VALUES ('other copy')");
    }
};

TEST_F(LargeTable, OtherCopiesCanSaveOnceTheGridHasReadEverythingOrTheViewerClosed)
{
    {
        frmView viewer(store);
        const QAbstractItemModel* model = Grid(viewer)->model();
        QLabel* count = Element<QLabel>(viewer, "lblCount");
        EXPECT_LT(model->rowCount(), 2000);
        EXPECT_TRUE(count->text().startsWith("Reading records: ")) << count->text().toStdString();
        EXPECT_FALSE(OtherCopyCanSave());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !model->canFetchMore(QModelIndex()); }, 10000));
        EXPECT_EQ(model->rowCount(), 2000);
        EXPECT_EQ(count->text(), QLocale().toString(2000) + " records");
        EXPECT_TRUE(OtherCopyCanSave());
    }
    {
        frmView closedEarly(store);
        EXPECT_FALSE(OtherCopyCanSave());
    }
    EXPECT_TRUE(OtherCopyCanSave());
}

TEST_F(LargeTable, CopyTakesEveryRecordWithoutMovingTheSelection)
{
    frmView viewer(store);
    Grid(viewer)->selectRow(5);
    Click(viewer, "cmdCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text().count(u'\r'), 2000);
    const QModelIndexList selected = Grid(viewer)->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].row(), 5);
}

TEST(RecordReading, ReadsDatesInTheFormsRecordsWereSavedIn)
{
    const struct { const char* locale; const char* text; QDate date; } cases[] = {
        {"en_US", "1/2/26", {2026, 1, 2}},  // the locale's short form, two-digit year
        {"en_US", "1/2/98", {1998, 1, 2}},
        {"en_GB", "02/01/2024", {2024, 1, 2}},  // the locale's form before M/d/yyyy
        {"de_DE", " 02.01.24 ", {2024, 1, 2}},
        {"C", "2 Jan 2024", {2024, 1, 2}},
        {"en_US", "2024-01-02", {2024, 1, 2}},
        {"en_US", "1/2/2024", {2024, 1, 2}},
        {"en_US", "2.1.24", {2024, 1, 2}},
        {"en_US", "2.1.2024", {2024, 1, 2}},
        {"en_US", "31/12/2024", {2024, 12, 31}},
        {"en_US", "2/30/2024", {}},
        {"en_US", "someday", {}},
        {"en_US", "", {}},
    };
    for (const auto& c : cases) {
        DefaultLocale locale(c.locale);
        EXPECT_EQ(RecordReading::Date(QString::fromUtf8(c.text)), c.date) << c.locale << " " << c.text;
    }
}

QString Shown(frmView& viewer, int column)
{
    QStringList values;
    const QAbstractItemModel* model = Grid(viewer)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        values << model->index(row, column).data().toString();
    return values.join(u' ');
}

constexpr int AirColumn = 3;
constexpr int NoteColumn = 9;

NewRecord Record(const char* date, const char* time, const char* air, const char* note, const char* site)
{
    NewRecord record;
    record.RecordDate = date;
    record.RecordTime = time;
    record.AirTemp = air;
    record.MiscNote = note;
    record.Site = site;
    return record;
}

// Five records at two sites, one with a date no form reads; their notes A to E name them.
class Filters : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(OpenStore(store, file.path()), std::vector<int>{});
        ASSERT_FALSE(store
                         .AddRecords({Record("1/2/2026", "9:00:00 AM", "25", "A", "North slab"),
                                      Record("1/15/26", "10:00:00 AM", "100", "B", "South wall"),
                                      Record("2026-01-31", "11:00:00 AM", "9", "C", "North slab"),
                                      Record("someday", "12:00:00 PM", "50", "D", "North slab"),
                                      Record("2/1/2026", "1:00:00 PM", "", "E", "South wall")})
                         .isValid());
    }
    void Filter(frmView& viewer, const char* site, QDate from = {}, QDate to = {})
    {
        Element<QComboBox>(viewer, "cboFilterSite")->setCurrentText(site ? site : "All sites");
        Element<QDateEdit>(viewer, "dtFrom")->setDate(from.isValid() ? from : QDate(2026, 1, 1));
        Element<QDateEdit>(viewer, "dtTo")->setDate(to.isValid() ? to : QDate(2026, 12, 31));
        Element<QCheckBox>(viewer, "chkFilterDates")->setChecked(from.isValid());
    }

    DefaultLocale locale{"en_US"};
    RecordsFile file;
    RecordsStore store;
    MessageRecorder messages;
};

TEST_F(Filters, ShowTheRecordsOfASiteAndADateRangeAndCountThem)
{
    const struct { const char* site; QDate from, to; QString notes, count; } cases[] = {
        {nullptr, {}, {}, "A B C D E", "5 records"},
        {"North slab", {}, {}, "A C D", "3 of 5 records shown"},
        {nullptr, {2026, 1, 2}, {2026, 1, 31}, "A B C",
         "3 of 5 records shown (1 left out: date cannot be read, record 4 \"someday\")"},
        {"North slab", {2026, 1, 3}, {2026, 1, 31}, "C",
         "1 of 5 records shown (1 left out: date cannot be read, record 4 \"someday\")"},
        {"South wall", {2026, 1, 1}, {2026, 2, 1}, "B E", "2 of 5 records shown"},
        {nullptr, {2026, 2, 1}, {2026, 2, 1}, "E",
         "1 of 5 records shown (1 left out: date cannot be read, record 4 \"someday\")"},
        {"South wall", {2026, 3, 1}, {2026, 3, 31}, "", "0 of 5 records shown"},
    };
    frmView viewer(store);
    const QComboBox* sites = Element<QComboBox>(viewer, "cboFilterSite");
    ASSERT_EQ(sites->count(), 3);
    EXPECT_EQ(sites->itemText(0) + "|" + sites->itemText(1) + "|" + sites->itemText(2),
              "All sites|North slab|South wall");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count.toStdString());
        Filter(viewer, c.site, c.from, c.to);
        EXPECT_EQ(Shown(viewer, NoteColumn), c.notes);
        EXPECT_EQ(Element<QLabel>(viewer, "lblCount")->text(), c.count);
        EXPECT_EQ(Element<QPushButton>(viewer, "cmdExportCsv")->isEnabled(), !c.notes.isEmpty());
    }
    EXPECT_EQ(file.Rows().size(), 5);
}

// Each header click sorts by its column: ascending, then descending, then the table's order.
TEST_F(Filters, HeaderClicksSortNumbersDatesTimesAndTexts)
{
    const struct { int column; QString notes; } clicks[] = {
        {AirColumn, "C A D B E"},  // 9, 25, 50, 100, then the empty reading
        {AirColumn, "E B D A C"},
        {AirColumn, "A B C D E"},
        {1, "A B C E D"},  // the date no form reads comes last
        {2, "A B C D E"},  // 1:00 PM after 12:00 PM
        {2, "E D C B A"},
        {12, "D C A E B"},  // North slab before South wall, each in the order of the last sort
    };
    frmView viewer(store);
    viewer.resize(1400, 600);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    QHeaderView* header = Grid(viewer)->horizontalHeader();
    EXPECT_EQ(Shown(viewer, NoteColumn), "A B C D E");
    for (const auto& click : clicks) {
        Grid(viewer)->scrollTo(Grid(viewer)->model()->index(0, click.column));
        const QPoint middle(header->sectionViewportPosition(click.column) + header->sectionSize(click.column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
        EXPECT_EQ(Shown(viewer, NoteColumn), click.notes) << "column " << click.column;
    }
    EXPECT_EQ(file.Rows().value(0).value(NoteColumn), "A");
}

TEST_F(Filters, DeleteAndReturnActOnTheRecordInTheRowShown)
{
    {
        frmView viewer(store);
        Filter(viewer, "North slab");
        Grid(viewer)->sortByColumn(AirColumn, Qt::AscendingOrder);
        ASSERT_EQ(Shown(viewer, NoteColumn), "C A D");
        EXPECT_EQ(Returned(viewer, 1).readings.air, "25");
    }
    frmView viewer(store);
    Filter(viewer, "North slab");
    Grid(viewer)->sortByColumn(AirColumn, Qt::AscendingOrder);
    Grid(viewer)->selectRow(0);
    messages.answerNext(Msg::Answer::Yes);
    Click(viewer, "cmdDelete");
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Delete record: 2026-01-31, 11:00:00 AM");
    QStringList left;
    for (const QStringList& row : file.Rows())
        left << row.value(NoteColumn);
    EXPECT_EQ(left.join(u' '), "A B D E");
    EXPECT_EQ(Shown(viewer, NoteColumn), "A D");  // still filtered and sorted
}

}  // namespace

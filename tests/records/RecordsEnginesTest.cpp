// Records behave alike in a file and on a server: each test runs on both; then the server's own.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <optional>
#include <tuple>

#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>

#include "records/CopyUp.h"
#include "records/RecordsImportDialog.h"
#include "records/LoginName.h"
#include "records/RecordsDisplay.h"
#include "records/RecordsEngine.h"
#include "records/frmSave.h"
#include "records/frmView.h"
#include "tests/records/RecordsServer.h"
#include "tests/support/DefaultLocale.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/RecordingTarget.h"
#include "tests/support/RecordsFiles.h"

namespace {

const std::vector<int> NothingFails{};
const QStringList DesignColumns{"RecID", "RecordDate", "RecordTime", "AirTemp", "ConcreteTemp",
                                "RH", "WindVelocity", "EvapRate", "RateNote", "MiscNote",
                                "RateThreshold", "Units", "Site", "SavedBy", "CopiedFrom",
                                "Source", "ConcreteRule", "WindFactor", "Mix"};
// A record saved before the appended columns existed, as the program reads it now.
const QStringList OlderRecord{"1", "1/2/2024", "9:00:00 AM", "85", "90", "50", "10", "0.241",
                              "Measures may be needed.", "old", "<null>", "US", "<null>", "<null>", "<null>",
                              "<null>", "<null>", "<null>", "<null>"};

enum class Engine { File, Server };

QTableView* Grid(frmView& viewer)
{
    return Element<QTableView>(viewer, "DBGrid1");
}

std::string Dates(frmView& viewer)
{
    QStringList dates;
    for (int row = 0; row < Grid(viewer)->model()->rowCount(); ++row)
        dates << Grid(viewer)->model()->index(row, 1).data().toString();
    return dates.join(u' ').toStdString();
}

// The texts of one column of a grid, top to bottom.
QString Column(const QTableView* grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        texts << grid->model()->index(row, column).data().toString();
    return texts.join(u' ');
}

// Restores the version in `row` of the history window the next call opens.
void RestoreInNextHistory(MessageRecorder& messages, int row, const QString& whatBefore, const QString& whatAfter)
{
    messages.answerNext(Msg::Answer::Yes);
    OnNextDialog([=](QWidget& history) {
        auto* grid = Element<QTableView>(history, "grdHistory");
        EXPECT_EQ(Column(grid, 0), whatBefore);
        grid->selectRow(row);
        Element<QPushButton>(history, "cmdRestore")->click();
        EXPECT_EQ(Column(grid, 0), whatAfter);
        Element<QPushButton>(history, "cmdClose")->click();
    });
}

ReturnedInputs Return(frmView& viewer, int row)
{
    QSignalSpy returned(&viewer, &frmView::recordReturned);
    Grid(viewer)->selectRow(row);
    Element<QPushButton>(viewer, "cmdReturn")->click();
    EXPECT_EQ(returned.count(), 1);
    return returned.value(0).value(0).value<ReturnedInputs>();
}

// Each test starts with one record saved before the appended columns existed.
class BothEngines : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_TEST_SERVER(GetParam() == Engine::Server);
        records.emplace(GetParam() == Engine::Server);
        records->Exec("INSERT INTO \"tblBrackmere\" (\"RecordDate\", \"RecordTime\", \"AirTemp\", \"ConcreteTemp\","
                     " \"RH\", \"WindVelocity\", \"EvapRate\", \"RateNote\", \"MiscNote\")"
                     " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                     OlderRecord.mid(1, 9));
        ASSERT_EQ(OpenStore(store, records->location()), NothingFails);
    }

    DefaultLocale locale{"en_US"};
    std::optional<TestRecords> records;
    RecordsStore store;
    MessageRecorder messages;
};

// The opening appended the columns in the design's order, the older record reading US; a record
// saved through the dialog is stored, shown, copied and returned alike on both engines.
TEST_P(BothEngines, RecordSavedThroughTheDialogIsShownCopiedAndReturnedAlike)
{
    NewRecord shown = SampleRecord("", "0.2");
    std::tie(shown.AirTemp, shown.ConcreteTemp, shown.RH, shown.WindVelocity, shown.EvapRate, shown.RateNote) =
        std::tuple("70", "75", "40", "5", "0.095", "OK");
    frmSave dialog(CalculationShowing(shown), store);
    TypeDateTimeNote(dialog, SampleRecord("1/3/2024", ""));
    Element<QComboBox>(dialog, "cboSite")->setCurrentText("north slab");
    Element<QPushButton>(dialog, "cmdAccept")->click();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Record added.");
    const QStringList saved{"2",  "1/3/2024",      "10:11:12 AM", "70", "75",         "40",        "5",     "0.095",
                            "OK", "note 1/3/2024", "0.2",         "US", "north slab", LoginName(), "<null>",
                            "Typed", "", "", "Standard"};
    EXPECT_EQ(records->Rows(), (QList<QStringList>{OlderRecord, saved}));

    frmView viewer(store);
    QString copied;
    for (const QString& name : DesignColumns)
        copied += RecordsDisplay::Heading(name, ShowUnits::US) + u'\t';
    copied += u'\r';
    for (const QStringList& record : {OlderRecord, saved}) {
        QStringList shown;
        for (int column = 0; column < Grid(viewer)->model()->columnCount(); ++column) {
            const QVariant value = Grid(viewer)->model()->index(record[0].toInt() - 1, column).data();
            shown << (value.isNull() ? "<null>" : value.toString());
        }
        EXPECT_EQ(shown, record);
        for (const QString& value : record)
            copied += (value == "<null>" ? QString() : value) + u'\t';
        copied += u'\r';
    }
    Element<QCheckBox>(viewer, "chkHeaders")->setChecked(true);
    Element<QCheckBox>(viewer, "chkRecID")->setChecked(true);
    Element<QPushButton>(viewer, "cmdCopy")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);

    const ReturnedInputs inputs = Return(viewer, 1);
    EXPECT_EQ(inputs.readings, (Readings{.air = "70", .humidity = "40", .concrete = "75", .wind = "5"}));
    EXPECT_EQ(inputs.RateThresholdText, "0.2");
    EXPECT_EQ(inputs.Units, UnitSystem::US);
}

// The threshold is a number: a file keeps a text that is none as typed, a server its reading.
TEST_P(BothEngines, ThresholdReadsBackAsTheNumber)
{
    const struct { QString typed, onFile, onServer; double value; } thresholds[] = {
        {"0.2", "0.2", "0.2", 0.2}, {".15", "0.15", "0.15", 0.15}, {"1e-1", "0.1", "0.1", 0.1},
        {"abc", "abc", "0", 0.0},
    };
    for (const auto& t : thresholds)
        ASSERT_FALSE(store.AddRecord(SampleRecord("day " + t.typed, t.typed)).isValid());
    const QList<QStringList> rows = records->Rows();
    frmView viewer(store);
    for (int i = 0; i < int(std::size(thresholds)); ++i) {
        SCOPED_TRACE(thresholds[i].typed.toStdString());
        const QString stored = GetParam() == Engine::File ? thresholds[i].onFile : thresholds[i].onServer;
        EXPECT_EQ(rows.value(i + 1).value(10), stored);
        const ReturnedInputs inputs = Return(viewer, i + 1);
        EXPECT_EQ(inputs.RateThresholdText, stored);
        EXPECT_FLOAT_EQ(inputs.RateThresholdValue, thresholds[i].value);
    }
}

TEST_P(BothEngines, GridEditIsWrittenAndTheRecordKeepsItsPlace)
{
    ASSERT_FALSE(store.AddRecord(SampleRecord("1/3/2024", "0.1")).isValid());
    {
        frmView viewer(store);
        Grid(viewer)->setCurrentIndex(Grid(viewer)->model()->index(0, 9));
        ASSERT_TRUE(Grid(viewer)->model()->setData(Grid(viewer)->model()->index(0, 9), "corrected note"));
        Element<QPushButton>(viewer, "cmdExit")->click();
    }
    EXPECT_EQ(records->Rows().value(0).value(9), "corrected note");
    frmView viewer(store);
    EXPECT_EQ(Dates(viewer), "1/2/2024 1/3/2024");
}

TEST_P(BothEngines, ViewerDeletesOneRecordThenAll)
{
    ASSERT_FALSE(store.AddRecords({SampleRecord("1/3/2024", "0.1"), SampleRecord("1/4/2024", "0.2")}).isValid());
    frmView viewer(store);
    EXPECT_EQ(Dates(viewer), "1/2/2024 1/3/2024 1/4/2024");
    Grid(viewer)->selectRow(1);
    messages.answerNext(Msg::Answer::Yes);
    Element<QPushButton>(viewer, "cmdDelete")->click();
    EXPECT_EQ(Dates(viewer), "1/2/2024 1/4/2024");
    EXPECT_EQ(records->Rows().size(), 2);
    messages.answerNext(Msg::Answer::Yes);
    Element<QPushButton>(viewer, "cmdDeleteAll")->click();
    EXPECT_EQ(Dates(viewer), "");
    EXPECT_EQ(records->Rows().size(), 0);
}

// Every change, delete and restore keeps the record as it was, what happened and who did it;
// a record is restored from its history, a deleted one from Show Deleted under its own
// number. A change by another program is kept too, without a name where it gives none.
TEST_P(BothEngines, ChangesAndDeletesAreKeptAndRestored)
{
    ASSERT_FALSE(store.AddRecord(SampleRecord("1/3/2024", "0.1")).isValid());
    frmView viewer(store);
    Grid(viewer)->setCurrentIndex(Grid(viewer)->model()->index(0, 9));
    ASSERT_TRUE(Grid(viewer)->model()->setData(Grid(viewer)->model()->index(0, 9), "corrected"));
    Grid(viewer)->selectRow(1);
    messages.answerNext(Msg::Answer::Yes);
    Element<QPushButton>(viewer, "cmdDelete")->click();

    Grid(viewer)->selectRow(0);
    RestoreInNextHistory(messages, 1, "now changed", "now restored changed");
    Element<QPushButton>(viewer, "cmdHistory")->click();
    RestoreInNextHistory(messages, 0, "deleted", "");
    Element<QPushButton>(viewer, "cmdShowDeleted")->click();
    EXPECT_EQ(Dates(viewer), "1/2/2024 1/3/2024");
    EXPECT_EQ(records->Rows().value(0).value(9), "old");

    records->Exec("UPDATE \"tblBrackmere\" SET \"MiscNote\" = 'by hand' WHERE \"RecID\" = 1");
    const QString me = GetParam() == Engine::File ? LoginName() : "postgres";
    const QString other = GetParam() == Engine::File ? "<null>" : "postgres";
    EXPECT_EQ(records->Query("SELECT \"RecID\", \"Action\", \"ActionBy\", \"MiscNote\" FROM \"tblBrackmereHistory\""
                             " ORDER BY \"HistID\""),
              (QList<QStringList>{{"1", "changed", me, "old"},
                                  {"2", "deleted", me, "note 1/3/2024"},
                                  {"1", "restored", me, "corrected"},
                                  {"2", "restored", me, "note 1/3/2024"},
                                  {"1", "changed", other, "old"}}));
}

// Besides the older record (US, 85 °F): two at North Pier, in either system, and one at South.
NewRecord Mixed(const char* date, const char* units, const char* air, const char* site, const char* note)
{
    const bool si = QString(units) == "SI";
    return {date, "9:00:00 AM", air, si ? "32" : "90", "50", si ? "16" : "10", si ? "1.18" : "0.241", "OK", note,
            si ? "1.0" : "0.2", units, site, "kim", "", "Typed", "", ""};
}
const std::vector<NewRecord> MixedRecords{Mixed("1/3/2024", "US", "70", "North Pier", "=HYPERLINK(\"x\")"),
                                          Mixed("1/4/2024", "SI", "30", "North Pier", "b"),
                                          Mixed("1/5/2024", "US", "60", "South", "c")};
constexpr int AirColumn = 3;

QString LastMessage(const MessageRecorder& messages)
{
    return messages.messages().empty() ? QString() : messages.messages().back().text;
}

QString Column(frmView& viewer, int column)
{
    QStringList values;
    for (int row = 0; row < Grid(viewer)->model()->rowCount(); ++row)
        values << Grid(viewer)->model()->index(row, column).data().toString();
    return Grid(viewer)->model()->headerData(column, Qt::Horizontal).toString() + ": " + values.join(u' ');
}

// Values are converted for showing only, and records of both systems sort by what they measure.
TEST_P(BothEngines, ShowInConvertsAndSortsMixedUnitsAndLeavesWhatIsStored)
{
    ASSERT_FALSE(store.AddRecords(MixedRecords).isValid());
    const QList<QStringList> stored = records->Rows();
    const struct { const char* shown; QString air, units; } modes[] = {
        {"US", "AirTemp (°F): 60 70 85 86.0", "Units: US US US US"},
        {"SI", "AirTemp (°C): 15.6 21.1 29.4 30", "Units: SI SI SI SI"},
        {"As saved", "AirTemp: 60 °F 70 °F 85 °F 30 °C", "Units: US US US SI"},
    };
    frmView viewer(store);
    Grid(viewer)->sortByColumn(AirColumn, Qt::AscendingOrder);
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.shown);
        Element<QComboBox>(viewer, "cboShowUnits")->setCurrentText(mode.shown);
        EXPECT_EQ(Column(viewer, AirColumn), mode.air);
        EXPECT_EQ(Column(viewer, 11), mode.units);
    }
    EXPECT_EQ(records->Rows(), stored);
}

// Delete All and Copy act on the records shown, in the order shown; the question says which.
TEST_P(BothEngines, DeleteAllAndCopyFollowTheView)
{
    const struct { const char* name; const char* site; bool sorted; QString question, copiedDates, leftDates; } cases[] = {
        {"filtered and sorted", "North Pier", true,
         "Delete the 2 records shown (site North Pier)? The other 2 are kept.", "1/4/2024 1/3/2024",
         "1/2/2024 1/5/2024"},
        {"sorted", nullptr, true, "Delete all 4 records shown?", "1/2/2024 1/4/2024 1/3/2024 1/5/2024", ""},
        {"as it opens", nullptr, false, "Delete all records?", "1/2/2024 1/3/2024 1/4/2024 1/5/2024", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        records->Exec("DELETE FROM \"tblBrackmere\" WHERE \"MiscNote\" <> 'old'");
        ASSERT_FALSE(store.AddRecords(MixedRecords).isValid());
        frmView viewer(store);
        if (c.site)
            Element<QComboBox>(viewer, "cboFilterSite")->setCurrentText(c.site);
        if (c.sorted)
            Grid(viewer)->sortByColumn(AirColumn, Qt::DescendingOrder);
        Element<QPushButton>(viewer, "cmdCopy")->click();
        QStringList dates;
        for (const QString& line : QGuiApplication::clipboard()->text().split(u'\r', Qt::SkipEmptyParts))
            dates << line.section(u'\t', 0, 0);
        EXPECT_EQ(dates.join(u' ').toStdString(), c.copiedDates.toStdString());
        EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("\t\"'=HYPERLINK(\"\"x\"\")\"\t"));
        messages.clear();
        messages.answerNext(Msg::Answer::Yes);
        Element<QPushButton>(viewer, "cmdDeleteAll")->click();
        EXPECT_EQ(LastMessage(messages), c.question);
        QStringList left;
        for (const QStringList& row : records->Rows())
            left << row.value(1);
        EXPECT_EQ(left.join(u' '), c.leftDates);
        records->Exec("DELETE FROM \"tblBrackmere\"");
        records->Exec("INSERT INTO \"tblBrackmere\" (\"RecordDate\", \"MiscNote\") VALUES ('1/2/2024', 'old')");
    }
    frmView viewer(store);
    Element<QComboBox>(viewer, "cboFilterSite")->setCurrentIndex(0);
    Element<QCheckBox>(viewer, "chkFilterDates")->setChecked(true);
    Element<QDateEdit>(viewer, "dtFrom")->setDate({2020, 1, 1});
    Element<QDateEdit>(viewer, "dtTo")->setDate({2020, 1, 2});
    EXPECT_FALSE(Element<QPushButton>(viewer, "cmdDeleteAll")->isEnabled()) << "nothing shown";
    EXPECT_FALSE(Element<QPushButton>(viewer, "cmdCopy")->isEnabled());
}

// The field edition's log (the file its own test writes) and the viewer's export import
// alike: each row once, however often, in the locale's date forms, formulas taken back out.
TEST_P(BothEngines, ImportAddsEachRowOnceAndSaysWhatItRefused)
{
    const QString log = QStringLiteral(BRACKMERE_RECORDS_TEST_DATA "/field-log.csv");
    const QString summary = "Of 3 rows in \"" + QDir::toNativeSeparators(log) + "\", %1 added, %2 there already and "
                            "0 were refused.";
    {
        frmView viewer(store);
        OnNextDialog([&](QWidget& dialog) {
            qobject_cast<QFileDialog*>(&dialog)->selectFile(log);
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        Element<QPushButton>(viewer, "cmdImport")->click();
        EXPECT_EQ(Grid(viewer)->model()->rowCount(), 4) << "the viewer shows them at once";
    }
    RecordsImportDialog::ImportFile(nullptr, store, log);
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[0].text, summary.arg("3 were", "0 were"));
    EXPECT_EQ(messages.messages()[1].text, summary.arg("0 were", "3 were"));
    const QList<QStringList> rows = records->Rows();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[1].mid(1, 3) + rows[1].mid(9, 1) + rows[1].mid(11, 3) + rows[1].mid(15),
              (QStringList{"6/1/25", "2:03:00 PM", "80", "=HYPERLINK(\"http://x\")", "US", "Quay 3, \"north\" bay",
                           LoginName(), "Field log", "", "", ""}));
    EXPECT_EQ(rows[3].value(9), "-5 below, cold");

    // Exported in the other system and imported again: every record is there already.
    QTemporaryDir folder;
    {
        FakePrintDestinations destinations;
        destinations.saveFileName = folder.filePath("records.csv");
        frmView viewer(store);
        Element<QComboBox>(viewer, "cboShowUnits")->setCurrentText("SI");
        Element<QPushButton>(viewer, "cmdExportCsv")->click();
    }
    messages.clear();
    RecordsImportDialog::ImportFile(nullptr, store, folder.filePath("records.csv"));
    EXPECT_EQ(LastMessage(messages), "Of 4 rows in \"" + QDir::toNativeSeparators(folder.filePath("records.csv"))
                                         + "\", 0 were added, 4 were there already and 0 were refused.");

    QFile bad(folder.filePath("bad.csv"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("RecordTime,RecordDate,AirTemp (°C),ConcreteTemp,RH,WindVelocity,Units\n"
              "9:00,2025-06-01,abc,30,50,10,SI\n9:00,yesterday,25,30,50,10,SI\n9:00,2025-06-01,25,30,50,10,XX\n"
              "9:00,2025-06-01,25,30,50,10,US\n");
    bad.close();
    messages.clear();
    RecordsImportDialog::ImportFile(nullptr, store, bad.fileName());
    EXPECT_TRUE(LastMessage(messages).endsWith(
        "0 were added, 0 were there already and 4 were refused.\nline 2, column AirTemp: \"abc\" is not a number.\n"
        "line 3, column RecordDate: \"yesterday\" is not a date.\nline 4, column Units: \"XX\" is neither US nor SI.\n"
        "line 5, column Units: the row is in US units, its headings in SI units."))
        << LastMessage(messages).toStdString();
    EXPECT_EQ(records->Rows().size(), 4);
}

// The opening of older records made the table of pour reports; a report is kept with its
// login, time and the SHA-256 digest of its content, listed the latest first, and its
// content reads back whole (line breaks and all), so that the digest can be computed again.
TEST_P(BothEngines, PourReportsAreKeptWithTheDigestOfTheirContent)
{
    EXPECT_EQ(ReportDigest("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    SavedReport first{.site = "north slab", .title = "Slab A", .content = "Site: north slab\nPour: Slab A\n"};
    SavedReport second{.site = "", .title = "Wall 2 — 8 °C", .content = "Pour: Wall 2 — 8 °C\r\n\tend"};
    ASSERT_FALSE(store.AddSavedReport(first).isValid());
    ASSERT_FALSE(store.AddSavedReport(second).isValid());
    EXPECT_LT(first.id, second.id);
    EXPECT_EQ(first.savedBy, LoginName());
    EXPECT_LE(qAbs(QDateTime::fromString(first.savedAt, Qt::ISODate).secsTo(QDateTime::currentDateTimeUtc())), 60);

    std::vector<SavedReport> kept;
    ASSERT_FALSE(store.SavedReports(kept).isValid());
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].id, second.id);
    for (const auto& [read, written] : {std::pair{kept[0], second}, std::pair{kept[1], first}}) {
        EXPECT_EQ(read.content, written.content);
        EXPECT_EQ(read.title, written.title);
        EXPECT_EQ(read.site, written.site);
        EXPECT_EQ(read.savedAt, written.savedAt);
        EXPECT_EQ(read.digest, ReportDigest(read.content));
    }
    EXPECT_NE(kept[0].digest, kept[1].digest);
}

INSTANTIATE_TEST_SUITE_P(Engines, BothEngines, ::testing::Values(Engine::File, Engine::Server),
                         [](const auto& info) { return info.param == Engine::File ? "File" : "Server"; });

// A login that may read and add records but not change the layout is told what is missing
// and whom to ask; once the owner's first opening has created the table with the design's
// columns, it saves as any other.
TEST(RecordsServer, LoginThatMayNotChangeTheTableIsToldWhatIsMissingAndWhomToAsk)
{
    SKIP_WITHOUT_TEST_SERVER(true);
    using namespace RecordsErrorNumber;
    const struct { const char* name; ServerSchema::Table table; bool ownerOpensFirst; std::vector<int> errors;
                   QString said; } cases[] = {
        {"no table", ServerSchema::Table::None, false, {NoTable, NoTable, NotOpen, NotOpen},
         "The table tblBrackmere does not exist on the records server %1, and this login may not create it: "},
        {"first layout", ServerSchema::Table::Shipped, false, {CannotAddColumn},
         "The column RateThreshold is missing from tblBrackmere on the records server %1, and this login may not "
         "add it: "},
        {"made by the owner", ServerSchema::Table::None, true, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ServerSchema schema(c.table);
        if (c.ownerOpensFirst) {
            RecordsStore owner;
            ASSERT_EQ(OpenStore(owner, schema.uri()), NothingFails);
            EXPECT_EQ(schema.Query("SELECT string_agg(column_name, ' ' ORDER BY ordinal_position)"
                                   " FROM information_schema.columns WHERE table_name = 'tblBrackmere'"),
                      QList<QStringList>{{DesignColumns.join(u' ')}});
        }
        RecordsStore store;
        QStringList texts;
        EXPECT_EQ(OpenStore(store, schema.uri("brackmere_reader"), &texts), c.errors);
        const QString said = QString(c.said).replace("%1", '"' + store.databasePath() + '"');
        EXPECT_EQ(texts.value(0).left(said.size()), said);
        EXPECT_EQ(texts.value(0).contains("\nAsk the database's owner"), !c.errors.empty());
        EXPECT_EQ(store.AddRecord(SampleRecord("1/2/2024", "0.2")).isValid(), !c.errors.empty());
    }
}

// The owner's first opening makes the group roles and their rights: a recorder may read and
// add records but neither change nor delete them, in the viewer or in SQL; an editor may, and
// the history names the editor. Neither may write the history.
TEST(RecordsServer, RecorderMayNotChangeOrDeleteAndTheViewerSaysWhyAnEditorMay)
{
    SKIP_WITHOUT_TEST_SERVER(true);
    ServerSchema schema;
    {
        RecordsStore owner;
        ASSERT_EQ(OpenStore(owner, schema.uri()), NothingFails);
        ASSERT_FALSE(owner.AddRecords({SampleRecord("1/2/2024", "0.1"), SampleRecord("1/3/2024", "0.2")}).isValid());
    }
    const struct { const char* role; bool may; } logins[] = {{"brackmere_recorder", false}, {"brackmere_editor", true}};
    QString editor;
    for (const auto& l : logins) {
        SCOPED_TRACE(l.role);
        const QString login = schema.Login(l.role);
        RecordsStore store;
        ASSERT_EQ(OpenStore(store, schema.uri(login)), NothingFails);
        EXPECT_FALSE(store.AddRecord(SampleRecord("1/4/2024", "0.2")).isValid());
        SavedReport report{.title = "Slab", .content = "Pour: Slab\n"};
        EXPECT_FALSE(store.AddSavedReport(report).isValid()) << "both keep pour reports";
        {
            frmView viewer(store);
            Grid(viewer)->selectRow(0);
            const QString why = "The login \"" + login + "\" may not change or delete records on this server; the "
                                "database's owner can grant it the role brackmere_editor.";
            for (const char* name : {"cmdDelete", "cmdDeleteAll"}) {
                EXPECT_EQ(Element<QPushButton>(viewer, name)->isEnabled(), l.may) << name;
                EXPECT_EQ(Element<QPushButton>(viewer, name)->toolTip(), l.may ? "" : why) << name;
            }
            EXPECT_EQ(Element<QLabel>(viewer, "lblPermissions")->text(), l.may ? "" : why);
            EXPECT_EQ(Grid(viewer)->editTriggers() != QAbstractItemView::NoEditTriggers, l.may);
            EXPECT_TRUE(Element<QPushButton>(viewer, "cmdHistory")->isEnabled());
        }
        QSqlQuery erase(store.database());
        EXPECT_EQ(erase.exec("DELETE FROM \"tblBrackmere\" WHERE \"RecID\" = 1"), l.may);
        EXPECT_EQ(erase.lastError().text().contains("permission denied"), !l.may)
            << erase.lastError().text().toStdString();
        EXPECT_FALSE(erase.exec("DELETE FROM \"tblBrackmereHistory\""));
        EXPECT_FALSE(erase.exec("DELETE FROM \"tblPourReports\"")) << "a kept report stays as it was";
        if (l.may)
            editor = login;
    }
    EXPECT_EQ(schema.Query("SELECT \"RecID\", \"Action\", \"ActionBy\" FROM \"tblBrackmereHistory\""),
              (QList<QStringList>{{"1", "deleted", editor}}));
}

// Without a password in the URI the user is asked, again after a wrong one; the one that
// worked serves every later opening in the same run.
TEST(RecordsServer, PasswordIsAskedUntilRightAndThenKeptForTheRun)
{
    SKIP_WITHOUT_TEST_SERVER(true);
    const ServerSchema schema(ServerSchema::Table::None);
    const QString uri = schema.uri("brackmere_pw");
    const QString server = '"' + RecordsLocation::FromText(uri).shown() + '"';
    ServerPassword::Forget(server);
    const QStringList answers{"wrong", qEnvironmentVariable("BRACKMERE_TEST_PG_PASSWORD")};
    QStringList asked;
    const ServerPassword::ScopedAnswer answer([&](const QString& shown) {
        asked << shown;
        return std::optional<QString>(answers.value(asked.size() - 1));
    });
    RecordsStore first;
    EXPECT_EQ(OpenStore(first, uri), NothingFails);
    EXPECT_EQ(asked, QStringList(2, server));
    RecordsStore second;
    EXPECT_EQ(OpenStore(second, uri), NothingFails);
    EXPECT_EQ(asked.size(), 2) << "asked again in the same run";
    EXPECT_FALSE(second.AddRecord(SampleRecord("1/2/2024", "0.2")).isValid());
}

}  // namespace

// A records file copied up twice gives each record once: the second copy adds only the
// record saved since; a cancelled copy adds nothing.
TEST(RecordsServer, CopyUpCopiesEachRecordOnceAndACancelCopiesNothing)
{
    SKIP_WITHOUT_TEST_SERVER(true);
    const ServerSchema schema;
    RecordsStore server;
    ASSERT_EQ(OpenStore(server, schema.uri()), NothingFails);
    RecordsFile file;
    RecordsStore local;
    ASSERT_EQ(OpenStore(local, file.path()), NothingFails);
    for (const char* date : {"1/2/2024", "1/3/2024"})
        ASSERT_FALSE(local.AddRecord(SampleRecord(date, "0.2")).isValid());

    const auto copy = [&](bool cancel) {
        return CopyUp::Summary(CopyUp::Run(file.path(), server, [cancel](int, int) { return !cancel; }));
    };
    EXPECT_EQ(copy(false), "Of 2 records in the file, 2 were copied to the server and 0 were there already.");
    ASSERT_FALSE(local.AddRecord(SampleRecord("1/4/2024", "")).isValid());
    EXPECT_EQ(copy(true), "The copy was cancelled; nothing was copied.");
    EXPECT_EQ(copy(false), "Of 3 records in the file, 1 was copied to the server and 2 were there already.");
    const QList<QStringList> copied = schema.Query("SELECT \"RecordDate\", \"CopiedFrom\" FROM \"tblBrackmere\""
                                                   " ORDER BY \"RecID\"");
    ASSERT_EQ(copied.size(), 3);
    EXPECT_EQ(copied[2][0], "1/4/2024");
    EXPECT_TRUE(copied[2][1].endsWith("#3")) << copied[2][1].toStdString();
}

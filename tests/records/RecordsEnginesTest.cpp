// Records behave alike in a file and on a server: each test runs on both; then the server's own.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <optional>
#include <tuple>

#include "records/CopyUp.h"
#include "records/LoginName.h"
#include "records/RecordsEngine.h"
#include "records/frmSave.h"
#include "records/frmView.h"
#include "tests/records/RecordsServer.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/RecordsFiles.h"

namespace {

const std::vector<int> NothingFails{};
const QStringList DesignColumns{"RecID", "RecordDate", "RecordTime", "AirTemp", "ConcreteTemp",
                                "RH", "WindVelocity", "EvapRate", "RateNote", "MiscNote",
                                "RateThreshold", "Units", "Site", "SavedBy", "CopiedFrom", "Mix"};
// A record saved before the appended columns existed, as the program reads it now.
const QStringList OlderRecord{"1", "1/2/2024", "9:00:00 AM", "85", "90", "50", "10", "0.241",
                              "Measures may be needed.", "old", "<null>", "US", "<null>", "<null>", "<null>", "<null>"};

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
                            "Standard"};
    EXPECT_EQ(records->Rows(), (QList<QStringList>{OlderRecord, saved}));

    frmView viewer(store);
    QString copied = "RecID\t" + QStringList(DesignColumns.mid(1)).join(u'\t') + "\t\r";
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
                                   " FROM information_schema.columns WHERE table_schema = current_schema()"),
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

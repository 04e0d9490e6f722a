#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>

#include <set>

#include "records/frmView.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/RecordingTarget.h"
#include "tests/support/RecordsFiles.h"
#include "tests/support/DefaultLocale.h"

namespace {

NewRecord Record(const char* date, const char* air, const char* note, const char* threshold, const char* units,
                 const char* site, const char* savedBy)
{
    return {date, "9:00:00 AM", air, "90", "50", "10", "0.241", "Measures may be needed.", QString::fromUtf8(note),
            threshold, units, site, savedBy, "", "", "", "", ""};
}

const char* const AwkwardNote = "Slab 3, \"east\" bay\nbelow 5 °C; 12 m²";

// Two records at the North slab, one with a note that needs quoting, and one elsewhere.
class Export : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(OpenStore(store, file.path()), std::vector<int>{});
        ASSERT_FALSE(store
                         .AddRecords({Record("1/2/2026", "85", AwkwardNote, "0.2", "US", "North slab", "kim"),
                                      Record("1/3/2026", "30", "", "", "SI", "North slab", "lee"),
                                      Record("1/4/2026", "95", "", "", "US", "South wall", "kim")})
                         .isValid());
    }
    void Export_(frmView& viewer, const char* button, const QString& fileName)
    {
        destinations.saveFileName = fileName.isEmpty() ? QString() : folder.filePath(fileName);
        viewer.findChild<QPushButton*>(button)->click();
    }
    static void ShowSite(frmView& viewer)
    {
        viewer.findChild<QComboBox*>("cboFilterSite")->setCurrentText("North slab");
    }

    DefaultLocale locale{"en_US"};
    RecordsFile file;
    RecordsStore store;
    MessageRecorder messages;
    FakePrintDestinations destinations;
    QTemporaryDir folder;
};

TEST_F(Export, CsvHoldsTheRowsShownWithEveryColumnInTheUnitsShown)
{
    frmView viewer(store);
    ShowSite(viewer);
    viewer.findChild<QTableView*>("DBGrid1")->sortByColumn(0, Qt::DescendingOrder);
    Export_(viewer, "cmdExportCsv", "records.csv");

    const QByteArray expected =
        "\xEF\xBB\xBF"
        "RecID,RecordDate,RecordTime,AirTemp (\xC2\xB0""F),ConcreteTemp (\xC2\xB0""F),RH (%),WindVelocity (mph),"
        "EvapRate (lb/ft\xC2\xB2/hr),RateNote,MiscNote,RateThreshold (lb/ft\xC2\xB2/hr),Units,Site,SavedBy,CopiedFrom,"
        "Source,ConcreteRule,WindFactor,Mix\r\n"
        "2,1/3/2026,9:00:00 AM,86.0,194.0,50,6.2,0.049,Measures may be needed.,,,US,North slab,lee,,,,,\r\n"
        "1,1/2/2026,9:00:00 AM,85,90,50,10,0.241,Measures may be needed.,"
        "\"Slab 3, \"\"east\"\" bay\nbelow 5 \xC2\xB0"
        "C; 12 m\xC2\xB2\",0.2,US,North slab,kim,,,,,\r\n";
    QFile csv(folder.filePath("records.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), expected);
    EXPECT_EQ(destinations.saveFilter, "CSV files (*.csv)");
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "2 records exported to \"" + QDir::toNativeSeparators(folder.filePath("records.csv")) + "\".");
    EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::Information);
}

TEST_F(Export, AFailureNamesTheFileAndACancelWritesNothing)
{
    frmView viewer(store);
    Export_(viewer, "cmdExportCsv", "");
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    for (const char* button : {"cmdExportCsv", "cmdExportPdf"}) {
        SCOPED_TRACE(button);
        messages.clear();
        Export_(viewer, button, "no such folder/records");
        ASSERT_EQ(messages.messages().size(), 1u);
        const Msg::Request& told = messages.messages()[0];
        EXPECT_EQ(told.icon, Msg::Icon::Critical);
        const QStringList lines = told.text.split(u'\n');
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines[0], "The records could not be exported to \""
                                + QDir::toNativeSeparators(folder.filePath("no such folder/records")) + "\".");
        EXPECT_FALSE(lines[1].isEmpty());
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

QString PdfText(const QString& path)
{
    QProcess tool;
    tool.start("pdftotext", {"-layout", path, "-"});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        ADD_FAILURE() << "pdftotext could not read " << path.toStdString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// 150 more records at the North slab fill several pages; the South wall's are left out.
TEST_F(Export, PdfReportPutsEveryRowShownOnNumberedPagesUnderTheFilter)
{
    std::vector<NewRecord> pours;
    for (int i = 1; i <= 150; ++i)
        pours.push_back(Record("1/10/2026", "70", qPrintable(QStringLiteral("pour %1").arg(i)), "", "US",
                               "North slab", "kim"));
    ASSERT_FALSE(store.AddRecords(pours).isValid());
    frmView viewer(store);
    ShowSite(viewer);
    viewer.findChild<QDateEdit*>("dtFrom")->setDate({2026, 1, 2});
    viewer.findChild<QDateEdit*>("dtTo")->setDate({2026, 1, 31});
    viewer.findChild<QCheckBox*>("chkFilterDates")->setChecked(true);
    Export_(viewer, "cmdExportPdf", "records.pdf");

    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "152 records exported to \"" + QDir::toNativeSeparators(folder.filePath("records.pdf")) + "\".");
    EXPECT_EQ(destinations.saveFilter, "PDF files (*.pdf)");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"records.pdf"}) << "no partial file left";
    QStringList pages = PdfText(folder.filePath("records.pdf")).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    ASSERT_GE(pages.size(), 2);
    static const QRegularExpression titles(
        R"(\nDate +Time +Site +Air \(°F\) +RH +Concrete +Wind +Evap\. rate +Threshold +Message +Units +Source +Concrete +Wind +)"
        R"(Saved by +Note\n)");
    for (int i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i);
        const QString& page = pages[i];
        EXPECT_TRUE(page.trimmed().startsWith("Saved Records"));
        EXPECT_TRUE(titles.match(page).hasMatch()) << "the column titles in the report's order";
        EXPECT_EQ(page.count("(lb/ft²/hr)"), 2) << "the units of both rates";
        EXPECT_TRUE(page.contains("Source: " + store.databasePath()));
        EXPECT_TRUE(page.contains("Filter: Site: North slab; 1/2/26 to 1/31/26"));
        EXPECT_TRUE(page.contains("152 of 153 records shown"));
        EXPECT_TRUE(page.trimmed().endsWith(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size())));
    }
    const QString all = pages.join(u'\n');
    std::set<int> pourNumbers;  // each once
    static const QRegularExpression pour(R"(\bpour (\d+)\b)");
    for (const QRegularExpressionMatch& match : pour.globalMatch(all))
        EXPECT_TRUE(pourNumbers.insert(match.captured(1).toInt()).second) << match.captured().toStdString();
    EXPECT_EQ(pourNumbers.size(), 150u);
    EXPECT_TRUE(all.contains("12 m²")) << "the wrapped note keeps its characters";
    EXPECT_FALSE(all.contains("South wall"));
}

}  // namespace

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

#include "pour/PourDocument.h"
#include "records/RecordsPath.h"
#include "records/RecordsStore.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/RecordingTarget.h"
#include "tests/support/RecordsFiles.h"

namespace {

class PourReportWindowTest : public MainWindowFixture {
protected:
    std::vector<SavedReport> kept() const
    {
        RecordsStore store;
        EXPECT_TRUE(OpenStore(store, RecordsPath::ForThisProgram()).empty());
        std::vector<SavedReport> reports;
        EXPECT_FALSE(store.SavedReports(reports).isValid());
        return reports;
    }
};

// File, Pour Report… reports the readings shown; printed, the report is kept beside the
// records with the digest its pages print.
TEST_F(PourReportWindowTest, TheFileMenuReportsTheReadingsShownAndKeepsThePrintedReport)
{
    auto* action = element<QAction>("mnuPourReport");
    EXPECT_TRUE(element<QMenu>("mnuFile")->actions().contains(action));
    enterInputs("80", "50", "90", "10");
    FakePrintDestinations destinations;
    OnNextDialog([](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmPourReport");
        EXPECT_TRUE(Element<QLabel>(dialog, "lblHours")->text().startsWith("1 hours. "));
        Element<QLineEdit>(dialog, "txtPour")->setText("Footing F3");
        Element<QPushButton>(dialog, "cmdPrint")->click();
        Element<QPushButton>(dialog, "cmdClose")->click();
    });
    action->trigger();
    const std::vector<SavedReport> reports = kept();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].title, "Footing F3");
    EXPECT_TRUE(reports[0].content.contains(
        "\t80\t50\t10\t90\t0.241\t0.145–0.337\tMeasures shall be taken. Borderline.\tmeasured\n"))
        << reports[0].content.toStdString();
    const auto footer = std::find_if(destinations.printed.texts.begin(), destinations.printed.texts.end(),
                                     [&](const RecordedText& t) { return t.text == DigestLine(reports[0].digest); });
    EXPECT_NE(footer, destinations.printed.texts.end());
}

// The viewer reports the selected records, and lists the reports kept with their digests;
// a copy's digest is found among them, a changed copy's is not.
TEST_F(PourReportWindowTest, TheViewerReportsTheSelectedRecordsAndListsTheReportsKept)
{
    {
        RecordsStore store;
        ASSERT_TRUE(OpenStore(store, RecordsPath::ForThisProgram()).empty());
        NewRecord first = SampleRecord("6/1/2026", "0.2");
        NewRecord second = SampleRecord("6/1/2026", "0.2");
        std::tie(first.Site, first.RecordTime, first.Source, first.Mix) =
            std::tuple("East pier", "7:00:00 AM", "Meter log", "LowBleed");
        std::tie(second.Site, second.RecordTime) = std::tuple("East pier", "8:00:00 AM");
        ASSERT_FALSE(store.AddRecords({first, second, SampleRecord("6/2/2026", "0.2")}).isValid());
    }
    FakePrintDestinations destinations;
    OnNextDialog([](QWidget& viewer) {
        auto* grid = Element<QTableView>(viewer, "DBGrid1");
        grid->selectRow(0);
        grid->selectionModel()->select(grid->model()->index(1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        OnNextDialog([](QWidget& dialog) {
            EXPECT_EQ(Element<QLineEdit>(dialog, "txtSite")->text(), "East pier");
            EXPECT_TRUE(Element<QLabel>(dialog, "lblThreshold")->text().startsWith("Low-bleed (silica fume, HRWR)"));
            EXPECT_TRUE(Element<QLabel>(dialog, "lblHours")->text().startsWith("2 hours. "));
            Element<QPushButton>(dialog, "cmdPrint")->click();
            Element<QPushButton>(dialog, "cmdClose")->click();
        });
        Element<QPushButton>(viewer, "cmdPourReport")->click();
        OnNextDialog([](QWidget& list) {
            auto* reports = Element<QTableWidget>(list, "grdReports");
            ASSERT_EQ(reports->rowCount(), 1);
            const QString digest = reports->item(0, 5)->text();
            auto* check = Element<QLineEdit>(list, "txtDigest");
            check->setText(digest.toUpper());
            EXPECT_TRUE(Element<QLabel>(list, "lblCheck")->text().startsWith("The copy matches report 1, "));
            check->setText(QString(digest).replace(0, 1, digest[0] == u'0' ? "1" : "0"));
            EXPECT_TRUE(Element<QLabel>(list, "lblCheck")->text().startsWith("No saved pour report has this digest"));
            Element<QPushButton>(list, "cmdClose")->click();
        });
        Element<QPushButton>(viewer, "cmdPourReports")->click();
        Element<QPushButton>(viewer, "cmdExit")->click();
    });
    element<QPushButton>("cmdRecords")->click();
    const std::vector<SavedReport> reports = kept();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].content.contains("Hours: 2\n"));
    EXPECT_TRUE(reports[0].content.contains("\tmeasured\n"));
    EXPECT_TRUE(reports[0].content.contains("Mix: Low-bleed (silica fume, HRWR)\n"));
}

}  // namespace

// The pour report as a user gets it: its PDF read back page by page, the digest its pages
// print computed again from the content kept beside the records, and its paging.

#include <gtest/gtest.h>

#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlField>
#include <QSqlRecord>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cmath>
#include <set>

#include "outlook/OutlookTable.h"
#include "output/PagedDocument.h"
#include "output/PrintJob.h"
#include "pour/PourDocument.h"
#include "pour/frmPourReport.h"
#include "tests/support/DefaultLocale.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/RecordingTarget.h"
#include "tests/support/RecordsFiles.h"

namespace {

const QDateTime FirstHour(QDate(2026, 6, 1), QTime(5, 0), Qt::UTC);

// `count` forecast hours of a warm day and night, the wind brought down from 10 m, the
// concrete temperature left to the rule; every seventh hour's air is out of range.
PourReport ForecastReport(int count)
{
    std::vector<HourlyReading> readings;
    for (int h = 0; h < count; ++h) {
        const double daylight = std::sin((h % 24) * 3.14159 / 24);
        const QString air = h % 7 == 6 ? QStringLiteral("130") : QString::number(60 + 30 * daylight, 'f', 1);
        const QString wind = QString::number(4 + 10 * daylight, 'f', 1);
        readings.push_back({.time = FirstHour.addSecs(3600 * h),
                            .readings = {.air = air.toStdString(), .humidity = "40", .concrete = "",
                                         .wind = wind.toStdString()},
                            .problem = {},
                            .source = RecordSource::Forecast,
                            .windFactor = 0.65,
                            .averaged = {}});
    }
    OutlookSettings settings;
    settings.concrete = {.kind = ConcreteRule::Kind::AirPlusOffset, .value = 5};
    settings.sun = SunOnSlab::Sunny;
    PourReport report = ReportFromOutlook(Evaluate(readings, settings), settings, "Longest safe window: hours given.");
    report.site = "North yard";
    report.pour = "Slab A, level 2";
    report.preparedBy = "R. Quality";
    report.mix = MixPreset::Standard;
    return report;
}

// Each page's text as pdftotext reads it in the order it was drawn, a cell's wrapped lines
// together, every run of blanks and line breaks one space.
QStringList PdfPages(const QString& path)
{
    QProcess reader;
    reader.start("pdftotext", {"-raw", path, "-"});
    EXPECT_TRUE(reader.waitForFinished(30000));
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    for (QString& page : pages)
        page = page.simplified();
    return pages;
}

struct Printed {
    int pages = 0;
    std::vector<RecordedText> texts;
};

Printed PrintOnRecorder(const PourReport& report)
{
    FakePrintDestinations destinations;
    output::PagedDocument document = PourDocument(report);
    EXPECT_EQ(output::PrintPages(nullptr, output::PaperFor(), [&](output::Page& page, int index) {
                  return document.drawPages(page, index);
              }),
              output::PrintOutcome::Printed);
    return {destinations.printed.page + 1, destinations.printed.texts};
}

TEST(PourReport, PdfReadsBackPageByPageAndItsDigestIsTheSavedContents)
{
    DefaultLocale locale{"en_US"};
    RecordsFile file;
    RecordsStore store;
    ASSERT_TRUE(OpenStore(store, file.path()).empty());
    QTemporaryDir folder;
    MessageRecorder messages;
    FakePrintDestinations destinations;
    destinations.pdfFileName = folder.filePath("pour.pdf");

    frmPourReport dialog(ForecastReport(48), store);
    ASSERT_EQ(dialog.findChild<QLineEdit*>("txtSite")->text(), "North yard");
    dialog.findChild<QLineEdit*>("txtPreparedBy")->setText("R. Quality");
    dialog.findChild<QDateEdit*>("dtpDate")->setDate(QDate(2026, 6, 1));
    auto* measures = dialog.findChild<QTableWidget*>("grdMeasures");
    measures->item(1, 1)->setCheckState(Qt::Checked);
    measures->item(1, 2)->setCheckState(Qt::Checked);
    measures->item(3, 1)->setCheckState(Qt::Checked);
    dialog.findChild<QPlainTextEdit*>("txtOtherMeasures")->setPlainText("Misting crew on standby.");
    dialog.findChild<QPlainTextEdit*>("txtRemarks")->setPlainText("Pour started 06:10.");
    dialog.findChild<QPushButton*>("cmdSavePdf")->click();

    // The copy is kept, with the digest of the content that made it.
    std::vector<SavedReport> saved;
    ASSERT_FALSE(store.SavedReports(saved).isValid());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].content, CanonicalText(dialog.report()));
    EXPECT_EQ(saved[0].title, "Slab A, level 2");
    const QString digest = ReportDigest(saved[0].content);
    EXPECT_EQ(saved[0].digest, digest);
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_TRUE(messages.messages()[1].text.contains(digest)) << messages.messages()[1].text.toStdString();

    const QStringList pages = PdfPages(destinations.pdfFileName);
    ASSERT_GE(pages.size(), 3);
    for (int page = 0; page < pages.size(); ++page) {
        SCOPED_TRACE(page + 1);
        const QString text = pages[page];
        EXPECT_TRUE(text.contains(QStringLiteral("Pour Report: Slab A, level 2")));
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages.size())));
        // The footer prints the digest whole (it may wrap only at its own length).
        EXPECT_TRUE(text.contains(DigestLine(digest)));
    }
    const QString first = pages[0];
    for (const char* field : {"Site: North yard", "Pour or element: Slab A, level 2", "Date: Monday, June 1, 2026",
                              "Prepared by: R. Quality", "Mix: Standard", "Threshold in force: 0.2 lb/ft²/hr",
                              "Sun on the slab: sunny (recorded; it changes no rate)", "Longest safe window: hours given.", "Equation rate (lb/ft²/hr), ±40 % band"})
        EXPECT_TRUE(first.contains(QString::fromUtf8(field))) << field;
    // Every hour once, under the heading of its page, with its provenance.
    const QString all = pages.join(u' ');
    for (int h = 0; h < 48; ++h) {
        const QString time = OutlookTable::TimeText(FirstHour.addSecs(3600 * h));
        EXPECT_EQ(all.count(time), 1) << time.toStdString();
    }
    int withHours = 0;
    for (const QString& page : pages) {
        if (page.contains("Mon 2026-06-01") || page.contains("Tue 2026-06-02")) {
            ++withHours;
            EXPECT_TRUE(page.contains("Time Air (°F) RH (%) Wind (mph) Concrete (°F) Rate (lb/ft²/hr) ±40 % band "
                                      "Class Readings"));
        }
    }
    EXPECT_GE(withHours, 2);
    EXPECT_TRUE(all.contains("Mon 2026-06-01 12:00 83.8 40 11.9 88.8 0.280 0.168–0.392 Measures shall be taken. "
                             "Borderline. forecast; assumed: concrete air + 5.0 °F, wind 10 m × 0.65"));
    EXPECT_TRUE(all.contains("Mon 2026-06-01 11:00 130 40 11.1 135.0 The air temperature 130 °F is outside "
                             "40 to 100 °F. forecast; assumed"));
    const QString last = pages.back();
    for (const char* end : {"Misting crew on standby.", "Pour started 06:10.", "Signature:", "Name: R. Quality"})
        EXPECT_TRUE(last.contains(end)) << end;
    EXPECT_TRUE(all.contains("because cooler concrete evaporates less. yes yes Dampen the subgrade"));
    EXPECT_TRUE(all.contains("because wind and sun on the slab drive evaporation. yes no Keep a fog spray"));
}

// A day, a week and 1,004 hours take as many pages as they need: every hour printed once,
// the table's heading on every page, nothing set smaller than 8 pt (a font is given for a
// painter scaled to points, so its size is its recorded size in device pixels of that scale).
TEST(PourReport, HoursTakeAsManyPagesAsTheyNeed)
{
    DefaultLocale locale{"en_US"};
    const struct { const char* name; int hours; int fewestPages; int mostPages; } cases[] = {
        {"a day", 24, 2, 3}, {"a week", 168, 4, 8}, {"1,004 hours", 1004, 20, 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Printed printed = PrintOnRecorder(ForecastReport(c.hours));
        EXPECT_GE(printed.pages, c.fewestPages);
        EXPECT_LE(printed.pages, c.mostPages);
        const auto count = [&](const auto& match) {
            return int(std::count_if(printed.texts.begin(), printed.texts.end(), match));
        };
        EXPECT_EQ(count([](const RecordedText& t) { return t.text.startsWith("Mon 2026-06-01 05:00"); }), 1);
        const QString lastHour = OutlookTable::TimeText(FirstHour.addSecs(3600 * (c.hours - 1)));
        EXPECT_EQ(count([&](const RecordedText& t) { return t.text == lastHour; }), 1);
        EXPECT_EQ(count([](const RecordedText& t) { return t.text.startsWith("SHA-256 of the report's content: "); }),
                  printed.pages);
        // The hours' heading on each page that holds hours, and the measures' on its own.
        std::set<int> pagesWithHours, pagesWithHeading;
        for (const RecordedText& t : printed.texts) {
            if (t.text.contains(QRegularExpression("^\\w{3} \\d{4}-\\d\\d-\\d\\d \\d\\d:00$")))
                pagesWithHours.insert(t.page);
            if (t.text == "Air (°F)")
                pagesWithHeading.insert(t.page);
        }
        EXPECT_EQ(pagesWithHours, pagesWithHeading);
        const auto smallest = std::min_element(printed.texts.begin(), printed.texts.end(),
                                               [](const RecordedText& a, const RecordedText& b) {
                                                   return a.fontSize < b.fontSize;
                                               });
        EXPECT_GE(smallest->fontSize * RecordingDevice::Dpi / 72.0, output::SmallestType - 1e-9)
            << smallest->text.toStdString();
    }
}

// Records become hours in the report's units, in time order, with where their readings
// came from; the threshold, the mix and the site are the first record's.
TEST(PourReport, RecordsBecomeHoursInTheReportsUnits)
{
    DefaultLocale locale{"en_US"};
    const auto record = [](const QStringList& values) {
        const QStringList names{"RecordDate", "RecordTime", "AirTemp", "RH", "WindVelocity", "ConcreteTemp",
                                "EvapRate", "RateNote", "RateThreshold", "Units", "Site", "Source",
                                "ConcreteRule", "WindFactor", "Mix"};
        QSqlRecord fields;
        for (int i = 0; i < names.size(); ++i) {
            QSqlField field(names[i], QMetaType(QMetaType::QString));
            field.setValue(values.value(i));
            fields.append(field);
        }
        return fields;
    };
    const PourReport report = ReportFromRecords(
        {record({"6/1/2026", "9:00:00 AM", "30", "50", "16", "32", "1.18", "Measures shall be taken.", "0.5", "SI",
                 "Dock 4", "Forecast", "air + 2.0 °C", "0.65", "LowBleed"}),
         record({"6/1/2026", "8:00:00 AM", "80", "50", "10", "90", "0.241", "Measures shall be taken.", "0.2", "US",
                 "Dock 5", "Typed", "", "", "Standard"}),
         record({"6/1/2026", "7:00:00 AM", "70", "70", "5", "70", "0.039", "OK", "0.2", "US", "", "", "", "", ""})},
        UnitSystem::US);
    EXPECT_EQ(report.site, "Dock 4");
    EXPECT_EQ(report.mix, MixPreset::LowBleed);
    EXPECT_EQ(report.thresholdText, "0.102");
    ASSERT_EQ(report.hours.size(), 3u);
    const auto row = [&](std::size_t i) {
        const PourHour& h = report.hours[i];
        return QStringList{HourTimeText(h).right(5), h.air, h.wind, h.concrete, RateText(h.rate), ClassText(report, h),
                           h.provenance};
    };
    EXPECT_EQ(row(0), (QStringList{"07:00", "70", "5", "70", "0.039", "OK", "not recorded"}));
    EXPECT_EQ(row(1), (QStringList{"08:00", "80", "10", "90", "0.241", "Measures shall be taken.", "measured"}));
    EXPECT_EQ(row(2), (QStringList{"09:00", "86.0", "9.9", "89.6", "0.242", "Measures shall be taken.",
                                   "forecast; assumed: concrete air + 2.0 °C, wind 10 m × 0.65"}));
    EXPECT_EQ(report.safeWindow, "Longest safe window: Mon 2026-06-01 07:00 to 07:00, 1 h.");
}

TEST(PourReport, PaperFollowsTheLocale)
{
    const struct { const char* locale; QPageSize::PageSizeId paper; } cases[] = {
        {"en_US", QPageSize::Letter}, {"fr_CA", QPageSize::Letter}, {"es_MX", QPageSize::Letter},
        {"en_GB", QPageSize::A4},     {"de_DE", QPageSize::A4},     {"en_AU", QPageSize::A4}};
    for (const auto& c : cases)
        EXPECT_EQ(output::PaperFor(QLocale(c.locale)).id(), c.paper) << c.locale;
}

}  // namespace

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>
#include <stdexcept>

#include "output/Page.h"
#include "output/PrintJob.h"
#include "output/PrintTarget.h"
#include "output/TextReport.h"
#include "output/TextWriter.h"
#include "output/capture.h"
#include "tests/support/DefaultLocale.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/RecordingTarget.h"

namespace {

using output::PrintOutcome;

// A calculation at 40 °F air, 10 %, 50 °F concrete and a wind typed as " 10.0" mph with
// the alternate threshold typed as ".15": the air cell fails in every table.
Calculation TypedCase()
{
    return Calculate({.readings = {"40", "10", "50", " 10.0"},
                      .choice = ThresholdChoice::Alternate,
                      .alternateText = ".15"});
}

const output::ReportHeading Heading{QDateTime(QDate(2026, 5, 4), QTime(14, 5)), "tester", "Pier 4"};

// One printed line: its items at their columns 100 points apart (none for an empty line).
struct ExpectedLine {
    std::vector<QString> items;
    double fontSize = 10.0;
    bool underline = false;
};

// The heading's four lines, then the 35 lines of the report, texts exactly as the window
// shows them: the table of the typed threshold first, then those of 0.1 and 0.2, a row per
// varied input.
std::vector<ExpectedLine> ExpectedPage()
{
    std::vector<ExpectedLine> lines{
        {{"Printed 5/4/26 2:05 PM by tester"}},
        {{"Site: Pier 4"}},
        {{"Mix: Standard"}},
        {},
        {{"Evaporation Rate Report:"}, 14.0},
        {{}, 14.0},
        {{"Inputs"}, 10.0, true},
        {{"  Air Temperature = 40 °F"}},
        {{"  Relative Humidty = 10 %"}},
        {{"  Concrete Temperature = 50 °F"}},
        {{"  Wind Velocity =  10.0 mph"}},
        {},
        {{"Evaporation Rate By Nomograph = 0.087(lb/ft²/hr)"}},
        {{"Evaporation Rate By Equation = 0.083(lb/ft²/hr) Measures may be needed."}},
        {},
    };
    using Rows = std::array<std::array<QString, 4>, 4>;
    const struct { QString title; QString rate; Rows rows; } tables[] = {
        {"Variation Scenario 1 (User Inputed Rate of .15):", ".15",
         {{{"#Num!", "10", "50", "10"}, {"40", "-121.8", "50", "10"}, {"40", "10", "62.6", "10"},
           {"40", "10", "50", "20.0"}}}},
        {"Variation Scenario 2 (Measures May Be Needed Threshold):", "0.1",
         {{{"#Num!", "10", "50", "10"}, {"40", "-22.9", "50", "10"}, {"40", "10", "53.6", "10"},
           {"40", "10", "50", "12.5"}}}},
        {"Variation Scenario 3 (Measures Required Threshold):", "0.2",
         {{{"#Num!", "10", "50", "10"}, {"40", "-220.6", "50", "10"}, {"40", "10", "70.0", "10"},
           {"40", "10", "50", "27.5"}}}}};
    for (const auto& table : tables) {
        lines.insert(lines.end(), {{}, {{table.title}}, {}});
        lines.push_back({{"Air Temp", "Relative Humidty", "Conc Temp", "Wind Velocity", "Evap Rate"}, 10.0, true});
        for (const auto& row : table.rows)
            lines.push_back({{row[0], row[1], row[2], row[3], table.rate}});
    }
    return lines;
}

QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

class TextReport : public ::testing::Test {
protected:
    DefaultLocale english{"en_US"};
    MessageRecorder messages;
    FakePrintDestinations destinations;
};

// The first line lies 36/18 points from the printable area's corner, each following one
// line spacing of its predecessor's font lower.
TEST_F(TextReport, PrintsEveryLineAtItsPlaceAsTypedAndSaysPrintSent)
{
    EXPECT_EQ(output::PrintTextReport(nullptr, TypedCase(), Heading), PrintOutcome::Printed);

    const std::vector<RecordedText>& printed = destinations.printed.texts;
    std::size_t item = 0;
    double top = 18.0;
    for (const ExpectedLine& line : ExpectedPage()) {
        for (std::size_t column = 0; column < line.items.size(); ++column, ++item) {
            SCOPED_TRACE("printed item " + std::to_string(item) + ": " + line.items[column].toStdString());
            ASSERT_LT(item, printed.size());
            EXPECT_EQ(printed[item].text, line.items[column]);
            EXPECT_NEAR(printed[item].topLeft.x(), 36.0 + 100.0 * column, 0.01);
            EXPECT_NEAR(printed[item].topLeft.y(), top, 0.01);
            EXPECT_DOUBLE_EQ(printed[item].fontSize, line.fontSize);
            EXPECT_EQ(printed[item].underline, line.underline);
        }
        top += RecordedLineHeight(line.fontSize);
    }
    EXPECT_EQ(printed.size(), item);
    EXPECT_EQ(destinations.printed.jobsEnded, 1);
    EXPECT_EQ(destinations.printed.orientation, QPageLayout::Portrait);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Print Sent");
    EXPECT_EQ(messages.messages()[0].title, "Print");
}

TEST_F(TextReport, WithoutSolutionSaysSoAndPrintsNothing)
{
    EXPECT_EQ(output::PrintTextReport(nullptr, Calculate({.readings = {"70", "50", "", "10"}}), Heading),
              PrintOutcome::NotPrinted);
    EXPECT_EQ(destinations.printed.jobsStarted, 0);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "No solution calculated yet!");
    EXPECT_EQ(messages.messages()[0].title, "No Print");
    EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::Exclamation);
}

// A page that did not reach the printer was once reported as sent. Now the user is told
// why, offered the same page as a PDF file, and told where it went or why it did not.
TEST(PrintWithoutPrinter, TheTextReportIsOfferedAsPdf)
{
    using enum RecordingTarget::Behaviour;
    const struct {
        const char* name;
        RecordingTarget::Behaviour printer;
        Msg::Answer answer;  // to the offer of a PDF file
        QString fileName;    // the user's answer to the file prompt; empty cancels it
        PrintOutcome outcome;
        std::size_t messages;
        Msg::Icon lastIcon;
        QString lastSays;
    } cases[] = {
        {"saved", CannotStart, Msg::Answer::Yes, "report.pdf", PrintOutcome::SavedAsPdf, 2, Msg::Icon::Information,
         "saved"},
        {"declined", CannotStart, Msg::Answer::No, "report.pdf", PrintOutcome::NotPrinted, 1, Msg::Icon::Exclamation,
         "There is no default printer."},
        {"failed at the end, declined", FailsAtEnd, Msg::Answer::No, "report.pdf", PrintOutcome::NotPrinted, 1,
         Msg::Icon::Exclamation, "The printer reported an error."},
        {"cancelled", CannotStart, Msg::Answer::Yes, "", PrintOutcome::NotPrinted, 1, Msg::Icon::Exclamation, "PDF"},
        {"unwritable", CannotStart, Msg::Answer::Yes, "no such folder/report.pdf", PrintOutcome::NotPrinted, 2,
         Msg::Icon::Critical, "could not be written"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        MessageRecorder messages;
        FakePrintDestinations destinations;
        destinations.printer = c.printer;
        destinations.pdfFileName = c.fileName.isEmpty() ? QString() : folder.filePath(c.fileName);
        messages.answerNext(c.answer);

        EXPECT_EQ(output::PrintTextReport(nullptr, TypedCase(), Heading), c.outcome);

        EXPECT_EQ(destinations.fileNamesAsked, c.answer == Msg::Answer::Yes ? 1 : 0);
        ASSERT_EQ(messages.messages().size(), c.messages);
        const Msg::Request& offer = messages.messages().front();
        EXPECT_EQ(offer.buttons, Msg::Buttons::YesNo);
        EXPECT_TRUE(offer.text.contains("not printed"));
        const Msg::Request& last = messages.messages().back();
        EXPECT_EQ(last.icon, c.lastIcon);
        EXPECT_TRUE(last.text.contains(c.lastSays)) << last.text.toStdString();
        if (c.messages == 2) {
            EXPECT_TRUE(last.text.contains(destinations.pdfFileName)) << "names the file";
        }
        if (c.outcome == PrintOutcome::SavedAsPdf) {
            EXPECT_TRUE(RunTool("pdftotext", {destinations.pdfFileName, "-"}).startsWith("Printed "));
        } else {
            EXPECT_TRUE(QDir(folder.path()).isEmpty());
        }
    }
}

TEST(PrintWithoutPrinter, AWindowPictureGoesToPdfInItsOrientation)
{
    QTemporaryDir folder;
    MessageRecorder messages;
    FakePrintDestinations destinations;
    destinations.printer = RecordingTarget::Behaviour::CannotStart;
    destinations.pdfFileName = folder.filePath("window.pdf");
    messages.answerNext(Msg::Answer::Yes);
    QImage wide(640, 300, QImage::Format_RGB32);
    wide.fill(Qt::white);

    EXPECT_EQ(capture::PrintPictureFitted(nullptr, wide), PrintOutcome::SavedAsPdf);
    static const QRegularExpression pageSize(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)");
    const auto size = pageSize.match(RunTool("pdfinfo", {destinations.pdfFileName}));
    ASSERT_TRUE(size.hasMatch());
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "a wide window is printed in landscape";
}

// Read back by poppler, from the paper's corner: the PDF's own border, then the report's
// margins, the heading's four 10-point lines, two 14-point title lines, then 10-point lines:
// the first table's title 10 lines below "Inputs" and its first cell, "#Num!", 13.
TEST(PrintWithoutPrinter, ThePdfPageHasTheReportsMarginsAndLinesInPoints)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("report.pdf");
    output::PdfFileTarget pdf(path);
    ASSERT_TRUE(output::RunPrintJob(pdf, QPageLayout::Portrait, [](output::Page& page) {
        output::TextWriter writer(page, {output::ReportLeftMargin, output::ReportTopMargin});
        output::WriteTextReport(writer, TypedCase(), Heading);
    }));
    static const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    std::map<QString, QPointF> firstAt;
    for (const QRegularExpressionMatch& match : word.globalMatch(RunTool("pdftotext", {"-bbox", path, "-"})))
        firstAt.try_emplace(match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble());
    const double left = output::PdfFileTarget::MarginPoints + 36.0;
    const double top = output::PdfFileTarget::MarginPoints + 18.0;
    ASSERT_TRUE(firstAt.contains("Printed") && firstAt.contains("Evaporation") && firstAt.contains("Inputs")
                && firstAt.contains("Variation") && firstAt.contains("#Num!"));
    EXPECT_NEAR(firstAt["Printed"].x(), left, 0.05);
    EXPECT_NEAR(firstAt["Printed"].y(), top, 0.05);
    const double bodyLine = (firstAt["Variation"].y() - firstAt["Inputs"].y()) / 10;
    EXPECT_NEAR(bodyLine, RecordedLineHeight(10), 0.1);
    EXPECT_NEAR(firstAt["Evaporation"].x(), left, 0.05);
    EXPECT_NEAR(firstAt["Evaporation"].y(), top + 4 * bodyLine, 0.1);
    EXPECT_NEAR(firstAt["Inputs"].x(), left, 0.05);
    EXPECT_GT(firstAt["Inputs"].y() - firstAt["Evaporation"].y(), 2 * bodyLine) << "the title lines are larger";
    EXPECT_NEAR(firstAt["#Num!"].y(), firstAt["Inputs"].y() + 13 * bodyLine, 0.05);
    EXPECT_NEAR(firstAt["#Num!"].x(), left, 0.05);
}

TEST(PrintJob, FaultWhileDrawingDropsTheDocumentAndPassesOn)
{
    PrintRecord printed;
    RecordingTarget target(printed, FakePrintDestinations::LetterPrintable, RecordingTarget::Behaviour::Works);
    EXPECT_THROW(output::RunPrintJob(target, QPageLayout::Portrait,
                                     [](output::Page&) { throw std::runtime_error("drawing failed"); }),
                 std::runtime_error);
    EXPECT_EQ(printed.jobsAborted, 1);
    EXPECT_EQ(printed.jobsEnded, 0);
}

TEST(DefaultPrinterTarget, WithoutDefaultPrinterTheJobDoesNotStart)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    output::DefaultPrinterTarget printer;
    QPainter painter;
    EXPECT_FALSE(printer.begin(QPageLayout::Portrait, painter));
    EXPECT_FALSE(painter.isActive());
    EXPECT_EQ(printer.failure(), "There is no default printer.");
}

}  // namespace

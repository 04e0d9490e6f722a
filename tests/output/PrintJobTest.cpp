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
#include "tests/support/MessageRecorder.h"
#include "tests/support/RecordingTarget.h"

namespace {

using output::PrintOutcome;

// A calculation at 70 °F air, 50 %, 70 °F concrete and 10 mph with the alternate threshold
// typed as ".15", texts exactly as the window shows them; a cell of two tables failed.
output::ReportData TypedCase()
{
    output::ReportData data;
    data.airTemp = " 70.0";
    data.relativeHumidity = "50";
    data.concreteTemp = "70";
    data.windVelocity = "10";
    data.evapNomo = "0.104";
    data.evapEqn = "0.102";
    data.answer = "Measures may be needed.";
    data.userRate = ".15";
    data.air = {"69.0", "69.1", "69.3", "69.6", "#Num!", "57.2", "58.0", "59.1", "#Num!", "61.3", "62.0", "62.9"};
    data.rh = {"51.9", "51.2", "50.6", "50.1", "0.0", "0.0", "0.0", "0.0", "3.5", "3.1", "2.8", "2.4"};
    data.conc = {"69.3", "69.5", "69.8", "70.0", "84.6", "84.3", "83.7", "82.9", "80.1", "79.8", "79.2", "78.5"};
    data.wind = {"9.6", "9.7", "9.8", "9.9", "20.4", "20.7", "21.0", "21.3", "16.2", "16.5", "16.8", "17.1"};
    return data;
}

// One printed line: its items at their columns 100 points apart (none for an empty line).
struct ExpectedLine {
    std::vector<QString> items;
    double fontSize = 10.0;
    bool underline = false;
};

// The 35 lines of the page; the first table holds the cells of the typed threshold
// (8-11), then come the tables of 0.1 (0-3) and 0.2 (4-7).
std::vector<ExpectedLine> ExpectedPage(const output::ReportData& d)
{
    std::vector<ExpectedLine> lines{
        {{"Evaporation Rate Report:"}, 14.0},
        {{}, 14.0},
        {{"Inputs"}, 10.0, true},
        {{"  Air Temperature = " + d.airTemp + " °F"}},
        {{"  Relative Humidty = " + d.relativeHumidity + " %"}},
        {{"  Concrete Temperature = " + d.concreteTemp + " °F"}},
        {{"  Wind Velocity = " + d.windVelocity + " mph"}},
        {},
        {{"Evaporation Rate By Nomograph = " + d.evapNomo + "(lb/ft²/hr)"}},
        {{"Evaporation Rate By Equation = " + d.evapEqn + "(lb/ft²/hr) " + d.answer}},
        {},
    };
    const struct { QString title; int first; QString rate; } tables[] = {
        {"Variation Scenario 1 (User Inputed Rate of " + d.userRate + "):", 8, d.userRate},
        {"Variation Scenario 2 (Measures May Be Needed Threshold):", 0, "0.1"},
        {"Variation Scenario 3 (Measures Required Threshold):", 4, "0.2"}};
    for (const auto& table : tables) {
        lines.insert(lines.end(), {{}, {{table.title}}, {}});
        lines.push_back({{"Air Temp", "Relative Humidty", "Conc Temp", "Wind Velocity", "Evap Rate"}, 10.0, true});
        for (int i = table.first; i < table.first + 4; ++i)
            lines.push_back({{d.air[i], d.rh[i], d.conc[i], d.wind[i], table.rate}});
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
    MessageRecorder messages;
    FakePrintDestinations destinations;
};

// The first line lies 36/18 points from the printable area's corner, each following one
// line spacing of its predecessor's font lower.
TEST_F(TextReport, PrintsEveryLineAtItsPlaceAsTypedAndSaysPrintSent)
{
    EXPECT_EQ(output::PrintTextReport(nullptr, true, TypedCase()), PrintOutcome::Printed);

    const std::vector<RecordedText>& printed = destinations.printed.texts;
    std::size_t item = 0;
    double top = 18.0;
    for (const ExpectedLine& line : ExpectedPage(TypedCase())) {
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
    EXPECT_EQ(output::PrintTextReport(nullptr, false, TypedCase()), PrintOutcome::NotPrinted);
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

        EXPECT_EQ(output::PrintTextReport(nullptr, true, TypedCase()), c.outcome);

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
            EXPECT_TRUE(RunTool("pdftotext", {destinations.pdfFileName, "-"}).startsWith("Evaporation Rate Report:"));
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
// margins, two 14-point title lines, then 10-point lines: the first table's title 10 lines
// below "Inputs" and its first cell, "#Num!", 13.
TEST(PrintWithoutPrinter, ThePdfPageHasTheReportsMarginsAndLinesInPoints)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("report.pdf");
    output::PdfFileTarget pdf(path);
    ASSERT_TRUE(output::RunPrintJob(pdf, QPageLayout::Portrait, [](output::Page& page) {
        output::TextWriter writer(page, {output::ReportLeftMargin, output::ReportTopMargin});
        output::WriteTextReport(writer, TypedCase());
    }));
    static const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    std::map<QString, QPointF> firstAt;
    for (const QRegularExpressionMatch& match : word.globalMatch(RunTool("pdftotext", {"-bbox", path, "-"})))
        firstAt.try_emplace(match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble());
    const double left = output::PdfFileTarget::MarginPoints + 36.0;
    const double top = output::PdfFileTarget::MarginPoints + 18.0;
    ASSERT_TRUE(firstAt.contains("Evaporation") && firstAt.contains("Inputs") && firstAt.contains("Variation")
                && firstAt.contains("#Num!"));
    EXPECT_NEAR(firstAt["Evaporation"].x(), left, 0.05);
    EXPECT_NEAR(firstAt["Evaporation"].y(), top, 0.05);
    EXPECT_NEAR(firstAt["Inputs"].x(), left, 0.05);
    const double bodyLine = (firstAt["Variation"].y() - firstAt["Inputs"].y()) / 10;
    EXPECT_NEAR(bodyLine, RecordedLineHeight(10), 0.1);
    EXPECT_GT(firstAt["Inputs"].y() - top, 2 * bodyLine) << "the title lines are in the larger font";
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

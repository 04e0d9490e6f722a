#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "output/Page.h"
#include "output/PrintJob.h"
#include "output/PrintTarget.h"
#include "output/TextReport.h"
#include "output/TextWriter.h"
#include "output/capture.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/RecordingTarget.h"

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

using output::PrintOutcome;
using output::ReportData;

// A calculation at 70 °F air, 50 %, 70 °F concrete and 10 mph with the alternate threshold
// typed as ".15", texts exactly as the window shows them; a cell of two tables failed.
ReportData TypedCase()
{
    ReportData data;
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

std::vector<ExpectedLine> ExpectedPage(const ReportData& d)
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
    const struct {
        QString title;
        int first;
        QString rate;
    } tables[] = {{"Variation Scenario 1 (User Inputed Rate of " + d.userRate + "):", 8, d.userRate},
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

// The 35 lines of the page: the first lies 36/18 points from the printable area's corner,
// each following one line spacing of its predecessor's font lower.
void ExpectPrintedPage(const PrintRecord& printed, const ReportData& data)
{
    const std::vector<ExpectedLine> lines = ExpectedPage(data);
    std::size_t item = 0;
    double top = 18.0;
    for (const ExpectedLine& line : lines) {
        for (std::size_t column = 0; column < line.items.size(); ++column, ++item) {
            SCOPED_TRACE("printed item " + std::to_string(item) + ": " + line.items[column].toStdString());
            ASSERT_LT(item, printed.texts.size());
            const RecordedText& text = printed.texts[item];
            EXPECT_EQ(text.text, line.items[column]);
            EXPECT_NEAR(text.topLeft.x(), 36.0 + 100.0 * column, 0.01);
            EXPECT_NEAR(text.topLeft.y(), top, 0.01);
            EXPECT_DOUBLE_EQ(text.fontSize, line.fontSize);
            EXPECT_EQ(text.underline, line.underline);
        }
        top += RecordedLineHeight(line.fontSize);
    }
    EXPECT_EQ(printed.texts.size(), item);
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
    QTemporaryDir folder;
    MessageRecorder messages;
    FakePrintDestinations destinations;
};

TEST_F(TextReport, PrintsEveryLineAtItsPlaceAsTypedAndSaysPrintSent)
{
    const ReportData data = TypedCase();
    EXPECT_EQ(output::PrintTextReport(nullptr, true, data), PrintOutcome::Printed);

    ExpectPrintedPage(destinations.printed, data);
    EXPECT_EQ(destinations.printed.jobsEnded, 1);
    EXPECT_EQ(destinations.printed.orientation, QPageLayout::Portrait);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Print Sent");
    EXPECT_EQ(messages.messages()[0].title, "Print");
    EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::Information);
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

TEST_F(TextReport, PrinterFailingAtTheEndNeverSaysPrintSent)
{
    destinations.printer = RecordingTarget::Behaviour::FailsAtEnd;
    messages.answerNext(Msg::Answer::No);

    EXPECT_EQ(output::PrintTextReport(nullptr, true, TypedCase()), PrintOutcome::NotPrinted);

    for (const Msg::Request& message : messages.messages())
        EXPECT_NE(message.text, "Print Sent");
}

// Without a default printer the page was once reported as sent. Now the user is told,
// offered the same page as a PDF file, and told where it went or why it did not.
TEST(PrintWithoutPrinter, TheTextReportIsOfferedAsPdf)
{
    const struct {
        const char* name;
        Msg::Answer answer;  // to the offer of a PDF file
        QString fileName;    // the user's answer to the file prompt; empty cancels it
        PrintOutcome outcome;
        std::size_t messages;
        Msg::Icon lastIcon;
        QString lastSays;
    } cases[] = {
        {"saved", Msg::Answer::Yes, "report.pdf", PrintOutcome::SavedAsPdf, 2, Msg::Icon::Information, "saved"},
        {"declined", Msg::Answer::No, "report.pdf", PrintOutcome::NotPrinted, 1, Msg::Icon::Exclamation, "PDF"},
        {"cancelled", Msg::Answer::Yes, "", PrintOutcome::NotPrinted, 1, Msg::Icon::Exclamation, "PDF"},
        {"unwritable", Msg::Answer::Yes, "no such folder/report.pdf", PrintOutcome::NotPrinted, 2,
         Msg::Icon::Critical, "could not be written"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        MessageRecorder messages;
        FakePrintDestinations destinations;
        destinations.printer = RecordingTarget::Behaviour::CannotStart;
        destinations.pdfFileName = c.fileName.isEmpty() ? QString() : folder.filePath(c.fileName);
        messages.answerNext(c.answer);

        EXPECT_EQ(output::PrintTextReport(nullptr, true, TypedCase()), c.outcome);

        EXPECT_EQ(destinations.fileNamesAsked, c.answer == Msg::Answer::Yes ? 1 : 0);
        ASSERT_EQ(messages.messages().size(), c.messages);
        const Msg::Request& offer = messages.messages().front();
        EXPECT_EQ(offer.buttons, Msg::Buttons::YesNo);
        EXPECT_EQ(offer.icon, Msg::Icon::Exclamation);
        EXPECT_TRUE(offer.text.contains("not printed"));
        EXPECT_TRUE(offer.text.contains("There is no default printer."));
        const Msg::Request& last = messages.messages().back();
        EXPECT_EQ(last.icon, c.lastIcon);
        EXPECT_TRUE(last.text.contains(c.lastSays));
        EXPECT_NE(last.text, "Print Sent");
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

// The first words of the report's lines on the PDF page as poppler reads them back, top
// to bottom, with their boxes in points from the paper's top-left corner.
std::vector<std::pair<QString, QRectF>> LineStartsInPdf(const QString& path, double left)
{
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<std::pair<QString, QRectF>> starts;
    const QString html = RunTool("pdftotext", {"-bbox", "-f", "1", "-l", "1", path, "-"});
    for (const QRegularExpressionMatch& match : word.globalMatch(html)) {
        const QRectF box(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                         QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()));
        if (std::abs(box.left() - left) < 0.05)
            starts.push_back({match.captured(5).replace("&amp;", "&"), box});
    }
    std::sort(starts.begin(), starts.end(), [](const auto& a, const auto& b) { return a.second.top() < b.second.top(); });
    return starts;
}

TEST_F(TextReport, LinesLandAtTheirPlacesInPointsOnAPdfPage)
{
    const QString path = folder.filePath("report.pdf");
    output::PdfFileTarget pdf(path);
    ASSERT_TRUE(output::RunPrintJob(pdf, QPageLayout::Portrait, [](output::Page& page) {
        output::TextWriter writer(page, {output::ReportLeftMargin, output::ReportTopMargin});
        output::WriteTextReport(writer, TypedCase());
    }));

    // Measured from the paper's corner: the PDF's own border, then the report's margins.
    const double top = output::PdfFileTarget::MarginPoints + 18.0;
    const auto lines = LineStartsInPdf(path, output::PdfFileTarget::MarginPoints + 36.0);
    // The first table holds cells 8-11 (the typed threshold), then 0-3, then 4-7. Each
    // line's number of 10-point lines below "Inputs" follows its first word.
    const std::vector<std::pair<QString, int>> expected{
        {"Inputs", 0},     {"Evaporation", 6}, {"Evaporation", 7}, {"Variation", 10}, {"Air", 12},
        {"#Num!", 13},     {"61.3", 14},       {"62.0", 15},       {"62.9", 16},      {"Variation", 18},
        {"Air", 20},       {"69.0", 21},       {"69.1", 22},       {"69.3", 23},      {"69.6", 24},
        {"Variation", 26}, {"Air", 28},        {"#Num!", 29},      {"57.2", 30},      {"58.0", 31},
        {"59.1", 32}};
    ASSERT_EQ(lines.size(), expected.size() + 1);
    EXPECT_EQ(lines[0].first, "Evaporation");
    EXPECT_NEAR(lines[0].second.top(), top, 0.05);
    // Two 14-point lines, then every line one 10-point line spacing below the one before.
    const double inputsTop = lines[1].second.top();
    const double bodyLine = lines[3].second.top() - lines[2].second.top();
    EXPECT_GT((inputsTop - top) / 2.0, bodyLine) << "the title lines are in the larger font";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("line starting " + expected[i].first.toStdString());
        EXPECT_EQ(lines[i + 1].first, expected[i].first);
        EXPECT_NEAR(lines[i + 1].second.top(), inputsTop + expected[i].second * bodyLine, 0.05);
    }
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

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <stdexcept>

#include "output/Page.h"
#include "output/PrintJob.h"
#include "output/PrintTarget.h"
#include "output/TextReport.h"
#include "output/TextWriter.h"
#include "output/capture.h"
#include "tests/output/PdfWords.h"
#include "tests/support/RecordingTarget.h"
#include "tests/support/MessageRecorder.h"

namespace {

using output::PrintOutcome;

output::ReportData SmallReport()
{
    output::ReportData data;
    data.airTemp = "85";
    data.relativeHumidity = "40";
    data.concreteTemp = "90";
    data.windVelocity = "12";
    data.evapNomo = "0.241";
    data.evapEqn = "0.236";
    data.answer = "Measures shall be taken.";
    data.userRate = "0.2";
    for (std::size_t i = 0; i < 12; ++i) {
        data.air[i] = QString::number(80 + i);
        data.rh[i] = QString::number(40 + i);
        data.conc[i] = QString::number(70 + i);
        data.wind[i] = QString::number(i);
    }
    return data;
}

// The words at the left margin of the text, top to bottom.
std::vector<PdfWord> FirstWordsOfLines(const std::vector<PdfWord>& words, double left)
{
    std::vector<PdfWord> firsts;
    std::copy_if(words.begin(), words.end(), std::back_inserter(firsts),
                 [left](const PdfWord& word) { return std::abs(word.box.left() - left) < 0.05; });
    std::sort(firsts.begin(), firsts.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.box.top() < b.box.top(); });
    return firsts;
}

class PrintWithoutPrinter : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        destinations.printer = RecordingTarget::Behaviour::CannotStart;
    }

    QTemporaryDir folder;
    MessageRecorder messages;
    FakePrintDestinations destinations;
};

TEST_F(PrintWithoutPrinter, SaysSoAndOffersThePageAsPdf)
{
    destinations.pdfFileName = folder.filePath("report.pdf");
    messages.answerNext(Msg::Answer::Yes);

    EXPECT_EQ(output::PrintTextReport(nullptr, true, SmallReport()), PrintOutcome::SavedAsPdf);

    ASSERT_EQ(messages.messages().size(), 2u);
    const Msg::Request& question = messages.messages()[0];
    EXPECT_EQ(question.buttons, Msg::Buttons::YesNo);
    EXPECT_EQ(question.icon, Msg::Icon::Exclamation);
    EXPECT_TRUE(question.text.contains("not printed"));
    EXPECT_TRUE(question.text.contains("There is no default printer."));
    EXPECT_TRUE(question.text.contains("PDF"));
    const Msg::Request& saved = messages.messages()[1];
    EXPECT_EQ(saved.icon, Msg::Icon::Information);
    EXPECT_TRUE(saved.text.contains(destinations.pdfFileName));
    EXPECT_NE(saved.text, "Print Sent");

    const std::vector<PdfWord> words = ReadPdfWords(destinations.pdfFileName);
    ASSERT_FALSE(words.empty()) << "the PDF holds the report";
    EXPECT_EQ(words.front().text, "Evaporation");
}

TEST_F(PrintWithoutPrinter, DeclinedOfferWritesNothing)
{
    destinations.pdfFileName = folder.filePath("report.pdf");
    messages.answerNext(Msg::Answer::No);

    EXPECT_EQ(output::PrintTextReport(nullptr, true, SmallReport()), PrintOutcome::NotPrinted);

    EXPECT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(destinations.fileNamesAsked, 0);
    EXPECT_FALSE(QFileInfo::exists(destinations.pdfFileName));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(PrintWithoutPrinter, CancelledFileNameWritesNothing)
{
    messages.answerNext(Msg::Answer::Yes);

    EXPECT_EQ(output::PrintTextReport(nullptr, true, SmallReport()), PrintOutcome::NotPrinted);

    EXPECT_EQ(destinations.fileNamesAsked, 1);
    EXPECT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(PrintWithoutPrinter, UnwritablePdfIsReportedAsFailed)
{
    destinations.pdfFileName = folder.filePath("no such folder/report.pdf");
    messages.answerNext(Msg::Answer::Yes);

    EXPECT_EQ(output::PrintTextReport(nullptr, true, SmallReport()), PrintOutcome::NotPrinted);

    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[1].icon, Msg::Icon::Critical);
    EXPECT_TRUE(messages.messages()[1].text.contains("could not be written"));
    EXPECT_TRUE(messages.messages()[1].text.contains(destinations.pdfFileName));
}

TEST_F(PrintWithoutPrinter, WindowPictureGoesToPdfInItsOrientation)
{
    destinations.pdfFileName = folder.filePath("window.pdf");
    messages.answerNext(Msg::Answer::Yes);
    QImage wide(640, 300, QImage::Format_RGB32);
    wide.fill(Qt::white);

    EXPECT_EQ(capture::PrintPictureFitted(nullptr, wide), PrintOutcome::SavedAsPdf);

    const QSizeF page = ReadPdfPageSize(destinations.pdfFileName);
    EXPECT_GT(page.width(), page.height()) << "a wide window is printed in landscape";
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

TEST(PdfFileTarget, ReportLinesLandAtTheirPlacesInPoints)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("report.pdf");
    output::PdfFileTarget pdf(path);
    ASSERT_TRUE(output::RunPrintJob(pdf, QPageLayout::Portrait, [](output::Page& page) {
        output::TextWriter writer(page, {output::ReportLeftMargin, output::ReportTopMargin});
        output::WriteTextReport(writer, SmallReport());
    }));

    // Measured from the paper's corner: the PDF's own border, then the report's margins.
    const double left = output::PdfFileTarget::MarginPoints + 36.0;
    const double top = output::PdfFileTarget::MarginPoints + 18.0;
    const std::vector<PdfWord> lines = FirstWordsOfLines(ReadPdfWords(path), left);
    std::vector<QString> firstWords;
    for (const PdfWord& word : lines)
        firstWords.push_back(word.text);
    // The first table holds cells 8-11 (air temperatures 88-91), then 0-3, then 4-7.
    const std::vector<QString> expected{"Evaporation", "Inputs", "Evaporation", "Evaporation", "Variation", "Air",
                                        "88",          "89",     "90",          "91",          "Variation", "Air",
                                        "80",          "81",     "82",          "83",          "Variation", "Air",
                                        "84",          "85",     "86",          "87"};
    ASSERT_EQ(firstWords, expected);

    // Two 14-point lines, then every line one 10-point line spacing below the one before.
    EXPECT_NEAR(lines[0].box.top(), top, 0.05);
    const double inputsTop = lines[1].box.top();
    const double bodyLine = lines[3].box.top() - lines[2].box.top();
    EXPECT_GT((inputsTop - top) / 2.0, bodyLine) << "the title lines are in the larger font";
    const std::vector<int> bodyLineNumbers{0, 6, 7, 10, 12, 13, 14, 15, 16, 18, 20, 21, 22, 23, 24, 26, 28, 29, 30, 31, 32};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i].text.toStdString() + " at line " + std::to_string(i));
        EXPECT_NEAR(lines[i].box.top(), inputsTop + bodyLineNumbers[i - 1] * bodyLine, 0.05);
    }
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

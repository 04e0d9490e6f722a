#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <vector>

#include "output/PrintJob.h"
#include "output/TextReport.h"
#include "tests/support/RecordingTarget.h"
#include "tests/support/MessageRecorder.h"

namespace {

using output::PrintOutcome;
using output::ReportData;

// A calculation at 70 °F air, 50 %, 70 °F concrete and 10 mph, scenario cells as the
// window would show them, one of them failed.
ReportData WorkedCase()
{
    ReportData data;
    data.airTemp = "70";
    data.relativeHumidity = "50";
    data.concreteTemp = "70";
    data.windVelocity = "10";
    data.evapNomo = "0.104";
    data.evapEqn = "0.102";
    data.answer = "Measures may be needed.";
    data.userRate = "0.2";
    data.air = {"69.0", "69.1", "69.3", "69.6", "#Num!", "57.2", "58.0", "59.1", "#Num!", "57.2", "58.0", "59.1"};
    data.rh = {"51.9", "51.2", "50.6", "50.1", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0"};
    data.conc = {"69.3", "69.5", "69.8", "70.0", "84.6", "84.3", "83.7", "82.9", "84.6", "84.3", "83.7", "82.9"};
    data.wind = {"9.6", "9.7", "9.8", "9.9", "20.4", "20.7", "21.0", "21.3", "20.4", "20.7", "21.0", "21.3"};
    return data;
}

// One printed line: its items at their columns (a single item for an ordinary line, none
// for an empty one), its font size and underline.
struct ExpectedLine {
    std::vector<QString> items;
    double fontSize = 10.0;
    bool underline = false;
};

std::vector<ExpectedLine> TableLines(const ReportData& data, int first, const QString& rate)
{
    std::vector<ExpectedLine> lines{
        {{"Air Temp", "Relative Humidty", "Conc Temp", "Wind Velocity", "Evap Rate"}, 10.0, true}};
    for (int i = first; i < first + 4; ++i)
        lines.push_back({{data.air[i], data.rh[i], data.conc[i], data.wind[i], rate}});
    return lines;
}

std::vector<ExpectedLine> ExpectedPage(const ReportData& data)
{
    std::vector<ExpectedLine> lines{
        {{"Evaporation Rate Report:"}, 14.0},
        {{}, 14.0},
        {{"Inputs"}, 10.0, true},
        {{"  Air Temperature = " + data.airTemp + " °F"}},
        {{"  Relative Humidty = " + data.relativeHumidity + " %"}},
        {{"  Concrete Temperature = " + data.concreteTemp + " °F"}},
        {{"  Wind Velocity = " + data.windVelocity + " mph"}},
        {},
        {{"Evaporation Rate By Nomograph = " + data.evapNomo + "(lb/ft²/hr)"}},
        {{"Evaporation Rate By Equation = " + data.evapEqn + "(lb/ft²/hr) " + data.answer}},
        {},
        {},
        {{"Variation Scenario 1 (User Inputed Rate of " + data.userRate + "):"}},
        {},
    };
    const auto append = [&lines](const std::vector<ExpectedLine>& more) {
        lines.insert(lines.end(), more.begin(), more.end());
    };
    append(TableLines(data, 8, data.userRate));
    append({{}, {{"Variation Scenario 2 (Measures May Be Needed Threshold):"}}, {}});
    append(TableLines(data, 0, "0.1"));
    append({{}, {{"Variation Scenario 3 (Measures Required Threshold):"}}, {}});
    append(TableLines(data, 4, "0.2"));
    return lines;
}

// Lays the expected lines out as a printer would: the first at 36/18 points from the
// printable area's corner, each following one line spacing of its predecessor's font lower.
std::vector<RecordedText> ExpectedTexts(const std::vector<ExpectedLine>& lines)
{
    std::vector<RecordedText> texts;
    double top = 18.0;
    for (const ExpectedLine& line : lines) {
        for (std::size_t column = 0; column < line.items.size(); ++column)
            texts.push_back({line.items[column], {36.0 + 100.0 * column, top}, line.fontSize, line.underline});
        top += RecordedLineHeight(line.fontSize);
    }
    return texts;
}

void ExpectPrintedPage(const PrintRecord& printed, const ReportData& data)
{
    const std::vector<ExpectedLine> lines = ExpectedPage(data);
    ASSERT_EQ(lines.size(), 35u) << "the page has 35 lines";
    const std::vector<RecordedText> expected = ExpectedTexts(lines);
    ASSERT_EQ(printed.texts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("printed item " + std::to_string(i) + ": " + expected[i].text.toStdString());
        EXPECT_EQ(printed.texts[i].text, expected[i].text);
        EXPECT_NEAR(printed.texts[i].topLeft.x(), expected[i].topLeft.x(), 0.01);
        EXPECT_NEAR(printed.texts[i].topLeft.y(), expected[i].topLeft.y(), 0.01);
        EXPECT_DOUBLE_EQ(printed.texts[i].fontSize, expected[i].fontSize);
        EXPECT_EQ(printed.texts[i].underline, expected[i].underline);
    }
}

class TextReport : public ::testing::Test {
protected:
    MessageRecorder messages;
    FakePrintDestinations destinations;
};

TEST_F(TextReport, WorkedCasePrintsEveryLineAtItsPlaceAndSaysPrintSent)
{
    const ReportData data = WorkedCase();
    EXPECT_EQ(output::PrintTextReport(nullptr, true, data), PrintOutcome::Printed);

    ExpectPrintedPage(destinations.printed, data);
    EXPECT_EQ(destinations.printed.jobsEnded, 1);
    EXPECT_EQ(destinations.printed.orientation, QPageLayout::Portrait);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Print Sent");
    EXPECT_EQ(messages.messages()[0].title, "Print");
    EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::Information);
}

TEST_F(TextReport, FailedScenarioCellsPrintAsText)
{
    output::PrintTextReport(nullptr, true, WorkedCase());

    int failedCells = 0;
    for (const RecordedText& text : destinations.printed.texts)
        failedCells += text.text == "#Num!" ? 1 : 0;
    EXPECT_EQ(failedCells, 2) << "cells 4 and 8, each printed once";
}

TEST_F(TextReport, AlternateThresholdIsPrintedAsTyped)
{
    ReportData data = WorkedCase();
    data.userRate = ".15";
    data.airTemp = " 70.0";
    data.answer = "Measures shall be taken.";
    output::PrintTextReport(nullptr, true, data);

    ExpectPrintedPage(destinations.printed, data);
    const auto& texts = destinations.printed.texts;
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const RecordedText& text) {
        return text.text == "Variation Scenario 1 (User Inputed Rate of .15):";
    }));
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const RecordedText& text) { return text.text == "  Air Temperature =  70.0 °F"; }));
}

TEST_F(TextReport, WithoutSolutionSaysSoAndPrintsNothing)
{
    EXPECT_EQ(output::PrintTextReport(nullptr, false, WorkedCase()), PrintOutcome::NotPrinted);

    EXPECT_EQ(destinations.printed.jobsStarted, 0);
    EXPECT_TRUE(destinations.printed.texts.empty());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "No solution calculated yet!");
    EXPECT_EQ(messages.messages()[0].title, "No Print");
    EXPECT_EQ(messages.messages()[0].icon, Msg::Icon::Exclamation);
}

TEST_F(TextReport, PrinterFailingAtTheEndNeverSaysPrintSent)
{
    destinations.printer = RecordingTarget::Behaviour::FailsAtEnd;
    messages.answerNext(Msg::Answer::No);

    EXPECT_EQ(output::PrintTextReport(nullptr, true, WorkedCase()), PrintOutcome::NotPrinted);

    for (const Msg::Request& message : messages.messages())
        EXPECT_NE(message.text, "Print Sent");
}

}  // namespace

#include "output/TextReport.h"

#include <QPageLayout>

#include "output/PrintJob.h"
#include "output/TextWriter.h"
#include "ui/MessageBox.h"

namespace output {
namespace {

constexpr double TitleFontSize = 14.0;
constexpr double BodyFontSize = 10.0;
constexpr std::array<double, 5> ColumnX{0.0, 100.0, 200.0, 300.0, 400.0};

void PrintUnderlined(TextWriter& writer, const QString& text)
{
    writer.setUnderline(true);
    writer.printLine(text);
    writer.setUnderline(false);
}

// Each heading and cell is a line of its own printed at its column, so the five items of a
// row share one line and the row ends one line lower.
void PrintRow(TextWriter& writer, const std::array<QString, 5>& items)
{
    const double rowY = writer.currentY();
    for (std::size_t column = 0; column < items.size(); ++column) {
        writer.setPosition(ColumnX[column], rowY);
        writer.printLine(items[column]);
    }
}

void PrintScenarioTable(TextWriter& writer, const ReportData& data, std::size_t firstIndex,
                        const QString& rateText)
{
    writer.setUnderline(true);
    PrintRow(writer, {QStringLiteral("Air Temp"), QStringLiteral("Relative Humidty"),
                      QStringLiteral("Conc Temp"), QStringLiteral("Wind Velocity"),
                      QStringLiteral("Evap Rate")});
    writer.setUnderline(false);
    for (std::size_t i = firstIndex; i < firstIndex + 4; ++i)
        PrintRow(writer, {data.air[i], data.rh[i], data.conc[i], data.wind[i], rateText});
}

}  // namespace

void WriteTextReport(TextWriter& writer, const ReportData& data)
{
    writer.setPosition(0.0, 0.0);
    writer.setFontSize(TitleFontSize);
    writer.printLine(QStringLiteral("Evaporation Rate Report:"));
    writer.printLine();

    writer.setFontSize(BodyFontSize);
    PrintUnderlined(writer, QStringLiteral("Inputs"));
    writer.printLine(QStringLiteral("  Air Temperature = ") + data.airTemp + QStringLiteral(" °F"));
    writer.printLine(QStringLiteral("  Relative Humidty = ") + data.relativeHumidity + QStringLiteral(" %"));
    writer.printLine(QStringLiteral("  Concrete Temperature = ") + data.concreteTemp + QStringLiteral(" °F"));
    writer.printLine(QStringLiteral("  Wind Velocity = ") + data.windVelocity + QStringLiteral(" mph"));
    writer.printLine();

    writer.printLine(QStringLiteral("Evaporation Rate By Nomograph = ") + data.evapNomo
                     + QStringLiteral("(lb/ft²/hr)"));
    writer.printLine(QStringLiteral("Evaporation Rate By Equation = ") + data.evapEqn
                     + QStringLiteral("(lb/ft²/hr) ") + data.answer);
    writer.printLine();
    writer.printLine();

    writer.printLine(QStringLiteral("Variation Scenario 1 (User Inputed Rate of ") + data.userRate
                     + QStringLiteral("):"));
    writer.printLine();
    PrintScenarioTable(writer, data, 8, data.userRate);

    writer.printLine();
    writer.printLine(QStringLiteral("Variation Scenario 2 (Measures May Be Needed Threshold):"));
    writer.printLine();
    PrintScenarioTable(writer, data, 0, QStringLiteral("0.1"));

    writer.printLine();
    writer.printLine(QStringLiteral("Variation Scenario 3 (Measures Required Threshold):"));
    writer.printLine();
    PrintScenarioTable(writer, data, 4, QStringLiteral("0.2"));
}

PrintOutcome PrintTextReport(QWidget* parent, bool solutionExists, const ReportData& data)
{
    if (!solutionExists) {
        Msg::Box(parent, QStringLiteral("No solution calculated yet!"), Msg::Buttons::Ok, Msg::Icon::Exclamation,
                 QStringLiteral("No Print"));
        return PrintOutcome::NotPrinted;
    }
    const PrintOutcome outcome = PrintPage(parent, QPageLayout::Portrait, [&data](Page& page) {
        TextWriter writer(page, {ReportLeftMargin, ReportTopMargin});
        WriteTextReport(writer, data);
    });
    if (outcome == PrintOutcome::Printed)
        Msg::Box(parent, QStringLiteral("Print Sent"), Msg::Buttons::Ok, Msg::Icon::Information,
                 QStringLiteral("Print"));
    return outcome;
}

}  // namespace output

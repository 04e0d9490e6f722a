#include "output/TextReport.h"

#include <QPageLayout>

#include "output/PrintJob.h"
#include "output/TextWriter.h"
#include "ui/MessageBox.h"
#include "ui/ScenarioTable.h"
#include "ui/UnitCaptions.h"

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

ReportData ReportData::From(const Calculation& c)
{
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    ReportData data;
    data.units = c.request.units;
    data.airTemp = text(c.request.texts[0]);
    data.relativeHumidity = text(c.request.texts[1]);
    data.concreteTemp = text(c.request.texts[2]);
    data.windVelocity = text(c.request.texts[3]);
    data.evapNomo = text(c.nomoCaption);
    data.evapEqn = text(c.eqnCaption);
    data.answer = text(c.answer);
    data.userRate = text(c.request.thresholdText);
    for (ScenarioBlock block : AllScenarioBlocks) {
        for (Input varied : AllInputs) {
            const std::size_t i = std::size_t(FirstCellIndex(block)) + std::size_t(varied);
            data.air[i] = text(c.table(block).cell(varied, Input::AirTemp).text);
            data.rh[i] = text(c.table(block).cell(varied, Input::RelativeHumidity).text);
            data.conc[i] = text(c.table(block).cell(varied, Input::ConcreteTemp).text);
            data.wind[i] = text(c.table(block).cell(varied, Input::WindVelocity).text);
        }
    }
    return data;
}

void WriteTextReport(TextWriter& writer, const ReportData& data)
{
    const QString temperature = UnitCaptions::TemperatureUnit(data.units);
    const QString rate = QStringLiteral("(") + UnitCaptions::RateUnit(data.units) + u')';
    const ThresholdPolicy thresholds = ThresholdsOf(data.units);
    writer.setPosition(0.0, 0.0);
    writer.setFontSize(TitleFontSize);
    writer.printLine(QStringLiteral("Evaporation Rate Report:"));
    writer.printLine();

    writer.setFontSize(BodyFontSize);
    PrintUnderlined(writer, QStringLiteral("Inputs"));
    writer.printLine(QStringLiteral("  Air Temperature = ") + data.airTemp + u' ' + temperature);
    writer.printLine(QStringLiteral("  Relative Humidty = ") + data.relativeHumidity + QStringLiteral(" %"));
    writer.printLine(QStringLiteral("  Concrete Temperature = ") + data.concreteTemp + u' ' + temperature);
    writer.printLine(QStringLiteral("  Wind Velocity = ") + data.windVelocity + u' ' + UnitCaptions::WindUnit(data.units));
    writer.printLine();

    writer.printLine(QStringLiteral("Evaporation Rate By Nomograph = ") + data.evapNomo + rate);
    writer.printLine(QStringLiteral("Evaporation Rate By Equation = ") + data.evapEqn + rate + u' ' + data.answer);
    writer.printLine();
    writer.printLine();

    writer.printLine(QStringLiteral("Variation Scenario 1 (User Inputed Rate of ") + data.userRate
                     + QStringLiteral("):"));
    writer.printLine();
    PrintScenarioTable(writer, data, FirstCellIndex(ScenarioBlock::InForce), data.userRate);

    writer.printLine();
    writer.printLine(QStringLiteral("Variation Scenario 2 (Measures May Be Needed Threshold):"));
    writer.printLine();
    PrintScenarioTable(writer, data, FirstCellIndex(ScenarioBlock::May), UnitCaptions::Unit(thresholds.mayText));

    writer.printLine();
    writer.printLine(QStringLiteral("Variation Scenario 3 (Measures Required Threshold):"));
    writer.printLine();
    PrintScenarioTable(writer, data, FirstCellIndex(ScenarioBlock::Shall), UnitCaptions::Unit(thresholds.shallText));
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

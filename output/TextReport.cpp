#include "output/TextReport.h"

#include <QLocale>
#include <QPageLayout>

#include "output/PrintJob.h"
#include "output/TextWriter.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"
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

void PrintScenarioTable(TextWriter& writer, const ScenarioCells& table, const QString& rateText)
{
    writer.setUnderline(true);
    PrintRow(writer, {QStringLiteral("Air Temp"), QStringLiteral("Relative Humidty"),
                      QStringLiteral("Conc Temp"), QStringLiteral("Wind Velocity"),
                      QStringLiteral("Evap Rate")});
    writer.setUnderline(false);
    for (Input varied : AllInputs) {
        const auto cell = [&](Input column) { return Q(table.cell(varied, column).text); };
        PrintRow(writer, {cell(Input::AirTemp), cell(Input::RelativeHumidity), cell(Input::ConcreteTemp),
                          cell(Input::WindVelocity), rateText});
    }
}

// The heading's block: when, by whom and where, the mix the threshold was chosen for, and
// an empty line. Returns its height.
double PrintHeading(TextWriter& writer, const Calculation& c, const ReportHeading& heading)
{
    writer.setPosition(0.0, 0.0);
    writer.setFontSize(BodyFontSize);
    QString printed = QStringLiteral("Printed ") + QLocale().toString(heading.printed, QLocale::ShortFormat);
    if (!heading.printedBy.isEmpty())
        printed += QStringLiteral(" by ") + heading.printedBy;
    writer.printLine(printed);
    if (!heading.site.isEmpty())
        writer.printLine(QStringLiteral("Site: ") + heading.site);
    writer.printLine(QStringLiteral("Mix: ") + Q(PresetOf(c.request.mix).name));
    writer.printLine();
    return writer.currentY();
}

}  // namespace

void WriteTextReport(TextWriter& writer, const Calculation& c, const ReportHeading& heading)
{
    const UnitSystem units = c.request.units;
    const QString temperature = UnitCaptions::Symbol(Quantity::Temperature, units);
    const QString rate = QStringLiteral("(") + UnitCaptions::Symbol(Quantity::Rate, units) + u')';
    const QString userRate = Q(c.request.thresholdText());
    writer.setPosition(0.0, PrintHeading(writer, c, heading));
    writer.setFontSize(TitleFontSize);
    writer.printLine(QStringLiteral("Evaporation Rate Report:"));
    writer.printLine();

    writer.setFontSize(BodyFontSize);
    PrintUnderlined(writer, QStringLiteral("Inputs"));
    const Readings& typed = c.request.readings;
    writer.printLine(QStringLiteral("  Air Temperature = ") + Q(typed.air) + u' ' + temperature);
    writer.printLine(QStringLiteral("  Relative Humidty = ") + Q(typed.humidity) + QStringLiteral(" %"));
    writer.printLine(QStringLiteral("  Concrete Temperature = ") + Q(typed.concrete) + u' ' + temperature);
    writer.printLine(QStringLiteral("  Wind Velocity = ") + Q(typed.wind) + u' '
                     + UnitCaptions::Symbol(Quantity::Wind, units));
    writer.printLine();

    writer.printLine(QStringLiteral("Evaporation Rate By Nomograph = ") + Q(c.nomoCaption) + rate);
    writer.printLine(QStringLiteral("Evaporation Rate By Equation = ") + Q(c.eqnCaption) + rate + u' ' + Q(c.answer));
    writer.printLine();
    writer.printLine();

    writer.printLine(QStringLiteral("Variation Scenario 1 (User Inputed Rate of ") + userRate + QStringLiteral("):"));
    writer.printLine();
    PrintScenarioTable(writer, c.table(ScenarioBlock::InForce), userRate);

    writer.printLine();
    writer.printLine(QStringLiteral("Variation Scenario 2 (Measures May Be Needed Threshold):"));
    writer.printLine();
    PrintScenarioTable(writer, c.table(ScenarioBlock::May), Q(c.table(ScenarioBlock::May).rateText));

    writer.printLine();
    writer.printLine(QStringLiteral("Variation Scenario 3 (Measures Required Threshold):"));
    writer.printLine();
    PrintScenarioTable(writer, c.table(ScenarioBlock::Shall), Q(c.table(ScenarioBlock::Shall).rateText));
}

PrintOutcome PrintTextReport(QWidget* parent, const Calculation& calculation, const ReportHeading& heading)
{
    if (!calculation.valid) {
        Msg::Box(parent, QStringLiteral("No solution calculated yet!"), Msg::Buttons::Ok, Msg::Icon::Exclamation,
                 QStringLiteral("No Print"));
        return PrintOutcome::NotPrinted;
    }
    const PrintOutcome outcome = PrintPage(parent, QPageLayout::Portrait, [&calculation, &heading](Page& page) {
        TextWriter writer(page, {ReportLeftMargin, ReportTopMargin});
        WriteTextReport(writer, calculation, heading);
    });
    if (outcome == PrintOutcome::Printed)
        Msg::Box(parent, QStringLiteral("Print Sent"), Msg::Buttons::Ok, Msg::Icon::Information,
                 QStringLiteral("Print"));
    return outcome;
}

}  // namespace output

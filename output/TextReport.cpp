#include "output/TextReport.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageLayout>

#include "output/PrintJob.h"
#include "output/TextWriter.h"
#include "ui/MessageBox.h"
#include "ui/CoreTexts.h"
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
    PrintRow(writer, {QCoreApplication::translate("TextReport", "Air Temp"),
                      QCoreApplication::translate("TextReport", "Relative Humidty"),
                      QCoreApplication::translate("TextReport", "Conc Temp"),
                      QCoreApplication::translate("TextReport", "Wind Velocity"),
                      QCoreApplication::translate("TextReport", "Evap Rate")});
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
    QString printed = QCoreApplication::translate("TextReport", "Printed ")
                      + QLocale().toString(heading.printed, QLocale::ShortFormat);
    if (!heading.printedBy.isEmpty())
        printed += QStringLiteral(" by ") + heading.printedBy;
    writer.printLine(printed);
    if (!heading.site.isEmpty())
        writer.printLine(QCoreApplication::translate("TextReport", "Site: ") + heading.site);
    writer.printLine(QCoreApplication::translate("TextReport", "Mix: ") + CoreText(PresetOf(c.request.mix).name));
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
    writer.printLine(QCoreApplication::translate("TextReport", "Evaporation Rate Report:"));
    writer.printLine();

    writer.setFontSize(BodyFontSize);
    PrintUnderlined(writer, QCoreApplication::translate("TextReport", "Inputs"));
    const Readings& typed = c.request.readings;
    writer.printLine(QCoreApplication::translate("TextReport", "  Air Temperature = ") + Q(typed.air) + u' '
                     + temperature);
    writer.printLine(QCoreApplication::translate("TextReport", "  Relative Humidty = ") + Q(typed.humidity)
                     + QStringLiteral(" %"));
    writer.printLine(QCoreApplication::translate("TextReport", "  Concrete Temperature = ") + Q(typed.concrete) + u' '
                     + temperature);
    writer.printLine(QCoreApplication::translate("TextReport", "  Wind Velocity = ") + Q(typed.wind) + u' '
                     + UnitCaptions::Symbol(Quantity::Wind, units));
    writer.printLine();

    writer.printLine(QCoreApplication::translate("TextReport", "Evaporation Rate By Nomograph = ") + Q(c.nomoCaption)
                     + rate);
    writer.printLine(QCoreApplication::translate("TextReport", "Evaporation Rate By Equation = ") + Q(c.eqnCaption)
                     + rate + u' ' + CoreText(c.answer));
    writer.printLine();
    writer.printLine();

    writer.printLine(QCoreApplication::translate("TextReport", "Variation Scenario 1 (User Inputed Rate of ") + userRate
                     + QStringLiteral("):"));
    writer.printLine();
    PrintScenarioTable(writer, c.table(ScenarioBlock::InForce), userRate);

    writer.printLine();
    writer.printLine(
        QCoreApplication::translate("TextReport", "Variation Scenario 2 (Measures May Be Needed Threshold):"));
    writer.printLine();
    PrintScenarioTable(writer, c.table(ScenarioBlock::May), Q(c.table(ScenarioBlock::May).rateText));

    writer.printLine();
    writer.printLine(QCoreApplication::translate("TextReport", "Variation Scenario 3 (Measures Required Threshold):"));
    writer.printLine();
    PrintScenarioTable(writer, c.table(ScenarioBlock::Shall), Q(c.table(ScenarioBlock::Shall).rateText));
}

PrintOutcome PrintTextReport(QWidget* parent, const Calculation& calculation, const ReportHeading& heading)
{
    if (!calculation.valid) {
        Msg::Box(parent, QCoreApplication::translate("TextReport", "No solution calculated yet!"), Msg::Buttons::Ok,
                 Msg::Icon::Exclamation, QCoreApplication::translate("TextReport", "No Print"));
        return PrintOutcome::NotPrinted;
    }
    const PrintOutcome outcome = PrintPage(parent, QPageLayout::Portrait, [&calculation, &heading](Page& page) {
        TextWriter writer(page, {ReportLeftMargin, ReportTopMargin});
        WriteTextReport(writer, calculation, heading);
    });
    if (outcome == PrintOutcome::Printed)
        Msg::Box(parent, QCoreApplication::translate("TextReport", "Print Sent"), Msg::Buttons::Ok,
                 Msg::Icon::Information, QCoreApplication::translate("TextReport", "Print"));
    return outcome;
}

}  // namespace output

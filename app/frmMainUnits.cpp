#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "app/frmMain.h"
#include "app/frmMainForm.h"
#include "calc/ScrollBarValue.h"
#include "settings/Settings.h"
#include "ui/InputRow.h"
#include "ui/LocalNumbers.h"
#include "ui/ScenarioTable.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"

void frmMain::SetUnits(UnitSystem units)
{
    if (units == request_.units) {
        ShowUnitCaptions();
        return;
    }
    const UnitSystem from = request_.units;
    request_.units = units;
    Settings::SetUnits(units);
    ShowUnitCaptions();
    ConvertAlternateRate(from);
    if (request_.choice == ThresholdChoice::Default)
        optDefault_Click();
    RedrawChart();
    ConvertInputBoxes(from);
    RecalculateAndUnlockRedraw();
}

void frmMain::ShowUnitCaptions()
{
    ui->mnuUnitsUS->setChecked(request_.units == UnitSystem::US);
    ui->mnuUnitsSI->setChecked(request_.units == UnitSystem::SI);
    for (const auto& row : ui->rows)
        row->ShowUnits(request_.units);
    ui->Frame3->setTitle(UnitCaptions::RateFrameTitle(request_.units));
    ShowScenarioHeads(ScenarioHeads(request_));
    for (ScenarioTable* table : {ui->fra100, ui->Frame1, ui->fraDefault})
        table->ShowUnits(request_.units);

    ui->optDefault->setText(UnitCaptions::DefaultRateOption(request_.units));
    ui->Label43->setText(UnitCaptions::Symbol(Quantity::Rate, request_.units));
    ui->txtAlternateRate->setAccessibleName(tr("Alternate rate (%1)").arg(ui->Label43->text()));
    ui->lblDisplayEqn->setText(UnitCaptions::Equation(request_.units));
}

// The alternate threshold keeps its meaning: a rate typed in one system is converted;
// the start value of one system becomes that of the other, and a preset's rate the
// preset's rate in the other.
void frmMain::ConvertAlternateRate(UnitSystem from)
{
    if (const std::optional<std::string_view> presetRate = PresetRateText(request_.mix, request_.units)) {
        ui->txtAlternateRate->setText(LocalNumbers::Shown(*presetRate));
        return;
    }
    const QString text = Q(request_.alternateText).trimmed();
    const std::string converted = text == Q(ThresholdsOf(from).alternateStart)
                                      ? std::string(ThresholdsOf(request_.units).alternateStart)
                                      : ConvertRateText(Std(text), from, request_.units);
    ui->txtAlternateRate->setText(LocalNumbers::Shown(converted));
}

void frmMain::ConvertInputBoxes(UnitSystem from)
{
    Readings converted;
    for (Input input : AllInputs)
        converted[input] = ConvertReadingText(input, request_.readings[input], from, request_.units);
    PutReadings(converted);
}

// Each bar is put where its new text stands first, so that writing the text does not
// move the bar and have it write a whole number back over the decimals.
void frmMain::PutReadings(const Readings& texts)
{
    for (const auto& row : ui->rows) {
        const std::string& text = texts[row->input];
        if (const std::optional<int> position = ScrollBarValueFor(text, row->range())) {
            const QSignalBlocker quiet(row->scroll);
            row->scroll->setValue(*position);
        }
        row->text->setText(LocalNumbers::Shown(text));
        VisibilityHsb(row->scroll, text, row->range().low, row->range().up);
    }
}

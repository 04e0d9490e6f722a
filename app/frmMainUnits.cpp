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
#include "ui/ScenarioTable.h"
#include "ui/UnitCaptions.h"

void frmMain::SetUnits(UnitSystem units)
{
    if (units == units_) {
        ShowUnitCaptions();
        return;
    }
    const UnitSystem from = units_;
    units_ = units;
    Settings::SetUnits(units);
    ShowUnitCaptions();
    ConvertAlternateRate(from);
    if (ui->optDefault->isChecked())
        optDefault_Click();
    RedrawChart();
    ConvertInputBoxes(from);
    RecalculateAndUnlockRedraw();
}

void frmMain::ShowUnitCaptions()
{
    ui->mnuUnitsUS->setChecked(units_ == UnitSystem::US);
    ui->mnuUnitsSI->setChecked(units_ == UnitSystem::SI);
    for (const auto& row : ui->rows)
        row->ShowUnits(units_);
    ui->Frame3->setTitle(UnitCaptions::RateFrameTitle(units_));

    const ThresholdPolicy thresholds = ThresholdsOf(units_);
    const std::tuple<ScenarioBlock, std::string_view, std::string_view> fixedTables[] = {
        {ScenarioBlock::May, thresholds.mayTitle, thresholds.mayText},
        {ScenarioBlock::Shall, thresholds.shallTitle, thresholds.shallText}};
    for (const auto& [block, title, rate] : fixedTables) {
        ScenarioTable* table = ui->table(block);
        table->title->setText(UnitCaptions::ScenarioTitle(UnitCaptions::Unit(title), units_));
        for (QLabel* label : table->rate)
            label->setText(UnitCaptions::Unit(rate));
    }
    for (ScenarioTable* table : {ui->fra100, ui->Frame1, ui->fraDefault})
        table->ShowUnits(units_);

    ui->optDefault->setText(UnitCaptions::DefaultRateOption(units_));
    ui->Label43->setText(UnitCaptions::RateUnit(units_));
    ui->lblDisplayEqn->setText(UnitCaptions::Equation(units_));
}

// The alternate threshold keeps its meaning: a rate typed in one system is converted;
// the start value of one system becomes that of the other.
void frmMain::ConvertAlternateRate(UnitSystem from)
{
    const QString text = ui->txtAlternateRate->text().trimmed();
    const std::string converted = text == UnitCaptions::Unit(ThresholdsOf(from).alternateStart)
                                      ? std::string(ThresholdsOf(units_).alternateStart)
                                      : ConvertRateText(text.toStdString(), from, units_);
    ui->txtAlternateRate->setText(QString::fromStdString(converted));
}

void frmMain::ConvertInputBoxes(UnitSystem from)
{
    InputTexts converted;
    for (const auto& row : ui->rows) {
        converted[std::size_t(row->input)] =
            ConvertReadingText(row->input, row->text->text().toStdString(), from, units_);
    }
    PutReadings(converted);
}

// Each bar is put where its new text stands first, so that writing the text does not
// move the bar and have it write a whole number back over the decimals.
void frmMain::PutReadings(const InputTexts& texts)
{
    for (const auto& row : ui->rows) {
        const std::string& text = texts[std::size_t(row->input)];
        if (const std::optional<int> position = ScrollBarValueFor(text, row->range())) {
            const QSignalBlocker quiet(row->scroll);
            row->scroll->setValue(*position);
        }
        row->text->setText(QString::fromStdString(text));
        VisibilityHsb(row->scroll, row->text, row->range().low, row->range().up);
    }
}

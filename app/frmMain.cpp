#include "app/frmMain.h"

#include <QApplication>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "app/frmMainForm.h"
#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/ScrollBarValue.h"
#include "records/RecordsStore.h"
#include "settings/ForecastKey.h"
#include "settings/Settings.h"
#include "ui/ChartPanel.h"
#include "ui/Colors.h"
#include "ui/CompactComboBox.h"
#include "ui/CoreTexts.h"
#include "ui/InputRow.h"
#include "ui/Language.h"
#include "ui/LocalNumbers.h"
#include "ui/NomographChart.h"
#include "ui/QtText.h"
#include "ui/ScenarioTable.h"
#include "ui/UnitCaptions.h"
#include "ui/WidgetColors.h"
#include "ui/WindowFont.h"

frmMain::frmMain()
    : ui(std::make_unique<frmMainForm>()), records_(std::make_unique<RecordsStore>()),
      forecastKey_(std::make_unique<ForecastKey>(SystemKeychain()))
{
    request_.units = Settings::Units();
    setObjectName(QStringLiteral("frmMain"));
    setFont(WindowFont());
    ui->setupUi(this);
    ShowUnitCaptions();
    ShowLanguage();
    PlaceAtDesignSize();
    connectHandlers();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::connectHandlers()
{
    for (int row = 0; row < 4; ++row) {
        const InputRow& r = *ui->rows[row];
        connect(r.text, &QLineEdit::textChanged, this, [this, row](const QString& text) { InputTextChanged(row, text); });
        // With tracking on, valueChanged follows every position of a drag as well as
        // the arrows and the track, so one connection serves both kinds of move.
        connect(r.scroll, &QScrollBar::valueChanged, this, [this, row](int value) { ScrollBarMoved(row, value); });
        r.scroll->installEventFilter(this);
    }
    ui->canvas->installEventFilter(this);
    connect(ui->optDefault, &QRadioButton::toggled, this, [this](bool on) { if (on) optDefault_Click(); });
    connect(ui->optAlternate, &QRadioButton::toggled, this, [this](bool on) { if (on) optAlternate_Click(); });
    connect(ui->txtAlternateRate, &QLineEdit::textChanged, this,
            [this](const QString& text) { txtAlternateRate_Change(text); });
    connect(ui->txtUserRate, &QLineEdit::textChanged, this, [this] { txtUserRate_Change(); });
    connect(ui->cboMix, &QComboBox::activated, this,
            [this](int index) { cboMix_Click(MixPresets[static_cast<std::size_t>(index)].preset); });

    connect(ui->cmdRunNomo, &QPushButton::clicked, this, [this] { cmdRunNomo_Click(); });
    connect(ui->cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(ui->cmdRecords, &QPushButton::clicked, this, [this] { cmdRecords_Click(); });
    connect(ui->cmdValid, &QPushButton::clicked, this, [this] { cmdValid_Click(); });
    connect(ui->cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(ui->Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(ui->Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(ui->Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });

    connect(ui->mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(ui->mnuFilePrintTextReport, &QAction::triggered, this, [this] { mnuFilePrintTextReport_Click(); });
    connect(ui->mnuFileExit, &QAction::triggered, this, [this] { close(); });
    connect(ui->mnuOutlook, &QAction::triggered, this, [this] { ShowOutlook(); });
    connect(ui->mnuPourReport, &QAction::triggered, this, [this] { mnuPourReport_Click(); });
    connect(ui->mnuRecordsLocation, &QAction::triggered, this, [this] { mnuRecordsLocation_Click(); });
    connect(ui->mnuCopyToServer, &QAction::triggered, this, [this] { mnuCopyToServer_Click(); });
    connect(ui->mnuImportRecords, &QAction::triggered, this, [this] { mnuImportRecords_Click(); });
    connect(ui->mnuUnitsUS, &QAction::triggered, this, [this] { SetUnits(UnitSystem::US); });
    connect(ui->mnuUnitsSI, &QAction::triggered, this, [this] { SetUnits(UnitSystem::SI); });
    connect(ui->mnuHelpContents, &QAction::triggered, this, [this] { mnuHelpContents_Click(); });
    connect(ui->mnuMeasures, &QAction::triggered, this, [this] { mnuMeasures_Click(); });
    connect(ui->mnuHelpAbout, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
    for (std::size_t i = 0; i < Language::All.size(); ++i) {
        connect(ui->mnuLanguageItems[i], &QAction::triggered, this,
                [this, i] { mnuLanguage_Click(QString::fromLatin1(Language::All[i].code)); });
    }
}

// ---- Language --------------------------------------------------------------------

void frmMain::mnuLanguage_Click(const QString& code)
{
    Settings::SetLanguage(code);
    Language::Apply(code);  // every window shown hears of it (changeEvent)
    ShowLanguage();
}

void frmMain::ShowLanguage()
{
    for (std::size_t i = 0; i < Language::All.size(); ++i)
        ui->mnuLanguageItems[i]->setChecked(Language::Current() == QLatin1String(Language::All[i].code));
}

void frmMain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ShowUnitCaptions();
        ShowLanguage();
        RedrawChart();  // its captions and scales, then the solution shown again
        if (!calculation_.valid)
            DescribeNomograph();
        UpdateMeasures();
    }
    QMainWindow::changeEvent(event);
}

// ---- The calculation run -------------------------------------------------------

bool frmMain::UnlockRateButton()
{
    ClearMyPics();
    ui->lblAnswer->setText(QString());
    ui->lblEvapNomo->setText(QString());
    ui->lblEvapEqn->setText(QString());
    DefaultScenarios();
    if (GoodInputs()) {
        DoCalculation();
        return true;
    }
    calculation_ = Calculate(request_, inputs_, solution_);
    ShowScenarioHeads(calculation_.scenarios);
    DescribeNomograph();
    ui->cmdSave->setEnabled(false);
    return false;
}

void frmMain::RecalculateAndUnlockRedraw()
{
    ui->cmdRunNomo->setEnabled(UnlockRateButton());
    UpdateMeasures();
    UpdateOutlook();
}

bool frmMain::GoodInputs()
{
    return ::GoodInputs(request_.readings, inputs_, request_.units);
}

void frmMain::DoCalculation()
{
    Calculation calculation = Calculate(request_, inputs_, solution_);
    inputs_ = calculation.read;
    if (!calculation.valid)
        return;
    calculation_ = std::move(calculation);
    solution_ = calculation_.solution;

    NomographChart::DrawSolutionPath(*ui->picRH, *ui->picCT, *ui->picWV, calculation_.model.AirTemp, solution_,
                                     SolutionLineColor);
    // The path follows the rate where it falls; the rates kept and shown are never negative.
    solution_.EvaporationRateNomo = std::max(solution_.EvaporationRateNomo, 0.0f);
    solution_.RateACI = std::max(solution_.RateACI, 0.0f);
    ShowCalculation();
    ui->cmdSave->setEnabled(true);
}

void frmMain::ShowCalculation()
{
    ui->lblEvapNomo->setText(LocalNumbers::Shown(calculation_.nomoCaption));
    ui->lblEvapEqn->setText(LocalNumbers::Shown(calculation_.eqnCaption));
    WidgetColors::SetForeColor(ui->lblAnswer, Colors::MessageNormal);
    ui->lblAnswer->setText(CoreText(calculation_.answer));
    if (calculation_.answerColor() == MessageColor::Warning)
        WidgetColors::SetForeColor(ui->lblAnswer, Colors::MessageWarning);
    ShowScenarioHeads(calculation_.scenarios);
    DoScenarios();
    DescribeNomograph();
}

// The nomograph's text alternative: the readings the path runs through and the rate it reaches.
void frmMain::DescribeNomograph()
{
    QString description = tr("No solution path: enter four readings inside their ranges.");
    if (calculation_.valid) {
        QStringList readings;
        for (Input input : AllInputs) {
            readings << QStringLiteral("%1 %2 %3")
                            .arg(CoreText(ReadingNames[input].caption),
                                 LocalNumbers::Shown(calculation_.request.readings[input]).trimmed(),
                                 UnitCaptions::InputUnit(input, calculation_.request.units));
        }
        description = tr("Solution path through %1 to the rate %2 %3")
                          .arg(readings.join(QStringLiteral(", ")), LocalNumbers::Shown(calculation_.nomoCaption),
                               UnitCaptions::Symbol(Quantity::Rate, calculation_.request.units));
    }
    for (ChartPanel* panel : {ui->picRH, ui->picCT, ui->picWV, ui->picRate})
        panel->setAccessibleDescription(description);
}

// What a screen reader says of a scenario cell: its column and row, its value, the rate the
// table solves for, and its state, which the window otherwise shows only by colour.
void frmMain::DescribeScenarioCell(ScenarioBlock block, Input varied, Input column)
{
    const ScenarioCells& cells = calculation_.table(block);
    QLabel* label = ui->table(block)->cell(varied, column);
    label->setAccessibleName(
        tr("%1 when varying %2")
            .arg(UnitCaptions::ScenarioHeading(column, request_.units), CoreText(ReadingNames[varied].inSentence)));
    QString state = tr("no value");
    if (!label->text().isEmpty()) {
        switch (cells.cell(varied, column).state) {
        case CellState::Fixed: state = tr("fixed input"); break;
        case CellState::Varied: state = tr("successful variation"); break;
        case CellState::Failed: state = tr("illegal math or outside valid limits"); break;
        }
    }
    const QString value = label->text().isEmpty() ? tr("empty") : label->text();
    label->setAccessibleDescription(tr("%1 for the rate %2 %3: %4")
                                        .arg(value, LocalNumbers::Shown(cells.rateText),
                                             UnitCaptions::Symbol(Quantity::Rate, request_.units), state));
}

// The tables' titles and rate columns follow the request whether or not its readings
// are valid.
void frmMain::ShowScenarioHeads(const std::array<ScenarioCells, 3>& tables)
{
    for (ScenarioBlock block : AllScenarioBlocks) {
        const ScenarioCells& cells = tables[static_cast<std::size_t>(block)];
        ScenarioTable* table = ui->table(block);
        table->title->setText(UnitCaptions::ScenarioTitle(cells.titleRate, request_.units));
        for (QLabel* label : table->rate)
            label->setText(LocalNumbers::Shown(cells.rateText));
    }
}

// ---- Inputs --------------------------------------------------------------------

void frmMain::VisibilityHsb(QScrollBar* MyScroll, const std::string& myText, float lowLimit, float upLimit)
{
    const std::optional<int> position = ScrollBarValueFor(myText, InputRange{lowLimit, upLimit});
    if (!position) {
        MyScroll->hide();
        return;
    }
    MyScroll->show();
    std::optional<QSignalBlocker> keepText;
    if (LiesBeyondWholeUnits(myText, InputRange{lowLimit, upLimit}))
        keepText.emplace(MyScroll);
    MyScroll->setValue(*position);
}

void frmMain::InputTextChanged(int row, const QString& text)
{
    const InputRow& r = *ui->rows[row];
    std::string& reading = request_.readings[r.input];
    reading = LocalNumbers::Typed(text);
    VisibilityHsb(r.scroll, reading, r.range().low, r.range().up);
    RecalculateAndUnlockRedraw();
}

void frmMain::ScrollBarMoved(int row, int value)
{
    ui->rows[row]->text->setText(QString::number(value));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    // A click on a scroll bar leaves it without the focus (Tab reaches it): the hidden sink takes it.
    if (event->type() == QEvent::MouseButtonPress && qobject_cast<QScrollBar*>(watched))
        ui->txtStealFocus->setFocus();
    if (watched == ui->canvas && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

// ---- Threshold choice ----------------------------------------------------------

void frmMain::optDefault_Click()
{
    ShowMix(MixPreset::Standard);
    request_.choice = ThresholdChoice::Default;
    ShowThresholdInForce();
    ui->txtAlternateRate->setEnabled(false);
    ui->fra100->show();
}

void frmMain::optAlternate_Click()
{
    if (request_.mix == MixPreset::Standard)
        ShowMix(MixPreset::Custom);
    request_.choice = ThresholdChoice::Alternate;
    ShowThresholdInForce();
    ui->txtAlternateRate->setEnabled(true);
    ui->fra100->hide();
}

void frmMain::txtAlternateRate_Change(const QString& text)
{
    request_.alternateText = LocalNumbers::Typed(text);
    // A rate typed over a preset's makes it a custom one; the preset's own rate keeps it.
    const std::optional<std::string_view> presetRate = PresetRateText(request_.mix, request_.units);
    if (presetRate && !(IsNumericText(request_.alternateText)
                        && ReadNumber(request_.alternateText) == ReadNumber(*presetRate)))
        ShowMix(MixPreset::Custom);
    ShowThresholdInForce();
}

// The hidden txtUserRate mirrors the threshold in force; a change of it recalculates.
// The tables' titles follow at once, recalculated or not.
void frmMain::ShowThresholdInForce()
{
    ui->txtUserRate->setText(Q(request_.thresholdText()));
    ShowScenarioHeads(ScenarioHeads(request_));
}

void frmMain::txtUserRate_Change()
{
    RecalculateAndUnlockRedraw();
}

// ---- Mix presets ---------------------------------------------------------------

void frmMain::cboMix_Click(MixPreset preset)
{
    ShowMix(preset);
    if (preset == MixPreset::Standard) {
        ui->optDefault->setChecked(true);
        return;
    }
    // The rate first, so that the alternate choice recalculates once, with it.
    if (const std::optional<std::string_view> rate = PresetRateText(preset, request_.units))
        ui->txtAlternateRate->setText(LocalNumbers::Shown(*rate));
    ui->optAlternate->setChecked(true);
    if (preset == MixPreset::Custom) {
        ui->txtAlternateRate->setFocus();
        ui->txtAlternateRate->selectAll();
    }
}

void frmMain::ShowMix(MixPreset preset)
{
    ui->cboMix->setCurrentIndex(static_cast<int>(preset));
    if (preset == request_.mix)
        return;
    request_.mix = preset;
    Settings::SetMix(preset);
    // The mix changes no number: the calculation shown takes it without running again.
    calculation_.request.mix = preset;
    UpdateOutlook();
}

// ---- Scenarios -----------------------------------------------------------------

void frmMain::DefaultScenarios()
{
    for (int i = 0; i < 12; ++i) {
        ui->lblAir1[i]->setText(QString());
        ui->lblRH1[i]->setText(QString());
        ui->lblConc1[i]->setText(QString());
        ui->lblWind1[i]->setText(QString());
    }
    for (ScenarioBlock block : AllScenarioBlocks) {
        for (Input varied : AllInputs) {
            WidgetColors::SetBackColor(ui->table(block)->cell(varied, varied), Colors::SuccessfulVariation);
            for (Input column : AllInputs)
                DescribeScenarioCell(block, varied, column);
        }
    }
}

void frmMain::DoScenarios()
{
    for (ScenarioBlock block : AllScenarioBlocks) {
        const ScenarioCells& cells = calculation_.table(block);
        for (Input varied : AllInputs) {
            for (Input column : AllInputs) {
                const ScenarioCell& cell = cells.cell(varied, column);
                QLabel* label = ui->table(block)->cell(varied, column);
                label->setText(LocalNumbers::Shown(cell.text));
                if (cell.state == CellState::Failed)
                    WidgetColors::SetBackColor(label, Colors::FailedVariation);
                DescribeScenarioCell(block, varied, column);
            }
        }
    }
}

// ---- Buttons -------------------------------------------------------------------

void frmMain::cmdRunNomo_Click()
{
    UnlockRateButton();
}

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
#include "settings/Settings.h"
#include "ui/ChartPanel.h"
#include "ui/Colors.h"
#include "ui/InputRow.h"
#include "ui/NomographChart.h"
#include "ui/ScenarioTable.h"
#include "ui/UnitCaptions.h"
#include "ui/WidgetColors.h"
#include "ui/WindowFont.h"

namespace {

std::string Std(const QString& text)
{
    return text.toStdString();
}

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

frmMain::frmMain()
    : ui(std::make_unique<frmMainForm>()), records_(std::make_unique<RecordsStore>()), units_(Settings::Units())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Brackmere - Concrete Curing Evaporation Rate Calculator "));
    setFont(WindowFont());
    ui->setupUi(this);
    ShowUnitCaptions();
    PlaceAtDesignSize();
    connectHandlers();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::connectHandlers()
{
    for (int row = 0; row < 4; ++row) {
        const InputRow& r = *ui->rows[row];
        connect(r.text, &QLineEdit::textChanged, this, [this, row] { InputTextChanged(row); });
        // With tracking on, valueChanged follows every position of a drag as well as
        // the arrows and the track, so one connection serves both kinds of move.
        connect(r.scroll, &QScrollBar::valueChanged, this, [this, row] { ScrollBarMoved(row); });
        r.scroll->installEventFilter(this);
    }
    ui->canvas->installEventFilter(this);
    connect(ui->optDefault, &QRadioButton::toggled, this, [this](bool on) { if (on) optDefault_Click(); });
    connect(ui->optAlternate, &QRadioButton::toggled, this, [this](bool on) { if (on) optAlternate_Click(); });
    connect(ui->txtAlternateRate, &QLineEdit::textChanged, this, [this] { txtAlternateRate_Change(); });
    connect(ui->txtUserRate, &QLineEdit::textChanged, this, [this] { txtUserRate_Change(); });

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
    connect(ui->mnuRecordsLocation, &QAction::triggered, this, [this] { mnuRecordsLocation_Click(); });
    connect(ui->mnuCopyToServer, &QAction::triggered, this, [this] { mnuCopyToServer_Click(); });
    connect(ui->mnuUnitsUS, &QAction::triggered, this, [this] { SetUnits(UnitSystem::US); });
    connect(ui->mnuUnitsSI, &QAction::triggered, this, [this] { SetUnits(UnitSystem::SI); });
    connect(ui->mnuHelpContents, &QAction::triggered, this, [this] { mnuHelpContents_Click(); });
    connect(ui->mnuHelpAbout, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
}

CalculationRequest frmMain::Request() const
{
    CalculationRequest request;
    request.texts = {Std(ui->txtAirTemp->text()), Std(ui->txtRelativeHumidity->text()),
                     Std(ui->txtConcreteTemp->text()), Std(ui->txtWindVelocity->text())};
    request.units = units_;
    request.choice = ui->optDefault->isChecked() ? ThresholdChoice::Default : ThresholdChoice::Alternate;
    request.thresholdText = Std(ui->txtUserRate->text());
    return request;
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
    calculation_ = Calculation();
    calculation_.request = Request();
    ui->cmdSave->setEnabled(false);
    return false;
}

void frmMain::RecalculateAndUnlockRedraw()
{
    ui->cmdRunNomo->setEnabled(UnlockRateButton());
    UpdateOutlook();
}

bool frmMain::GoodInputs()
{
    return ::GoodInputs(Request().texts, inputs_, units_);
}

void frmMain::DoCalculation()
{
    Calculation calculation = Calculate(Request(), inputs_, solution_);
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
    ui->lblEvapNomo->setText(Q(calculation_.nomoCaption));
    ui->lblEvapEqn->setText(Q(calculation_.eqnCaption));
    WidgetColors::SetForeColor(ui->lblAnswer, Colors::MessageNormal);
    ui->lblAnswer->setText(Q(calculation_.answer));
    if (calculation_.answerColor == MessageColor::Warning)
        WidgetColors::SetForeColor(ui->lblAnswer, Colors::MessageWarning);
    DoScenarios();
}

// ---- Inputs --------------------------------------------------------------------

void frmMain::VisibilityHsb(QScrollBar* MyScroll, QLineEdit* myText, float lowLimit, float upLimit)
{
    const std::optional<int> position = ScrollBarValueFor(Std(myText->text()), InputRange{lowLimit, upLimit});
    if (!position) {
        MyScroll->hide();
        return;
    }
    MyScroll->show();
    std::optional<QSignalBlocker> keepText;
    if (LiesBeyondWholeUnits(Std(myText->text()), InputRange{lowLimit, upLimit}))
        keepText.emplace(MyScroll);
    MyScroll->setValue(*position);
}

void frmMain::InputTextChanged(int row)
{
    const InputRow& r = *ui->rows[row];
    VisibilityHsb(r.scroll, r.text, r.range().low, r.range().up);
    RecalculateAndUnlockRedraw();
}

void frmMain::ScrollBarMoved(int row)
{
    const InputRow& r = *ui->rows[row];
    r.text->setText(QString::number(r.scroll->value()));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    // A scroll bar never keeps the focus: a click on one hands it to the hidden sink.
    if (event->type() == QEvent::MouseButtonPress && qobject_cast<QScrollBar*>(watched))
        ui->txtStealFocus->setFocus();
    if (watched == ui->canvas && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

// ---- Threshold choice ----------------------------------------------------------

void frmMain::optDefault_Click()
{
    const ThresholdPolicy thresholds = ThresholdsOf(units_);
    ui->lblUsedThreshold->setText(UnitCaptions::ScenarioTitle(UnitCaptions::Unit(thresholds.shallTitle), units_));
    ui->txtUserRate->setText(UnitCaptions::Unit(thresholds.shallText));
    ui->txtAlternateRate->setEnabled(false);
    ui->fra100->show();
}

void frmMain::optAlternate_Click()
{
    ui->txtUserRate->setText(ui->txtAlternateRate->text());
    ui->txtAlternateRate->setEnabled(true);
    ui->fra100->hide();
    RetitleThresholdTable();
}

void frmMain::txtAlternateRate_Change()
{
    ui->txtUserRate->setText(ui->txtAlternateRate->text());
    RetitleThresholdTable();
}

void frmMain::RetitleThresholdTable()
{
    ui->lblUsedThreshold->setText(
        UnitCaptions::ScenarioTitle(Q(NumberFormat::CompactText(Std(ui->txtUserRate->text()))), units_));
}

void frmMain::txtUserRate_Change()
{
    const QString rate = Q(NumberFormat::General(ReadNumber(Std(ui->txtUserRate->text()))));
    for (QLabel* label : ui->lblUserRate)
        label->setText(rate);
    RecalculateAndUnlockRedraw();
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
        for (Input varied : AllInputs)
            WidgetColors::SetBackColor(ui->table(block)->cell(varied, varied), Colors::SuccessfulVariation);
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
                label->setText(Q(cell.text));
                if (cell.state == CellState::Failed)
                    WidgetColors::SetBackColor(label, Colors::FailedVariation);
            }
        }
    }
}

// ---- Buttons -------------------------------------------------------------------

void frmMain::cmdRunNomo_Click()
{
    UnlockRateButton();
}

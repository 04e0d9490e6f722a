#include "app/frmMain.h"

#include <QApplication>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "app/frmMainForm.h"
#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/ScenarioSolver.h"
#include "calc/ScrollBarValue.h"
#include "calc/Single.h"
#include "records/RecordsStore.h"
#include "ui/ChartPanel.h"
#include "ui/InputRow.h"
#include "ui/NomographChart.h"
#include "ui/ScenarioTable.h"
#include "ui/WidgetColors.h"
#include "ui/WindowFont.h"

namespace {

constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t LightRed = 0x0000FF;
constexpr std::uint32_t SuccessfulColor = 7572479;
constexpr std::uint32_t FailedColor = 16298431;

constexpr std::array<InputRange, 4> RowRanges{InputRanges::AirTemp, InputRanges::RelativeHumidity,
                                              InputRanges::ConcreteTemp, InputRanges::WindVelocity};

std::string Std(const QString& text)
{
    return text.toStdString();
}

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

frmMain::frmMain() : ui(std::make_unique<frmMainForm>()), records_(std::make_unique<RecordsStore>())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Brackmere - Concrete Curing Evaporation Rate Calculator "));
    setFont(WindowFont());
    ui->setupUi(this);
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
    connect(ui->mnuHelpContents, &QAction::triggered, this, [this] { mnuHelpContents_Click(); });
    connect(ui->mnuHelpAbout, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
}

InputTexts frmMain::inputTexts() const
{
    return {Std(ui->txtAirTemp->text()), Std(ui->txtRelativeHumidity->text()), Std(ui->txtConcreteTemp->text()),
            Std(ui->txtWindVelocity->text())};
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
    ui->cmdSave->setEnabled(false);
    return false;
}

void frmMain::RecalculateAndUnlockRedraw()
{
    ui->cmdRunNomo->setEnabled(UnlockRateButton());
}

bool frmMain::GoodInputs()
{
    return ::GoodInputs(inputTexts(), inputs_);
}

void frmMain::DoCalculation()
{
    if (!GoodInputs())
        return;
    const RunCaptions run = CalculateRun(inputs_, thresholdChoice(), Std(ui->txtUserRate->text()), solution_);
    solution_ = run.solution;

    NomographChart::DrawSolutionPath(*ui->picRH, *ui->picCT, *ui->picWV, inputs_.AirTemp, solution_.RHOrdinate,
                                     solution_.XIntersection, solution_.EvaporationRateNomo, SolutionLineColor);
    // The path follows the rate where it falls; the rates kept and shown are never negative.
    solution_.EvaporationRateNomo = std::max(solution_.EvaporationRateNomo, 0.0f);
    solution_.RateACI = std::max(solution_.RateACI, 0.0f);

    ui->lblEvapNomo->setText(Q(run.nomoCaption));
    ui->lblEvapEqn->setText(Q(run.eqnCaption));
    WidgetColors::SetForeColor(ui->lblAnswer, Black);
    ui->lblAnswer->setText(Q(run.answer.text));
    if (run.answer.red)
        WidgetColors::SetForeColor(ui->lblAnswer, LightRed);

    DoScenarios();
    ui->cmdSave->setEnabled(true);
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
    MyScroll->setValue(*position);
}

void frmMain::InputTextChanged(int row)
{
    const InputRow& r = *ui->rows[row];
    VisibilityHsb(r.scroll, r.text, RowRanges[row].low, RowRanges[row].up);
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

ThresholdChoice frmMain::thresholdChoice() const
{
    return ui->optDefault->isChecked() ? ThresholdChoice::Default : ThresholdChoice::Alternate;
}

void frmMain::optDefault_Click()
{
    ui->lblUsedThreshold->setText(QStringLiteral("Variation Scenarios to Get Evaporation Rate of .2 lb/ft²/hr"));
    ui->txtUserRate->setText(QStringLiteral("0.2"));
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
    ui->lblUsedThreshold->setText(QStringLiteral("Variation Scenarios to Get Evaporation Rate of ") +
                                  Q(NumberFormat::CompactText(Std(ui->txtUserRate->text()))) +
                                  QStringLiteral(" lb/ft²/hr"));
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
    for (int table = 0; table < 3; ++table) {
        const int first = 4 * table;
        WidgetColors::SetBackColor(ui->lblAir1[first + 0], SuccessfulColor);
        WidgetColors::SetBackColor(ui->lblRH1[first + 1], SuccessfulColor);
        WidgetColors::SetBackColor(ui->lblConc1[first + 2], SuccessfulColor);
        WidgetColors::SetBackColor(ui->lblWind1[first + 3], SuccessfulColor);
    }
}

void frmMain::DoScenarios()
{
    const InputSet fixed = inputs_;
    const QString air = Q(NumberFormat::General(fixed.AirTemp));
    const QString rh = Q(NumberFormat::General(fixed.RelativeHumidity));
    const QString conc = Q(NumberFormat::General(fixed.ConcreteTemp));
    const QString wind = Q(NumberFormat::General(fixed.WindVelocity));
    for (int i = 0; i < 12; ++i) {
        ui->lblAir1[i]->setText(air);
        ui->lblRH1[i]->setText(rh);
        ui->lblConc1[i]->setText(conc);
        ui->lblWind1[i]->setText(wind);
    }

    auto solveTable = [&](int table, float threshold) {
        const std::array<ScenarioOutcome, 4> outcomes = SolveScenarios(fixed, threshold);
        const int first = 4 * table;
        const std::array<QLabel*, 4> varied{ui->lblAir1[first + 0], ui->lblRH1[first + 1], ui->lblConc1[first + 2],
                                            ui->lblWind1[first + 3]};
        for (int row = 0; row < 4; ++row) {
            const ScenarioOutcome& outcome = outcomes[row];
            varied[row]->setText(Q(outcome.text()));
            if (outcome.failed || outcome.outsideLimits)
                WidgetColors::SetBackColor(varied[row], FailedColor);
        }
    };
    solveTable(0, 0.1f);
    solveTable(1, 0.2f);
    solveTable(2, ToSingle(ReadNumber(Std(ui->txtUserRate->text()))));
}

// ---- Buttons -------------------------------------------------------------------

void frmMain::cmdRunNomo_Click()
{
    UnlockRateButton();
}

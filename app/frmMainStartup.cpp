#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "app/frmMain.h"
#include "app/frmMainForm.h"
#include "calc/ProgramError.h"
#include "records/RecordsStore.h"
#include "settings/Settings.h"
#include "settings/ForecastKey.h"
#include "ui/ChartPanel.h"
#include "ui/MessageBox.h"
#include "ui/ScenarioTable.h"
#include "ui/Colors.h"
#include "ui/LocalNumbers.h"
#include "ui/QtText.h"

namespace {

// Runs one start-up step. A failure is reported with the choice to go on with the
// next step; returns false when the user chose to stop.
bool RunStartupStep(QWidget* window, const std::function<void()>& step)
{
    int number = 0;
    QString description;
    try {
        step();
        return true;
    } catch (const ProgramError& error) {
        number = error.number();
        description = QString::fromStdString(error.what());
    } catch (const std::exception& error) {
        description = QString::fromLocal8Bit(error.what());
    }
    const QString text =
        QCoreApplication::translate("frmMain", "Error #%1 %2\rTry to continue?").arg(number).arg(description);
    return Msg::Box(window, text, Msg::Buttons::YesNo, Msg::Icon::None,
                    QCoreApplication::translate("frmMain", "Error encountered."))
           == Msg::Answer::Yes;
}

}  // namespace

void frmMain::Form_Load()
{
    std::vector<std::function<void()>> steps{
        [this] { SolutionLineColor = Colors::SolutionPathOnScreen; },
        [this] { ui->txtAlternateRate->setText(LocalNumbers::Shown(ThresholdsOf(request_.units).alternateStart)); },
        [this] { ui->optDefault->setChecked(true); },
        // A preset with a rate of its own is taken up again; a custom rate is not kept.
        [this] {
            if (PresetRateText(Settings::Mix(), request_.units))
                cboMix_Click(Settings::Mix());
        },
        [this] {
            for (QFrame* frame : {ui->fraRightSideContainer, ui->fraLeftSideContainer,
                                  static_cast<QFrame*>(ui->fra100), static_cast<QFrame*>(ui->fraDefault)})
                frame->setFrameShape(QFrame::NoFrame);
        },
    };
    for (auto& step : RecordsStartupSteps())
        steps.push_back(std::move(step));
    steps.push_back([this] { WarnIfRecordsOnNetworkFile(); });
    // An API key an older version left in the settings file goes to the keychain.
    steps.push_back([this] {
        const QString notice = forecastKey_->MoveFromSettingsFile();
        if (!notice.isEmpty())
            Msg::Box(this, notice, Msg::Buttons::Ok, Msg::Icon::Exclamation, windowTitle());
    });
    steps.push_back([this] { RecalculateAndUnlockRedraw(); });

    // The panels are placed line by line, each line a step of its own.
    ChartPanel& picRH = *ui->picRH;
    ChartPanel& picCT = *ui->picCT;
    ChartPanel& picWV = *ui->picWV;
    ChartPanel& picRate = *ui->picRate;
    const std::vector<std::function<void()>> placing{
        [&] { picRH.resize(qRound(picRH.height() * 0.6), picRH.height()); },
        [&] { picCT.move(picRH.x() + picRH.width(), picCT.y()); },
        [&] { picCT.resize(picCT.width(), picRH.height()); },
        [&] { picCT.resize(qRound(picCT.height() * 0.8), picCT.height()); },
        [&] { picCT.move(picCT.x(), picRH.y()); },
        [&] { picWV.resize(picCT.width(), picWV.height()); },
        [&] { picWV.resize(picWV.width(), picCT.height()); },
        [&] { picWV.move(picWV.x(), picCT.y() + picCT.height()); },
        [&] { picWV.move(picCT.x(), picWV.y()); },
        [&] { picRate.move(picCT.x() - picRate.width(), picRate.y()); },
        [&] { picRate.move(picRate.x(), picWV.y()); },
        [&] { picRate.resize(picRate.width(), picWV.height()); },
        [&] { ui->fraRightSideContainer->move(picCT.x() + picCT.width() + 5, ui->fraRightSideContainer->y()); },
    };
    steps.insert(steps.end(), placing.begin(), placing.end());
    steps.push_back([this] { Command1_Click(); });
    steps.push_back([this] { PicsAutoRedraw(false); });

    for (const auto& step : steps) {
        if (!RunStartupStep(this, step))
            return;
    }
    ShowNextPlannedPour();
    startupCompleted_ = true;
}

// Opening the records store, each action a step of its own so that a missing file
// is reported once for the open and once for every step that needed it.
std::vector<std::function<void()>> frmMain::RecordsStartupSteps()
{
    RecordsStore& store = *records_;
    return {
        [&store] { store.ChooseDatabasePath(); },
        [&store] { store.OpenDatabase(); },
        [&store] { store.AddRateThresholdField(); },
        [&store] { store.OpenRecordsTable(); },
        [&store] { store.ColumnCount(); },
        [&store] { store.RecordCount(); },
    };
}

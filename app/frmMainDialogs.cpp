#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/HelpViewer.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmMainForm.h"
#include "outlook/frmOutlook.h"
#include "records/RecordsAvailability.h"
#include "records/RecordsStore.h"
#include "records/ReturnedInputs.h"
#include "records/frmSave.h"
#include "records/frmView.h"

void frmMain::cmdValid_Click()
{
    ui->txtStealFocus->setFocus();
    ShowHelpTopic(QStringLiteral("inputRange.htm"));
}

void frmMain::mnuHelpContents_Click()
{
    ShowHelpTopic(QStringLiteral("introduction.htm"));
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout about(this);
    about.exec();
    RecalculateAndUnlockRedraw();
}

frmOutlook* frmMain::ShowOutlook()
{
    if (!outlook_) {
        outlook_ = new frmOutlook(*records_, this);
        connect(outlook_, &frmOutlook::hourChosen, this,
                [this](const QString& air, const QString& humidity, const QString& concrete, const QString& wind) {
                    PutReadings({air.toStdString(), humidity.toStdString(), concrete.toStdString(),
                                 wind.toStdString()});
                });
    }
    UpdateOutlook();
    outlook_->show();
    outlook_->raise();
    outlook_->activateWindow();
    return outlook_;
}

void frmMain::UpdateOutlook()
{
    if (outlook_)
        outlook_->SetCalculation(units_, Request().choice, ui->txtUserRate->text());
}

void frmMain::cmdSave_Click()
{
    ui->txtStealFocus->setFocus();
    if (!ConfirmRecordsAvailable(*records_, this))
        return;
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    const CalculationRequest& shown = calculation_.request;
    SaveSnapshot snapshot;
    snapshot.AirTemp = text(shown.texts[std::size_t(Input::AirTemp)]);
    snapshot.RelativeHumidity = text(shown.texts[std::size_t(Input::RelativeHumidity)]);
    snapshot.ConcreteTemp = text(shown.texts[std::size_t(Input::ConcreteTemp)]);
    snapshot.WindVelocity = text(shown.texts[std::size_t(Input::WindVelocity)]);
    snapshot.RateThreshold = text(shown.thresholdText);
    snapshot.EvapRate = text(calculation_.eqnCaption);
    snapshot.Answer = text(calculation_.answer);
    snapshot.Units = shown.units;
    frmSave dialog(snapshot, *records_, this);
    connect(&dialog, &frmSave::recordAdded, this, [this] { ui->cmdSave->setEnabled(false); });
    dialog.exec();
    RecalculateAndUnlockRedraw();
}

void frmMain::cmdRecords_Click()
{
    ui->txtStealFocus->setFocus();
    if (!ConfirmRecordsAvailable(*records_, this))
        return;
    frmView viewer(*records_, this);
    connect(&viewer, &frmView::recordReturned, this, [this](const ReturnedInputs& record) {
        ReturnRecordInputs(record);
    });
    viewer.exec();
    RecalculateAndUnlockRedraw();
}

// Each assignment runs the same handling as the user's own typing or choice. A record
// saved in the other unit system is converted to the one shown.
void frmMain::ReturnRecordInputs(const ReturnedInputs& record)
{
    const auto shown = [&](Input input, const QString& text) {
        return QString::fromStdString(ConvertReadingText(input, text.toStdString(), record.Units, units_));
    };
    ui->txtAirTemp->setText(shown(Input::AirTemp, record.AirTemp));
    ui->txtConcreteTemp->setText(shown(Input::ConcreteTemp, record.ConcreteTemp));
    ui->txtRelativeHumidity->setText(shown(Input::RelativeHumidity, record.RH));
    ui->txtWindVelocity->setText(shown(Input::WindVelocity, record.WindVelocity));
    if (ThresholdOptionFor(record) == ThresholdOption::Default) {
        ui->optDefault->setChecked(true);
    } else {
        ui->optAlternate->setChecked(true);
        ui->txtAlternateRate->setText(
            QString::fromStdString(ConvertRateText(record.RateThresholdText.toStdString(), record.Units, units_)));
    }
}

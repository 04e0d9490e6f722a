#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/HelpViewer.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmMainForm.h"
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

void frmMain::cmdSave_Click()
{
    ui->txtStealFocus->setFocus();
    if (!ConfirmRecordsAvailable(*records_, this))
        return;
    const SaveSnapshot snapshot{ui->txtAirTemp->text(),    ui->txtRelativeHumidity->text(),
                                ui->txtConcreteTemp->text(), ui->txtWindVelocity->text(),
                                ui->txtUserRate->text(),     ui->lblEvapEqn->text(),
                                ui->lblAnswer->text()};
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

// Each assignment runs the same handling as the user's own typing or choice.
void frmMain::ReturnRecordInputs(const ReturnedInputs& record)
{
    ui->txtAirTemp->setText(record.AirTemp);
    ui->txtConcreteTemp->setText(record.ConcreteTemp);
    ui->txtRelativeHumidity->setText(record.RH);
    ui->txtWindVelocity->setText(record.WindVelocity);
    if (ThresholdOptionFor(record) == ThresholdOption::Default) {
        ui->optDefault->setChecked(true);
    } else {
        ui->optAlternate->setChecked(true);
        ui->txtAlternateRate->setText(record.RateThresholdText);
    }
}

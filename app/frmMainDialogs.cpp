#include <QApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "app/HelpViewer.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmMainForm.h"
#include "records/CopyUp.h"
#include "records/NetworkFileSystem.h"
#include "records/RecordsPath.h"
#include "records/frmRecordsLocation.h"
#include "settings/Settings.h"
#include "ui/FileDialogs.h"
#include "ui/frmMeasures.h"
#include "ui/MessageBox.h"
#include "ui/LocalNumbers.h"
#include "ui/QtText.h"
#include "outlook/OutlookTable.h"
#include "outlook/frmOutlook.h"
#include "records/RecordsAvailability.h"
#include "records/RecordsImportDialog.h"
#include "records/RecordsStore.h"
#include "records/ReturnedInputs.h"
#include "records/frmSave.h"
#include "records/frmView.h"
#include "pour/PourReport.h"
#include "pour/frmPourReport.h"

void frmMain::cmdValid_Click()
{
    ui->txtStealFocus->setFocus();
    ShowHelpTopic(QStringLiteral("inputRange.htm"));
}

void frmMain::mnuHelpContents_Click()
{
    ShowHelpTopic(QStringLiteral("introduction.htm"));
}

void frmMain::mnuMeasures_Click()
{
    if (!measures_) {
        measures_ = new frmMeasures(this);
        // Beside the window where the screen has room, so that both stay in view.
        const QPoint besides = frameGeometry().topRight() + QPoint(4, 0);
        if (screen() && besides.x() + measures_->width() <= screen()->availableGeometry().right())
            measures_->move(besides);
    }
    measures_->ShowFor(calculation_);
    measures_->show();
    measures_->raise();
    measures_->activateWindow();
}

void frmMain::UpdateMeasures()
{
    if (measures_ && measures_->isVisible())
        measures_->ShowFor(calculation_);
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
        outlook_ = new frmOutlook(*records_, *forecastKey_, this);
        connect(outlook_, &frmOutlook::hourChosen, this,
                [this](const Readings& readings) { PutReadings(readings); });
        connect(outlook_, &frmOutlook::pourReportRequested, this, [this] { PourReportFromOutlook(); });
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
        outlook_->SetCalculation(request_);
}

void frmMain::cmdSave_Click()
{
    ui->txtStealFocus->setFocus();
    if (!ConfirmRecordsAvailable(*records_, this))
        return;
    frmSave dialog(calculation_, *records_, this);
    connect(&dialog, &frmSave::recordAdded, this, [this] { ui->cmdSave->setEnabled(false); });
    dialog.exec();
    RecalculateAndUnlockRedraw();
}

void frmMain::cmdRecords_Click()
{
    ui->txtStealFocus->setFocus();
    if (!ConfirmRecordsAvailable(*records_, this))
        return;
    frmView viewer(*records_, this, request_.units);
    connect(&viewer, &frmView::recordReturned, this, [this](const ReturnedInputs& record) {
        ReturnRecordInputs(record);
    });
    connect(&viewer, &frmView::pourReportRequested, this, [this, &viewer](const QList<QSqlRecord>& records) {
        ShowPourReport(ReportFromRecords(records, request_.units), &viewer);
    });
    viewer.exec();
    RecalculateAndUnlockRedraw();
}

// Each assignment runs the same handling as the user's own typing or choice. A record
// saved in the other unit system is converted to the one shown; its bars are placed
// first, as when switching units, so the converted decimals are not rounded away.
void frmMain::ReturnRecordInputs(const ReturnedInputs& record)
{
    const Readings& stored = record.readings;
    if (record.Units == request_.units) {
        // In the order of the record's columns.
        ui->txtAirTemp->setText(LocalNumbers::Shown(stored.air));
        ui->txtConcreteTemp->setText(LocalNumbers::Shown(stored.concrete));
        ui->txtRelativeHumidity->setText(LocalNumbers::Shown(stored.humidity));
        ui->txtWindVelocity->setText(LocalNumbers::Shown(stored.wind));
    } else {
        Readings converted;
        for (Input input : AllInputs)
            converted[input] = ConvertReadingText(input, stored[input], record.Units, request_.units);
        PutReadings(converted);
    }
    if (ThresholdOptionFor(record) == ThresholdOption::Default) {
        ui->optDefault->setChecked(true);
    } else {
        ui->optAlternate->setChecked(true);
        ui->txtAlternateRate->setText(
            QString::fromStdString(ConvertRateText(record.RateThresholdText.toStdString(), record.Units, request_.units)));
    }
}

void frmMain::UpdateRecordsMenu()
{
    ui->mnuCopyToServer->setEnabled(records_->isOpen() && records_->location().isServer());
}

void frmMain::mnuRecordsLocation_Click()
{
    frmRecordsLocation dialog(RecordsPath::ForThisProgram(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString title = tr("Records Location");
    if (!qEnvironmentVariable(RecordsLocationVariable).trimmed().isEmpty()) {
        Msg::Box(this,
                 tr("The choice is saved. On this computer the environment variable %1 still decides "
                    "where records live.")
                     .arg(QString::fromLatin1(RecordsLocationVariable)),
                 Msg::Buttons::Ok, Msg::Icon::Information, title);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString problem = records_->MoveTo(dialog.chosen());
    QApplication::restoreOverrideCursor();
    UpdateRecordsMenu();
    if (!problem.isEmpty()) {
        Msg::Box(this, problem + tr("\nThe records stay where they were: %1.").arg(records_->databasePath()),
                 Msg::Buttons::Ok, Msg::Icon::Exclamation, title);
        return;
    }
    WarnIfRecordsOnNetworkFile();
    Msg::Box(this, tr("Records are now kept in %1.").arg(records_->describe()), Msg::Buttons::Ok,
             Msg::Icon::Information, title);
}

void frmMain::mnuCopyToServer_Click()
{
    const QString title = tr("Copy Local Records to Server");
    const QString file =
        FileDialogs::OpenFileName(this, Settings::FileKind::RecordsFile, title,
                                  tr("Records files (*.mdb);;All files (*)"), RecordsPath::ForThisProgram());
    if (file.isEmpty())
        return;
    QProgressDialog progress(tr("Copying the records to %1…").arg(records_->describe()), tr("Cancel"), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const CopyUp::Result result = CopyUp::Run(file, *records_, [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    progress.close();
    Msg::Box(this, CopyUp::Summary(result), Msg::Buttons::Ok,
             result.error.isEmpty() && result.outcome.failed == 0 ? Msg::Icon::Information : Msg::Icon::Exclamation,
             title);
}

void frmMain::mnuImportRecords_Click()
{
    if (ConfirmRecordsAvailable(*records_, this))
        RecordsImportDialog::Run(this, *records_);
}

// Several computers writing one SQLite file on a network file system can damage it: its
// locking cannot be trusted there. Said once per file.
void frmMain::WarnIfRecordsOnNetworkFile()
{
    UpdateRecordsMenu();
    const RecordsLocation& location = records_->location();
    if (location.isServer() || !records_->isOpen() || Settings::NetworkFileWarned(location.file))
        return;
    const QString fileSystem = NetworkFileSystem::Of(location.file);
    if (fileSystem.isEmpty())
        return;
    Settings::SetNetworkFileWarned(location.file);
    Msg::Box(this,
             tr("The records file \"%1\" lies on a network file system (%2). When several computers "
                "save to it at once, its locking cannot be trusted there and the file can be damaged.\n\n"
                "To keep one log for a team, keep the records on a records server instead: File, "
                "Records Location.")
                 .arg(location.shown(), fileSystem),
             Msg::Buttons::Ok, Msg::Icon::Exclamation, tr("Records on a Network File System"));
}

void frmMain::mnuPourReport_Click()
{
    ShowPourReport(ReportFromCalculation(calculation_, QDateTime::currentDateTime()), this);
}

void frmMain::PourReportFromOutlook()
{
    if (!outlook_)
        return;
    PourReport report =
        ReportFromOutlook(outlook_->table()->hours(), outlook_->table()->settings(), outlook_->windowsText());
    report.mix = request_.mix;
    ShowPourReport(report, outlook_);
}

void frmMain::ShowPourReport(const PourReport& report, QWidget* parent)
{
    frmPourReport dialog(report, *records_, parent);
    dialog.exec();
}

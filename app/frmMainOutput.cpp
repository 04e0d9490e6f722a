#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/frmMain.h"
#include "app/frmMainForm.h"
#include "output/PrintJob.h"
#include "output/TextReport.h"
#include "output/capture.h"
#include "records/LoginName.h"
#include "settings/Settings.h"
#include "ui/Colors.h"
#include "ui/MessageBox.h"

void frmMain::mnuPrint_Click()
{
    cmdPrint_Click();
}

// Prints the window as a picture: repainted in print colours (white window, frames
// and chart panels, blue solution path drawn into the persistent layer so that it
// is captured), captured, then restored to its normal colours and drawing before
// the picture goes to the printer.
void frmMain::cmdPrint_Click()
{
    const auto showPrintLook = [this] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        PicsAutoRedraw(true);
        ClearMyPics();
        ChangeFormColor(Colors::PrintBackground);
        ChangeGraphColor(Colors::PrintBackground);
        SolutionLineColor = Colors::SolutionPathPrinted;
        Command1_Click();
        if (calculation_.valid)
            DoCalculation();
        repaint();
    };
    const auto restoreNormalLook = [this] {
        ClearMyPics();
        ChangeFormColor(Colors::ButtonFace);
        ChangeGraphColor(Colors::ChartBack);
        SolutionLineColor = Colors::SolutionPathOnScreen;
        Command1_Click();
        PicsAutoRedraw(false);
        if (calculation_.valid)
            DoCalculation();
        QApplication::restoreOverrideCursor();
    };

    QImage captured;
    const output::PrintOutcome outcome = capture::PrintFormPicture(this, showPrintLook, restoreNormalLook, &captured);
    ui->Picture1->setPixmap(QPixmap::fromImage(captured));
    if (outcome == output::PrintOutcome::Printed)
        Msg::Box(this, tr("Print sent to default printer."), Msg::Buttons::Ok, Msg::Icon::Information, tr("Done."));
}

// The site is the one records were last saved for, as the save dialog offers it.
void frmMain::mnuFilePrintTextReport_Click()
{
    output::PrintTextReport(this, calculation_,
                            {.printed = QDateTime::currentDateTime(),
                             .printedBy = LoginName(),
                             .site = Settings::RecordSites().value(0)});
}

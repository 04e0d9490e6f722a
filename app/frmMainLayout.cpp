#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>

#include "app/WindowGeometry.h"
#include "app/frmMain.h"
#include "app/frmMainForm.h"
#include "ui/ChartPanel.h"

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    ApplyMinimumSize();
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    ApplyMinimumSize();
}

// The smallest outer size is fixed in twips; the window system constrains the
// window (frame excluded), so the frame's own extent is taken off.
void frmMain::ApplyMinimumSize()
{
    const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96.0;
    const QSize outer = WindowGeometry::MinimumOuterSizePixels(dpi);
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize minimum = outer - frame;
    if (minimumSize() != minimum)
        setMinimumSize(minimum);
}

void frmMain::Form_Resize()
{
    if (isMinimized())
        return;
    const int SW = ui->canvas->width();
    const int SH = ui->canvas->height();

    ui->lblDisplayEqn->move(ui->lblDisplayEqn->x(), SH - WindowGeometry::BottomBand);
    QFrame* left = ui->fraLeftSideContainer;
    left->move(left->x(), SH - WindowGeometry::BottomBand - left->height() + WindowGeometry::LeftContainerOverlap);
    QFrame* right = ui->fraRightSideContainer;
    right->move(SW - right->width() - WindowGeometry::RightMargin, right->y());

    const WindowGeometry::PanelBlock block = WindowGeometry::FitPanels(
        SW, SH, QRect(ui->picRH->pos(), ui->picRH->size()), right->x());
    ui->picRH->resize(block.rhWidth, block.height);
    ui->picCT->setGeometry(ui->picRH->x() + ui->picRH->width(), ui->picRH->y(), block.ctWidth, ui->picRH->height());
    ui->picWV->setGeometry(ui->picCT->x(), ui->picCT->y() + ui->picCT->height(), ui->picCT->width(),
                           ui->picCT->height());
    ui->picRate->setGeometry(ui->picCT->x() - ui->picRate->width(), ui->picWV->y(), ui->picRate->width(),
                             ui->picWV->height());

    PicsAutoRedraw(true);
    ClearMyPics();
    Command1_Click();
    PicsAutoRedraw(false);
    if (ui->cmdRunNomo->isEnabled())
        DoCalculation();
}

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
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

double frmMain::logicalDpi() const
{
    return logicalDpiX() > 0 ? logicalDpiX() : 96.0;
}

// Qt's window holds the menu bar above the inner area.
QSize frmMain::MenuBarExtent() const
{
    return {0, menuBar()->sizeHint().height()};
}

// The smallest outer size is fixed in twips; the window system constrains the window
// without its frame, so the frame is taken off once it is known.
QSize frmMain::MinimumInnerArea() const
{
    const QSize frame = frameGeometry().size() - geometry().size();
    return WindowGeometry::MinimumInnerSizePixels(logicalDpi(), frame + MenuBarExtent());
}

void frmMain::ApplyMinimumSize()
{
    const QSize minimum = MinimumInnerArea() + MenuBarExtent();
    if (minimumSize() != minimum)
        setMinimumSize(minimum);
}

void frmMain::PlaceAtDesignSize()
{
    resize(WindowGeometry::DesignInnerSizePixels(logicalDpi()) + MenuBarExtent());
    if (const QScreen* start = screen())
        move(start->availableGeometry().center() - rect().center());
}

void frmMain::Form_Resize()
{
    if (isMinimized())
        return;
    const int SW = ui->canvas->width();
    const int SH = ui->canvas->height();
    // Held here too: without a window manager nothing else stops a smaller size, and the
    // input panel would then lie over the chart. The new size brings its own resize.
    const QSize minimum = MinimumInnerArea();
    if (SH < minimum.height()) {
        resize(width(), height() + minimum.height() - SH);
        return;
    }
    if (SW < minimum.width()) {
        resize(width() + minimum.width() - SW, height());
        return;
    }

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

    RedrawChart();
}

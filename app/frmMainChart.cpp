#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>

#include "app/frmMain.h"
#include "app/frmMainForm.h"
#include "ui/ChartPanel.h"
#include "ui/NomographChart.h"
#include "ui/NomographPanels.h"
#include "ui/Colors.h"
#include "ui/WidgetColors.h"

namespace {


// The hourglass for as long as the chart takes to draw, restored however drawing ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

NomographPanels frmMain::panels() const
{
    return {ui->picRH, ui->picCT, ui->picWV, ui->picRate};
}

void frmMain::ClearMyPics()
{
    ::ClearMyPics(panels());
}

void frmMain::PicsAutoRedraw(bool Setting)
{
    ::PicsAutoRedraw(panels(), Setting);
}

void frmMain::ChangeGraphColor(std::uint32_t NewColor)
{
    ::ChangeGraphColor(panels(), NewColor);
}

void frmMain::ChangeFormColor(std::uint32_t NewColor)
{
    for (QWidget* widget : {ui->canvas, static_cast<QWidget*>(ui->fraLeftSideContainer),
                            static_cast<QWidget*>(ui->fraRightSideContainer), static_cast<QWidget*>(ui->Frame2),
                            static_cast<QWidget*>(ui->Frame3), static_cast<QWidget*>(ui->fraData)})
        WidgetColors::SetBackColor(widget, NewColor);
}

void frmMain::Command1_Click()
{
    const WaitCursor hourglass;
    NomographChart::Draw(panels(), ChartDescription());
}

// Resizes that leave the humidity panel's width alone (most, on a wide screen) redraw
// from the description already made.
const std::vector<NomographGeometry::Item>& frmMain::ChartDescription()
{
    const int width = ui->picRH->Width();
    if (!chart_ || chart_->units != request_.units || chart_->rhWidth != width)
        chart_ = std::make_unique<KeptChart>(KeptChart{request_.units, width, NomographGeometry::DescribeChart(request_.units, width)});
    return chart_->items;
}

void frmMain::RedrawChart()
{
    PicsAutoRedraw(true);
    ClearMyPics();
    Command1_Click();
    PicsAutoRedraw(false);
    if (calculation_.valid)
        DoCalculation();
}

void frmMain::Command2_Click()
{
    for (ChartPanel* panel : {ui->picRH, ui->picCT, ui->picWV})
        panel->SetBackColor(Colors::ChartBack);
    ui->picRate->SetBackColor(Colors::RateScaleBack);
}

void frmMain::Command3_Click()
{
    for (ChartPanel* panel : {ui->picRH, ui->picCT, ui->picWV, ui->picRate})
        panel->SetBackColor(Colors::PrintBackground);
}

#include "ui/NomographPanels.h"

#include "ui/ChartSurface.h"

void ClearMyPics(const NomographPanels& panels)
{
    panels.picRH->Cls();
    panels.picCT->Cls();
    panels.picWV->Cls();
    panels.picRate->Cls();
}

void PicsAutoRedraw(const NomographPanels& panels, bool Setting)
{
    panels.picRH->SetAutoRedraw(Setting);
    panels.picCT->SetAutoRedraw(Setting);
    panels.picWV->SetAutoRedraw(Setting);
    panels.picRate->SetAutoRedraw(Setting);
}

void ChangeGraphColor(const NomographPanels& panels, uint32_t NewColor)
{
    panels.picRH->SetBackColor(NewColor);
    panels.picCT->SetBackColor(NewColor);
    panels.picWV->SetBackColor(NewColor);
}

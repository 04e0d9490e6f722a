#pragma once

#include <ostream>

#include <QImage>
#include <QWidget>

#include "ui/ChartOperations.h"
#include "ui/ChartPanel.h"
#include "ui/Colors.h"
#include "ui/NomographPanels.h"

// The four chart panels as the main window places them at its design size, in
// their normal colours, all drawing into one shared operation log.
class DesignPanels {
public:
    explicit DesignPanels(int rhWidth = 164)
    {
        picRH = addPanel("picRH", QRect(0, 0, rhWidth, 274), Colors::ChartBack);
        picCT = addPanel("picCT", QRect(rhWidth, 0, 219, 274), Colors::ChartBack);
        picWV = addPanel("picWV", QRect(rhWidth, 274, 219, 274), Colors::ChartBack);
        picRate = addPanel("picRate", QRect(rhWidth - 25, 274, 25, 274), Colors::RateScaleBack);
        window.resize(rhWidth + 219, 548);
    }

    NomographPanels panels() { return {picRH, picCT, picWV, picRate}; }

    QWidget window;
    ChartOperationLog log;
    ChartPanel* picRH;
    ChartPanel* picCT;
    ChartPanel* picWV;
    ChartPanel* picRate;

private:
    ChartPanel* addPanel(const char* name, const QRect& geometry, uint32_t backColor)
    {
        auto* panel = new ChartPanel(&window);
        panel->setObjectName(name);
        panel->setGeometry(geometry);
        panel->SetBackColor(backColor);
        panel->setOperationLog(&log);
        return panel;
    }
};

// The colour shown at a point given in the panel's user units, both layers composed.
inline QColor shownColorAt(ChartPanel& panel, double x, double y)
{
    const QImage shown = panel.grab().toImage();
    const QPointF pixel = panel.toPixels(x, y) * shown.devicePixelRatio();
    return shown.pixelColor(int(pixel.x()), int(pixel.y()));
}

inline void PrintTo(const QColor& color, std::ostream* os)
{
    *os << color.name(QColor::HexArgb).toStdString();
}

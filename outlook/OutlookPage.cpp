#include "outlook/OutlookPage.h"

#include <QPainter>
#include <QCoreApplication>

output::PagedDocument OutlookDocument(const OutlookPageContent& content)
{
    output::PagedDocument document(QCoreApplication::translate("OutlookPage", "Pour-Day Outlook"), {});
    document.addText(content.source);
    document.addText(content.windows, true);
    document.addDrawing(OutlookChartPoints, [chart = content.chart](QPainter& painter, const QRectF& area) {
        painter.setFont(output::PointFont(painter.device(), output::SmallestType));
        OutlookChart::Paint(painter, area, chart);
    });
    document.addTable(content.table);
    return document;
}

#include "ui/ButtonIcons.h"

#include <QPainter>
#include <QPixmap>

namespace ButtonIcons {
namespace {

constexpr int Side = 48;  // drawn large, shown at 24 pixels: stays sharp on high-density screens

template <typename Draw>
QIcon Drawn(Draw draw)
{
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 2.5));
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

QIcon Save()
{
    return Drawn([](QPainter& p) {
        p.setBrush(QColor(70, 110, 190));
        p.drawRoundedRect(QRectF(6, 6, 36, 36), 3, 3);
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(13, 6, 22, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(12, 26, 24, 16));
    });
}

QIcon Records()
{
    return Drawn([](QPainter& p) {
        p.setBrush(QColor(250, 250, 240));
        p.drawRect(QRectF(6, 6, 36, 36));
        for (int row = 0; row < 4; ++row)
            p.drawLine(QPointF(6, 15 + 9 * row), QPointF(42, 15 + 9 * row));
        p.drawLine(QPointF(18, 6), QPointF(18, 42));
    });
}

QIcon Printer()
{
    return Drawn([](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(14, 4, 20, 14));
        p.setBrush(QColor(120, 120, 120));
        p.drawRoundedRect(QRectF(4, 16, 40, 18), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(14, 28, 20, 16));
    });
}

}  // namespace ButtonIcons

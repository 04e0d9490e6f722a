#include "ui/PictureButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int IconSize = 24;
constexpr int Padding = 4;
}

PictureButton::PictureButton(const QString& text, const QIcon& icon, QWidget* parent) : QPushButton(text, parent)
{
    setIcon(icon);
    setIconSize(QSize(IconSize, IconSize));
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QRect iconRect(QPoint((width() - IconSize) / 2, Padding + 4), QSize(IconSize, IconSize));
    icon().paint(&painter, iconRect, Qt::AlignCenter, mode);

    const QRect textRect = rect().adjusted(Padding, iconRect.bottom() + Padding, -Padding, -Padding);
    painter.drawItemText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

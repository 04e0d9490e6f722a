#include "ui/CompactComboBox.h"

#include <QAbstractItemView>
#include <QStylePainter>

CompactComboBox::CompactComboBox(QWidget* parent) : QComboBox(parent)
{
    // The box may show the short name: its tip gives the full one.
    connect(this, &QComboBox::currentIndexChanged, this, [this] { setToolTip(currentText()); });
}

void CompactComboBox::addEntry(const QString& text, const QString& shortText)
{
    addItem(text);
    setItemData(count() - 1, shortText, ShortTextRole);
}

void CompactComboBox::showPopup()
{
    // The list is as wide as its longest entry, wider than the box if need be.
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth()
                            + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QComboBox::showPopup();
}

void CompactComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (fontMetrics().horizontalAdvance(option.currentText) > field.width())
        option.currentText = currentData(ShortTextRole).toString();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

#include "ui/InputRow.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "ui/WidgetColors.h"

namespace {

// Rows are 48 pixels apart; inside a row the text box sits on the caption's line
// and the scroll bar (or the range label in its place) on the line below.
constexpr int RowPitch = 48;
constexpr int TextTop = 8;
constexpr int ScrollTop = 32;
constexpr std::uint32_t Red = 0x0000FF;

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

}  // namespace

InputRow::InputRow(QWidget* container, const InputRowDescription& d)
{
    const int top = d.row * RowPitch;

    caption = MakeLabel(container, d.captionName, d.captionText, QRect(8, top + TextTop, 134, 19),
                        Qt::AlignLeft | Qt::AlignVCenter);

    text = new QLineEdit(container);
    text->setObjectName(d.textName);
    text->setGeometry(144, top + TextTop, 41, 19);

    validRange = MakeLabel(container, QStringLiteral("lblValid(%1)").arg(d.row), QStringLiteral("<-- Valid Input Range -->"),
                           QRect(18, top + ScrollTop + 2, 151, 13), Qt::AlignCenter);
    WidgetColors::SetForeColor(validRange, Red);

    scroll = new QScrollBar(Qt::Horizontal, container);
    scroll->setObjectName(d.scrollName);
    scroll->setGeometry(18, top + ScrollTop, 151, 17);
    scroll->setRange(d.scrollMinimum, d.scrollMaximum);
    scroll->setValue(d.scrollMinimum);
    scroll->setSingleStep(1);
    scroll->setPageStep(1);
    // A click still moves the bar; the keyboard never reaches it.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->hide();

    lowerLimit = MakeLabel(container, d.lowerName, d.lowerText, QRect(0, top + ScrollTop, 17, 17),
                           Qt::AlignRight | Qt::AlignVCenter);
    upperLimit = MakeLabel(container, d.upperName, d.upperText, QRect(171, top + ScrollTop, 22, 17),
                           Qt::AlignLeft | Qt::AlignVCenter);
}

#include "ui/InputRow.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "ui/WidgetColors.h"

namespace {

// Rows are 48 pixels apart; inside a row the text box sits on the caption's line
// and the scroll bar (or the range label in its place) on the line below, with a
// limit label at each end of it.
constexpr int RowPitch = 48;
constexpr int TextTop = 8;
constexpr int ScrollTop = 32;
constexpr QRect TextBox{144, 0, 37, 19};
constexpr QRect ScrollBar{16, 0, 153, 17};
constexpr QRect RangeLabel{16, 0, 151, 13};
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
    text->setGeometry(TextBox.translated(0, top + TextTop));

    validRange = MakeLabel(container, QStringLiteral("lblValid(%1)").arg(d.row), QStringLiteral("<-- Valid Input Range -->"),
                           RangeLabel.translated(0, top + ScrollTop), Qt::AlignCenter);
    WidgetColors::SetForeColor(validRange, Red);

    scroll = new QScrollBar(Qt::Horizontal, container);
    scroll->setObjectName(d.scrollName);
    scroll->setGeometry(ScrollBar.translated(0, top + ScrollTop));
    scroll->setRange(d.scrollMinimum, d.scrollMaximum);
    scroll->setValue(d.scrollMinimum);
    scroll->setSingleStep(1);
    scroll->setPageStep(1);
    // A click still moves the bar; the keyboard never reaches it.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->hide();

    const int limitsTop = top + ScrollTop;
    lowerLimit = MakeLabel(container, d.lowerName, d.lowerText, QRect(0, limitsTop, ScrollBar.left() - 1, 17),
                           Qt::AlignRight | Qt::AlignVCenter);
    const int upperLeft = ScrollBar.right() + 2;
    upperLimit = MakeLabel(container, d.upperName, d.upperText,
                           QRect(upperLeft, limitsTop, container->width() - upperLeft, 17),
                           Qt::AlignLeft | Qt::AlignVCenter);
}

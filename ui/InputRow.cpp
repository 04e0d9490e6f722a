#include "ui/InputRow.h"

#include <QCoreApplication>
#include <QLabel>
#include <algorithm>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ui/Colors.h"
#include "ui/CoreTexts.h"
#include "ui/UnitCaptions.h"
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
    : input(d.input), range_(RangeOf(d.input, UnitSystem::US))
{
    const int row = static_cast<int>(d.input);
    const int top = row * RowPitch;

    caption = MakeLabel(container, d.captionName, QString(), QRect(8, top + TextTop, 134, 19),
                        Qt::AlignLeft | Qt::AlignVCenter);

    text = new QLineEdit(container);
    text->setObjectName(d.textName);
    text->setGeometry(TextBox.translated(0, top + TextTop));

    validRange = MakeLabel(container, QStringLiteral("lblValid(%1)").arg(row), QString(),
                           RangeLabel.translated(0, top + ScrollTop), Qt::AlignCenter);
    WidgetColors::SetForeColor(validRange, Colors::RangeLabel);

    scroll = new QScrollBar(Qt::Horizontal, container);
    scroll->setObjectName(d.scrollName);
    scroll->setGeometry(ScrollBar.translated(0, top + ScrollTop));
    scroll->setRange(range_.firstWhole(), range_.lastWhole());
    scroll->setValue(range_.firstWhole());
    scroll->setSingleStep(1);
    scroll->setPageStep(1);
    // The keyboard reaches the bar by Tab (its arrows then move it); a click moves it
    // without taking the focus from where the user types.
    scroll->setFocusPolicy(Qt::TabFocus);
    scroll->hide();

    const int limitsTop = top + ScrollTop;
    lowerLimit = MakeLabel(container, d.lowerName, QString(), QRect(0, limitsTop, ScrollBar.left() - 1, 17),
                           Qt::AlignRight | Qt::AlignVCenter);
    const int upperLeft = ScrollBar.right() + 2;
    upperLimit = MakeLabel(container, d.upperName, QString(),
                           QRect(upperLeft, limitsTop, container->width() - upperLeft, 17),
                           Qt::AlignLeft | Qt::AlignVCenter);
    ShowUnits(UnitSystem::US);
}

void InputRow::ShowUnits(UnitSystem units)
{
    range_ = RangeOf(input, units);
    caption->setText(UnitCaptions::InputCaption(input, units));
    validRange->setText(QCoreApplication::translate("InputRow", "<-- Valid Input Range -->"));
    // What a screen reader says of the box and of the bar, whose captions are labels beside them.
    text->setAccessibleName(caption->text());
    scroll->setAccessibleName(QCoreApplication::translate("InputRow", "%1 scroll bar").arg(caption->text()));
    const QString unit = UnitCaptions::InputUnit(input, units);
    scroll->setAccessibleDescription(
        QCoreApplication::translate("InputRow", "Sets the %1 from %2 to %3 %4 in steps of 1 %4")
            .arg(CoreText(ReadingNames[input].inSentence), UnitCaptions::Limit(range_.low),
                 UnitCaptions::Limit(range_.up), unit));
    lowerLimit->setText(UnitCaptions::Limit(range_.low));
    upperLimit->setText(UnitCaptions::Limit(range_.up));
    // A lower limit wider than its place at the bar's left end (4.4 in SI) takes what it
    // needs from the bar and the range label; the design's limits fit as laid out.
    const int needed = lowerLimit->fontMetrics().horizontalAdvance(lowerLimit->text()) + 1;
    const int shift = std::max(0, needed - (ScrollBar.left() - 1));
    const int top = scroll->y();
    scroll->setGeometry(ScrollBar.adjusted(shift, 0, 0, 0).translated(0, top));
    validRange->setGeometry(RangeLabel.adjusted(shift, 0, 0, 0).translated(0, top));
    lowerLimit->resize(ScrollBar.left() - 1 + shift, lowerLimit->height());
    const QSignalBlocker quiet(scroll);
    scroll->setRange(range_.firstWhole(), range_.lastWhole());
}

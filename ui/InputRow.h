#pragma once

#include <QString>

#include "calc/InputSet.h"
#include "calc/Units.h"

class QLabel;
class QLineEdit;
class QScrollBar;
class QWidget;

// The widgets of one input row: caption, text box, the scroll bar under it with a
// limit label at each end, and the red range label that shows while the scroll
// bar is hidden. The row only builds and places them; the main window handles them.
struct InputRowDescription {
    Input input;  // also the row's place, top to bottom
    QString captionName;
    QString textName;
    QString scrollName;
    QString lowerName;
    QString upperName;
};

class InputRow {
public:
    InputRow(QWidget* container, const InputRowDescription& description);
    InputRow(const InputRow&) = delete;
    InputRow& operator=(const InputRow&) = delete;

    // Caption, limits and the scroll bar's whole units for the system shown. The bar's
    // value is moved into its new range silently: nobody is told of a position that the
    // text box does not hold.
    void ShowUnits(UnitSystem units);
    InputRange range() const { return range_; }

    const Input input;
    QLabel* caption;
    QLineEdit* text;
    QScrollBar* scroll;
    QLabel* lowerLimit;
    QLabel* upperLimit;
    QLabel* validRange;

private:
    InputRange range_;
};

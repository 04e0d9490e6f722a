#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QScrollBar;
class QWidget;

// The widgets of one input row: caption, text box, the scroll bar under it with a
// limit label at each end, and the red range label that shows while the scroll
// bar is hidden. The row only builds and places them; the main window handles them.
struct InputRowDescription {
    int row;                    // 0..3, top to bottom
    QString captionName, captionText;
    QString textName;
    QString scrollName;
    int scrollMinimum, scrollMaximum;
    QString lowerName, lowerText;
    QString upperName, upperText;
};

class InputRow {
public:
    InputRow(QWidget* container, const InputRowDescription& description);
    InputRow(const InputRow&) = delete;
    InputRow& operator=(const InputRow&) = delete;

    QLabel* caption;
    QLineEdit* text;
    QScrollBar* scroll;
    QLabel* lowerLimit;
    QLabel* upperLimit;
    QLabel* validRange;
};

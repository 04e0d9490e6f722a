#pragma once

#include <QString>

#include <string>
#include <vector>

class QWidget;

// A text made safe and short for a failure message.
std::string DescribeText(const QString& text);

// Whether the main window's four input boxes hold a valid set.
bool InputsValid(const QWidget& window);

// Looks at the main window, found by its elements' names, and checks it against the
// calculation core: results and scenario cells blank exactly when an input is invalid
// and otherwise what the core computes from the texts on screen, the threshold choice
// with its rate column and title, and each input row's scroll bar. One line per
// disagreement; none when the window is consistent.
std::vector<std::string> CheckWindowConsistency(const QWidget& window);

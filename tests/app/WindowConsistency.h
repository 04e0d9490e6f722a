#pragma once

#include <QString>

#include <string>
#include <vector>

class QWidget;

// A text made safe and short for a failure message: control characters escaped,
// long texts cut, with the length given.
std::string DescribeText(const QString& text);

// Whether the main window's four input boxes hold a valid set.
bool InputsValid(const QWidget& window);

// Looks at the main window as the user sees it and checks that it agrees with
// itself and with the calculation core: results and scenario cells blank exactly
// when an input is invalid and otherwise equal to what the core computes from the
// texts on screen; the threshold choice, its rate column and title; each input
// row's scroll bar. The window is found by its elements' names only. Returns one
// line per disagreement; none when the window is consistent.
std::vector<std::string> CheckWindowConsistency(const QWidget& window);

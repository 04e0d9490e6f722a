#pragma once

#include <QFont>

// The font of every caption in the program's windows: the design names
// "MS Sans Serif" at 8.25 points; where that family is missing (everywhere but
// Windows) a metric-compatible sans serif stands in for it.
QFont WindowFont();

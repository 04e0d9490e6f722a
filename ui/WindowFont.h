#pragma once

#include <QFont>

// The font of every caption in the program's windows, the chart and the printed
// report: "MS Sans Serif" at 8.25 points where the system has it, elsewhere
// Liberation Sans, a proportional sans serif of the same build.
QFont WindowFont();

#pragma once

#include <QtGlobal>

class QApplication;

namespace Startup {
// The program: the command line's work without a window when it asks for any, otherwise
// the calculator window.
int Main(int argc, char** argv);
// Sets up the application (font, icon), loads the main window and runs the event loop;
// opens the outlook at a planned pour when given one.
int Run(QApplication& app, qint64 plannedPour = 0);
}

#pragma once

class QApplication;

namespace Startup {
// Sets up the application (font, icon), loads the main window and runs the event loop.
int Run(QApplication& app);
}

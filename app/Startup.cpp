#include "app/Startup.h"

#include <QApplication>

#include "app/frmMain.h"

namespace Startup {

int Run(QApplication& app)
{
    frmMain window;
    window.show();
    return app.exec();
}

}  // namespace Startup

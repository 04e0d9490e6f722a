#include "app/Startup.h"

#include <QApplication>
#include <QStyleFactory>

#include "app/frmMain.h"
#include "ui/WindowFont.h"

namespace Startup {

int Run(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Brackmere"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(WindowFont());

    frmMain window;
    if (!window.startupCompleted())
        return 0;
    window.show();
    return app.exec();
}

}  // namespace Startup

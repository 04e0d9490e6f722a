#include "app/Startup.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTextStream>

#include "app/CommandLine.h"
#include "ui/Language.h"
#include "app/frmMain.h"
#include "outlook/frmOutlook.h"
#include "ui/WindowFont.h"

namespace Startup {

int Main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Only the window system's own options lead to the window; anything else is the
    // command line's, refused there if unknown, so that a mistyped option opens no window
    // (and needs no display).
    qint64 pour = 0;
    if (CommandLine::WithoutWindowOptions(arguments).size() > 1) {
        const CommandLine::Request request = CommandLine::Parse(arguments);
        if (request.action != CommandLine::Action::OpenPour) {
            QCoreApplication app(argc, argv);
            Language::Apply(Language::FromEnvironment());
            QTextStream out(stdout);
            QTextStream err(stderr);
            return CommandLine::Run(request, out, err);
        }
        pour = request.pourId;
    }
    QApplication app(argc, argv);
    return Run(app, pour);
}

int Run(QApplication& app, qint64 plannedPour)
{
    QApplication::setApplicationName(QStringLiteral("Brackmere"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(WindowFont());
    Language::Apply(Language::Chosen());

    frmMain window;
    if (!window.startupCompleted())
        return 0;
    window.show();
    if (plannedPour > 0)
        window.ShowOutlook()->ShowPlannedPour(plannedPour);
    return app.exec();
}

}  // namespace Startup

#include "app/Startup.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTextStream>

#include "app/CommandLine.h"
#include "ui/Language.h"
#include "app/frmMain.h"
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
    if (CommandLine::WithoutWindowOptions(arguments).size() > 1) {
        QCoreApplication app(argc, argv);
        Language::Apply(Language::FromEnvironment());
        QTextStream out(stdout);
        QTextStream err(stderr);
        return CommandLine::Run(CommandLine::Parse(arguments), out, err);
    }
    QApplication app(argc, argv);
    return Run(app);
}

int Run(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Brackmere"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(WindowFont());
    Language::Apply(Language::Chosen());

    frmMain window;
    if (!window.startupCompleted())
        return 0;
    window.show();
    return app.exec();
}

}  // namespace Startup

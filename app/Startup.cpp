#include "app/Startup.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTextStream>

#include "app/CommandLine.h"
#include "app/frmMain.h"
#include "ui/WindowFont.h"

namespace Startup {
namespace {

// The window takes Qt's own options (-platform, -style, ...); only the program's own
// options lead to the command line.
bool AsksForCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        for (const char* option : {"--outlook", "--units", "--help", "-h", "--version"}) {
            if (argument == QLatin1String(option) || argument.startsWith(QLatin1String(option) + u'='))
                return true;
        }
    }
    return false;
}

}  // namespace

int Main(int argc, char** argv)
{
    if (AsksForCommandLine(argc, argv)) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return CommandLine::Run(CommandLine::Parse(QCoreApplication::arguments()), out, err);
    }
    QApplication app(argc, argv);
    return Run(app);
}

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

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "tests/support/ModalDialogs.h"
#include "ui/WindowFont.h"

int main(int argc, char** argv)
{
    // Headless unless the caller chose a display on purpose.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(WindowFont());
    // Settings of the test run's own, never the user's.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    // A dialog nobody answers fails its test instead of hanging the run.
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new ModalWatchdogListener(ModalWatchdog::LimitFromEnvironment()));
    return RUN_ALL_TESTS();
}

#include "tests/app/MainWindowFixture.h"


void MainWindowFixture::SetUp()
{
    ASSERT_TRUE(folder.isValid());
    records = std::make_unique<RecordsFolder>(folder.path());
    window = std::make_unique<frmMain>();
    ASSERT_TRUE(window->startupCompleted());
    EXPECT_TRUE(messages.messages().empty()) << "start-up showed a message";
}

void MainWindowFixture::TearDown()
{
    window.reset();
    records.reset();
}

void MainWindowFixture::enterInputs(const QString& air, const QString& rh, const QString& conc, const QString& wind)
{
    box(QStringLiteral("txtAirTemp"))->setText(air);
    box(QStringLiteral("txtRelativeHumidity"))->setText(rh);
    box(QStringLiteral("txtConcreteTemp"))->setText(conc);
    box(QStringLiteral("txtWindVelocity"))->setText(wind);
}

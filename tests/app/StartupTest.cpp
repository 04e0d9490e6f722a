#include <QAction>
#include <QFile>

#include "records/RecordsStore.h"
#include "tests/app/MainWindowFixture.h"
#include "ui/Colors.h"
#include "ui/WidgetColors.h"

namespace {

using StartupTest = MainWindowFixture;

// Blank results and disabled buttons at start-up are checked by the soak's judge.
TEST_F(StartupTest, OpensInItsStartStateWithTheChartDrawn)
{
    EXPECT_EQ(window->windowTitle(), "Brackmere - Concrete Curing Evaporation Rate Calculator ");
    for (const char* hidden : {"cmdValid", "cmdPrint", "Command1", "Picture1", "Frame1", "txtUserRate"})
        EXPECT_TRUE(element(hidden)->isHidden()) << hidden << " is never shown";
    const QImage chart = element("picRH")->grab().toImage();
    int drawn = 0;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            drawn += chart.pixelColor(x, y) != Colors::toQColor(Colors::ChartBack);
    EXPECT_GT(drawn, chart.width() * 3) << "no chart on picRH";
}

TEST_F(StartupTest, ExitClosesTheWindowWithoutAsking)
{
    window->show();
    element<QAction>("mnuFileExit")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages.messages().empty());
}

// Start-up with the records file missing: the error handler's two answers.
class StartupErrorTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    RecordsPath::ScopedProgramFolder programFolder{folder.path()};
    MessageRecorder messages;
};

TEST_F(StartupErrorTest, GoingOnReportsEveryDatabaseStepAndStillCalculates)
{
    for (int i = 0; i < 5; ++i)
        messages.answerNext(Msg::Answer::Yes);
    frmMain window;
    EXPECT_TRUE(window.startupCompleted());
    ASSERT_EQ(messages.messages().size(), 5u) << "the open, then the four steps that needed it";
    const Msg::Request& first = messages.messages().front();
    EXPECT_EQ(first.title, "Error encountered.");
    EXPECT_EQ(first.buttons, Msg::Buttons::YesNo);
    EXPECT_TRUE(first.text.startsWith(QStringLiteral("Error #%1 ").arg(RecordsErrorNumber::FileNotFound)))
        << first.text.toStdString();
    EXPECT_TRUE(first.text.endsWith("\rTry to continue?"));
    EXPECT_FALSE(QFile::exists(RecordsPath::ForThisProgram())) << "opening must never create the file";

    const char* inputs[][2] = {{"txtAirTemp", "80"}, {"txtRelativeHumidity", "50"}, {"txtConcreteTemp", "90"},
                               {"txtWindVelocity", "10"}};
    for (const auto& [name, text] : inputs)
        Element<QLineEdit>(window, name)->setText(text);
    EXPECT_EQ(Element<QLabel>(window, "lblEvapEqn")->text(), "0.241");

    // Saving now says that records are unavailable instead of opening the dialog.
    messages.clear();
    Element<QPushButton>(window, "cmdSave")->click();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages().front().text.contains(RecordsPath::ForThisProgram()));
}

TEST_F(StartupErrorTest, StoppingEndsStartUpAtOnce)
{
    messages.answerNext(Msg::Answer::No);
    frmMain window;
    EXPECT_FALSE(window.startupCompleted());
    EXPECT_EQ(messages.messages().size(), 1u);
}

}  // namespace

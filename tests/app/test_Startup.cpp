#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include "records/RecordsStore.h"
#include "tests/app/MainWindowFixture.h"
#include "ui/Colors.h"
#include "ui/WidgetColors.h"

namespace {

using StartupTest = MainWindowFixture;

// Blank results and disabled buttons at start-up are checked by the window-consistency judge.
TEST_F(StartupTest, OpensInItsStartState)
{
    EXPECT_EQ(window->windowTitle(), "Brackmere - Concrete Curing Evaporation Rate Calculator ");
    for (const char* name : {"txtAirTemp", "txtRelativeHumidity", "txtConcreteTemp", "txtWindVelocity"})
        EXPECT_EQ(box(name)->text(), "") << name;
    for (int row = 0; row < 4; ++row) {
        QLabel* range = label(QStringLiteral("lblValid(%1)").arg(row));
        EXPECT_FALSE(range->isHidden());
        EXPECT_EQ(range->text(), "<-- Valid Input Range -->");
        EXPECT_EQ(WidgetColors::ForeColor(range), 0x0000FFu);
    }
    EXPECT_TRUE(element<QPushButton>("cmdRecords")->isEnabled());
    for (const char* hidden : {"cmdValid", "cmdPrint", "Command1", "Command2", "Command3", "Picture1", "Frame1",
                               "Label8", "txtUserRate"})
        EXPECT_TRUE(element<QWidget>(hidden)->isHidden()) << hidden << " is never shown";
    for (const char* frame : {"fraLeftSideContainer", "fraRightSideContainer", "fra100", "fraDefault"})
        EXPECT_EQ(element<QFrame>(frame)->frameShape(), QFrame::NoFrame) << frame << " is borderless";
}

TEST_F(StartupTest, DrawsTheChartIntoThePanels)
{
    // The grid and curves leave pixels that are not the back colour.
    const QImage chart = element<QWidget>("picRH")->grab().toImage();
    const QColor back = Colors::toQColor(Colors::ChartBack);
    int drawn = 0;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            drawn += chart.pixelColor(x, y) != back;
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
    MessageRecorder messages;
};

TEST_F(StartupErrorTest, GoingOnReportsEveryDatabaseStepAndStillCalculates)
{
    RecordsFolder records(folder.path(), /*createFile=*/false);
    for (int i = 0; i < 5; ++i)
        messages.answerNext(Msg::Answer::Yes);
    frmMain window;
    EXPECT_TRUE(window.startupCompleted());
    ASSERT_EQ(messages.messages().size(), 5u) << "the open, then the four steps that needed it";
    const Msg::Request& first = messages.messages().front();
    EXPECT_EQ(first.title, "Error encountered.");
    EXPECT_EQ(first.buttons, Msg::Buttons::YesNo);
    EXPECT_EQ(first.icon, Msg::Icon::None);
    EXPECT_TRUE(first.text.startsWith(QStringLiteral("Error #%1 ").arg(RecordsErrorNumber::FileNotFound)))
        << first.text.toStdString();
    EXPECT_TRUE(first.text.endsWith("\rTry to continue?"));
    EXPECT_FALSE(QFile::exists(records.databasePath())) << "opening must never create the file";

    window.findChild<QLineEdit*>("txtAirTemp")->setText("80");
    window.findChild<QLineEdit*>("txtRelativeHumidity")->setText("50");
    window.findChild<QLineEdit*>("txtConcreteTemp")->setText("90");
    window.findChild<QLineEdit*>("txtWindVelocity")->setText("10");
    EXPECT_EQ(window.findChild<QLabel*>("lblEvapEqn")->text(), "0.241");

    // Saving now says that records are unavailable instead of opening the dialog.
    messages.clear();
    window.findChild<QPushButton*>("cmdSave")->click();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages().front().text.contains(records.databasePath()));
}

TEST_F(StartupErrorTest, StoppingEndsStartUpAtOnce)
{
    RecordsFolder records(folder.path(), /*createFile=*/false);
    messages.answerNext(Msg::Answer::No);
    frmMain window;
    EXPECT_FALSE(window.startupCompleted());
    EXPECT_EQ(messages.messages().size(), 1u);
}

}  // namespace

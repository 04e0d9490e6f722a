#include <QAction>
#include <QApplication>

#include "tests/app/MainWindowFixture.h"
#include "tests/support/RecordingTarget.h"
#include "ui/ChartPanel.h"
#include "ui/WidgetColors.h"

namespace {

const QColor PrintBlue(0, 0, 255);
const QColor PathYellow(255, 255, 157);

int PixelsOf(const QImage& image, const QColor& color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

class WindowPrintingTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        window->show();
        QApplication::processEvents();
    }
    void print() const { element<QAction>("mnuPrint")->trigger(); }
    QImage printedPicture() const { return label("Picture1")->pixmap().toImage(); }
    int pathPixelsOnScreen() const { return PixelsOf(window->grab().toImage(), PathYellow); }
    // A point inside picRH, in the captured picture, away from the grid lines.
    QColor printedColorInsidePicRH() const
    {
        QWidget* picRH = element("picRH");
        return printedPicture().pixelColor(picRH->mapTo(window.get(), QPoint(3, picRH->height() / 2 + 3)));
    }
    void expectNormalLook() const
    {
        for (const char* panel : {"picRH", "picCT", "picWV"})
            EXPECT_EQ(element<ChartPanel>(panel)->BackColor(), Colors::ChartBack) << panel;
        EXPECT_EQ(element<ChartPanel>("picRate")->BackColor(), Colors::RateScaleBack);
        for (const char* frame : {"fraLeftSideContainer", "fraRightSideContainer", "Frame2", "Frame3", "fraData"})
            EXPECT_EQ(WidgetColors::BackColor(element(frame)), Colors::ButtonFace) << frame;
    }

    FakePrintDestinations destinations;
};

TEST_F(WindowPrintingTest, PrintsTheWindowInPrintColoursAndRestoresIt)
{
    // Without a solution no path is printed or drawn afterwards.
    print();
    EXPECT_EQ(printedColorInsidePicRH(), QColor(Qt::white));
    // The window and its containers print white; these frames keep their colour on screen.
    const QImage onScreen = window->grab().toImage();
    for (const char* frame : {"fra100", "fraDefault", "fraPrecautionRate", "Label42"}) {
        QWidget* widget = element<QWidget>(frame);
        const QPoint inside = widget->mapTo(window.get(), QPoint(widget->width() - 4, widget->height() / 2));
        const bool keepsColour = frame != std::string_view("Label42");
        EXPECT_EQ(printedPicture().pixelColor(inside), keepsColour ? onScreen.pixelColor(inside) : QColor(Qt::white))
            << frame;
    }
    expectNormalLook();
    EXPECT_EQ(pathPixelsOnScreen(), 0);
    // The humidity curves print in the same blue as the path: the path adds to them.
    const int blueOfTheChart = PixelsOf(printedPicture(), PrintBlue);
    messages.clear();

    enterInputs("80", "50", "90", "10");
    print();
    ASSERT_EQ(destinations.printed.imageSizes.size(), 2u);
    EXPECT_EQ(destinations.printed.orientation, QPageLayout::Landscape) << "the window is wider than tall";
    EXPECT_EQ(printedColorInsidePicRH(), QColor(Qt::white));
    EXPECT_GT(PixelsOf(printedPicture(), PrintBlue), blueOfTheChart + 200) << "the solution path is captured in blue";
    EXPECT_EQ(PixelsOf(printedPicture(), PathYellow), 0);
    expectNormalLook();
    EXPECT_GT(pathPixelsOnScreen(), 200) << "the path is drawn again on screen";
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Print sent to default printer.");
}

TEST_F(WindowPrintingTest, AFailedPrintIsNeverReportedAsSent)
{
    enterInputs("80", "50", "90", "10");
    destinations.printer = RecordingTarget::Behaviour::CannotStart;
    messages.answerNext(Msg::Answer::No);  // no PDF instead
    print();
    ASSERT_EQ(messages.messages().size(), 1u) << "only the offer of a PDF";
    EXPECT_EQ(messages.messages()[0].buttons, Msg::Buttons::YesNo);
    expectNormalLook();
    EXPECT_GT(pathPixelsOnScreen(), 200);
}

TEST_F(WindowPrintingTest, TheTextReportNeedsASolution)
{
    element<QAction>("mnuFilePrintTextReport")->trigger();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "No solution calculated yet!");
    EXPECT_EQ(destinations.printed.jobsStarted, 0);

    enterInputs("80", "50", "90", "10");
    element<QAction>("mnuFilePrintTextReport")->trigger();
    EXPECT_EQ(destinations.printed.jobsEnded, 1);
    const auto& texts = destinations.printed.texts;
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const RecordedText& t) {
        return t.text == "Evaporation Rate By Equation = 0.241(lb/ft²/hr) Measures shall be taken.";
    }));
}

}  // namespace

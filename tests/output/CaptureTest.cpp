#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

#include <stdexcept>

#include "output/PrintJob.h"
#include "output/capture.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/RecordingTarget.h"

namespace {

using output::PrintOutcome;

// Printable areas as the chosen orientation gives them: 576 x 756 upright, 756 x 576 across.
TEST(Capture, PictureIsOrientedByItsShapeAndFittedAtTheCorner)
{
    const struct {
        const char* name;
        QSizeF picture;
        QSizeF printable;
        QPageLayout::Orientation orientation;
        QRectF fitted;
    } cases[] = {
        {"wide fills the width across", {800, 400}, {756, 576}, QPageLayout::Landscape, {0, 0, 756, 378}},
        {"slightly wide fills the height across", {800, 700}, {756, 576}, QPageLayout::Landscape,
         {0, 0, 576.0 * 800 / 700, 576}},
        {"tall fills the height upright", {300, 900}, {576, 756}, QPageLayout::Portrait, {0, 0, 252, 756}},
        {"square is upright at full width", {500, 500}, {576, 756}, QPageLayout::Portrait, {0, 0, 576, 576}},
        {"the page's own shape fills the page", {300, 400}, {540, 720}, QPageLayout::Portrait, {0, 0, 540, 720}},
        {"empty has no rectangle", {0, 0}, {576, 756}, QPageLayout::Portrait, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(capture::OrientationFor(c.picture), c.orientation);
        EXPECT_EQ(capture::FittedRect(c.picture, c.printable), c.fitted);
    }
}

// A window painted red (or the print look's colour) on the left half and blue on the right.
class TwoColourWindow : public QWidget {
public:
    TwoColourWindow()
    {
        resize(240, 160);
        show();
    }
    QColor left = Qt::red;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(QRect(0, 0, width() / 2, height()), left);
        painter.fillRect(QRect(width() / 2, 0, width() - width() / 2, height()), Qt::blue);
    }
};

QColor ColourAt(const QImage& image, double fractionX)
{
    return image.pixelColor(int(image.width() * fractionX), image.height() / 2);
}

TEST(Capture, GrabsTheWholeWindowOrTheRequestedPartOfItsClientArea)
{
    TwoColourWindow window;
    const QImage whole = capture::GrabFormImage(&window);
    // Read off a screen the frame is part of the picture; rendered by the window itself it cannot be.
    const bool fromScreen = QGuiApplication::platformName() != "offscreen";
    EXPECT_EQ(whole.size() / whole.devicePixelRatio(), fromScreen ? window.frameGeometry().size() : window.size());
    EXPECT_EQ(ColourAt(whole, 0.25), QColor(Qt::red));
    EXPECT_EQ(ColourAt(whole, 0.75), QColor(Qt::blue));

    const QImage rightHalf = capture::GrabWindowImage(&window, true, 120, 0, 120, 160);
    EXPECT_EQ(rightHalf.size() / rightHalf.devicePixelRatio(), QSize(120, 160));
    EXPECT_EQ(ColourAt(rightHalf, 0.02), QColor(Qt::blue));
    EXPECT_EQ(ColourAt(rightHalf, 0.98), QColor(Qt::blue));
}

class PrintPicture : public ::testing::Test {
protected:
    MessageRecorder messages;
    FakePrintDestinations destinations;
};

TEST_F(PrintPicture, WidePictureIsPrintedAcrossAtItsFittedPlace)
{
    QImage picture(800, 400, QImage::Format_RGB32);
    picture.fill(Qt::white);
    EXPECT_EQ(capture::PrintPictureFitted(nullptr, picture), PrintOutcome::Printed);
    EXPECT_EQ(destinations.printed.orientation, QPageLayout::Landscape);
    ASSERT_EQ(destinations.printed.imageRects.size(), 1u);
    EXPECT_EQ(destinations.printed.imageRects[0], QRectF(0, 0, 756, 378));
    EXPECT_EQ(destinations.printed.imageSizes[0], QSize(800, 400));
    EXPECT_EQ(destinations.printed.jobsEnded, 1);
    EXPECT_TRUE(messages.messages().empty()) << "the success message is the caller's";
}

TEST_F(PrintPicture, FailedCaptureIsReportedAndNotPrinted)
{
    EXPECT_EQ(capture::PrintPictureFitted(nullptr, QImage()), PrintOutcome::NotPrinted);
    EXPECT_EQ(destinations.printed.jobsStarted, 0);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.contains("could not be captured"));
}

// Answers the printer question and notes the window's look at that moment.
class LookWatcher : public Msg::Responder {
public:
    explicit LookWatcher(const TwoColourWindow& window) : window_(window) {}
    Msg::Answer respond(const Msg::Request&) override
    {
        lookWhenAsked = window_.left;
        return Msg::Answer::No;
    }
    QColor lookWhenAsked;

private:
    const TwoColourWindow& window_;
    Msg::ScopedResponder scope_{*this};
};

// The window once stayed in its print colours while the user was asked about a failed print.
TEST(PrintFormPicture, CapturesThePrintLookAndRestoresBeforeAskingAnything)
{
    FakePrintDestinations destinations;
    destinations.printer = RecordingTarget::Behaviour::CannotStart;
    TwoColourWindow window;
    LookWatcher watcher(window);
    QImage captured;

    EXPECT_EQ(capture::PrintFormPicture(
                  &window, [&window] { window.left = Qt::white; }, [&window] { window.left = Qt::red; }, &captured),
              PrintOutcome::NotPrinted);
    EXPECT_EQ(ColourAt(captured, 0.25), QColor(Qt::white)) << "the picture shows the print look";
    EXPECT_EQ(watcher.lookWhenAsked, QColor(Qt::red)) << "the window was back to normal when asked";
    EXPECT_EQ(window.left, QColor(Qt::red));
}

TEST(PrintFormPicture, RestoresTheNormalLookWhenPreparingFails)
{
    FakePrintDestinations destinations;
    TwoColourWindow window;
    const auto failingPrintLook = [&window] {
        window.left = Qt::white;
        throw std::runtime_error("chart drawing failed");
    };
    EXPECT_THROW(capture::PrintFormPicture(&window, failingPrintLook, [&window] { window.left = Qt::red; }),
                 std::runtime_error);
    EXPECT_EQ(window.left, QColor(Qt::red));
    EXPECT_EQ(destinations.printed.jobsStarted, 0);
}

}  // namespace

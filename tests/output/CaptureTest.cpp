#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

#include <ostream>
#include <stdexcept>

#include "output/PrintJob.h"
#include "output/capture.h"
#include "tests/support/RecordingTarget.h"
#include "tests/support/MessageRecorder.h"

namespace {

using output::PrintOutcome;

struct FitCase {
    const char* name;
    QSizeF picture;
    QSizeF printable;
    QPageLayout::Orientation orientation;
    QRectF fitted;
    friend void PrintTo(const FitCase& fit, std::ostream* out) { *out << fit.name; }
};

class PictureFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(PictureFit, OrientationAndRectangle)
{
    const FitCase& fit = GetParam();
    EXPECT_EQ(capture::OrientationFor(fit.picture), fit.orientation);
    const QRectF fitted = capture::FittedRect(fit.picture, fit.printable);
    EXPECT_DOUBLE_EQ(fitted.x(), fit.fitted.x());
    EXPECT_DOUBLE_EQ(fitted.y(), fit.fitted.y());
    EXPECT_DOUBLE_EQ(fitted.width(), fit.fitted.width());
    EXPECT_DOUBLE_EQ(fitted.height(), fit.fitted.height());
}

// Printable areas as the chosen orientation gives them: 576 x 756 upright, 756 x 576 across.
INSTANTIATE_TEST_SUITE_P(
    Capture, PictureFit,
    ::testing::Values(
        FitCase{"WideWindowFillsTheWidthAcross", {800, 400}, {756, 576}, QPageLayout::Landscape, {0, 0, 756, 378}},
        FitCase{"SlightlyWideWindowFillsTheHeightAcross", {800, 700}, {756, 576}, QPageLayout::Landscape,
                {0, 0, 576.0 * 800 / 700, 576}},
        FitCase{"TallWindowFillsTheHeightUpright", {300, 900}, {576, 756}, QPageLayout::Portrait, {0, 0, 252, 756}},
        FitCase{"SquareWindowIsUprightAtFullWidth", {500, 500}, {576, 756}, QPageLayout::Portrait,
                {0, 0, 576, 576}},
        FitCase{"RatioEqualToThePageFillsTheFullWidth", {300, 400}, {540, 720}, QPageLayout::Portrait,
                {0, 0, 540, 720}},
        FitCase{"EmptyPictureHasNoRectangle", {0, 0}, {576, 756}, QPageLayout::Portrait, {}}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

// A window painted in two halves, red on the left and blue on the right.
class TwoColourWindow : public QWidget {
public:
    TwoColourWindow() { resize(240, 160); }
    QColor left = Qt::red;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(QRect(0, 0, width() / 2, height()), left);
        painter.fillRect(QRect(width() / 2, 0, width() - width() / 2, height()), Qt::blue);
    }
};

QColor ColourAt(const QImage& image, double fractionX, double fractionY)
{
    return image.pixelColor(int(image.width() * fractionX), int(image.height() * fractionY));
}

TEST(GrabFormImage, TakesTheWholeWindowAsShown)
{
    TwoColourWindow window;
    window.show();

    const QImage picture = capture::GrabFormImage(&window);

    ASSERT_FALSE(picture.isNull());
    // Read off the screen the frame is part of the picture; rendered by the window itself
    // (no screen to read) it cannot be.
    const bool fromScreen = QGuiApplication::platformName() != "offscreen";
    const QSize logical = picture.size() / picture.devicePixelRatio();
    EXPECT_EQ(logical, fromScreen ? window.frameGeometry().size() : window.size());
    EXPECT_EQ(ColourAt(picture, 0.25, 0.5), QColor(Qt::red));
    EXPECT_EQ(ColourAt(picture, 0.75, 0.5), QColor(Qt::blue));
}

TEST(GrabWindowImage, CopiesTheRequestedPartOfTheClientArea)
{
    TwoColourWindow window;
    window.show();

    const QImage rightHalf = capture::GrabWindowImage(&window, true, 120, 0, 120, 160);

    ASSERT_FALSE(rightHalf.isNull());
    EXPECT_EQ(rightHalf.size() / rightHalf.devicePixelRatio(), QSize(120, 160));
    EXPECT_EQ(ColourAt(rightHalf, 0.02, 0.5), QColor(Qt::blue));
    EXPECT_EQ(ColourAt(rightHalf, 0.98, 0.5), QColor(Qt::blue));
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
    const QRectF printedAt = destinations.printed.imageRects[0];
    EXPECT_NEAR(printedAt.x(), 0.0, 1e-9);
    EXPECT_NEAR(printedAt.y(), 0.0, 1e-9);
    EXPECT_NEAR(printedAt.width(), 756.0, 1e-9);
    EXPECT_NEAR(printedAt.height(), 378.0, 1e-9);
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

TEST_F(PrintPicture, PrinterFailingAtTheEndIsNotPrinted)
{
    destinations.printer = RecordingTarget::Behaviour::FailsAtEnd;
    messages.answerNext(Msg::Answer::No);
    QImage picture(300, 400, QImage::Format_RGB32);
    picture.fill(Qt::white);

    EXPECT_EQ(capture::PrintPictureFitted(nullptr, picture), PrintOutcome::NotPrinted);

    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.contains("The printer reported an error."));
}

// Answers the printer question and notes the window's look at that moment.
class LookWatcher : public Msg::Responder {
public:
    explicit LookWatcher(const TwoColourWindow& window) : window_(window) {}
    QColor lookWhenAsked;
    Msg::Answer respond(const Msg::Request&) override
    {
        lookWhenAsked = window_.left;
        return Msg::Answer::No;
    }

private:
    const TwoColourWindow& window_;
    Msg::ScopedResponder scope_{*this};
};

TEST(PrintFormPicture, CapturesThePrintLookAndRestoresBeforeAskingAnything)
{
    FakePrintDestinations destinations;
    destinations.printer = RecordingTarget::Behaviour::CannotStart;
    TwoColourWindow window;
    window.show();
    LookWatcher watcher(window);
    QImage captured;

    const PrintOutcome outcome = capture::PrintFormPicture(
        &window, [&window] { window.left = Qt::white; }, [&window] { window.left = Qt::red; }, &captured);

    EXPECT_EQ(outcome, PrintOutcome::NotPrinted);
    EXPECT_EQ(ColourAt(captured, 0.25, 0.5), QColor(Qt::white)) << "the picture shows the print look";
    EXPECT_EQ(watcher.lookWhenAsked, QColor(Qt::red)) << "the window was back to normal when asked";
    EXPECT_EQ(window.left, QColor(Qt::red));
}

TEST(PrintFormPicture, RestoresTheNormalLookWhenPreparingFails)
{
    FakePrintDestinations destinations;
    TwoColourWindow window;
    window.show();

    EXPECT_THROW(capture::PrintFormPicture(
                     &window,
                     [&window] {
                         window.left = Qt::white;
                         throw std::runtime_error("chart drawing failed");
                     },
                     [&window] { window.left = Qt::red; }),
                 std::runtime_error);

    EXPECT_EQ(window.left, QColor(Qt::red));
    EXPECT_EQ(destinations.printed.jobsStarted, 0);
}

}  // namespace

#include "output/capture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include "output/Page.h"
#include "output/PrintJob.h"
#include "output/RestoreOnExit.h"
#include "ui/MessageBox.h"

namespace capture {
namespace {

bool ScreenCanBeRead(const QWidget* window)
{
    const QString platform = QGuiApplication::platformName();
    return window->isVisible() && window->screen() && platform != QLatin1String("offscreen")
           && platform != QLatin1String("minimal");
}

// The screen holds what was drawn last; paint the window first so the grab is current.
QImage GrabFromScreen(QWidget* window, bool clientOnly, const QRect& area)
{
    window->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QScreen* screen = window->screen();
    if (clientOnly)
        return screen->grabWindow(window->winId(), area.x(), area.y(), area.width(), area.height()).toImage();

    // The whole desktop is grabbed at the frame's place, so the frame drawn by the window
    // manager is part of the picture.
    const QPoint frameOnScreen = window->frameGeometry().topLeft() - screen->geometry().topLeft();
    const QRect onScreen = area.translated(frameOnScreen);
    return screen->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height()).toImage();
}

QImage RenderItself(QWidget* window, bool clientOnly, const QRect& area)
{
    const QPoint clientInFrame =
        clientOnly ? QPoint() : window->geometry().topLeft() - window->frameGeometry().topLeft();
    const QRect inClient = area.translated(-clientInFrame).intersected(window->rect());
    if (inClient.isEmpty())
        return {};
    return window->grab(inClient).toImage();
}

}  // namespace

QImage GrabWindowImage(QWidget* window, bool clientOnly, int left, int top, int width, int height)
{
    const QRect area(left, top, width, height);
    if (!window || area.isEmpty())
        return {};
    if (ScreenCanBeRead(window)) {
        const QImage fromScreen = GrabFromScreen(window, clientOnly, area);
        if (!fromScreen.isNull())
            return fromScreen;
    }
    return RenderItself(window, clientOnly, area);
}

QImage GrabFormImage(QWidget* form)
{
    if (!form)
        return {};
    const QSize outer = form->frameGeometry().size();
    return GrabWindowImage(form, false, 0, 0, outer.width(), outer.height());
}

QPageLayout::Orientation OrientationFor(QSizeF picture)
{
    return picture.height() >= picture.width() ? QPageLayout::Portrait : QPageLayout::Landscape;
}

QRectF FittedRect(QSizeF picture, QSizeF printable)
{
    if (picture.isEmpty() || printable.isEmpty())
        return {};
    const double picRatio = picture.width() / picture.height();
    const double printRatio = printable.width() / printable.height();
    if (picRatio >= printRatio)
        return {0.0, 0.0, printable.width(), printable.width() / picRatio};
    return {0.0, 0.0, printable.height() * picRatio, printable.height()};
}

void DrawPictureFitted(output::Page& page, const QImage& picture)
{
    const QRectF target = page.toDevice(FittedRect(picture.size(), page.printableSize()));
    page.painter().setRenderHint(QPainter::SmoothPixmapTransform);
    page.painter().drawImage(target, picture);
}

output::PrintOutcome PrintPictureFitted(QWidget* parent, const QImage& picture)
{
    if (picture.isNull()) {
        Msg::Box(parent,
                 QCoreApplication::translate("capture", "The window could not be captured, so nothing was printed."),
                 Msg::Buttons::Ok, Msg::Icon::Exclamation, QCoreApplication::translate("capture", "Print Failed"));
        return output::PrintOutcome::NotPrinted;
    }
    return output::PrintPage(parent, OrientationFor(picture.size()),
                             [&picture](output::Page& page) { DrawPictureFitted(page, picture); });
}

output::PrintOutcome PrintFormPicture(QWidget* form, const std::function<void()>& showPrintLook,
                                      const std::function<void()>& restoreNormalLook, QImage* captured)
{
    QImage picture;
    {
        const output::RestoreOnExit restore(restoreNormalLook);
        showPrintLook();
        picture = GrabFormImage(form);
    }
    if (captured)
        *captured = picture;
    return PrintPictureFitted(form, picture);
}

}  // namespace capture

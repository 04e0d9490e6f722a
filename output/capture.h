#pragma once

#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>

#include <functional>

class QWidget;

namespace output {
class Page;
enum class PrintOutcome;
}  // namespace output

// Capturing the main window as a picture and printing that picture on one page.
namespace capture {

// Copies the rectangle (left, top, width, height), in pixels, of the window as it is shown:
// of its client area when clientOnly, else of the whole window with its frame, measured from
// the frame's top-left corner. Where the screen cannot be read (no screen, or the grab
// fails), the window renders itself instead; the frame is then missing from the picture.
QImage GrabWindowImage(QWidget* window, bool clientOnly, int left, int top, int width, int height);

// The whole window of the form at its full outer size, frame included where there is one.
QImage GrabFormImage(QWidget* form);

// Portrait when the picture is at least as tall as wide, else landscape.
QPageLayout::Orientation OrientationFor(QSizeF picture);

// The rectangle, at the printable area's top-left corner, that fills the printable area
// with the picture's shape kept: full width when the picture is relatively wider (or of
// the same shape), else full height. Empty for an empty picture.
QRectF FittedRect(QSizeF picture, QSizeF printable);

// Draws the picture into its fitted rectangle on the page.
void DrawPictureFitted(output::Page& page, const QImage& picture);

// Prints the picture on one page of the default printer, oriented by its shape and fitted.
// An empty picture (a capture that failed) is reported and not printed.
output::PrintOutcome PrintPictureFitted(QWidget* parent, const QImage& picture);

// The whole print of the window: shows the print look, captures the window, restores the
// normal look and prints the capture. The normal look comes back whatever happens, and
// before any message about the printer appears (the picture is taken by then, so the page
// is the same). Returns the outcome; the captured picture is stored in *captured when given.
output::PrintOutcome PrintFormPicture(QWidget* form, const std::function<void()>& showPrintLook,
                                      const std::function<void()>& restoreNormalLook,
                                      QImage* captured = nullptr);

}  // namespace capture

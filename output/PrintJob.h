#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>

class QWidget;

namespace output {

class Page;
class PrintTarget;

enum class PrintOutcome {
    Printed,     // the page went to the default printer
    SavedAsPdf,  // the printer failed and the user kept the page as a PDF file instead
    NotPrinted,  // nothing came of it; the user has been told why
};

using DrawPage = std::function<void(Page&)>;

// Prints one page on the default printer of the destinations in force. When the printer is
// missing or the job fails, says so and offers to save the same page as a PDF file, and
// reports where it was written. Only Printed means the page reached the printer; the caller
// keeps its own success message for that case.
PrintOutcome PrintPage(QWidget* parent, QPageLayout::Orientation orientation, const DrawPage& drawPage);

// Asks for a file name and saves the page there as a PDF file; tells the user where it
// went or why it did not.
PrintOutcome SavePageAsPdf(QWidget* parent, QPageLayout::Orientation orientation, const DrawPage& drawPage);

// Runs one job on one target. On failure the target's failure() says why. A fault thrown
// while drawing drops the document and passes on to the caller.
bool RunPrintJob(PrintTarget& target, QPageLayout::Orientation orientation, const DrawPage& drawPage);

// Draws page `index` (0 for the first) and says whether another page follows.
using DrawPages = std::function<bool(Page&, int index)>;

// Runs one job of as many pages as drawPages asks for, each of the same size, as
// RunPrintJob runs one.
bool RunMultiPagePrintJob(PrintTarget& target, QPageLayout::Orientation orientation, const DrawPages& drawPages);

// PrintPage and SavePageAsPdf for a document of as many pages as drawPages asks for, in
// portrait on `paper`. SavePagesAsPdf gives the file's path in `savedAt` when it was saved.
PrintOutcome PrintPages(QWidget* parent, const QPageSize& paper, const DrawPages& drawPages);
PrintOutcome SavePagesAsPdf(QWidget* parent, const QPageSize& paper, const DrawPages& drawPages,
                            QString* savedAt = nullptr);

}  // namespace output

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "tests/support/ModalDialogs.h"
#include "ui/FileDialogs.h"

namespace {

using Settings::FileKind;

// Each kind of file starts in the folder the caller names, then opens where that kind was
// last chosen; a cancelled dialog leaves the folder as it was.
TEST(FileDialogs, EachKindOpensInTheFolderLastUsedForIt)
{
    QTemporaryDir start, csvFiles, pdfFiles;
    QFile(csvFiles.filePath("hours.csv")).open(QIODevice::WriteOnly);
    for (FileKind kind : {FileKind::Csv, FileKind::Pdf})
        Settings::SetLastFolder(kind, {});
    const struct {
        FileKind kind;
        QString opensIn;
        QString chosen;  // empty: cancelled
    } steps[] = {
        {FileKind::Csv, start.path(), csvFiles.filePath("hours.csv")},
        {FileKind::Pdf, start.path(), pdfFiles.filePath("report.pdf")},
        {FileKind::Csv, csvFiles.path(), ""},
        {FileKind::Csv, csvFiles.path(), csvFiles.filePath("hours.csv")},
        {FileKind::Pdf, pdfFiles.path(), ""},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.opensIn.toStdString() + " " + step.chosen.toStdString());
        OnNextDialog([&step](QWidget& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            EXPECT_EQ(QDir(files.directory()).canonicalPath(), QDir(step.opensIn).canonicalPath());
            if (step.chosen.isEmpty())
                return files.reject();
            files.selectFile(step.chosen);
            static_cast<QDialog&>(files).accept();
        });
        const QString answer = step.kind == FileKind::Pdf
                                   ? FileDialogs::SaveFileName(nullptr, step.kind, "Save", "PDF files (*.pdf)",
                                                               "report.pdf", start.path())
                                   : FileDialogs::OpenFileName(nullptr, step.kind, "Open", "CSV files (*.csv)",
                                                               start.path());
        EXPECT_EQ(QDir::cleanPath(answer), step.chosen);
    }
}

}  // namespace

#include "ui/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace FileDialogs {
namespace {

QString Ask(QFileDialog& dialog, Settings::FileKind kind)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    Settings::SetLastFolder(kind, QFileInfo(chosen).absolutePath());
    return chosen;
}

QString FolderFor(Settings::FileKind kind, const QString& startFolder)
{
    const QString last = Settings::LastFolder(kind);
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : startFolder;
}

}  // namespace

QString OpenFileName(QWidget* parent, Settings::FileKind kind, const QString& title, const QString& filter,
                     const QString& startFolder)
{
    QFileDialog dialog(parent, title, FolderFor(kind, startFolder), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Ask(dialog, kind);
}

QString SaveFileName(QWidget* parent, Settings::FileKind kind, const QString& title, const QString& filter,
                     const QString& suggestedName, const QString& startFolder)
{
    QFileDialog dialog(parent, title, FolderFor(kind, startFolder), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(suggestedName).suffix());
    dialog.selectFile(suggestedName);
    return Ask(dialog, kind);
}

}  // namespace FileDialogs

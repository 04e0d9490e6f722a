#pragma once

#include <QString>

#include "settings/Settings.h"

class QWidget;

// Every file dialog of the program: each opens in the folder last used for its kind of
// file (or in `startFolder` the first time) and remembers the folder of the file chosen.
// Both return the chosen path, or an empty text when the user cancelled.
namespace FileDialogs {

QString OpenFileName(QWidget* parent, Settings::FileKind kind, const QString& title, const QString& filter,
                     const QString& startFolder = {});
// The suggested name's suffix is added to a name typed without one, so the dialog's
// question about replacing a file is about the real file.
QString SaveFileName(QWidget* parent, Settings::FileKind kind, const QString& title, const QString& filter,
                     const QString& suggestedName, const QString& startFolder = {});

}  // namespace FileDialogs

#pragma once

#include <QString>

class QWidget;
class RecordsStore;

// The message shown instead of the save dialog or the viewer when the records could not
// be opened at start-up.
QString RecordsUnavailableText(const RecordsStore& store);

// True when records can be saved and shown; otherwise tells the user so and
// returns false, leaving the window as it stands.
bool ConfirmRecordsAvailable(const RecordsStore& store, QWidget* parent);

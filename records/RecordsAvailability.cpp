#include "records/RecordsAvailability.h"

#include <QDir>

#include "records/RecordsStore.h"
#include "ui/MessageBox.h"

QString RecordsUnavailableText(const QString& databasePath)
{
    return QStringLiteral("The records file \"%1\" could not be opened when the program started,"
                          " so records cannot be saved or shown.")
        .arg(QDir::toNativeSeparators(databasePath));
}

bool ConfirmRecordsAvailable(const RecordsStore& store, QWidget* parent)
{
    if (store.isOpen())
        return true;
    Msg::Box(parent, RecordsUnavailableText(store.databasePath()), Msg::Buttons::Ok, Msg::Icon::Exclamation,
             QStringLiteral("Saved Records"));
    return false;
}

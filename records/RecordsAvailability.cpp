#include "records/RecordsAvailability.h"

#include <QDir>

#include "records/RecordsStore.h"
#include "ui/MessageBox.h"

QString RecordsUnavailableText(const RecordsStore& store)
{
    QString text = QStringLiteral("%1 could not be opened when the program started, so records cannot be saved or "
                                  "shown.")
                       .arg(store.describe());
    text[0] = text[0].toUpper();
    return text;
}

bool ConfirmRecordsAvailable(const RecordsStore& store, QWidget* parent)
{
    if (store.isOpen())
        return true;
    Msg::Box(parent, RecordsUnavailableText(store), Msg::Buttons::Ok, Msg::Icon::Exclamation,
             QStringLiteral("Saved Records"));
    return false;
}

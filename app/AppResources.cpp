#include "app/AppResources.h"

// Q_INIT_RESOURCE declares a function of the global namespace, so it is called from here.
static void RegisterBrackmereResources()
{
    Q_INIT_RESOURCE(brackmere);
}

namespace AppResources {

void EnsureLoaded()
{
    static const bool registered = (RegisterBrackmereResources(), true);
    Q_UNUSED(registered);
}

QIcon ProgramIcon()
{
    EnsureLoaded();
    return QIcon(QString::fromLatin1(ProgramIconPath));
}

QPixmap AboutPicture()
{
    EnsureLoaded();
    return QPixmap(QString::fromLatin1(AboutPicturePath));
}

}  // namespace AppResources

#include "records/LoginName.h"

#include <pwd.h>
#include <unistd.h>

QString LoginName()
{
    if (const passwd* user = getpwuid(geteuid()))
        return QString::fromLocal8Bit(user->pw_name);
    return qEnvironmentVariable("USER");
}

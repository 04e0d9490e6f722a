#include "ui/WindowFont.h"

#include <QFontDatabase>

QFont WindowFont()
{
    // A family the system does not know is matched to whatever fontconfig has, possibly a
    // monospaced face; so the stand-in is named outright. The install scripts provide it.
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                                      ? QStringLiteral("MS Sans Serif")
                                      : QStringLiteral("Liberation Sans");
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

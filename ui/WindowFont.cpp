#include "ui/WindowFont.h"

#include <QStringList>

QFont WindowFont()
{
    static const bool substituted = [] {
        const QStringList standIns{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                   QStringLiteral("DejaVu Sans")};
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), standIns);
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

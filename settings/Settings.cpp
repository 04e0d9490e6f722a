#include "settings/Settings.h"

#include <QSettings>

namespace Settings {
namespace {

QSettings Store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Brackmere"),
                     QStringLiteral("Brackmere"));
}

const QString UnitsKey = QStringLiteral("window/units");

}  // namespace

UnitSystem Units()
{
    return Units::FromCode(Store().value(UnitsKey, QStringLiteral("US")).toString().toStdString());
}

void SetUnits(UnitSystem units)
{
    Store().setValue(UnitsKey, QString::fromUtf8(Units::Code(units).data(), qsizetype(Units::Code(units).size())));
}

}  // namespace Settings

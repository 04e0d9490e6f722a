#include "ui/UnitCaptions.h"

#include <QCoreApplication>

#include "calc/NumberWriting.h"
#include "ui/CoreTexts.h"
#include "ui/LocalNumbers.h"
#include "ui/QtText.h"

namespace UnitCaptions {

QString Symbol(Quantity quantity, UnitSystem units)
{
    return Q(Units::Symbol(quantity, units));
}

QString InputUnit(Input input, UnitSystem units)
{
    return Symbol(QuantityOf(input), units);
}

QString InputCaption(Input input, UnitSystem units)
{
    return QStringLiteral("%1 (%2)").arg(CoreText(ReadingNames[input].caption), InputUnit(input, units));
}

QString Limit(float limit)
{
    return LocalNumbers::Shown(NumberFormat::General(limit));
}

QString RateFrameTitle(UnitSystem units)
{
    return QCoreApplication::translate("UnitCaptions", "Rate of Evaporation (%1)").arg(Symbol(Quantity::Rate, units));
}

QString ScenarioHeading(Input input, UnitSystem units)
{
    return QStringLiteral("%1 (%2)").arg(Q(ReadingNames[input].symbol), InputUnit(input, units));
}

QString ScenarioRateHeading(UnitSystem units)
{
    return QCoreApplication::translate("UnitCaptions", "Evap (%1)").arg(Symbol(Quantity::Rate, units));
}

QString DefaultRateOption(UnitSystem units)
{
    return QCoreApplication::translate("UnitCaptions", "Use default rate of %1 %2")
        .arg(LocalNumbers::Shown(ThresholdsOf(units).shallText), Symbol(Quantity::Rate, units));
}

QString ScenarioTitle(std::string_view rate, UnitSystem units)
{
    return QCoreApplication::translate("UnitCaptions", "Variation Scenarios to Get Evaporation Rate of %1 %2")
        .arg(LocalNumbers::Shown(rate), Symbol(Quantity::Rate, units));
}

QString Equation(UnitSystem units)
{
    return Q(SystemOf(units).equation);
}

}  // namespace UnitCaptions

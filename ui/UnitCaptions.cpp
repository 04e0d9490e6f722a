#include "ui/UnitCaptions.h"

#include "calc/NumberWriting.h"
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
    return QStringLiteral("%1 (%2)").arg(Q(ReadingNames[input].caption), InputUnit(input, units));
}

QString Limit(float limit)
{
    return Q(NumberFormat::General(limit));
}

QString RateFrameTitle(UnitSystem units)
{
    return QStringLiteral("Rate of Evaporation (%1)").arg(Symbol(Quantity::Rate, units));
}

QString ScenarioHeading(Input input, UnitSystem units)
{
    return QStringLiteral("%1 (%2)").arg(Q(ReadingNames[input].symbol), InputUnit(input, units));
}

QString ScenarioRateHeading(UnitSystem units)
{
    return QStringLiteral("Evap (%1)").arg(Symbol(Quantity::Rate, units));
}

QString DefaultRateOption(UnitSystem units)
{
    return QStringLiteral("Use default rate of %1 %2")
        .arg(Q(ThresholdsOf(units).shallText), Symbol(Quantity::Rate, units));
}

QString Equation(UnitSystem units)
{
    return Q(SystemOf(units).equation);
}

}  // namespace UnitCaptions

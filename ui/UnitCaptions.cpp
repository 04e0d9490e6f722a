#include "ui/UnitCaptions.h"

#include "calc/NumberWriting.h"
#include "calc/Thresholds.h"

namespace UnitCaptions {

QString Unit(std::string_view unit)
{
    return QString::fromUtf8(unit.data(), qsizetype(unit.size()));
}

QString TemperatureUnit(UnitSystem units)
{
    return Unit(Units::TemperatureUnit(units));
}

QString WindUnit(UnitSystem units)
{
    return Unit(Units::WindUnit(units));
}

QString RateUnit(UnitSystem units)
{
    return Unit(Units::RateUnit(units));
}

QString InputUnit(Input input, UnitSystem units)
{
    switch (input) {
    case Input::AirTemp:
    case Input::ConcreteTemp: return TemperatureUnit(units);
    case Input::RelativeHumidity: return QStringLiteral("%");
    case Input::WindVelocity: break;
    }
    return WindUnit(units);
}

QString InputCaption(Input input, UnitSystem units)
{
    static const QString names[] = {QStringLiteral("Air Temperature"), QStringLiteral("Relative Humidity"),
                                    QStringLiteral("Concrete Temperature"), QStringLiteral("Wind Velocity")};
    return QStringLiteral("%1 (%2)").arg(names[static_cast<int>(input)], InputUnit(input, units));
}

QString Limit(float limit)
{
    return QString::fromStdString(NumberFormat::General(limit));
}

QString RateFrameTitle(UnitSystem units)
{
    return QStringLiteral("Rate of Evaporation (%1)").arg(RateUnit(units));
}

QString ScenarioHeading(Input input, UnitSystem units)
{
    static const QString symbols[] = {QStringLiteral("Ta"), QStringLiteral("RH"), QStringLiteral("Tc"),
                                      QStringLiteral("V")};
    return QStringLiteral("%1 (%2)").arg(symbols[static_cast<int>(input)], InputUnit(input, units));
}

QString ScenarioRateHeading(UnitSystem units)
{
    return QStringLiteral("Evap (%1)").arg(RateUnit(units));
}

QString ScenarioTitle(const QString& rate, UnitSystem units)
{
    return QStringLiteral("Variation Scenarios to Get Evaporation Rate of ") + rate + u' ' + RateUnit(units);
}

QString DefaultRateOption(UnitSystem units)
{
    return QStringLiteral("Use default rate of %1 %2").arg(Unit(ThresholdsOf(units).shallText), RateUnit(units));
}

QString Equation(UnitSystem units)
{
    if (units == UnitSystem::SI)
        return QStringLiteral("E = 5.275 × ([Tc + 17.78]^2.5 − RH/100 × [Ta + 17.78]^2.5) × (V + 4.023) × 10^-6 "
                              "(kg/m²/hr; °C, km/h)");
    return QStringLiteral("RateACI = (ConcreteTemp ^ 2.5 - RelativeHumidity / 100 * AirTemp ^ 2.5) * "
                          "(1 + 0.4 * WindVelocity) * 10 ^ -6");
}

}  // namespace UnitCaptions

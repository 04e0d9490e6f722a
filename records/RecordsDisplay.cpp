#include "records/RecordsDisplay.h"

#include "calc/Calculation.h"
#include "ui/QtText.h"

namespace RecordsDisplay {
namespace {

std::optional<UnitSystem> SystemShown(ShowUnits shown)
{
    switch (shown) {
    case ShowUnits::US: return UnitSystem::US;
    case ShowUnits::SI: return UnitSystem::SI;
    case ShowUnits::AsSaved: break;
    }
    return std::nullopt;
}

QString Symbol(Quantity quantity, UnitSystem units)
{
    return Q(Units::Symbol(quantity, units));
}

}  // namespace

QString ChoiceText(ShowUnits shown)
{
    const std::optional<UnitSystem> units = SystemShown(shown);
    return units ? Q(Units::Code(*units)) : QStringLiteral("As saved");
}

ShowUnits ShownIn(UnitSystem units)
{
    return units == UnitSystem::SI ? ShowUnits::SI : ShowUnits::US;
}

std::optional<Quantity> QuantityOf(RecordsSchema::Kind kind)
{
    switch (kind) {
    case RecordsSchema::Kind::Temperature: return Quantity::Temperature;
    case RecordsSchema::Kind::Humidity: return Quantity::Humidity;
    case RecordsSchema::Kind::Wind: return Quantity::Wind;
    case RecordsSchema::Kind::Rate: return Quantity::Rate;
    default: break;
    }
    return std::nullopt;
}

QString Heading(const QString& name, ShowUnits shown)
{
    const RecordsSchema::Column* column = RecordsSchema::Find(name);
    const std::optional<Quantity> quantity = column ? QuantityOf(column->kind) : std::nullopt;
    const std::optional<UnitSystem> units = SystemShown(shown);
    if (!quantity || !units)
        return name;
    return QStringLiteral("%1 (%2)").arg(name, Symbol(*quantity, *units));
}

QString Exported(RecordsSchema::Kind kind, const QString& stored, UnitSystem saved, ShowUnits shown)
{
    const std::optional<UnitSystem> units = SystemShown(shown);
    if (!units || *units == saved)
        return stored;
    if (kind == RecordsSchema::Kind::Units)
        return Q(Units::Code(*units));
    switch (QuantityOf(kind).value_or(Quantity::Humidity)) {
    case Quantity::Temperature: return Q(ConvertReadingText(Input::AirTemp, Std(stored.trimmed()), saved, *units));
    case Quantity::Wind: return Q(ConvertReadingText(Input::WindVelocity, Std(stored.trimmed()), saved, *units));
    case Quantity::Rate: return Q(ConvertRateText(Std(stored.trimmed()), saved, *units));
    case Quantity::Humidity: break;
    }
    return stored;
}

QString Shown(RecordsSchema::Kind kind, const QString& stored, UnitSystem saved, ShowUnits shown)
{
    const std::optional<Quantity> quantity = QuantityOf(kind);
    if (shown != ShowUnits::AsSaved || !quantity || stored.trimmed().isEmpty())
        return Exported(kind, stored, saved, shown);
    return stored + u' ' + Symbol(*quantity, saved);
}

bool ShownAsStored(RecordsSchema::Kind kind, UnitSystem saved, ShowUnits shown)
{
    const std::optional<UnitSystem> units = SystemShown(shown);
    return !units || *units == saved || (kind != RecordsSchema::Kind::Units && !QuantityOf(kind))
           || kind == RecordsSchema::Kind::Humidity;
}

double InModelUnits(RecordsSchema::Kind kind, double value, UnitSystem saved)
{
    const std::optional<Quantity> quantity = QuantityOf(kind);
    return quantity ? Units::ToModel(*quantity, value, saved) : value;
}

HeadingParts SplitHeading(const QString& heading)
{
    const QString trimmed = heading.trimmed();
    const qsizetype open = trimmed.lastIndexOf(u'(');
    if (!trimmed.endsWith(u')') || open <= 0)
        return {trimmed, {}};
    return {trimmed.left(open).trimmed(), trimmed.mid(open + 1, trimmed.size() - open - 2).trimmed()};
}

}  // namespace RecordsDisplay

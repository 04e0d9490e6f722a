#include "outlook/sources/SourceUnits.h"

namespace CsvImport {

const Units::Unit* UnitNamed(Quantity quantity, QString unit)
{
    unit = unit.trimmed().toLower().replace(u'º', u'°');
    if (quantity == Quantity::Temperature) {
        unit.remove(u' ').remove(u'°');
        if (unit.startsWith(u"degrees"))
            unit.remove(0, 7);
        else if (unit.startsWith(u"deg"))
            unit.remove(0, 3);
    }
    return Units::Find(quantity, unit.toStdString());
}

SourceUnits NamedUnits(const ColumnUnits& columns)
{
    return {columns.air ? columns.air : columns.concrete, columns.wind};
}

Conversions ConversionsInto(UnitSystem table, const ColumnUnits& columns, const SourceUnits& source)
{
    const UnitSystemTable& shown = SystemOf(table);
    const Units::Unit* temperature = source.temperature ? source.temperature : shown.temperature;
    const Units::Unit* wind = source.wind ? source.wind : shown.wind;
    return {.air = {columns.air ? columns.air : temperature, shown.temperature},
            .concrete = {columns.concrete ? columns.concrete : temperature, shown.temperature},
            .wind = {columns.wind ? columns.wind : wind, shown.wind}};
}

}  // namespace CsvImport

#include "calc/Units.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace Units {

double Unit::ToModel(double value) const
{
    if (factor != divisor)
        value = value * factor / divisor;
    return offset != 0.0 ? value + offset : value;
}

double Unit::FromModel(double model) const
{
    if (offset != 0.0)
        model -= offset;
    return factor != divisor ? model * divisor / factor : model;
}

double Unit::DifferenceToModel(double value) const
{
    return factor != divisor ? value * factor / divisor : value;
}

double Unit::DifferenceFromModel(double model) const
{
    return factor != divisor ? model * divisor / factor : model;
}

const Unit& ModelUnit(Quantity quantity)
{
    for (const Unit* unit : Known()) {
        if (unit->quantity == quantity)
            return *unit;
    }
    return Fahrenheit;
}

namespace {

std::string Folded(std::string_view text)
{
    std::string folded;
    for (char c : text) {
        if (c != ' ' && c != '\t')
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return folded;
}

}  // namespace

const Unit* Find(Quantity quantity, std::string_view spelling)
{
    const std::string wanted = Folded(spelling);
    if (wanted.empty())
        return nullptr;
    for (const Unit* unit : Known()) {
        if (unit->quantity != quantity)
            continue;
        if (Folded(unit->symbol) == wanted)
            return unit;
        for (std::string_view other : unit->spellings) {
            if (!other.empty() && Folded(other) == wanted)
                return unit;
        }
    }
    return nullptr;
}

double Convert(double value, const Unit& from, const Unit& to)
{
    return &from == &to ? value : to.FromModel(from.ToModel(value));
}

}  // namespace Units

#include "calc/UnitSystems.h"

UnitSystem Units::FromCode(std::string_view code)
{
    for (const UnitSystemTable* table : UnitSystems::All) {
        if (table->code == code)
            return table->system;
    }
    return UnitSystem::US;
}

std::optional<UnitSystem> Units::SystemNamed(std::string_view name)
{
    for (const UnitSystemTable* table : UnitSystems::All) {
        if (Folded(table->code) == Folded(name))
            return table->system;
    }
    return std::nullopt;
}

std::optional<MixPreset> PresetCoded(std::string_view code)
{
    for (const MixPresetEntry& entry : MixPresets) {
        if (entry.code == code)
            return entry.preset;
    }
    return std::nullopt;
}

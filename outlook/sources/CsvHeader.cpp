#include "outlook/sources/CsvHeader.h"

#include <algorithm>
#include <array>

namespace CsvImport {
namespace {

enum class Role { Stamp, Date, Clock, Air, Humidity, Wind, Concrete };
constexpr std::size_t kRoleCount = static_cast<std::size_t>(Role::Concrete) + 1;

struct KnownName {
    const char* name;  // lower case, without blanks, underscores and dots
    Role role;
};

constexpr std::array kKnownNames{
    KnownName{"datetime", Role::Stamp},
    KnownName{"date/time", Role::Stamp},
    KnownName{"timestamp", Role::Stamp},
    KnownName{"formatteddatetime", Role::Stamp},
    KnownName{"dateandtime", Role::Stamp},
    KnownName{"date", Role::Date},
    KnownName{"time", Role::Clock},
    KnownName{"hour", Role::Clock},
    KnownName{"airtemperature", Role::Air},
    KnownName{"airtemp", Role::Air},
    KnownName{"airtc", Role::Air},
    KnownName{"temperature", Role::Air},
    KnownName{"temp", Role::Air},
    KnownName{"ta", Role::Air},
    KnownName{"air", Role::Air},
    KnownName{"temperature2m", Role::Air},
    KnownName{"t", Role::Air},
    KnownName{"relativehumidity", Role::Humidity},
    KnownName{"rh", Role::Humidity},
    KnownName{"humidity", Role::Humidity},
    KnownName{"relativehumidity2m", Role::Humidity},
    KnownName{"relhum", Role::Humidity},
    KnownName{"wind", Role::Wind},
    KnownName{"windspeed", Role::Wind},
    KnownName{"windvelocity", Role::Wind},
    KnownName{"windspeed10m", Role::Wind},
    KnownName{"v", Role::Wind},
    KnownName{"ws", Role::Wind},
    KnownName{"concretetemperature", Role::Concrete},
    KnownName{"concretetemp", Role::Concrete},
    KnownName{"tc", Role::Concrete},
    KnownName{"concrete", Role::Concrete},
    KnownName{"surfacetemperature", Role::Concrete},
};

// One header field read: the role its name gives the column and the unit it names.
struct HeaderField {
    std::optional<Role> role;  // nothing for a name that is not known
    QString unit;              // lower case; empty when the field names none
};

// Reads "Air Temperature (°F)", "temp [C]", "Temperature, °C", "temp_c", "Wind m/s", "RH%",
// and a data logger's "WS_ms_Avg" (its mean or sample is the reading).
HeaderField ReadHeaderField(const QString& field)
{
    QString name = field.trimmed().toLower().remove(u'%');
    if (name.endsWith(u"_avg") || name.endsWith(u"_smp"))
        name.chop(4);
    QString unit;
    const auto open = std::find_if(name.cbegin(), name.cend(),
                                   [](QChar c) { return c == u'(' || c == u'[' || c == u','; });
    if (open != name.cend()) {
        const qsizetype at = open - name.cbegin();
        unit = name.mid(at + 1).remove(u')').remove(u']').trimmed();
        name.truncate(at);
    } else {
        const qsizetype last = std::max(name.lastIndexOf(u' '), name.lastIndexOf(u'_'));
        const QString tail = name.mid(last + 1);
        if (last > 0 && (UnitNamed(Quantity::Temperature, tail) || UnitNamed(Quantity::Wind, tail))) {
            unit = tail;
            name.truncate(last);
        }
    }
    name.remove(u' ').remove(u'_').remove(u'.');
    for (const KnownName& known : kKnownNames) {
        if (name == QLatin1String(known.name))
            return {known.role, unit};
    }
    return {std::nullopt, unit};
}

}  // namespace

Layout PositionalLayout()
{
    return {.time = {0, {}}, .air = {1, {}}, .humidity = {2, {}}, .wind = {3, {}}, .concrete = {4, {}}};
}

std::optional<Layout> ReadHeader(const QStringList& fields)
{
    std::array<Column, kRoleCount> found;  // by Role
    std::array<QString, kRoleCount> units;
    int known = 0;
    for (int i = 0; i < fields.size(); ++i) {
        const HeaderField field = ReadHeaderField(fields[i]);
        if (!field.role)
            continue;
        const auto role = static_cast<std::size_t>(*field.role);
        if (found[role].present())
            continue;
        found[role] = {i, fields[i].trimmed()};
        units[role] = field.unit;
        ++known;
    }
    if (known == 0)
        return std::nullopt;
    const auto at = [](Role role) { return static_cast<std::size_t>(role); };
    Layout layout{.air = found[at(Role::Air)],
                  .humidity = found[at(Role::Humidity)],
                  .wind = found[at(Role::Wind)],
                  .concrete = found[at(Role::Concrete)],
                  .units = {.air = UnitNamed(Quantity::Temperature, units[at(Role::Air)]),
                            .concrete = UnitNamed(Quantity::Temperature, units[at(Role::Concrete)]),
                            .wind = UnitNamed(Quantity::Wind, units[at(Role::Wind)])},
                  .knownColumns = known};
    const Column& date = found[at(Role::Date)];
    const Column& clock = found[at(Role::Clock)];
    if (found[at(Role::Stamp)].present()) {
        layout.time = found[at(Role::Stamp)];
    } else if (date.present() && clock.present()) {
        layout.time = date;
        layout.clock = clock;
    } else {
        layout.time = date.present() ? date : clock;
    }
    return layout;
}

QString MissingColumn(const Layout& layout)
{
    if (!layout.time.present())
        return QStringLiteral("time");
    if (!layout.air.present())
        return QStringLiteral("air-temperature");
    if (!layout.humidity.present())
        return QStringLiteral("relative-humidity");
    if (!layout.wind.present())
        return QStringLiteral("wind");
    return {};
}

}  // namespace CsvImport

#pragma once

#include <QString>
#include <optional>

#include "calc/UnitSystems.h"
#include "records/RecordsSchema.h"

// Which units the viewer shows readings and rates in: all in one system, converted for
// showing, sorting, copying and exporting only (what is stored never changes), or each
// record in the system it was saved in, its unit beside each value.
enum class ShowUnits { US, SI, AsSaved };

namespace RecordsDisplay {

// "US", "SI", "As saved": the viewer's choices, in this order.
QString ChoiceText(ShowUnits shown);
ShowUnits ShownIn(UnitSystem units);

// The quantity a column's values measure; none for a column without a unit.
std::optional<Quantity> QuantityOf(RecordsSchema::Kind kind);

// The heading of a column: "AirTemp (°F)", "RH (%)" while one system is shown, the name
// alone otherwise and for a column without a unit.
QString Heading(const QString& name, ShowUnits shown);

// A stored value of a row saved in `saved` as it is exported and copied: converted to the
// system shown, or as stored. The Units column says the system of the values beside it.
QString Exported(RecordsSchema::Kind kind, const QString& stored, UnitSystem saved, ShowUnits shown);
// As the grid shows it: exported, and while records are shown as saved, with the unit.
QString Shown(RecordsSchema::Kind kind, const QString& stored, UnitSystem saved, ShowUnits shown);

// Whether a stored value is shown as it is stored, so that editing it edits what is seen.
bool ShownAsStored(RecordsSchema::Kind kind, UnitSystem saved, ShowUnits shown);

// A stored number of a row saved in `saved` in the model's units, for sorting records of
// both systems in one order.
double InModelUnits(RecordsSchema::Kind kind, double value, UnitSystem saved);

// A heading split into the column's name and the unit in brackets after it ("AirTemp",
// "°F"); the unit is empty for a heading without one.
struct HeadingParts {
    QString name;
    QString unit;
};
HeadingParts SplitHeading(const QString& heading);

}  // namespace RecordsDisplay

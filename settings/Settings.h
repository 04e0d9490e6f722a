#pragma once

#include "calc/Units.h"

// What the program remembers between runs, each setting with its default, in one
// place. Stored per user (an INI file in the user's configuration folder).
namespace Settings {

// The unit system the window shows; US customary by default.
UnitSystem Units();
void SetUnits(UnitSystem units);

}  // namespace Settings

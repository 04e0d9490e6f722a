#pragma once

#include <optional>
#include <string_view>

#include "calc/InputSet.h"

// Where an input's scroll bar stands for the text in its box: the reading rounded
// to a whole number, a half going to the even neighbour (40.5 -> 40, 41.5 -> 42),
// kept on the whole units inside the range, or nothing when the bar is to be hidden
// (empty text, or a reading outside the range).
std::optional<int> ScrollBarValueFor(std::string_view text, InputRange range);

// True for a reading in the range that rounds beyond its whole units (4.4 °C when the
// bar starts at 5): the bar stands at the nearest whole unit, but that unit is not the
// reading and must not be written back over it.
bool LiesBeyondWholeUnits(std::string_view text, InputRange range);

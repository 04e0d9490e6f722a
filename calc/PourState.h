#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "calc/RateBand.h"

// How a planned pour's hours stand against the threshold in force, the worst of its hours:
// at risk when an hour's rate is above the threshold (measures needed, as the calculator
// says), borderline when none is but an hour's band reaches above it (calc/RateBand.h), and
// clear otherwise.
enum class PourState { Clear, Borderline, AtRisk };

struct PourStateEntry {
    PourState state;
    std::string_view code;  // as the watch's JSON and the remembered states write it
    std::string_view name;  // in a sentence
};

inline constexpr std::array<PourStateEntry, 3> PourStates{{
    {PourState::Clear, "clear", "clear"},
    {PourState::Borderline, "borderline", "borderline"},
    {PourState::AtRisk, "at-risk", "at risk"},
}};

constexpr const PourStateEntry& EntryOf(PourState state)
{
    return PourStates[static_cast<std::size_t>(state)];
}

constexpr std::optional<PourState> PourStateCoded(std::string_view code)
{
    for (const PourStateEntry& entry : PourStates) {
        if (entry.code == code)
            return entry.state;
    }
    return std::nullopt;
}

// One hour's state from its rate and the threshold, both in the same unit.
constexpr PourState HourState(double rate, double threshold)
{
    if (rate > threshold)
        return PourState::AtRisk;
    return IsBorderline(rate, threshold) ? PourState::Borderline : PourState::Clear;
}

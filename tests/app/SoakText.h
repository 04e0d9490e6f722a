#pragma once

#include <QString>

#include <cstdint>
#include <string>

#include "calc/InputSet.h"

// A small deterministic random source: the same seed gives the same run on every
// machine and standard library (no std:: distributions, whose output may differ).
class SoakRandom {
public:
    explicit SoakRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next();
    int Below(int bound);                // 0 .. bound - 1
    int Between(int low, int high);      // low .. high inclusive
    bool Chance(int percent);

    template <typename Container>
    const auto& Pick(const Container& items)
    {
        return items[static_cast<std::size_t>(Below(static_cast<int>(std::size(items))))];
    }

private:
    std::uint64_t state_;
};

// The texts a soak types or pastes into the window's boxes.
namespace SoakText {

// A number inside the range with up to four decimals.
QString InRange(SoakRandom& random, InputRange range);

// Short texts for typing key by key: numbers near the limits, numbers in the
// box's range, odd number syntax, letters, blanks, a few control keys (Latin-1 only,
// as a key press carries it).
QString Typed(SoakRandom& random, InputRange range);

// Anything: all of the above, non-ASCII and control characters, lone surrogates,
// and long texts up to 10,000 characters (some of which still read as a valid number).
QString Pasted(SoakRandom& random, InputRange range);

// A text made safe and short for a failure message: control characters escaped,
// long texts cut, with the length given.
std::string Describe(const QString& text);

}  // namespace SoakText

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "calc/Units.h"

// The four site readings, always in this order: the window's rows, the scenario tables'
// rows and columns, and every list of four readings.
enum class Input { AirTemp, RelativeHumidity, ConcreteTemp, WindVelocity };
inline constexpr std::array<Input, 4> AllInputs{Input::AirTemp, Input::RelativeHumidity, Input::ConcreteTemp,
                                                Input::WindVelocity};

constexpr Quantity QuantityOf(Input input)
{
    switch (input) {
    case Input::AirTemp:
    case Input::ConcreteTemp: return Quantity::Temperature;
    case Input::RelativeHumidity: return Quantity::Humidity;
    case Input::WindVelocity: break;
    }
    return Quantity::Wind;
}

// Something for each of the four readings, by name, so a shifted value cannot go unseen.
template <class T>
struct ReadingsOf {
    T air{};
    T humidity{};
    T concrete{};
    T wind{};

    constexpr T& operator[](Input input) { return *Member(*this, input); }
    constexpr const T& operator[](Input input) const { return *Member(*this, input); }
    friend bool operator==(const ReadingsOf&, const ReadingsOf&) = default;

private:
    template <class Self>
    static constexpr auto Member(Self& self, Input input)
    {
        switch (input) {
        case Input::AirTemp: return &self.air;
        case Input::RelativeHumidity: return &self.humidity;
        case Input::ConcreteTemp: return &self.concrete;
        case Input::WindVelocity: break;
        }
        return &self.wind;
    }
};

// The four readings as typed or as a source wrote them.
using Readings = ReadingsOf<std::string>;

// How the window names each reading: its caption, the scenario tables' column symbol,
// and the name in a sentence.
struct ReadingName {
    std::string_view caption;
    std::string_view symbol;
    std::string_view inSentence;
};
inline constexpr ReadingsOf<ReadingName> ReadingNames{{"Air Temperature", "Ta", "air temperature"},
                                                      {"Relative Humidity", "RH", "relative humidity"},
                                                      {"Concrete Temperature", "Tc", "concrete temperature"},
                                                      {"Wind Velocity", "V", "wind velocity"}};

#pragma once

#include <array>
#include <string>

#include "calc/InputSet.h"

// Variation scenarios: for each input in turn, the value that makes the ACI
// equation reach a threshold rate while the other three stay fixed. Closed form.

enum class ScenarioRow { AirTemp = 0, RelativeHumidity = 1, ConcreteTemp = 2, WindVelocity = 3 };

struct ScenarioOutcome {
    bool failed = false;          // the arithmetic failed: shown as "#Num!"
    float value = 0.0f;           // the solved input, single precision
    bool outsideLimits = false;   // found but outside the input's valid range
    std::string text() const;     // "#Num!" or the value with one decimal
};

// Rows in the order air temperature, relative humidity, concrete temperature, wind velocity.
std::array<ScenarioOutcome, 4> SolveScenarios(const InputSet& inputs, float threshold);

#pragma once

#include <optional>
#include <string>

#include "calc/Calculation.h"

// How much cooler the concrete must be: the concrete temperature at which the ACI
// equation gives a threshold rate, the air temperature, humidity and wind held. It is the
// varied concrete cell of a scenario table, solved on its own for anyone who needs only it.

// `model` holds the readings in the model's units; `threshold` and the answer are in the
// units of `units`. None when the arithmetic fails or the temperature lies outside that
// system's concrete range (no temperature in range gives the threshold).
std::optional<float> ConcreteAtMost(const InputSet& model, float threshold, UnitSystem units);

// The same for a calculation and its threshold in force; none for an invalid one.
std::optional<float> ConcreteAtMost(const Calculation& calculation);

// The temperature as a crew is told it: rounded down to a whole degree, so that "or below"
// holds ("81"), for a column headed by the unit; and with its unit ("81 °F").
std::string ConcreteAtMostFigure(float temperature);
std::string ConcreteAtMostText(float temperature, UnitSystem units);

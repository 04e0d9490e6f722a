#pragma once

#include <array>

// The evaporation nomograph as numbers: the ten relative-humidity curves, the
// concrete-temperature intercept, the wind-line end ordinate, the interpolation
// that joins them and the ACI equation. Pure functions; no range checks.
// Each rounds its double-precision result to single precision once, on return.
namespace CuringSupp {

float CurveRH10(float AirTemp);
float CurveRH20(float AirTemp);
float CurveRH30(float AirTemp);
float CurveRH40(float AirTemp);
float CurveRH50(float AirTemp);
float CurveRH60(float AirTemp);
float CurveRH70(float AirTemp);
float CurveRH80(float AirTemp);
float CurveRH90(float AirTemp);
float CurveRH100(float AirTemp);

using CurveFunction = float (*)(float);
// CurveRH10 ... CurveRH100, in rising humidity.
extern const std::array<CurveFunction, 10> HumidityCurves;

// d - (b - e) / (b - a) * (d - c): c at e = a, d at e = b, straight between and beyond.
float Interpolate(float a, float b, float c, float d, float e);

float FindYInterceptConcTemp(float ConcreteTemp);
float FindWindEndOrinate(float WindVelocity);

// Slopes of the concrete-temperature line at 40, 50, ..., 100 degrees F.
extern const std::array<float, 7> ConcTempSlopeTable;

// The ACI equation, unclamped (negative when the concrete is cooler than the
// air's vapour content allows).
float RateByEquation(float AirTemp, float RelativeHumidity, float ConcreteTemp, float WindVelocity);

}  // namespace CuringSupp

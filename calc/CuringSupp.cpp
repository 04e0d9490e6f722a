#include "calc/CuringSupp.h"

#include <cmath>

namespace CuringSupp {

namespace {

// Coefficients of one cubic c3*x^3 + c2*x^2 + c1*x + c0, each the single-precision
// number nearest the published decimal.
struct Cubic {
    float c3;
    float c2;
    float c1;
    float c0;
};

// The humidity curves sum every term in double and round once.
float EvaluateCurve(const Cubic& k, float x)
{
    const double t = x;
    const double square = std::pow(t, 2.0);
    const double cube = std::pow(t, 3.0);
    return static_cast<float>(k.c3 * cube + k.c2 * square + k.c1 * t + k.c0);
}

// The intercept and the wind-line end round their linear part to single precision
// before the higher powers are added; their published values depend on that order.
float EvaluateWithSingleLinearPart(const Cubic& k, float x)
{
    const float product = k.c1 * x;
    const float linear = product + k.c0;
    const double t = x;
    double sum = linear + k.c2 * std::pow(t, 2.0);
    sum = sum + k.c3 * std::pow(t, 3.0);
    return static_cast<float>(sum);
}

constexpr Cubic kRH10{-6.2484395e-07f, 0.0003237789f, -0.022082093f, 0.48038104f};
constexpr Cubic kRH20{-2.5516852e-06f, 0.00090276205f, -0.060990657f, 1.3299189f};
constexpr Cubic kRH30{-2.2178839e-07f, 0.00055532035f, -0.035472141f, 0.8619835f};
constexpr Cubic kRH40{6.1554892e-06f, -0.00051000043f, 0.030212846f, -0.40197467f};
constexpr Cubic kRH50{7.101801e-06f, -0.00055042f, 0.03382274f, -0.39950466f};
constexpr Cubic kRH60{7.616501e-06f, -0.0004780578f, 0.028764058f, -0.2145051f};
constexpr Cubic kRH70{1.2364124e-05f, -0.001266177f, 0.07874261f, -1.1425275f};
constexpr Cubic kRH80{1.3596626e-05f, -0.0013109248f, 0.07924642f, -1.0608317f};
constexpr Cubic kRH90{1.1737057e-05f, -0.00070702265f, 0.037845433f, -0.078541368f};
constexpr Cubic kRH100{1.6042835e-05f, -0.0014840771f, 0.09041554f, -1.046954f};

constexpr Cubic kConcreteIntercept{1.427512e-05f, -0.0012275544f, 0.0860268f, -1.2631495f};
constexpr Cubic kWindLineEnd{1.1688171e-05f, -0.0004240829f, 0.04182535f, 0.098598935f};

}  // namespace

float CurveRH10(float AirTemp) { return EvaluateCurve(kRH10, AirTemp); }
float CurveRH20(float AirTemp) { return EvaluateCurve(kRH20, AirTemp); }
float CurveRH30(float AirTemp) { return EvaluateCurve(kRH30, AirTemp); }
float CurveRH40(float AirTemp) { return EvaluateCurve(kRH40, AirTemp); }
float CurveRH50(float AirTemp) { return EvaluateCurve(kRH50, AirTemp); }
float CurveRH60(float AirTemp) { return EvaluateCurve(kRH60, AirTemp); }
float CurveRH70(float AirTemp) { return EvaluateCurve(kRH70, AirTemp); }
float CurveRH80(float AirTemp) { return EvaluateCurve(kRH80, AirTemp); }
float CurveRH90(float AirTemp) { return EvaluateCurve(kRH90, AirTemp); }
float CurveRH100(float AirTemp) { return EvaluateCurve(kRH100, AirTemp); }

const std::array<CurveFunction, 10> HumidityCurves{CurveRH10, CurveRH20, CurveRH30, CurveRH40,
                                                   CurveRH50, CurveRH60, CurveRH70, CurveRH80,
                                                   CurveRH90, CurveRH100};

float Interpolate(float a, float b, float c, float d, float e)
{
    const double fraction = (static_cast<double>(b) - e) / (static_cast<double>(b) - a);
    return static_cast<float>(d - fraction * (static_cast<double>(d) - c));
}

float FindYInterceptConcTemp(float ConcreteTemp)
{
    return EvaluateWithSingleLinearPart(kConcreteIntercept, ConcreteTemp);
}

float FindWindEndOrinate(float WindVelocity)
{
    return EvaluateWithSingleLinearPart(kWindLineEnd, WindVelocity);
}

const std::array<float, 7> ConcTempSlopeTable{-1.172713605f, -1.173598461f, -1.151864876f,
                                              -1.172139027f, -1.114975361f, -1.138334895f,
                                              -1.123662263f};

float RateByEquation(float AirTemp, float RelativeHumidity, float ConcreteTemp, float WindVelocity)
{
    const double concretePower = std::pow(static_cast<double>(ConcreteTemp), 2.5);
    const double airPower = std::pow(static_cast<double>(AirTemp), 2.5);
    const double humidity = static_cast<double>(RelativeHumidity) / 100.0;
    const double vapourDifference = concretePower - humidity * airPower;
    const double windFactor = WindVelocity * 0.4 + 1.0;
    return static_cast<float>((vapourDifference * windFactor) * std::pow(10.0, -6.0));
}

}  // namespace CuringSupp

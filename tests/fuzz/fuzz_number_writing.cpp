// Every number writing format on any double (NaN, infinities and subnormals
// included), on binary fractions whose exact halves test the rounding, and on
// arbitrary texts for "#.###" applied to a text. Each written text must:
// - have its format's shape (digits, point, decimals, padding, no minus on a zero);
// - read back, through the program's number reading, within the format's precision
//   (half a unit in the last decimal; half a unit in the last significant digit for
//   the general form, which uses an exponent exactly outside 0.0001 to 10^digits);
// - for a binary fraction, hold exactly the scaled value rounded half to even;
// - for infinities and NaN, be "Infinity", "-Infinity" or "NaN".

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/Single.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using Fuzz::Quoted;
using Fuzz::Require;
using Fuzz::Show;

struct FixedFormat {
    const char* name;
    std::string (*write)(double);
    int decimals;
    std::size_t minIntegerDigits;
    bool blankZero;  // "#" writes no digit at all for a zero
};

const FixedFormat kFixedFormats[] = {
    {"#0.000", NumberFormat::Rate, 3, 1, false},      {"#0.0", NumberFormat::ScenarioValue, 1, 1, false},
    {"0.0", NumberFormat::OneDecimal, 1, 1, false},   {"00", NumberFormat::TwoDigits, 0, 2, false},
    {"#0", NumberFormat::WholeNumber, 0, 1, false},   {"#", NumberFormat::Digits, 0, 0, true},
};

struct Value {
    double v = 0.0;
    bool binaryFraction = false;  // n / 2^k: scaled by 10^decimals it stays exact
};

template <typename Number>
Number FromRawBits(FuzzedDataProvider& provider)
{
    std::vector<std::uint8_t> bytes = provider.ConsumeBytes<std::uint8_t>(sizeof(Number));
    bytes.resize(sizeof(Number));
    Number n;
    std::memcpy(&n, bytes.data(), sizeof(Number));
    return n;
}

// The provider takes the mode and flags from the end of the input and the raw bytes
// from its start. A seed in raw-bits mode is therefore laid out as: 8 bytes of the
// double (little-endian), 4 bytes of the single, the text for "#.###", then the byte 1
// (take the single from its bits) and the byte 0 (raw-bits mode).
Value ConsumeValue(FuzzedDataProvider& provider)
{
    switch (provider.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return {FromRawBits<double>(provider), false};
    case 1:
        return {provider.ConsumeFloatingPointInRange(-2000.0, 2000.0), false};
    default: {
        const auto numerator = provider.ConsumeIntegralInRange<std::int32_t>(-(1 << 30), 1 << 30);
        const int halvings = provider.ConsumeIntegralInRange(0, 12);
        return {std::ldexp(static_cast<double>(numerator), -halvings), true};
    }
    }
}

// The digits of a fixed text as one integer: the value times 10^decimals.
double ScaledDigits(const Fuzz::FixedText& parts)
{
    const std::string digits = parts.integerDigits + parts.decimals;
    const double magnitude = digits.empty() ? 0.0 : std::strtod(digits.c_str(), nullptr);
    return parts.negative ? -magnitude : magnitude;
}

void CheckFixed(const FixedFormat& format, const Value& value)
{
    const double v = value.v;
    const std::string text = format.write(v);
    const auto describe = [&] { return std::string(format.name) + " of " + Show(v) + " wrote " + Quoted(text); };
    if (!std::isfinite(v)) {
        Require(text == Fuzz::NonFiniteText(v), "infinities and NaN are written by name", describe);
        return;
    }
    const bool blank = format.blankZero && text.empty();
    Require(blank || Fuzz::HasFixedShape(text, format.decimals, std::max<std::size_t>(format.minIntegerDigits, 1)),
            "a fixed format writes its shape", describe);
    const Fuzz::FixedText parts = *Fuzz::SplitFixed(text);
    Require(!(format.blankZero && !blank && parts.allZero()), "\"#\" writes no digit for a zero", describe);
    Require(parts.allZero() || parts.negative == (v < 0), "a written number keeps its sign", describe);

    const double read = ReadNumber(text);
    Require(std::fabs(read - v) <= Fuzz::FixedTolerance(v, format.decimals),
            "a fixed text reads back within half a unit of its last decimal",
            [&] { return describe() + ", read back " + Show(read); });

    if (value.binaryFraction) {
        const double scaled = v * std::pow(10.0, format.decimals);
        const double expected = std::nearbyint(scaled);
        Require(ScaledDigits(parts) == expected, "a fixed format rounds exactly, a half to the even neighbour",
                [&] { return describe() + ", expected the digits " + Show(expected); });
    }
}

void CheckCompact(double v)
{
    const std::string text = NumberFormat::Compact(v);
    const auto describe = [&] { return "#.### of " + Show(v) + " wrote " + Quoted(text); };
    if (!std::isfinite(v)) {
        Require(text == Fuzz::NonFiniteText(v), "infinities and NaN are written by name", describe);
        return;
    }
    const std::optional<Fuzz::FixedText> parts = Fuzz::SplitFixed(text);
    Require(parts && parts->point && parts->decimals.size() <= 3
                && (parts->decimals.empty() || parts->decimals.back() != '0')
                && (parts->integerDigits.empty() || parts->integerDigits.front() != '0')
                && !(parts->negative && parts->allZero()),
            "#.### keeps the point, drops leading and trailing zeros", describe);
    const double read = ReadNumber(text);
    Require(std::fabs(read - v) <= Fuzz::FixedTolerance(v, 3),
            "#.### reads back within half a unit of its third decimal",
            [&] { return describe() + ", read back " + Show(read); });
    const double rateRead = ReadNumber(NumberFormat::Rate(v));
    Require(read == rateRead, "#.### rounds as #0.000 does",
            [&] { return describe() + ", #0.000 reads " + Show(rateRead); });
}

void CheckCompactText(const std::string& text)
{
    const std::string written = NumberFormat::CompactText(text);
    const auto describe = [&] { return "#.### of the text " + Quoted(text) + " wrote " + Quoted(written); };
    if (!IsNumericText(text)) {
        Require(written == text, "#.### leaves a text that is not a number unchanged", describe);
        return;
    }
    Require(written == NumberFormat::Compact(ReadNumber(text)), "#.### writes a numeric text as its number",
            describe);
}

// The general form: at most `significant` significant digits, no trailing zeros, and an
// exponent ("E+07", "E-05") exactly when the rounded magnitude is 10^significant or more,
// or below 0.0001.
void CheckGeneral(double v, const std::string& text, int significant, const char* name)
{
    const auto describe = [&] { return std::string(name) + " of " + Show(v) + " wrote " + Quoted(text); };
    if (!std::isfinite(v)) {
        Require(text == Fuzz::NonFiniteText(v), "infinities and NaN are written by name", describe);
        return;
    }
    if (v == 0) {
        Require(text == "0", "a zero is written 0", describe);
        return;
    }
    const std::size_t e = text.find('E');
    const std::string mantissa = text.substr(0, e);
    const std::optional<Fuzz::FixedText> parts = Fuzz::SplitFixed(mantissa);
    bool shaped = parts && !parts->integerDigits.empty() && (parts->negative == (v < 0))
        && (!parts->point || (!parts->decimals.empty() && parts->decimals.back() != '0'))
        && (parts->integerDigits.size() == 1 || parts->integerDigits.front() != '0');
    if (shaped && e != std::string::npos) {
        const std::string exponent = text.substr(e + 1);
        shaped = parts->integerDigits.size() == 1 && parts->integerDigits != "0" && exponent.size() >= 3
            && (exponent[0] == '+' || exponent[0] == '-')
            && exponent.find_first_not_of("0123456789", 1) == std::string::npos;
    }
    Require(shaped, "the general form writes digits, an optional point and an optional exponent", describe);

    const std::string digits = parts->integerDigits + parts->decimals;
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    Require(firstSignificant != std::string::npos
                && digits.size() - firstSignificant <= static_cast<std::size_t>(significant),
            "the general form writes no more significant digits than its precision", describe);

    const double read = ReadNumber(text);
    // Half a unit in the last significant digit, plus the rounding of the reading to a double.
    const double allowed = std::fabs(v) * (5.0 * std::pow(10.0, -significant) * (1.0 + 1e-9) + 0x1p-52)
        + std::numeric_limits<double>::denorm_min();
    // Next to the largest double the rounded digits can lie beyond the double range,
    // and such a text reads as an infinity.
    const double nearLargest = std::numeric_limits<double>::max() * (1.0 - 5.0 * std::pow(10.0, -significant));
    const bool roundedBeyondDoubles = std::isinf(read) && std::fabs(v) >= nearLargest;
    Require(std::fabs(read - v) <= allowed || roundedBeyondDoubles,
            "the general form reads back within its precision",
            [&] { return describe() + ", read back " + Show(read); });
    const bool exponentExpected = std::fabs(read) >= std::pow(10.0, significant) || std::fabs(read) < 1e-4;
    Require((e != std::string::npos) == exponentExpected,
            "the general form uses an exponent only for very large or very small magnitudes", describe);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const Value value = ConsumeValue(provider);
    const float single = provider.ConsumeBool() ? FromRawBits<float>(provider) : ToSingle(value.v);

    for (const FixedFormat& format : kFixedFormats)
        CheckFixed(format, value);
    CheckCompact(value.v);
    CheckGeneral(value.v, NumberFormat::General(value.v), 15, "General(double)");
    CheckGeneral(single, NumberFormat::General(single), 7, "General(float)");
    CheckCompactText(provider.ConsumeRemainingBytesAsString());
    return 0;
}

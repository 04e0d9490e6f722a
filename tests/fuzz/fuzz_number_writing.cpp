// Every number format on any double (NaN, infinities and subnormals included) and on
// binary fractions whose exact halves test the rounding: each writes what printf writes
// in its shape and reads back within its precision; "#.###" also on any text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/Single.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using namespace Fuzz;

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
double ConsumeValue(FuzzedDataProvider& provider)
{
    switch (provider.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return FromRawBits<double>(provider);
    case 1:
        return provider.ConsumeFloatingPointInRange(-2000.0, 2000.0);
    default: {  // n / 2^k: scaled by 10^decimals it stays exact, so its halves are exact
        const auto numerator = provider.ConsumeIntegralInRange<std::int32_t>(-(1 << 30), 1 << 30);
        return std::ldexp(static_cast<double>(numerator), -provider.ConsumeIntegralInRange(0, 12));
    }
    }
}

// Pads the integer part of a printed number with leading zeros up to `digits`.
std::string Padded(std::string text, std::size_t digits)
{
    const std::size_t sign = text.starts_with('-') ? 1 : 0;
    while (std::min(text.find('.'), text.size()) - sign < digits)
        text.insert(sign, 1, '0');
    return text;
}

// "#.###": three decimals without trailing zeros or a zero before the point.
// (Infinity and NaN pass unchanged.)
std::string Compacted(std::string text)
{
    text.erase(text.find_last_not_of('0') + 1);
    const std::size_t sign = text.starts_with('-') ? 1 : 0;
    if (text.compare(sign, 2, "0.") == 0)
        text.erase(sign, 1);
    return text;
}

// The general form: printf's %G with the given significant digits, which drops
// trailing zeros and switches to an exponent outside 0.0001 to 10^digits.
std::string PrintedGeneral(double v, int significant)
{
    if (!std::isfinite(v))
        return NonFiniteText(v);
    if (v == 0)
        return "0";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*G", significant, v);
    return buffer;
}

struct Format {
    const char* name;
    std::string written;
    std::string expected;
    double allowed;  // distance of the reading from the value
};

void Check(const Format& format, double v)
{
    const std::string detail = std::string(format.name) + " of " + Show(v) + " wrote " + Quoted(format.written);
    Require(format.written == format.expected, "a format writes the correctly rounded digits in its shape",
            detail + ", expected " + Quoted(format.expected));
    if (!std::isfinite(v) || format.written.empty())
        return;  // written by name, or "#" writing no digit for a zero
    const double read = ReadNumber(format.written);
    // Next to the largest double the 15 digits of the general form can round beyond
    // the double range, and such a text reads as an infinity.
    const bool roundedBeyondDoubles =
        std::isinf(read) && std::fabs(v) >= std::numeric_limits<double>::max() * (1 - 5e-15);
    Require(std::fabs(read - v) <= format.allowed || roundedBeyondDoubles,
            "a written number reads back within the format's precision", detail + ", read back " + Show(read));
}

// Half a unit in the last decimal, plus the rounding of the reading to a double.
double FixedAllowed(double v, int decimals)
{
    return 0.5 * std::pow(10.0, -decimals) * (1.0 + 1e-12) + std::fabs(v) * 0x1p-52;
}

// Half a unit in the last significant digit, plus the rounding of the reading to a double.
double GeneralAllowed(double v, int significant)
{
    return std::fabs(v) * (5.0 * std::pow(10.0, -significant) * (1.0 + 1e-9) + 0x1p-52)
        + std::numeric_limits<double>::denorm_min();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const double v = ConsumeValue(provider);
    const float single = provider.ConsumeBool() ? FromRawBits<float>(provider) : ToSingle(v);

    const std::string whole = PrintedFixed(v, 0);
    const Format formats[] = {
        {"#0.000", NumberFormat::Rate(v), PrintedFixed(v, 3), FixedAllowed(v, 3)},
        {"#0.0", NumberFormat::ScenarioValue(v), PrintedFixed(v, 1), FixedAllowed(v, 1)},
        {"0.0", NumberFormat::OneDecimal(v), PrintedFixed(v, 1), FixedAllowed(v, 1)},
        {"00", NumberFormat::TwoDigits(v), Padded(whole, 2), FixedAllowed(v, 0)},
        {"#0", NumberFormat::WholeNumber(v), whole, FixedAllowed(v, 0)},
        {"#", NumberFormat::Digits(v), whole == "0" ? "" : whole, FixedAllowed(v, 0)},
        {"#.###", NumberFormat::Compact(v), Compacted(PrintedFixed(v, 3)), FixedAllowed(v, 3)},
        {"General(double)", NumberFormat::General(v), PrintedGeneral(v, 15), GeneralAllowed(v, 15)},
    };
    for (const Format& format : formats)
        Check(format, v);
    Check({"General(float)", NumberFormat::General(single), PrintedGeneral(single, 7), GeneralAllowed(single, 7)},
          single);

    const std::string text = provider.ConsumeRemainingBytesAsString();
    const std::string written = NumberFormat::CompactText(text);
    Require(written == (IsNumericText(text) ? NumberFormat::Compact(ReadNumber(text)) : text),
            "#.### writes a numeric text as its number and leaves any other text unchanged",
            "#.### of the text " + Quoted(text) + " wrote " + Quoted(written));
    return 0;
}

#include "calc/NumberReading.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

int HexDigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Walks the text as if every blank, tab and line feed had been removed.
class BlankSkippingCursor {
public:
    explicit BlankSkippingCursor(std::string_view text) : text_(text) { skipBlanks(); }

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance()
    {
        ++pos_;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

struct LeadingNumber {
    double value = 0.0;
    bool found = false;       // a number stands at the start of the text
    bool wholeText = false;   // nothing but blanks follows it
};

// Keeps a decimal exponent far beyond any double without ever overflowing an int.
constexpr int kExponentCap = 100000;

// Digits of an &H or &O integer. The value is read like the classic integer forms:
// up to 16 bits as a 16-bit two's complement integer (&HFFFF is -1), up to 32 bits
// as a 32-bit one (&HFFFFFFFF is -1). Longer values cannot be meant as a wrapped
// small integer, so they read as their plain positive magnitude (rounded to double,
// and infinity for absurdly long digit strings), which every range check rejects.
double RadixIntegerValue(BlankSkippingCursor& cursor, int radix, bool& anyDigit)
{
    double magnitude = 0.0;
    std::uint64_t exact = 0;
    bool exactFits = true;
    for (;;) {
        const char c = cursor.peek();
        const int digit = radix == 16 ? HexDigitValue(c) : (IsOctalDigit(c) ? c - '0' : -1);
        if (cursor.atEnd() || digit < 0)
            break;
        anyDigit = true;
        magnitude = magnitude * radix + digit;
        if (exactFits && exact > (std::numeric_limits<std::uint32_t>::max() - digit) / radix)
            exactFits = false;
        if (exactFits)
            exact = exact * radix + static_cast<std::uint64_t>(digit);
        cursor.advance();
    }
    if (!exactFits)
        return magnitude;
    if (exact <= 0xFFFFu)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(exact));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(exact));
}

// Converts the collected parts of a decimal number. `mantissa` holds only digits and
// at most one '.', with at least one digit; `exponent` is already capped.
double DecimalValue(const std::string& mantissa, int exponent, bool negative)
{
    std::string text = mantissa;
    if (exponent != 0) {
        text += 'e';
        text += std::to_string(exponent);
    }
    double value = 0.0;
#if defined(__cpp_lib_to_chars)
    const auto conversion = std::from_chars(text.data(), text.data() + text.size(), value,
                                            std::chars_format::general);
    const bool outOfRange = conversion.ec == std::errc::result_out_of_range;
#else
    // A standard library without floating-point from_chars (the WebAssembly build's): the C
    // library's conversion, which reads '.' in the C locale that build never leaves.
    errno = 0;
    value = std::strtod(text.c_str(), nullptr);
    const bool outOfRange = errno == ERANGE && (value == 0.0 || std::isinf(value));
#endif
    if (outOfRange) {
        // Decide between overflow and underflow from the decimal magnitude: the
        // position of the first significant digit relative to the point, plus the exponent.
        long long magnitude = exponent;
        const std::size_t point = mantissa.find('.');
        const std::size_t integerDigits = point == std::string::npos ? mantissa.size() : point;
        const std::size_t firstSignificant = mantissa.find_first_of("123456789");
        if (firstSignificant == std::string::npos)
            magnitude = std::numeric_limits<long long>::min();
        else if (firstSignificant < integerDigits)
            magnitude += static_cast<long long>(integerDigits - firstSignificant);
        else
            magnitude -= static_cast<long long>(firstSignificant - integerDigits);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

LeadingNumber ReadLeadingNumber(std::string_view text)
{
    BlankSkippingCursor cursor(text);
    LeadingNumber result;

    if (cursor.peek() == '&' && !cursor.atEnd()) {
        cursor.advance();
        const char kind = Lower(cursor.peek());
        if (cursor.atEnd() || (kind != 'h' && kind != 'o'))
            return result;
        cursor.advance();
        bool anyDigit = false;
        const double value = RadixIntegerValue(cursor, kind == 'h' ? 16 : 8, anyDigit);
        if (anyDigit) {
            result.value = value;
            result.found = true;
            result.wholeText = cursor.atEnd();
        }
        return result;
    }

    bool negative = false;
    if (!cursor.atEnd() && (cursor.peek() == '+' || cursor.peek() == '-')) {
        negative = cursor.peek() == '-';
        cursor.advance();
    }

    std::string mantissa;
    bool anyDigit = false;
    bool pointSeen = false;
    while (!cursor.atEnd()) {
        const char c = cursor.peek();
        if (IsDigit(c)) {
            anyDigit = true;
            // Leading zeros carry no value; dropping them keeps long zero runs cheap.
            if (!(c == '0' && mantissa.empty()))
                mantissa += c;
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
            mantissa += c;
        } else {
            break;
        }
        cursor.advance();
    }
    if (!anyDigit)
        return result;
    if (mantissa.empty() || mantissa.front() == '.')
        mantissa.insert(mantissa.begin(), '0');

    int exponent = 0;
    bool danglingExponent = false;
    const char marker = Lower(cursor.peek());
    if (!cursor.atEnd() && (marker == 'e' || marker == 'd')) {
        cursor.advance();
        bool exponentNegative = false;
        if (!cursor.atEnd() && (cursor.peek() == '+' || cursor.peek() == '-')) {
            exponentNegative = cursor.peek() == '-';
            cursor.advance();
        }
        danglingExponent = true;
        while (!cursor.atEnd() && IsDigit(cursor.peek())) {
            danglingExponent = false;
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (cursor.peek() - '0');
            cursor.advance();
        }
        if (exponentNegative)
            exponent = -exponent;
    }

    result.value = DecimalValue(mantissa, exponent, negative);
    result.found = true;
    result.wholeText = cursor.atEnd() && !danglingExponent;
    return result;
}

}  // namespace

double ReadNumber(std::string_view text)
{
    return ReadLeadingNumber(text).value;
}

bool IsNumericText(std::string_view text)
{
    const LeadingNumber number = ReadLeadingNumber(text);
    return number.found && number.wholeText;
}

#include "tests/app/SoakText.h"

#include <array>
#include <cmath>
#include <cstdio>

std::uint64_t SoakRandom::Next()
{
    // splitmix64: full period, good enough mixing for choosing actions.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int SoakRandom::Below(int bound)
{
    return bound <= 0 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(bound));
}

int SoakRandom::Between(int low, int high)
{
    return low + Below(high - low + 1);
}

bool SoakRandom::Chance(int percent)
{
    return Below(100) < percent;
}

namespace SoakText {
namespace {

// Texts at and around the limits of every range, and number forms the reading accepts or stops at.
const std::array<const char*, 52> EdgeTexts{
    "40",      "100",      "0",     "25",        "39.99",   "39.5",    "40.49",  "99.5",    "100.4",
    "100.5",   "100.0001", "100.0000001", "100.000001", "25.01", "24.5",  "25.4",   "-0",      "-1",
    "&H19",    "&h28",     "&O31",  "&o144",     "&HFFFF",  "&H",      "&O",     "1e1",     "1E2",
    "4D1",     "2.5e1",    " 5 0 ", "7\t5",      "8\r0",    ".5",      "5.",     ".",       "-",
    "+",       "e",        "E5",    "1e39",      "1e-39",   "1e400",   "-1e400", "12abc",   "abc",
    "80.4",    "80.5",     "80.6",  "50.5",      "51.5",    "0.05",    "   "};

// Characters that keep a number going, stop it, or are ignored by the reading.
const QString NumberKeys = QStringLiteral("0123456789012345678901234567890123456789..--++eEdD&HhOo   ");
// Only characters a key press can carry (QTest types Latin-1, and not all of it).
const QString OtherKeys = QStringLiteral("abcxyzXYZ,;:!?()[]/\\*#%$'\"_=~|°µ");
// Control keys a keyboard sends (backspace, tab, return, escape), and control
// characters that only a paste can bring.
const std::array<QChar, 4> ControlKeys{QChar(0x08), QChar(0x09), QChar(0x0D), QChar(0x1B)};
const std::array<QChar, 9> ControlCharacters{QChar(0x00), QChar(0x01), QChar(0x0A), QChar(0x0C), QChar(0x1F),
                                             QChar(0x7F), QChar(0x85), QChar(0x09), QChar(0x0D)};
const std::array<QString, 9> WideTexts{QStringLiteral("°F"), QStringLiteral("é"), QStringLiteral("５０"), QStringLiteral("٥٠"),
                                       QStringLiteral("中文"), QStringLiteral("😀"), QStringLiteral("\u200B"),
                                       QStringLiteral("\u00A0"), QStringLiteral("\uFEFF")};

QString Near(SoakRandom& random, InputRange range)
{
    const double limit = random.Chance(50) ? range.low : range.up;
    const double offsets[] = {0.0, 0.01, -0.01, 0.5, -0.5, 0.49, -0.49, 1.0, -1.0, 1e-7, -1e-7, 0.0001, -0.0001};
    return QString::number(limit + random.Pick(offsets), 'g', 12);
}

QString Keys(SoakRandom& random, int count, bool wide)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        const int kind = random.Below(20);
        if (kind < 13)
            text += NumberKeys[random.Below(static_cast<int>(NumberKeys.size()))];
        else if (kind < 17)
            text += OtherKeys[random.Below(static_cast<int>(OtherKeys.size()))];
        else if (!wide)
            text += random.Pick(ControlKeys);
        else if (kind < 19)
            text += random.Pick(ControlCharacters);
        else
            text += random.Pick(WideTexts);
    }
    return text;
}

QString Long(SoakRandom& random, InputRange range)
{
    const int length = random.Chance(30) ? random.Between(1000, 10000) : random.Between(100, 1000);
    switch (random.Below(7)) {
    case 0:  // a number far too large for any range
        return QString(length, QLatin1Char('9'));
    case 1:  // a valid number followed by blanks, which the reading ignores
        return InRange(random, range) + QString(length, QLatin1Char(' '));
    case 2:  // leading zeros in front of a valid number
        return QString(length, QLatin1Char('0')) + InRange(random, range);
    case 3:  // a valid number with a very long fraction
        return InRange(random, range) + QStringLiteral(".") + QString(length, QLatin1Char('3'));
    case 4:  // a valid number, then anything
        return InRange(random, range) + Keys(random, length / 10, true);
    case 5:  // a tiny number
        return QStringLiteral("0.") + QString(length, QLatin1Char('0')) + QStringLiteral("1");
    default:
        return Keys(random, length / 4, true);
    }
}

QString LoneSurrogate(SoakRandom& random)
{
    QString text = InRange(random, InputRanges::WindVelocity);
    text.insert(random.Below(static_cast<int>(text.size()) + 1), QChar(random.Chance(50) ? 0xD800 : 0xDC00));
    return text;
}

}  // namespace

QString InRange(SoakRandom& random, InputRange range)
{
    const double span = static_cast<double>(range.up - range.low);
    const double v = range.low + span * random.Below(100001) / 100000.0;
    const int decimals = random.Below(5);
    return QString::number(v, 'f', decimals);
}

QString Typed(SoakRandom& random, InputRange range)
{
    switch (random.Below(10)) {
    case 0:
    case 1:
    case 2:
        return InRange(random, range);
    case 3:
    case 4:
        return Near(random, range);
    case 5:
    case 6:
        return QString::fromLatin1(random.Pick(EdgeTexts));
    case 7:
        return QString::number(random.Between(0, 9));
    default:
        return Keys(random, random.Between(1, 6), false);
    }
}

QString Pasted(SoakRandom& random, InputRange range)
{
    switch (random.Below(10)) {
    case 0:
    case 1:
    case 2:
        return InRange(random, range);
    case 3:
        return Near(random, range);
    case 4:
        return QString::fromLatin1(random.Pick(EdgeTexts));
    case 5:
    case 6:
        return Long(random, range);
    case 7:
        return LoneSurrogate(random);
    default:
        return Keys(random, random.Between(1, 40), true);
    }
}

std::string Describe(const QString& text)
{
    constexpr int Shown = 40;
    std::string out = "\"";
    for (QChar c : text.left(Shown)) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F && u != '"' && u != '\\') {
            out += static_cast<char>(u);
        } else {
            char escaped[12];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(u));
            out += escaped;
        }
    }
    out += "\"";
    if (text.size() > Shown)
        out += "... (" + std::to_string(text.size()) + " characters)";
    return out;
}

}  // namespace SoakText

#include "outlook/CsvImport.h"

#include <QDate>
#include <QStringList>
#include <QTime>
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"

namespace CsvImport {
namespace {

// ---- Lines and fields --------------------------------------------------------------

struct Record {
    int line = 0;  // 1-based line of the text on which the record starts
    QStringList fields;
};

bool IsBlank(const Record& record)
{
    return std::all_of(record.fields.cbegin(), record.fields.cend(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

// A line ends at CR LF, LF or CR; CR LF counts once, at its LF.
bool EndsLine(QStringView text, qsizetype i)
{
    return text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'));
}

// Splits the text into records as spreadsheets write them: a field in double quotes
// may hold separators, line ends and doubled quotes.
class RecordReader {
public:
    RecordReader(QStringView text, QChar separator) : text_(text), separator_(separator) {}

    // The next record that is not blank; false at the end of the text.
    bool next(Record& record)
    {
        while (pos_ < text_.size()) {
            read(record);
            if (!IsBlank(record))
                return true;
        }
        return false;
    }

private:
    void read(Record& record)
    {
        record.line = line_;
        record.fields.clear();
        QString field;
        qsizetype openQuote = -1;  // where the open quote of `field` stands; -1 outside quotes
        int openQuoteLine = 0;
        for (; pos_ < text_.size(); ++pos_) {
            const QChar c = text_[pos_];
            const bool lineEnd = EndsLine(text_, pos_);
            line_ += lineEnd ? 1 : 0;
            if (openQuote >= 0) {
                if (c != u'"')
                    field += c;
                else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'"')
                    field += text_[pos_++];
                else
                    openQuote = -1;
            } else if (c == u'"' && field.trimmed().isEmpty()) {
                // Blanks before an opening quote are not part of the field.
                field.clear();
                openQuote = pos_;
                openQuoteLine = line_;
            } else if (c == separator_) {
                record.fields.append(std::exchange(field, QString()));
            } else if (lineEnd) {
                ++pos_;
                break;
            } else if (c != u'\r') {
                field += c;
            }
            // A quote never closed is an ordinary character, so that the lines after it stay lines.
            if (openQuote >= 0 && pos_ + 1 == text_.size()) {
                pos_ = openQuote;
                line_ = openQuoteLine;
                field = QStringLiteral("\"");
                openQuote = -1;
            }
        }
        record.fields.append(field);
    }

    QStringView text_;
    QChar separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// The separator that splits the first line into the most fields; a tie goes to the
// tab of a pasted block, then to the semicolon of texts that write a decimal comma.
QChar SeparatorOf(QStringView text)
{
    QChar best = u',';
    qsizetype most = 0;
    for (const QChar candidate : {u'\t', u';', u','}) {
        Record first;
        if (RecordReader(text, candidate).next(first) && first.fields.size() > most) {
            most = first.fields.size();
            best = candidate;
        }
    }
    return best;
}

// The line of the first control character other than a tab or a line end: a text
// never holds one, a binary file almost always does.
std::optional<int> BinaryLine(QStringView text)
{
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (EndsLine(text, i))
            ++line;
        else if (c < 0x20 && c != u'\t' && c != u'\r')
            return line;
    }
    return std::nullopt;
}

// ---- Header ------------------------------------------------------------------------

enum class Kind { Stamp, Date, Clock, Air, Humidity, Wind, Concrete };
constexpr std::size_t kKindCount = static_cast<std::size_t>(Kind::Concrete) + 1;

struct KnownName {
    const char* name;  // lower case, without blanks, underscores and dots
    Kind kind;
};

constexpr std::array kKnownNames{
    KnownName{"datetime", Kind::Stamp},
    KnownName{"date/time", Kind::Stamp},
    KnownName{"timestamp", Kind::Stamp},
    KnownName{"date", Kind::Date},
    KnownName{"time", Kind::Clock},
    KnownName{"hour", Kind::Clock},
    KnownName{"airtemperature", Kind::Air},
    KnownName{"airtemp", Kind::Air},
    KnownName{"temperature", Kind::Air},
    KnownName{"temp", Kind::Air},
    KnownName{"ta", Kind::Air},
    KnownName{"air", Kind::Air},
    KnownName{"temperature2m", Kind::Air},
    KnownName{"t", Kind::Air},
    KnownName{"relativehumidity", Kind::Humidity},
    KnownName{"rh", Kind::Humidity},
    KnownName{"humidity", Kind::Humidity},
    KnownName{"relativehumidity2m", Kind::Humidity},
    KnownName{"relhum", Kind::Humidity},
    KnownName{"wind", Kind::Wind},
    KnownName{"windspeed", Kind::Wind},
    KnownName{"windvelocity", Kind::Wind},
    KnownName{"windspeed10m", Kind::Wind},
    KnownName{"v", Kind::Wind},
    KnownName{"ws", Kind::Wind},
    KnownName{"concretetemperature", Kind::Concrete},
    KnownName{"concretetemp", Kind::Concrete},
    KnownName{"tc", Kind::Concrete},
    KnownName{"concrete", Kind::Concrete},
    KnownName{"surfacetemperature", Kind::Concrete},
};

std::optional<TemperatureScale> TemperatureScaleNamed(QString unit)
{
    unit.remove(u' ').remove(u'°').remove(u'º');
    if (unit.startsWith(u"degrees"))
        unit.remove(0, 7);
    else if (unit.startsWith(u"deg"))
        unit.remove(0, 3);
    if (unit == u"f" || unit == u"fahrenheit")
        return TemperatureScale::Fahrenheit;
    if (unit == u"c" || unit == u"celsius")
        return TemperatureScale::Celsius;
    return std::nullopt;
}

std::optional<WindScale> WindScaleNamed(QString unit)
{
    unit.remove(u' ');
    if (unit == u"mph")
        return WindScale::Mph;
    if (unit == u"km/h" || unit == u"kmh" || unit == u"kph")
        return WindScale::Kmh;
    if (unit == u"m/s" || unit == u"ms" || unit == u"mps")
        return WindScale::MetresPerSecond;
    return std::nullopt;
}

struct HeaderField {
    std::optional<Kind> kind;
    QString unit;  // lower case; empty when the field names none
};

// Reads "Air Temperature (°F)", "temp [C]", "Temperature, °C", "temp_c", "Wind m/s".
HeaderField ReadHeaderField(const QString& field)
{
    QString name = field.trimmed().toLower();
    QString unit;
    const auto open = std::find_if(name.cbegin(), name.cend(),
                                   [](QChar c) { return c == u'(' || c == u'[' || c == u','; });
    if (open != name.cend()) {
        const qsizetype at = open - name.cbegin();
        unit = name.mid(at + 1).remove(u')').remove(u']').trimmed();
        name.truncate(at);
    } else {
        const qsizetype last = std::max(name.lastIndexOf(u' '), name.lastIndexOf(u'_'));
        const QString tail = name.mid(last + 1);
        if (last > 0 && (TemperatureScaleNamed(tail) || WindScaleNamed(tail))) {
            unit = tail;
            name.truncate(last);
        }
    }
    name.remove(u' ').remove(u'_').remove(u'.');
    for (const KnownName& known : kKnownNames) {
        if (name == QLatin1String(known.name))
            return {known.kind, unit};
    }
    return {std::nullopt, unit};
}

struct Column {
    int index = -1;  // 0-based; -1 when the text has no such column
    QString name;    // as the header writes it; empty without a header

    bool present() const { return index >= 0; }
};

struct Layout {
    Column time = {};   // the date and time, or only the date when `clock` is present
    Column clock = {};  // the time of day in a column of its own
    Column air = {};
    Column humidity = {};
    Column wind = {};
    Column concrete = {};
    std::optional<TemperatureScale> airUnit = {};
    std::optional<TemperatureScale> concreteUnit = {};
    std::optional<WindScale> windUnit = {};
};

// Without a header the columns stand in the order the import dialog shows.
Layout PositionalLayout()
{
    return {.time = {0, {}}, .air = {1, {}}, .humidity = {2, {}}, .wind = {3, {}}, .concrete = {4, {}}};
}

// The columns a header names; nothing when the record names no column at all and
// so is a line of data.
std::optional<Layout> ReadHeader(const Record& record)
{
    std::array<Column, kKindCount> found;  // by Kind; the first column of a kind counts
    std::array<QString, kKindCount> units;
    bool any = false;
    for (int i = 0; i < record.fields.size(); ++i) {
        const HeaderField field = ReadHeaderField(record.fields[i]);
        if (!field.kind)
            continue;
        const auto kind = static_cast<std::size_t>(*field.kind);
        if (found[kind].present())
            continue;
        found[kind] = {i, record.fields[i].trimmed()};
        units[kind] = field.unit;
        any = true;
    }
    if (!any)
        return std::nullopt;
    const auto at = [](Kind kind) { return static_cast<std::size_t>(kind); };
    Layout layout{.air = found[at(Kind::Air)],
                  .humidity = found[at(Kind::Humidity)],
                  .wind = found[at(Kind::Wind)],
                  .concrete = found[at(Kind::Concrete)],
                  .airUnit = TemperatureScaleNamed(units[at(Kind::Air)]),
                  .concreteUnit = TemperatureScaleNamed(units[at(Kind::Concrete)]),
                  .windUnit = WindScaleNamed(units[at(Kind::Wind)])};
    const Column& date = found[at(Kind::Date)];
    const Column& clock = found[at(Kind::Clock)];
    if (found[at(Kind::Stamp)].present()) {
        layout.time = found[at(Kind::Stamp)];
    } else if (date.present() && clock.present()) {
        layout.time = date;
        layout.clock = clock;
    } else {
        layout.time = date.present() ? date : clock;
    }
    return layout;
}

// The first required column the header does not name, as a message names it.
QString MissingColumn(const Layout& layout)
{
    if (!layout.time.present())
        return QStringLiteral("time");
    if (!layout.air.present())
        return QStringLiteral("air-temperature");
    if (!layout.humidity.present())
        return QStringLiteral("relative-humidity");
    if (!layout.wind.present())
        return QStringLiteral("wind");
    return {};
}

// ---- Units -------------------------------------------------------------------------

// From the source's unit into the table's; nullptr where they are the same.
using Conversion = double (*)(double);

double KmhFromMetresPerSecond(double ms) { return ms * 3.6; }
double MphFromMetresPerSecond(double ms) { return Units::MetresPerSecond.ToModel(ms); }

Conversion TemperatureConversion(TemperatureScale from, UnitSystem to)
{
    if (from == TemperatureScale::Fahrenheit)
        return to == UnitSystem::US ? nullptr : +[](double f) { return Units::Celsius.FromModel(f); };
    return to == UnitSystem::SI ? nullptr : +[](double c) { return Units::Celsius.ToModel(c); };
}

Conversion WindConversion(WindScale from, UnitSystem to)
{
    switch (from) {
    case WindScale::Mph:
        return to == UnitSystem::US ? nullptr : +[](double mph) { return Units::Kmh.FromModel(mph); };
    case WindScale::Kmh:
        return to == UnitSystem::SI ? nullptr : +[](double kmh) { return Units::Kmh.ToModel(kmh); };
    case WindScale::MetresPerSecond:
        return to == UnitSystem::SI ? &KmhFromMetresPerSecond : &MphFromMetresPerSecond;
    }
    return nullptr;
}

struct Conversions {
    Conversion air = nullptr;
    Conversion concrete = nullptr;
    Conversion wind = nullptr;
};

// ---- Times -------------------------------------------------------------------------

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Walks a date or time text; reads only digits and ASCII marks, whatever the locale.
class TimeScanner {
public:
    explicit TimeScanner(QStringView text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    QChar peek() const { return atEnd() ? QChar() : text_[pos_]; }

    // A number of minDigits to maxDigits digits; -1, reading nothing, when there is none.
    int number(int minDigits, int maxDigits, int* digitCount = nullptr)
    {
        int value = 0;
        int digits = 0;
        while (digits < maxDigits && pos_ + digits < text_.size() && IsDigit(text_[pos_ + digits])) {
            value = value * 10 + (text_[pos_ + digits].unicode() - u'0');
            ++digits;
        }
        if (digits < minDigits)
            return -1;
        pos_ += digits;
        if (digitCount)
            *digitCount = digits;
        return value;
    }

    // Whether `mark` (any case) came next; it is then read.
    bool skip(QStringView mark)
    {
        if (!text_.mid(pos_).startsWith(mark, Qt::CaseInsensitive))
            return false;
        pos_ += mark.size();
        return true;
    }

    bool skipBlanks()
    {
        const qsizetype start = pos_;
        while (!atEnd() && text_[pos_].isSpace())
            ++pos_;
        return pos_ > start;
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

// yyyy-M-d, yyyy/M/d, M/d/yyyy or d.M.yyyy.
QDate ReadDate(TimeScanner& scan)
{
    int firstDigits = 0;
    const int first = scan.number(1, 4, &firstDigits);
    const QChar mark = scan.peek();
    if (first < 0 || (mark != u'-' && mark != u'/' && mark != u'.'))
        return {};
    scan.skip(QStringView(&mark, 1));
    const int second = scan.number(1, 2);
    if (second < 0 || !scan.skip(QStringView(&mark, 1)))
        return {};
    if (firstDigits == 4 && mark != u'.') {
        const int day = scan.number(1, 2);
        return day < 0 ? QDate() : QDate(first, second, day);
    }
    const int year = scan.number(4, 4);
    if (year < 0 || mark == u'-')
        return {};
    return mark == u'/' ? QDate(year, first, second) : QDate(year, second, first);
}

// "Z", "+02:00", "-0500", "+02": the wall-clock time before it is what counts.
bool SkipOffset(TimeScanner& scan)
{
    if (scan.skip(u"z"))
        return true;
    if (!scan.skip(u"+") && !scan.skip(u"-"))
        return true;
    if (scan.number(2, 2) < 0)
        return false;
    scan.skip(u":");
    scan.number(2, 2);  // the minutes, where written
    return true;
}

// H:mm, H:mm:ss, with a fraction of a second, h:mm AM/PM, or with an offset.
QTime ReadClock(TimeScanner& scan)
{
    int hour = scan.number(1, 2);
    if (hour < 0 || !scan.skip(u":"))
        return {};
    const int minute = scan.number(2, 2);
    int second = 0;
    if (scan.skip(u":")) {
        second = scan.number(2, 2);
        if (scan.skip(u".") || scan.skip(u","))
            scan.number(1, 9);
    }
    if (minute < 0 || second < 0)
        return {};
    scan.skipBlanks();
    const bool pm = scan.skip(u"pm");
    if (pm || scan.skip(u"am")) {
        if (hour < 1 || hour > 12)
            return {};
        hour = hour % 12 + (pm ? 12 : 0);
    } else if (!SkipOffset(scan)) {
        return {};
    }
    return QTime(hour, minute, second);
}

// A date and time of day as the clocks show them.
struct WallClock {
    QDate date;
    QTime time;

    bool isValid() const { return date.isValid() && time.isValid(); }
};

// A date, with a time of day after a 'T' or blanks; a date alone is midnight.
WallClock ReadDateTime(QStringView text)
{
    TimeScanner scan(text);
    const QDate date = ReadDate(scan);
    if (!date.isValid())
        return {};
    if (scan.atEnd())
        return {date, QTime(0, 0)};
    if (!scan.skip(u"t") && !scan.skipBlanks())
        return {};
    const QTime time = ReadClock(scan);
    return scan.atEnd() ? WallClock{date, time} : WallClock{};
}

QDate ReadDateOnly(QStringView text)
{
    TimeScanner scan(text);
    const QDate date = ReadDate(scan);
    return scan.atEnd() ? date : QDate();
}

QTime ReadClockOnly(QStringView text)
{
    TimeScanner scan(text);
    const QTime time = ReadClock(scan);
    return scan.atEnd() ? time : QTime();
}

// ---- Data lines --------------------------------------------------------------------

// Reads the fields of one data line and keeps the first problem it meets.
class LineReader {
public:
    LineReader(const Record& record, bool decimalComma) : record_(record), decimalComma_(decimalComma) {}

    QDateTime time(const Layout& layout)
    {
        // Braced initialisers run in order: the date's problem comes before the time's.
        const WallClock read =
            layout.clock.present()
                ? WallClock{timeField(layout.time, ReadDateOnly, QStringLiteral("is not a date")),
                            timeField(layout.clock, ReadClockOnly, QStringLiteral("is not a time of day"))}
                : timeField(layout.time, ReadDateTime, QStringLiteral("is not a date and time"));
        if (!read.isValid())
            return {};
        const QDateTime local(read.date, read.time);
        // Qt holds no local time in the hour the clocks skip in spring.
        if (!local.isValid())
            fail(layout.time, QStringLiteral("falls in the hour skipped when the clocks go forward"),
                 read.date.toString(Qt::ISODate) + u' ' + read.time.toString(QStringLiteral("HH:mm")));
        return local;
    }

    // The value of a column in the table's unit; as written when it is not a number.
    QString reading(const Column& column, Conversion convert, bool required)
    {
        const QString text = field(column, required);
        if (text.isEmpty())
            return text;
        const QString number = decimalComma_ ? QString(text).replace(u',', u'.') : text;
        const QByteArray utf8 = number.toUtf8();
        const std::string_view digits(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        if (!IsNumericText(digits)) {
            fail(column, QStringLiteral("is not a number"), text);
            return text;
        }
        if (!convert)
            return number;
        return QString::fromStdString(NumberFormat::ScenarioValue(convert(ReadNumber(digits))));
    }

    const QString& problem() const { return problem_; }

private:
    // Reads a field with `read`; `isNot` says what the field is not when that fails.
    template <typename Read>
    auto timeField(const Column& column, Read read, const QString& isNot) -> decltype(read(QStringView()))
    {
        const QString text = field(column, true);
        const auto value = read(text);
        if (!text.isEmpty() && !value.isValid())
            fail(column, isNot, text);
        return value;
    }

    // The trimmed field of a column; empty when it is empty or the line ends before it.
    QString field(const Column& column, bool required)
    {
        if (!column.present())
            return {};
        if (column.index >= record_.fields.size()) {
            if (required)
                note(column, QStringLiteral(" is missing: the line ends after column %1.").arg(record_.fields.size()));
            return {};
        }
        const QString text = record_.fields[column.index].trimmed();
        if (text.isEmpty() && required)
            note(column, QStringLiteral(" is empty."));
        return text;
    }

    // The field `text` of the column is not what it should be.
    void fail(const Column& column, const QString& isNot, const QString& text)
    {
        constexpr qsizetype kShown = 40;
        const QString shown = text.size() > kShown ? text.left(kShown) + u'…' : text;
        note(column, QStringLiteral(": \"%1\" %2.").arg(shown, isNot));
    }

    // Keeps the first problem of the line: "Line 7, column 3 (RH)" and the rest.
    void note(const Column& column, const QString& rest)
    {
        if (!problem_.isEmpty())
            return;
        problem_ = QStringLiteral("Line %1, column %2").arg(record_.line).arg(column.index + 1);
        if (!column.name.isEmpty())
            problem_ += QStringLiteral(" (%1)").arg(column.name);
        problem_ += rest;
    }

    const Record& record_;
    bool decimalComma_;
    QString problem_;
};

HourlyReading ReadRow(const Record& record, const Layout& layout, const Conversions& to, bool decimalComma)
{
    LineReader line(record, decimalComma);
    // Braced initialisers run in order: the problem is read after every field.
    return {.time = line.time(layout),
            .air = line.reading(layout.air, to.air, true),
            .humidity = line.reading(layout.humidity, nullptr, true),
            .wind = line.reading(layout.wind, to.wind, true),
            .concrete = line.reading(layout.concrete, to.concrete, false),
            .problem = line.problem()};
}

Result Unreadable(const QString& error)
{
    Result result;
    result.error = error;
    return result;
}

}  // namespace

Result Read(const QString& text, UnitSystem units, const SourceUnits& chosen)
{
    QStringView body(text);
    if (body.startsWith(QChar(0xFEFF)))
        body = body.mid(1);
    if (const std::optional<int> line = BinaryLine(body))
        return Unreadable(QStringLiteral("Line %1 holds binary data, not text.").arg(*line));

    const QChar separator = SeparatorOf(body);
    RecordReader reader(body, separator);
    Record record;
    if (!reader.next(record))
        return Unreadable(QStringLiteral("The text is empty."));
    const std::optional<Layout> header = ReadHeader(record);
    if (header) {
        if (const QString missing = MissingColumn(*header); !missing.isEmpty())
            return Unreadable(
                QStringLiteral("The header on line %1 names no %2 column.").arg(QString::number(record.line), missing));
        const int headerLine = record.line;
        if (!reader.next(record))
            return Unreadable(QStringLiteral("No data lines follow the header on line %1.").arg(headerLine));
    }
    const Layout layout = header ? *header : PositionalLayout();

    Result result;
    result.readable = true;
    // A temperature column without a unit of its own shares the other's.
    const std::optional<TemperatureScale> namedTemperature = layout.airUnit ? layout.airUnit : layout.concreteUnit;
    result.named = {namedTemperature, layout.windUnit};
    const std::optional<TemperatureScale> temperature = namedTemperature ? namedTemperature : chosen.temperature;
    const std::optional<WindScale> wind = layout.windUnit ? layout.windUnit : chosen.wind;
    result.temperatureUnitMissing = !temperature;
    result.windUnitMissing = !wind;
    const TemperatureScale tableTemperature =
        units == UnitSystem::US ? TemperatureScale::Fahrenheit : TemperatureScale::Celsius;
    const WindScale tableWind = units == UnitSystem::US ? WindScale::Mph : WindScale::Kmh;
    const Conversions conversions{
        .air = TemperatureConversion(layout.airUnit.value_or(temperature.value_or(tableTemperature)), units),
        .concrete = TemperatureConversion(layout.concreteUnit.value_or(temperature.value_or(tableTemperature)), units),
        .wind = WindConversion(wind.value_or(tableWind), units)};

    // A comma separates fields in comma-separated text; elsewhere it is a decimal point.
    const bool decimalComma = separator != u',';
    do {
        result.rows.push_back(ReadRow(record, layout, conversions, decimalComma));
    } while (reader.next(record));
    return result;
}

}  // namespace CsvImport

#include "outlook/sources/CsvRow.h"

#include <algorithm>

#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "outlook/sources/DateTimeScanner.h"
#include "ui/QtText.h"

namespace CsvImport {
namespace {

// A field as UTF-8; a reading is nearly always ASCII, which needs no conversion of its own.
std::string Utf8(const QString& text)
{
    std::string ascii(std::size_t(text.size()), '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80)
            return Std(text);
        ascii[std::size_t(i)] = char(c);
    }
    return ascii;
}

// Reads the fields of one data line and keeps the first problem it meets.
class LineReader {
public:
    explicit LineReader(const Record& record) : record_(record) {}

    QDateTime time(const Layout& layout)
    {
        // Braced initialisers run in order: the date's problem comes before the time's.
        const WallClock read =
            layout.clock.present()
                ? WallClock{timeField(layout.time, ReadDate, QStringLiteral("is not a date")),
                            timeField(layout.clock, ReadClock, QStringLiteral("is not a time of day"))}
                : timeField(layout.time, ReadDateTime, QStringLiteral("is not a date and time"));
        return read.isValid() ? SiteWallClock(read.date, read.time) : QDateTime();
    }

    // The value of a column in the table's unit; as written when it is not a number.
    std::string reading(const Column& column, Conversion convert, bool required)
    {
        const QString text = field(column, required);
        if (text.isEmpty())
            return {};
        const std::string number = NumberText(Utf8(text));
        if (!IsNumericText(number)) {
            fail(column, QStringLiteral("is not a number"), text);
            return Std(text);
        }
        return convert.changes() ? NumberFormat::ScenarioValue(convert(ReadNumber(number))) : number;
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
    QString problem_;
};

}  // namespace

std::string NumberText(std::string field)
{
    if (field.find('.') == std::string::npos)
        std::replace(field.begin(), field.end(), ',', '.');
    return field;
}

std::optional<ColumnUnits> ReadUnitsRow(const Record& record, const Layout& layout)
{
    const auto field = [&record](const Column& column) {
        return column.present() && column.index < record.fields.size() ? record.fields[column.index].trimmed()
                                                                         : QString();
    };
    const auto isNumber = [&](const Column& column) { return IsNumericText(NumberText(Std(field(column)))); };
    const QString time = field(layout.time);
    if (ReadDateTime(time).isValid() || ReadDate(time).isValid() || ReadClock(time).isValid())
        return std::nullopt;
    for (const Column* column : {&layout.air, &layout.humidity, &layout.wind, &layout.concrete}) {
        if (!field(*column).isEmpty() && isNumber(*column))
            return std::nullopt;
    }
    return ColumnUnits{.air = UnitNamed(Quantity::Temperature, field(layout.air)),
                       .concrete = UnitNamed(Quantity::Temperature, field(layout.concrete)),
                       .wind = UnitNamed(Quantity::Wind, field(layout.wind))};
}

HourlyReading ReadRow(const Record& record, const Layout& layout, const Conversions& to)
{
    LineReader line(record);
    // The fields are read in the order of the columns a problem names first.
    HourlyReading row;
    row.time = line.time(layout);
    row.readings.air = line.reading(layout.air, to.air, true);
    row.readings.humidity = line.reading(layout.humidity, {}, true);
    row.readings.wind = line.reading(layout.wind, to.wind, true);
    row.readings.concrete = line.reading(layout.concrete, to.concrete, false);
    row.problem = line.problem();
    return row;
}

}  // namespace CsvImport

#include "outlook/CsvImport.h"

#include "outlook/sources/CsvHeader.h"
#include "outlook/sources/CsvRow.h"
#include "outlook/sources/CsvTokenizer.h"

namespace CsvImport {
namespace {

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
    const std::optional<Layout> header = ReadHeader(record.fields);
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
    result.named = NamedUnits(layout.units);
    const SourceUnits source{result.named.temperature ? result.named.temperature : chosen.temperature,
                             result.named.wind ? result.named.wind : chosen.wind};
    result.temperatureUnitMissing = !source.temperature;
    result.windUnitMissing = !source.wind;
    const Conversions conversions = ConversionsInto(units, layout.units, source);

    // A comma separates fields in comma-separated text; elsewhere it is a decimal point.
    const bool decimalComma = separator != u',';
    do {
        result.rows.push_back(ReadRow(record, layout, conversions, decimalComma));
    } while (reader.next(record));
    return result;
}

}  // namespace CsvImport

#include "outlook/CsvImport.h"

#include <deque>

#include "outlook/sources/CsvHeader.h"
#include "outlook/sources/CsvRow.h"
#include "outlook/sources/CsvTokenizer.h"
#include "outlook/sources/TextDecoding.h"
#include <QCoreApplication>

namespace CsvImport {
namespace {

// Meters and data loggers write a few device lines before the header.
constexpr int kLinesBeforeHeader = 20;
// A units row, and a data logger's row of how each value was sampled.
constexpr int kRowsUnderHeader = 2;

// The header among the first records: the first that names two known columns or more, else
// the first that names one (to say which column it lacks); none when no record names any.
std::optional<std::size_t> HeaderAmong(const std::deque<Record>& records)
{
    std::optional<std::size_t> oneNamed;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::optional<Layout> layout = ReadHeader(records[i].fields);
        if (layout && layout->knownColumns >= 2)
            return i;
        if (layout && !oneNamed)
            oneNamed = i;
    }
    return oneNamed;
}

// Where the header and the units row leave a unit unnamed, the units row's counts.
void AddUnits(ColumnUnits& units, const ColumnUnits& row)
{
    for (auto [unit, named] : {std::pair{&units.air, row.air}, std::pair{&units.concrete, row.concrete},
                               std::pair{&units.wind, row.wind}}) {
        if (!*unit)
            *unit = named;
    }
}

}  // namespace

struct Reader::Source {
    std::optional<DecodedStream> stream;
    std::optional<RecordReader> records;
    std::deque<Record> pending;  // read while the header was looked for, not yet returned
    Record record;               // the last read, kept to reuse its fields' room
    Layout layout;
    Conversions conversions;
    Start start;

    void open(QString first, RecordReader::MoreText more, UnitSystem units, const SourceUnits& chosen);
    bool nextRecord(Record& record);
    // A stream that stopped early says so rather than what it lacked.
    bool fail(const QString& error)
    {
        start.readable = false;
        start.error = stopped().isEmpty() ? error : stopped();
        pending.clear();
        return false;
    }
    bool readHeader();
    QString stopped() const
    {
        if (records && !records->stopped().isEmpty())
            return records->stopped();
        return stream ? stream->stopped() : QString();
    }
};

bool Reader::Source::nextRecord(Record& record)
{
    if (pending.empty())
        return records->next(record);
    record = std::move(pending.front());
    pending.pop_front();
    return true;
}

// Finds the header and reads the units rows under it; false when the source cannot be read.
bool Reader::Source::readHeader()
{
    for (Record record; int(pending.size()) < kLinesBeforeHeader && records->next(record);)
        pending.push_back(record);
    if (pending.empty())
        return fail(QCoreApplication::translate("CsvImport", "The text is empty."));
    const std::optional<std::size_t> header = HeaderAmong(pending);
    if (!header) {
        layout = PositionalLayout();
        return true;
    }
    layout = *ReadHeader(pending[*header].fields);
    const int headerLine = pending[*header].line;
    if (const QString missing = MissingColumn(layout); !missing.isEmpty())
        return fail(QCoreApplication::translate("CsvImport", "The header on line %1 names no %2 column.")
                        .arg(headerLine)
                        .arg(missing));
    pending.erase(pending.begin(), pending.begin() + std::ptrdiff_t(*header) + 1);
    Record record;
    for (int under = 0; under <= kRowsUnderHeader; ++under) {
        if (!nextRecord(record))
            return fail(QCoreApplication::translate("CsvImport", "No data lines follow the header on line %1.")
                            .arg(headerLine));
        const std::optional<ColumnUnits> units = ReadUnitsRow(record, layout);
        if (!units || under == kRowsUnderHeader) {
            pending.push_front(std::move(record));
            break;
        }
        AddUnits(layout.units, *units);
    }
    return true;
}

void Reader::Source::open(QString first, RecordReader::MoreText more, UnitSystem units, const SourceUnits& chosen)
{
    if (first.startsWith(QChar(0xFEFF)))
        first.remove(0, 1);
    if (const std::optional<int> line = BinaryLine(first)) {
        fail(QCoreApplication::translate("CsvImport", "Line %1 holds binary data, not text.").arg(*line));
        return;
    }
    const QChar separator = SeparatorOf(first);
    records.emplace(std::move(first), std::move(more), separator);
    if (!readHeader())
        return;
    start.readable = true;
    start.named = NamedUnits(layout.units);
    const SourceUnits source{start.named.temperature ? start.named.temperature : chosen.temperature,
                             start.named.wind ? start.named.wind : chosen.wind};
    start.temperatureUnitMissing = !source.temperature;
    start.windUnitMissing = !source.wind;
    conversions = ConversionsInto(units, layout.units, source);
}

Reader::Reader(const QString& text, UnitSystem units, const SourceUnits& chosen) : source_(std::make_unique<Source>())
{
    source_->open(text, {}, units, chosen);
}

Reader::Reader(QIODevice& device, std::optional<qint64> byteLimit, UnitSystem units, const SourceUnits& chosen)
    : source_(std::make_unique<Source>())
{
    DecodedStream& stream = source_->stream.emplace(device, byteLimit);
    QString first;
    stream.next(first);
    if (!stream.stopped().isEmpty() && first.isEmpty()) {
        source_->fail(stream.stopped());
        return;
    }
    source_->start.encoding = EncodingName(stream.encoding());
    source_->open(std::move(first), [&stream](QString& text) { return stream.next(text); }, units, chosen);
}

Reader::~Reader() = default;

const Start& Reader::start() const
{
    return source_->start;
}

bool Reader::next(HourlyReading& row)
{
    if (!source_->start.readable)
        return false;
    if (!source_->nextRecord(source_->record))
        return false;
    row = ReadRow(source_->record, source_->layout, source_->conversions);
    return true;
}

QString Reader::stopped() const
{
    return source_->stopped();
}

namespace {

Result ReadAll(Reader& reader)
{
    Result result;
    static_cast<Start&>(result) = reader.start();
    for (HourlyReading row; reader.next(row);)
        result.rows.push_back(std::move(row));
    if (const QString stopped = reader.stopped(); !stopped.isEmpty()) {
        result.readable = false;
        result.error = stopped;
        result.rows.clear();
    }
    return result;
}

}  // namespace

Result Read(const QString& text, UnitSystem units, const SourceUnits& chosen)
{
    Reader reader(text, units, chosen);
    return ReadAll(reader);
}

Result Read(QIODevice& device, std::optional<qint64> byteLimit, UnitSystem units, const SourceUnits& chosen)
{
    Reader reader(device, byteLimit, units, chosen);
    return ReadAll(reader);
}

}  // namespace CsvImport

#pragma once

#include <QString>
#include <array>
#include <optional>

// Where a record's readings came from, as its Source column says it. A record saved by a
// build that did not keep it has none (an empty Source).
enum class RecordSource { Typed, Forecast, MeterLog, Csv, FieldLog, Imported };

namespace RecordSources {

struct Named {
    RecordSource source;
    const char* text;
};
inline constexpr std::array<Named, 6> All{{{RecordSource::Typed, "Typed"},
                                           {RecordSource::Forecast, "Forecast"},
                                           {RecordSource::MeterLog, "Meter log"},
                                           {RecordSource::Csv, "CSV"},
                                           {RecordSource::FieldLog, "Field log"},
                                           {RecordSource::Imported, "Imported"}}};

inline QString Text(RecordSource source)
{
    for (const Named& named : All) {
        if (named.source == source)
            return QString::fromUtf8(named.text);
    }
    return {};
}

// The source a text names, letter case aside; none for any other text.
inline std::optional<RecordSource> FromText(const QString& text)
{
    for (const Named& named : All) {
        if (text.trimmed().compare(QString::fromUtf8(named.text), Qt::CaseInsensitive) == 0)
            return named.source;
    }
    return std::nullopt;
}

}  // namespace RecordSources

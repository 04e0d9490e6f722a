#include "records/RecordsImport.h"

#include <QLocale>
#include <cmath>
#include <map>
#include <optional>

#include "calc/NumberReading.h"
#include "output/Csv.h"
#include "records/RecordReading.h"
#include "records/RecordTime.h"
#include "records/RecordsDisplay.h"
#include "records/RecordsSchema.h"
#include "ui/QtText.h"

namespace RecordsImport {
namespace {

// A row lacking one of these cannot be a record.
const QStringList Required{QStringLiteral("RecordDate"), QStringLiteral("RecordTime"), QStringLiteral("AirTemp"),
                           QStringLiteral("ConcreteTemp"), QStringLiteral("RH"), QStringLiteral("WindVelocity")};
// Not taken from the file: the store numbers its records, and CopiedFrom tells a copy to a server.
const QStringList LeftAside{RecordsSchema::RecordNumber().name, RecordsSchema::CopiedFromColumn};
constexpr int ReasonsShown = 10;

struct Heading {
    const RecordsSchema::Column* column = nullptr;
    std::optional<UnitSystem> units;  // the system the heading's unit belongs to
};

// The system whose unit of the quantity is spelled so; none when neither has it.
std::optional<UnitSystem> SystemOfUnit(Quantity quantity, const QString& spelling)
{
    const Units::Unit* unit = Units::Find(quantity, Std(spelling));
    for (UnitSystem units : {UnitSystem::US, UnitSystem::SI}) {
        if (unit && &SystemOf(units).unit(quantity) == unit)
            return units;
    }
    return std::nullopt;
}

QString Quoted(const QString& text)
{
    return u'"' + text + u'"';
}

// Why a number column's text cannot be saved; empty when it can.
QString NumberProblem(const QString& text, bool required)
{
    if (text.trimmed().isEmpty())
        return required ? QStringLiteral("it is empty") : QString();
    return IsNumericText(Std(text)) ? QString() : Quoted(text) + QStringLiteral(" is not a number");
}

QString KeyNumber(const QString& text, RecordsSchema::Kind kind, UnitSystem units)
{
    if (!IsNumericText(Std(text)))
        return text.trimmed();
    return QString::number(std::lround(RecordsDisplay::InModelUnits(kind, ReadNumber(Std(text)), units)));
}

}  // namespace

Read FromText(const QString& text)
{
    Read read;
    const QList<Csv::Record> rows = Csv::Records(text);
    if (rows.isEmpty()) {
        read.error = QStringLiteral("The file is empty.");
        return read;
    }
    std::vector<Heading> headings;
    std::optional<UnitSystem> headingUnits;
    QStringList named;
    for (const QString& text : rows.front().fields) {
        const RecordsDisplay::HeadingParts parts = RecordsDisplay::SplitHeading(text);
        Heading heading;
        heading.column = RecordsSchema::Find(parts.name);
        if (heading.column && LeftAside.contains(heading.column->name))
            heading.column = nullptr;
        const std::optional<Quantity> quantity =
            heading.column ? RecordsDisplay::QuantityOf(heading.column->kind) : std::nullopt;
        if (quantity && quantity != Quantity::Humidity && !parts.unit.isEmpty()) {
            heading.units = SystemOfUnit(*quantity, parts.unit);
            if (!heading.units || (headingUnits && headingUnits != heading.units)) {
                read.error = QStringLiteral("The column \"%1\" is in %2, but the records are kept in %3 or %4, the "
                                            "same system in every column.")
                                 .arg(text, parts.unit, Q(Units::Symbol(*quantity, UnitSystem::US)),
                                      Q(Units::Symbol(*quantity, UnitSystem::SI)));
                return read;
            }
            headingUnits = heading.units;
        }
        if (heading.column)
            named << heading.column->name;
        headings.push_back(heading);
    }
    QStringList missing;
    for (const QString& name : Required) {
        if (!named.contains(name))
            missing << name;
    }
    if (!missing.isEmpty()) {
        read.error = QStringLiteral("The first line names no column %1, so the file holds no records as the viewer "
                                    "exports them.")
                         .arg(missing.join(QStringLiteral(", ")));
        return read;
    }

    const QLocale locale;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const Csv::Record& row = rows[r];
        ++read.rows;
        std::map<QString, QString> values;
        for (std::size_t c = 0; c < headings.size(); ++c) {
            if (headings[c].column)
                values[headings[c].column->name] = Csv::Unescaped(row.fields.value(qsizetype(c)).trimmed());
        }
        const auto refuse = [&](const QString& column, const QString& why) {
            read.refused << QStringLiteral("line %1, column %2: %3.").arg(row.line).arg(column, why);
        };
        NewRecord record;
        // The units of the values: as the row says, or its headings, or those of the first records.
        const QString code = values[QStringLiteral("Units")];
        std::optional<UnitSystem> units = code.isEmpty() ? headingUnits.value_or(UnitSystem::US)
                                                          : Units::SystemNamed(Std(code));
        if (!units) {
            refuse(QStringLiteral("Units"), Quoted(code) + QStringLiteral(" is neither US nor SI"));
            continue;
        }
        if (headingUnits && headingUnits != units) {
            refuse(QStringLiteral("Units"), QStringLiteral("the row is in %1 units, its headings in %2 units")
                                                .arg(Q(Units::Code(*units)), Q(Units::Code(*headingUnits))));
            continue;
        }
        const QDate date = RecordReading::Date(values[QStringLiteral("RecordDate")]);
        const QTime time = RecordReading::Time(values[QStringLiteral("RecordTime")]);
        QString problem;
        QString column;
        if (!date.isValid()) {
            column = QStringLiteral("RecordDate");
            problem = Quoted(values[column]) + QStringLiteral(" is not a date");
        } else if (!time.isValid()) {
            column = QStringLiteral("RecordTime");
            problem = Quoted(values[column]) + QStringLiteral(" is not a time");
        }
        for (const RecordsSchema::Column& written : RecordsSchema::WrittenColumns()) {
            if (!problem.isEmpty())
                break;
            if (RecordsDisplay::QuantityOf(written.kind)) {
                column = written.name;
                problem = NumberProblem(values[written.name], Required.contains(written.name));
            }
        }
        if (!problem.isEmpty()) {
            refuse(column, problem);
            continue;
        }
        for (const RecordsSchema::Column& written : RecordsSchema::WrittenColumns())
            record.*written.field = values[written.name];
        record.RecordDate = RecordTime::DateText(date, locale);
        record.RecordTime = RecordTime::TimeText(time, locale);
        record.Units = Q(Units::Code(*units));
        record.CopiedFrom.clear();
        const std::optional<RecordSource> source = RecordSources::FromText(record.Source);
        record.Source = RecordSources::Text(source.value_or(RecordSource::Imported));
        if (record.SavedBy.isEmpty())
            record.SavedBy = LoginName();
        read.records.push_back(std::move(record));
    }
    return read;
}

QString KeyOf(const NewRecord& record)
{
    const UnitSystem units = Units::FromCode(Std(record.Units.trimmed()));
    const QDate date = RecordReading::Date(record.RecordDate);
    const QTime time = RecordReading::Time(record.RecordTime);
    using Kind = RecordsSchema::Kind;
    return QStringList{date.isValid() ? date.toString(Qt::ISODate) : record.RecordDate.trimmed(),
                       time.isValid() ? time.toString(QStringLiteral("HH:mm:ss")) : record.RecordTime.trimmed(),
                       KeyNumber(record.AirTemp, Kind::Temperature, units),
                       KeyNumber(record.ConcreteTemp, Kind::Temperature, units),
                       KeyNumber(record.RH, Kind::Humidity, units),
                       KeyNumber(record.WindVelocity, Kind::Wind, units),
                       record.Site.trimmed(),
                       record.MiscNote.trimmed()}
        .join(QChar(0x1F));
}

QString Summary(const QString& fileName, const Read& read, const Outcome& outcome)
{
    if (!read.error.isEmpty())
        return QStringLiteral("\"%1\" could not be imported.\n%2").arg(fileName, read.error);
    if (!outcome.error.isEmpty())
        return QStringLiteral("Nothing was imported from \"%1\".\n%2").arg(fileName, outcome.error);
    if (outcome.cancelled)
        return QStringLiteral("The import was cancelled; nothing was added.");
    const auto were = [](int count) {
        return QStringLiteral("%1 %2").arg(QLocale().toString(count), count == 1 ? QStringLiteral("was")
                                                                                 : QStringLiteral("were"));
    };
    QString text = QStringLiteral("Of %1 %2 in \"%3\", %4 added, %5 there already and %6 refused.")
                       .arg(QLocale().toString(read.rows), read.rows == 1 ? QStringLiteral("row") : QStringLiteral("rows"),
                            fileName, were(outcome.added), were(outcome.already), were(int(read.refused.size())));
    if (!read.refused.isEmpty()) {
        text += u'\n' + read.refused.mid(0, ReasonsShown).join(u'\n');
        if (read.refused.size() > ReasonsShown)
            text += QStringLiteral("\n… and %1 more.").arg(read.refused.size() - ReasonsShown);
    }
    return text;
}

}  // namespace RecordsImport

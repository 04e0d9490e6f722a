#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

#include "app/BuildInfo.h"
#include "app/CommandLine.h"
#include "calc/UnitSystems.h"
#include "outlook/CsvImport.h"
#include "outlook/HourlyMeans.h"
#include "output/Csv.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"

namespace CommandLine {
namespace {

QString Version()
{
    return QStringLiteral("%1.%2.%3").arg(BuildInfo::VersionMajor).arg(BuildInfo::VersionMinor).arg(BuildInfo::VersionRevision);
}

QStringList Header(UnitSystem units, bool averaged)
{
    const QString temperature = UnitCaptions::Symbol(Quantity::Temperature, units);
    const QString rate = UnitCaptions::Symbol(Quantity::Rate, units);
    QStringList header{QStringLiteral("Time"),
                       QStringLiteral("Air Temperature (%1)").arg(temperature),
                       QStringLiteral("Relative Humidity (%)"),
                       QStringLiteral("Wind Velocity (%1)").arg(UnitCaptions::Symbol(Quantity::Wind, units)),
                       QStringLiteral("Concrete Temperature (%1)").arg(temperature),
                       QStringLiteral("Nomograph Rate (%1)").arg(rate),
                       QStringLiteral("Equation Rate (%1)").arg(rate),
                       QStringLiteral("Message")};
    if (averaged)
        header.insert(5, QStringLiteral("Readings"));
    return header;
}

// The site's wall-clock time as the file wrote it.
QString TimeText(const QDateTime& time)
{
    return time.isValid() ? time.date().toString(Qt::ISODate) + u'T' + time.time().toString(Qt::ISODate) : QString();
}

// Writes the rows of one source as they are computed, and counts those computed.
class RowWriter {
public:
    RowWriter(const Request& request, const QString& shown, QTextStream& out, QTextStream& err)
        : settings_(request.settings), shown_(shown), out_(out), err_(err)
    {
    }

    void header(bool averaged)
    {
        averaged_ = averaged;
        out_ << Csv::Line(Header(settings_.units, averaged), lineEnd_);
    }

    void write(const HourlyReading& reading)
    {
        const OutlookHour hour = EvaluateHour(reading, settings_);
        const bool computed = hour.result.valid;
        computed_ += computed ? 1 : 0;
        QStringList fields{TimeText(reading.time), Q(reading.readings.air), Q(reading.readings.humidity),
                           Q(reading.readings.wind), Q(hour.used.concrete),
                           computed ? Q(hour.result.nomoCaption) : QString(),
                           computed ? Q(hour.result.eqnCaption) : QString(),
                           computed ? Q(hour.result.answer) : hour.problem};
        if (averaged_)
            fields.insert(5, reading.averaged.any() ? reading.averaged.text() : QString());
        out_ << Csv::Line(fields, lineEnd_);
        const AveragedReadings& averaged = reading.averaged;
        if (averaged.leftOut > 0 && averaged.used > 0)
            err_ << "brackmere: " << shown_ << ": " << TimeText(reading.time) << ": " << averaged.leftOut << " of "
                 << averaged.used + averaged.leftOut << " readings left out of the means; the first: "
                 << averaged.firstLeftOut << "\n";
    }

    std::size_t computed() const { return computed_; }

private:
    const OutlookSettings& settings_;
    const QString& shown_;
    QTextStream& out_;
    QTextStream& err_;
    const QString lineEnd_ = QStringLiteral("\n");
    bool averaged_ = false;
    std::size_t computed_ = 0;
};

// Where the source names no unit, the values are taken in the output's units; said once.
void SayUnitsTaken(const CsvImport::Start& start, UnitSystem units, const QString& shown, QTextStream& err)
{
    const QString system = Q(Units::Code(units)).toLower();
    if (start.temperatureUnitMissing)
        err << "brackmere: " << shown << " names no temperature unit; its temperatures are taken as "
            << UnitCaptions::Symbol(Quantity::Temperature, units) << " (--units " << system << ").\n";
    if (start.windUnitMissing)
        err << "brackmere: " << shown << " names no wind unit; its wind velocities are taken as "
            << UnitCaptions::Symbol(Quantity::Wind, units) << " (--units " << system << ").\n";
}

int Outlook(const Request& request, QTextStream& out, QTextStream& err)
{
    const bool standardInput = request.file == QStringLiteral("-");
    const QString shown = standardInput ? QStringLiteral("standard input") : QDir::toNativeSeparators(request.file);
    QFile file(request.file);
    const bool opened = standardInput ? file.open(fileno(stdin), QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
        err << "brackmere: cannot read " << shown << ": " << file.errorString() << "\n";
        return Unusable;
    }
    // A regular file is read in a stream whatever its size; anything else may never end.
    const bool regular = !standardInput && QFileInfo(request.file).isFile();
    const UnitSystem units = request.settings.units;
    CsvImport::Reader reader(file, regular ? std::nullopt : std::optional(CsvImport::MaxSourceBytes), units);
    if (!reader.start().readable) {
        err << "brackmere: cannot read " << shown << ": " << reader.start().error << "\n";
        return Unusable;
    }
    SayUnitsTaken(reader.start(), units, shown, err);

    // The first rows tell whether the readings are a meter's, to be averaged to hours.
    std::vector<HourlyReading> rows;
    for (HourlyReading row; rows.size() < HourlyMeans::RowsLookedAt && reader.next(row);)
        rows.push_back(std::move(row));
    const bool averaged = !request.everyReading && HourlyMeans::FinerThanHourly(rows);
    RowWriter writer(request, shown, out, err);
    writer.header(averaged);
    HourlyMeans::Averager averager;
    std::vector<HourlyReading> done;
    const auto take = [&](const HourlyReading& row) {
        if (!averaged) {
            writer.write(row);
            return;
        }
        averager.add(row, done);
        for (const HourlyReading& hour : done)
            writer.write(hour);
        done.clear();
    };
    for (const HourlyReading& row : rows)
        take(row);
    rows.clear();
    for (HourlyReading row; reader.next(row);)
        take(row);
    averager.finish(done);
    for (const HourlyReading& hour : done)
        writer.write(hour);

    if (const QString stopped = reader.stopped(); !stopped.isEmpty()) {
        err << "brackmere: " << shown << ": " << stopped << "\n";
        return Unusable;
    }
    if (writer.computed() == 0) {
        err << "brackmere: no row of " << shown << " could be computed.\n";
        return NoneComputed;
    }
    return Computed;
}

}  // namespace

int Run(const Request& request, QTextStream& out, QTextStream& err)
{
    switch (request.action) {
    case Action::Help: out << HelpText(); return Computed;
    case Action::Version: out << "brackmere " << Version() << "\n"; return Computed;
    case Action::Outlook: return Outlook(request, out, err);
    case Action::Refuse: err << "brackmere: " << request.refusal << "\n" << Usage(); return Unusable;
    case Action::OpenWindow: break;
    }
    return Computed;
}

}  // namespace CommandLine

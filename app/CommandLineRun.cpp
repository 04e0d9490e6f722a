#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <string_view>

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

// A message of the command line in the language of the environment.
QString Said(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

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

// The site's wall-clock time as the file wrote it, "2026-07-14T08:00:00", written digit by
// digit: QDate's and QTime's own forms go through a printf each, the most of a row's time.
QString TimeText(const QDateTime& time)
{
    if (!time.isValid())
        return {};
    const QDate date = time.date();
    const QTime clock = time.time();
    char text[] = "0000-00-00T00:00:00";
    const auto put = [&text](int at, int value, int digits) {
        for (int i = at + digits - 1; i >= at; --i, value /= 10)
            text[i] = char('0' + value % 10);
    };
    if (date.year() < 0 || date.year() > 9999)
        return time.toString(Qt::ISODate);
    put(0, date.year(), 4);
    put(5, date.month(), 2);
    put(8, date.day(), 2);
    put(11, clock.hour(), 2);
    put(14, clock.minute(), 2);
    put(17, clock.second(), 2);
    return QString::fromLatin1(text, sizeof text - 1);
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
        out_ << Csv::Line(Header(settings_.units, averaged), QStringLiteral("\n"));
    }

    void write(const HourlyReading& reading)
    {
        const OutlookHour hour = EvaluateHour(reading, settings_);
        const bool computed = hour.result.valid;
        computed_ += computed ? 1 : 0;
        out_ << TimeText(reading.time);
        for (const std::string* field : {&reading.readings.air, &reading.readings.humidity, &reading.readings.wind,
                                         &hour.used.concrete})
            field_(*field);
        if (averaged_)
            out_ << ',' << (reading.averaged.any() ? reading.averaged.text() : QString());
        if (computed) {
            field_(hour.result.nomoCaption);
            field_(hour.result.eqnCaption);
            field_(hour.result.answer);
        } else {
            out_ << ",,," << Csv::Field(hour.problem);
        }
        out_ << '\n';
        const AveragedReadings& averaged = reading.averaged;
        if (averaged.leftOut > 0 && averaged.used > 0)
            err_ << "brackmere: "
                 << Said("%1: %2: %3 of %4 readings left out of the means; the first: %5")
                        .arg(shown_, TimeText(reading.time))
                        .arg(averaged.leftOut)
                        .arg(averaged.used + averaged.leftOut)
                        .arg(averaged.firstLeftOut)
                 << "\n";
    }

    std::size_t computed() const { return computed_; }

private:
    // Writes ",text" as Csv::Field would; plain ASCII that cannot start a formula, as readings
    // and rates nearly always are, goes out as it stands.
    void field_(const std::string& text)
    {
        const bool plain = (text.empty() || std::string_view("=+-@\t\r").find(text.front()) == std::string_view::npos) &&
                           std::all_of(text.begin(), text.end(), [](char c) {
                               return c > 0 && c != ',' && c != '"' && c != '\n' && c != '\r';
                           });
        out_ << ',';
        if (plain)
            out_ << QLatin1StringView(text.data(), qsizetype(text.size()));
        else
            out_ << Csv::Field(Q(text));
    }

    const OutlookSettings& settings_;
    const QString& shown_;
    QTextStream& out_;
    QTextStream& err_;
    bool averaged_ = false;
    std::size_t computed_ = 0;
};

// Where the source names no unit, the values are taken in the output's units; said once.
void SayUnitsTaken(const CsvImport::Start& start, UnitSystem units, const QString& shown, QTextStream& err)
{
    const QString system = Q(Units::Code(units)).toLower();
    if (start.temperatureUnitMissing)
        err << "brackmere: "
            << Said("%1 names no temperature unit; its temperatures are taken as %2 (--units %3).")
                   .arg(shown, UnitCaptions::Symbol(Quantity::Temperature, units), system)
            << "\n";
    if (start.windUnitMissing)
        err << "brackmere: "
            << Said("%1 names no wind unit; its wind velocities are taken as %2 (--units %3).")
                   .arg(shown, UnitCaptions::Symbol(Quantity::Wind, units), system)
            << "\n";
}

int Outlook(const Request& request, QTextStream& out, QTextStream& err)
{
    const bool standardInput = request.file == QStringLiteral("-");
    const QString shown = standardInput ? Said("standard input") : QDir::toNativeSeparators(request.file);
    QFile file(request.file);
    const bool opened = standardInput ? file.open(fileno(stdin), QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
        err << "brackmere: " << Said("cannot read %1: %2").arg(shown, file.errorString()) << "\n";
        return Unusable;
    }
    // A regular file is read in a stream whatever its size; anything else may never end.
    const bool regular = !standardInput && QFileInfo(request.file).isFile();
    const UnitSystem units = request.settings.units;
    CsvImport::Reader reader(file, regular ? std::nullopt : std::optional(CsvImport::MaxSourceBytes), units);
    if (!reader.start().readable) {
        err << "brackmere: " << Said("cannot read %1: %2").arg(shown, reader.start().error) << "\n";
        return Unusable;
    }
    SayUnitsTaken(reader.start(), units, shown, err);

    HourlyMeans::Rows rows(reader, request.everyReading);
    RowWriter writer(request, shown, out, err);
    writer.header(rows.averaged());
    for (HourlyReading row; rows.next(row);)
        writer.write(row);

    out.flush();
    if (out.status() == QTextStream::WriteFailed) {
        err << "brackmere: " << Said("the results could not be written to standard output.") << "\n";
        return Unusable;
    }
    if (const QString stopped = reader.stopped(); !stopped.isEmpty()) {
        err << "brackmere: " << shown << ": " << stopped << "\n";
        return Unusable;
    }
    if (writer.computed() == 0) {
        err << "brackmere: " << Said("no row of %1 could be computed.").arg(shown) << "\n";
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
    case Action::Watch: return RunWatch(request, out, err);
    case Action::OpenWindow:
    case Action::OpenPour: break;
    }
    return Computed;
}

}  // namespace CommandLine

#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include "app/BuildInfo.h"
#include "calc/UnitSystems.h"
#include "outlook/CsvImport.h"
#include "outlook/OutlookHours.h"
#include "output/Csv.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"

namespace CommandLine {
namespace {

const QString OutlookOption = QStringLiteral("outlook");
const QString UnitsOption = QStringLiteral("units");

QString Version()
{
    return QStringLiteral("%1.%2.%3").arg(BuildInfo::VersionMajor).arg(BuildInfo::VersionMinor).arg(BuildInfo::VersionRevision);
}

QStringList Header(UnitSystem units)
{
    const QString temperature = UnitCaptions::Symbol(Quantity::Temperature, units);
    const QString rate = UnitCaptions::Symbol(Quantity::Rate, units);
    return {QStringLiteral("Time"),
            QStringLiteral("Air Temperature (%1)").arg(temperature),
            QStringLiteral("Relative Humidity (%)"),
            QStringLiteral("Wind Velocity (%1)").arg(UnitCaptions::Symbol(Quantity::Wind, units)),
            QStringLiteral("Concrete Temperature (%1)").arg(temperature),
            QStringLiteral("Nomograph Rate (%1)").arg(rate),
            QStringLiteral("Equation Rate (%1)").arg(rate),
            QStringLiteral("Message")};
}

int Outlook(const Request& request, QTextStream& out, QTextStream& err)
{
    const QString shown = QDir::toNativeSeparators(request.file);
    QFile file(request.file);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "brackmere: cannot read " << shown << ": " << file.errorString() << "\n";
        return 2;
    }
    const UnitSystem units = request.units;
    const CsvImport::Result read = CsvImport::Read(QString::fromUtf8(file.readAll()), units);
    if (!read.readable) {
        err << "brackmere: cannot read " << shown << ": " << read.error << "\n";
        return 2;
    }
    // The default threshold of the units; a missing concrete temperature is the air's.
    OutlookSettings settings;
    settings.units = units;
    const QString lineEnd = QStringLiteral("\n");
    out << Csv::Line(Header(units), lineEnd);
    for (const HourlyReading& reading : read.rows) {
        const OutlookHour hour = EvaluateHour(reading, settings);
        const bool computed = hour.result.valid;
        const Readings& used = hour.used;
        out << Csv::Line({reading.time.isValid() ? reading.time.toString(Qt::ISODate) : QString(),
                          Q(reading.readings.air), Q(reading.readings.humidity), Q(reading.readings.wind),
                          Q(used.concrete), computed ? Q(hour.result.nomoCaption) : QString(),
                          computed ? Q(hour.result.eqnCaption) : QString(),
                          computed ? Q(hour.result.answer) : hour.problem},
                         lineEnd);
    }
    return 0;
}

}  // namespace

Request Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption({OutlookOption, QStringLiteral("Computes the hours of FILE.csv."), QStringLiteral("FILE.csv")});
    parser.addOption({UnitsOption, QStringLiteral("us or si."), QStringLiteral("us|si"), QStringLiteral("us")});
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows the help."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Shows the version."));
    parser.addOption(help);
    parser.addOption(version);

    Request request;
    if (!parser.parse(arguments)) {
        request.action = Action::Refuse;
        request.refusal = parser.errorText();
        return request;
    }
    if (parser.isSet(help))
        request.action = Action::Help;
    else if (parser.isSet(version))
        request.action = Action::Version;
    else if (parser.isSet(OutlookOption))
        request.action = Action::Outlook;
    const std::optional<UnitSystem> units = Units::SystemNamed(parser.value(UnitsOption).toStdString());
    if (!units) {
        request.action = Action::Refuse;
        request.refusal = QStringLiteral("--units takes us or si, not \"%1\".").arg(parser.value(UnitsOption));
    }
    if (!parser.positionalArguments().isEmpty() && request.action != Action::Refuse) {
        request.action = Action::Refuse;
        request.refusal = QStringLiteral("Unexpected argument \"%1\".").arg(parser.positionalArguments().first());
    }
    request.units = units.value_or(UnitSystem::US);
    request.file = parser.value(OutlookOption);
    return request;
}

QString HelpText()
{
    return QStringLiteral(
        "Usage: brackmere [--outlook FILE.csv [--units us|si]]\n"
        "\n"
        "Without options, opens the calculator window.\n"
        "\n"
        "  --outlook FILE.csv  Reads hourly readings from FILE.csv (columns named by a header,\n"
        "                      or without one in the order time, air temperature, relative\n"
        "                      humidity, wind, concrete temperature; the last is optional)\n"
        "                      and writes each hour's nomograph rate,\n"
        "                      equation rate and message as CSV to standard output, without\n"
        "                      opening a window. A missing concrete temperature is taken as\n"
        "                      the air's; the threshold is the default one.\n"
        "  --units us|si       The units of the results, and of values whose header names no\n"
        "                      unit: us (°F, mph, lb/ft²/hr, the default) or si (°C, km/h,\n"
        "                      kg/m²/hr).\n"
        "  --version           Prints the version.\n"
        "  -h, --help          Prints this help.\n"
        "\n"
        "Exit status: 0 on success, 2 when the arguments or the file cannot be used.\n");
}

int Run(const Request& request, QTextStream& out, QTextStream& err)
{
    switch (request.action) {
    case Action::Help: out << HelpText(); return 0;
    case Action::Version: out << "brackmere " << Version() << "\n"; return 0;
    case Action::Outlook: return Outlook(request, out, err);
    case Action::Refuse: err << "brackmere: " << request.refusal << "\n" << "Try brackmere --help.\n"; return 2;
    case Action::OpenWindow: break;
    }
    return 0;
}

}  // namespace CommandLine

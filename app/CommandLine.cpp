#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <array>

#include "calc/NumberReading.h"
#include "calc/UnitSystems.h"
#include "outlook/CsvImport.h"
#include "outlook/sources/TextDecoding.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"
#include "watch/Watch.h"

namespace CommandLine {
namespace {

const QString OutlookOption = QStringLiteral("outlook");
const QString UnitsOption = QStringLiteral("units");
const QString ThresholdOption = QStringLiteral("threshold");
const QString ConcreteOption = QStringLiteral("concrete");
const QString EveryReadingOption = QStringLiteral("every-reading");
const QString WatchOption = QStringLiteral("watch");
const QString DaysOption = QStringLiteral("days");
const QString JsonOption = QStringLiteral("json");
const QString NotifyOption = QStringLiteral("notify");
const QString OpenPourOption = QStringLiteral("outlook-pour");

struct WindowOption {
    const char* name;
    bool takesValue;
};

// Qt's own options of a window program, which it takes with one dash or two.
constexpr std::array kWindowOptions{
    WindowOption{"platform", true},   WindowOption{"platformpluginpath", true}, WindowOption{"platformtheme", true},
    WindowOption{"plugin", true},     WindowOption{"qwindowgeometry", true},    WindowOption{"qwindowicon", true},
    WindowOption{"qwindowtitle", true}, WindowOption{"display", true},          WindowOption{"geometry", true},
    WindowOption{"style", true},      WindowOption{"stylesheet", true},         WindowOption{"session", true},
    WindowOption{"title", true},      WindowOption{"name", true},               WindowOption{"reverse", false},
    WindowOption{"widgetcount", false}, WindowOption{"nograb", false},          WindowOption{"dograb", false},
    WindowOption{"sync", false},
};

const WindowOption* WindowOptionNamed(const QString& argument)
{
    if (!argument.startsWith(u'-') || argument == QStringLiteral("-"))
        return nullptr;
    const QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1).section(u'=', 0, 0);
    for (const WindowOption& option : kWindowOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

// The window's threshold choices: the system's default, or any other rate as the alternate.
std::optional<OutlookSettings> WithThreshold(OutlookSettings settings, const QString& text)
{
    const std::string rate = Std(text.trimmed());
    if (!IsNumericText(rate) || !(ReadNumber(rate) > 0))
        return std::nullopt;
    if (ReadNumber(rate) == ThresholdsOf(settings.units).shall) {
        settings.choice = ThresholdChoice::Default;
    } else {
        settings.choice = ThresholdChoice::Alternate;
        settings.alternateText = rate;
    }
    return settings;
}

// "air+5", "air-2", "air" or a temperature such as "75", in the units of the output.
std::optional<ConcreteRule> ConcreteRuleNamed(QString text)
{
    text = text.toLower().remove(u' ');
    const bool offset = text.startsWith(QStringLiteral("air"));
    const std::string value = Std(offset ? text.mid(3) : text);
    if (offset && value.empty())
        return ConcreteRule{ConcreteRule::Kind::AirPlusOffset, 0};
    if ((offset && value[0] != '+' && value[0] != '-') || !IsNumericText(value))
        return std::nullopt;
    return ConcreteRule{offset ? ConcreteRule::Kind::AirPlusOffset : ConcreteRule::Kind::Constant, ReadNumber(value)};
}

Request Refused(const QString& why)
{
    Request request;
    request.action = Action::Refuse;
    request.refusal = why;
    return request;
}

Request WatchRequest(const QCommandLineParser& parser)
{
    Request request;
    request.action = Action::Watch;
    request.json = parser.isSet(JsonOption);
    request.notify = parser.isSet(NotifyOption);
    if (parser.isSet(DaysOption)) {
        bool read = false;
        request.days = parser.value(DaysOption).toInt(&read);
        if (!read || request.days < 1 || request.days > Watch::MaxDays)
            return Refused(
                QCoreApplication::translate("CommandLine", "--days takes a number of days from 1 to %1, not \"%2\".")
                    .arg(Watch::MaxDays)
                    .arg(parser.value(DaysOption)));
    }
    return request;
}

}  // namespace

QStringList WithoutWindowOptions(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const WindowOption* option = i > 0 ? WindowOptionNamed(arguments[i]) : nullptr;
        if (!option)
            kept << arguments[i];
        else if (option->takesValue && !arguments[i].contains(u'='))
            ++i;
    }
    return kept;
}

Request Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption({OutlookOption, {}, QStringLiteral("FILE")});
    for (const QString& option : {UnitsOption, ThresholdOption, ConcreteOption})
        parser.addOption({option, {}, QStringLiteral("VALUE")});
    parser.addOption({EveryReadingOption, {}});
    for (const QString& option : {WatchOption, JsonOption, NotifyOption})
        parser.addOption({option, {}});
    parser.addOption({DaysOption, {}, QStringLiteral("N")});
    parser.addOption({OpenPourOption, {}, QStringLiteral("ID")});
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version(QStringLiteral("version"), {});
    parser.addOption(help);
    parser.addOption(version);

    if (!parser.parse(WithoutWindowOptions(arguments)))
        return Refused(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return Refused(QCoreApplication::translate("CommandLine", "Unexpected argument \"%1\".")
                           .arg(parser.positionalArguments().first()));
    Request request;
    if (parser.isSet(help)) {
        request.action = Action::Help;
        return request;
    }
    if (parser.isSet(version)) {
        request.action = Action::Version;
        return request;
    }
    for (const QString& option : {UnitsOption, ThresholdOption, ConcreteOption, EveryReadingOption}) {
        if (parser.isSet(option) && !parser.isSet(OutlookOption))
            return Refused(
                QCoreApplication::translate("CommandLine", "--%1 goes with --outlook FILE.csv.").arg(option));
    }
    for (const QString& option : {DaysOption, JsonOption, NotifyOption}) {
        if (parser.isSet(option) && !parser.isSet(WatchOption))
            return Refused(QCoreApplication::translate("CommandLine", "--%1 goes with --watch.").arg(option));
    }
    if (int(parser.isSet(OutlookOption)) + int(parser.isSet(WatchOption)) + int(parser.isSet(OpenPourOption)) > 1)
        return Refused(
            QCoreApplication::translate("CommandLine", "--outlook, --watch and --outlook-pour go one at a time."));
    if (parser.isSet(WatchOption))
        return WatchRequest(parser);
    if (parser.isSet(OpenPourOption)) {
        bool read = false;
        request.pourId = parser.value(OpenPourOption).toLongLong(&read);
        if (!read || request.pourId <= 0)
            return Refused(
                QCoreApplication::translate("CommandLine", "--outlook-pour takes a planned pour's number, not \"%1\".")
                    .arg(parser.value(OpenPourOption)));
        request.action = Action::OpenPour;
        return request;
    }
    if (!parser.isSet(OutlookOption))
        return request;

    request.action = Action::Outlook;
    request.file = parser.value(OutlookOption);
    request.everyReading = parser.isSet(EveryReadingOption);
    OutlookSettings& settings = request.settings;
    if (parser.isSet(UnitsOption)) {
        const std::optional<UnitSystem> units = Units::SystemNamed(Std(parser.value(UnitsOption)));
        if (!units)
            return Refused(QCoreApplication::translate("CommandLine", "--units takes us or si, not \"%1\".")
                               .arg(parser.value(UnitsOption)));
        settings.units = *units;
    }
    if (parser.isSet(ThresholdOption)) {
        const std::optional<OutlookSettings> with = WithThreshold(settings, parser.value(ThresholdOption));
        const ThresholdPolicy thresholds = ThresholdsOf(settings.units);
        if (!with)
            return Refused(QCoreApplication::translate(
                               "CommandLine", "--threshold takes %1, %2 or another rate above 0 in %3, not \"%4\".")
                               .arg(Q(thresholds.mayText), Q(thresholds.shallText),
                                    UnitCaptions::Symbol(Quantity::Rate, settings.units),
                                    parser.value(ThresholdOption)));
        settings = *with;
    }
    if (parser.isSet(ConcreteOption)) {
        const std::optional<ConcreteRule> rule = ConcreteRuleNamed(parser.value(ConcreteOption));
        if (!rule)
            return Refused(
                QCoreApplication::translate("CommandLine", "--concrete takes air+N, air-N or N in %1, not \"%2\".")
                    .arg(UnitCaptions::Symbol(Quantity::Temperature, settings.units), parser.value(ConcreteOption)));
        settings.concrete = *rule;
    }
    return request;
}

QString Usage()
{
    return QCoreApplication::translate("CommandLine",
                                       "Usage: brackmere [--outlook FILE.csv|- [--units us|si] [--threshold RATE]\n"
                                       "                 [--concrete air+N|N] [--every-reading]]\n"
                                       "       brackmere --watch [--days N] [--json] [--notify]\n"
                                       "       brackmere --outlook-pour ID\n"
                                       "       brackmere --help | --version\n");
}

QString HelpText()
{
    const ThresholdPolicy us = ThresholdsOf(UnitSystem::US);
    const ThresholdPolicy si = ThresholdsOf(UnitSystem::SI);
    return Usage()
           + QCoreApplication::translate(
                 "CommandLine",
                 "\n"
                 "Without options, opens the calculator window.\n"
                 "\n"
                 "  --outlook FILE.csv  Reads readings from FILE.csv, or from standard input for -,\n"
                 "                      and writes each row's nomograph rate, equation rate and\n"
                 "                      message as CSV to standard output as it is computed, without\n"
                 "                      opening a window. Columns are found by the names in a header\n"
                 "                      within the first 20 lines (lines before it, such as a meter's\n"
                 "                      device lines, are passed over); without one they stand in the\n"
                 "                      order time, air temperature, relative humidity, wind, concrete\n"
                 "                      temperature (the last is optional). Units come from the header\n"
                 "                      or a units row under it. The text may be UTF-8, UTF-16 or\n"
                 "                      Windows-1252. Readings closer together than an hour (a meter's\n"
                 "                      log) are averaged to clock hours; the Readings column counts\n"
                 "                      them. Standard input and other files that are not regular\n"
                 "                      files are read up to %1.\n"
                 "  --units us|si       The units of the results, of the options below, and of values\n"
                 "                      whose source names no unit: us (°F, mph, lb/ft²/hr, the\n"
                 "                      default) or si (°C, km/h, kg/m²/hr).\n"
                 "  --threshold RATE    The threshold in force, as in the window: the default %2\n"
                 "                      (%3 in si), %4 (%5 in si) or another rate (an alternate rate).\n"
                 "  --concrete air+N|N  A missing concrete temperature: the air temperature plus N\n"
                 "                      (air+0, the default; air-2 too), or N.\n"
                 "  --every-reading     One row per reading rather than the means of each clock hour.\n"
                 "  --watch             Checks the planned pours of the coming days against their\n"
                 "                      sites' forecasts (each site fetched once; the kept forecast,\n"
                 "                      with its age, when the server cannot be reached) and writes a\n"
                 "                      line per pour: at risk, borderline or clear, with its hours\n"
                 "                      and the worst rate.\n"
                 "  --days N            The coming days the watch looks at, 1 to 15 (3 by default).\n"
                 "  --json              The watch's findings as JSON.\n"
                 "  --notify            A desktop notification for each pour whose state changed since\n"
                 "                      the last check; clicking it opens the outlook at the pour. A\n"
                 "                      configured mail command mails the changes too.\n"
                 "  --outlook-pour ID   Opens the window with the outlook at planned pour ID.\n"
                 "  --version           Prints the version.\n"
                 "  -h, --help          Prints this help.\n"
                 "\n"
                 "Exit status: %6 when at least one row was computed, %7 when the file was read but no\n"
                 "row could be computed, %8 when the arguments or the input cannot be used. The watch:\n"
                 "%6 when every pour is clear, %7 when any is at risk or borderline, %8 when a pour could\n"
                 "not be checked (network, server, records), with the reason.\n")
                 .arg(CsvImport::SizeText(CsvImport::MaxSourceBytes), Q(us.shallText), Q(si.shallText), Q(us.mayText),
                      Q(si.mayText))
                 .arg(Computed)
                 .arg(NoneComputed)
                 .arg(Unusable);
}

}  // namespace CommandLine

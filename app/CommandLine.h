#pragma once

#include <QStringList>

#include "outlook/OutlookHours.h"
#include "watch/Watch.h"

class QTextStream;

// The program's command line: without options it opens the window; with --outlook it
// computes the hours of a CSV file or a meter's log and writes the results to standard
// output as they are computed, with no window at all; with --watch it checks the coming
// days' planned pours against their forecasts; with --outlook-pour it opens the window at
// a planned pour. Anything else it does not know is
// refused before any window is made.
namespace CommandLine {

enum class Action { OpenWindow, Outlook, Watch, OpenPour, Help, Version, Refuse };

struct Request {
    Action action = Action::OpenWindow;
    QString file;  // "-" for standard input
    OutlookSettings settings;  // units, threshold and concrete rule, as the outlook window has them
    bool everyReading = false;  // a row per reading rather than the means of each clock hour
    QString refusal;  // why the arguments cannot be followed
    // The watch's choices, and the pour to open.
    int days = Watch::DefaultDays;
    bool json = false;
    bool notify = false;
    qint64 pourId = 0;
};

// Exit statuses.
inline constexpr int Computed = 0;      // at least one row computed (or help, version)
inline constexpr int NoneComputed = 1;  // the file was read, but no row could be computed
inline constexpr int Unusable = 2;      // the arguments or the input cannot be used

// The arguments without the window system's own options (-platform NAME, -style=NAME, …),
// which only the window takes; the window opens when nothing but the program's name is left.
QStringList WithoutWindowOptions(const QStringList& arguments);

Request Parse(const QStringList& arguments);

// Runs a request other than OpenWindow and OpenPour and returns its exit status; messages go
// to `err`.
int Run(const Request& request, QTextStream& out, QTextStream& err);
// Checks the planned pours (CommandLineWatch.cpp).
int RunWatch(const Request& request, QTextStream& out, QTextStream& err);

QString Usage();
QString HelpText();

}  // namespace CommandLine

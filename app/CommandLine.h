#pragma once

#include <QStringList>

#include "calc/Units.h"

class QTextStream;

// The program's command line: without options it opens the window; with --outlook it
// computes the hours of a CSV file and writes the results to standard output, with no
// window at all.
namespace CommandLine {

enum class Action { OpenWindow, Outlook, Help, Version, Refuse };

struct Request {
    Action action = Action::OpenWindow;
    QString file;
    UnitSystem units = UnitSystem::US;
    QString refusal;  // why the arguments cannot be followed
};

Request Parse(const QStringList& arguments);

// Runs a request other than OpenWindow; returns the exit status: 0 on success, 2 with a
// message on `err` when the arguments or the file cannot be used.
int Run(const Request& request, QTextStream& out, QTextStream& err);

QString HelpText();

}  // namespace CommandLine

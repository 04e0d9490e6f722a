#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

#include "watch/PourCheck.h"

// The team's mail about pours whose state changed, through a sendmail-compatible command
// (the message, headers first, on its standard input; the recipients as arguments).
namespace WatchMail {

inline constexpr int TimeoutMs = 30000;

// A short plain-text message about one site's changed pours.
QByteArray Message(const QString& site, const QStringList& to, const std::vector<PourCheck>& changed,
                   const QDateTime& now);

// Runs `command -i -- to...`; empty when it took the message, otherwise why not, naming
// the command.
QString Send(const QString& command, const QStringList& to, const QByteArray& message);

}  // namespace WatchMail

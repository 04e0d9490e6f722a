#include "watch/WatchMail.h"

#include <QProcess>

#include "watch/WatchReport.h"
#include <QCoreApplication>

namespace WatchMail {
namespace {

// A header's text on one line, in RFC 2047 words where it is not plain ASCII.
QByteArray HeaderText(const QString& text)
{
    QString line = text;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    const QByteArray utf8 = line.toUtf8();
    const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return c > 0; });
    return ascii ? utf8 : "=?UTF-8?B?" + utf8.toBase64() + "?=";
}

}  // namespace

QByteArray Message(const QString& site, const QStringList& to, const std::vector<PourCheck>& changed,
                   const QDateTime& now)
{
    QString body
        = QCoreApplication::translate("WatchMail", "The forecast changed the outlook of %1 planned pour%2 at %3:\n\n")
              .arg(changed.size())
              .arg(changed.size() == 1 ? QString() : QStringLiteral("s"), site);
    for (const PourCheck& check : changed) {
        body += WatchReport::PourTitle(check.pour) + QStringLiteral("\n  ") + WatchReport::Finding(check) + u'\n';
        if (check.kept)
            body += QStringLiteral("  ") + WatchReport::KeptNote(check, now) + u'\n';
    }
    body += QCoreApplication::translate("WatchMail", "\nChecked %1 UTC by the Brackmere watch.\n")
                .arg(now.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    QByteArray message = "To: " + HeaderText(to.join(QStringLiteral(", "))) + "\r\n";
    message
        += "Subject: "
           + HeaderText(QCoreApplication::translate("WatchMail", "Planned pours at %1: the outlook changed").arg(site))
           + "\r\n";
    message += "MIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: 8bit\r\n\r\n";
    message += body.toUtf8().replace("\n", "\r\n");
    return message;
}

QString Send(const QString& command, const QStringList& to, const QByteArray& message)
{
    QProcess mail;
    mail.start(command, QStringList{QStringLiteral("-i"), QStringLiteral("--")} + to);
    if (!mail.waitForStarted(TimeoutMs))
        return QCoreApplication::translate("WatchMail", "The mail command \"%1\" could not be started: %2")
            .arg(command, mail.errorString());
    mail.write(message);
    mail.closeWriteChannel();
    if (!mail.waitForFinished(TimeoutMs)) {
        mail.kill();
        mail.waitForFinished();
        return QCoreApplication::translate("WatchMail", "The mail command \"%1\" did not finish within %2 s.")
            .arg(command)
            .arg(TimeoutMs / 1000);
    }
    if (mail.exitStatus() != QProcess::NormalExit || mail.exitCode() != 0)
        return QCoreApplication::translate("WatchMail", "The mail command \"%1\" failed (exit status %2): %3")
            .arg(command)
            .arg(mail.exitCode())
            .arg(QString::fromLocal8Bit(mail.readAllStandardError()).trimmed());
    return {};
}

}  // namespace WatchMail

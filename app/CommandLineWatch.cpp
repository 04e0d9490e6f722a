#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <map>

#include "app/CommandLine.h"
#include "calc/ProgramError.h"
#include "records/RecordsEngine.h"
#include "records/RecordsStore.h"
#include "settings/ForecastKey.h"
#include "settings/Settings.h"
#include "ui/QtText.h"
#include "watch/DesktopNotifier.h"
#include "watch/Watch.h"
#include "watch/WatchMail.h"
#include "watch/WatchReport.h"

namespace CommandLine {
namespace {

// How long a notifying watch stays to open the outlook for a click on one of its
// notifications, unless they are all closed sooner.
constexpr int ClickWaitMs = 10 * 60 * 1000;

QString ForecastCacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/forecasts");
}

// The pours from the records the window uses; nothing, with the reason in `error`, when
// they cannot be read. A server's password is never asked for: the watch runs unattended.
std::optional<std::vector<PlannedPour>> ReadPours(QString& error)
{
    const ServerPassword::ScopedAnswer noPrompt([](const QString&) { return std::nullopt; });
    RecordsStore store;
    try {
        store.ChooseDatabasePath();
        store.OpenDatabase();
    } catch (const ProgramError& failure) {
        error = QString::fromStdString(failure.what());
        return std::nullopt;
    }
    std::vector<PlannedPour> pours;
    if (const QSqlError failed = PlannedPours::List(store.database(), pours); failed.isValid()) {
        error = QStringLiteral("%1 (%2)").arg(failed.text(), store.describe());
        return std::nullopt;
    }
    return pours;
}

// The pours whose state differs from the last check's (or that were never checked).
std::vector<PourCheck> Changed(const std::vector<PourCheck>& checks)
{
    std::vector<PourCheck> changed;
    for (const PourCheck& check : checks) {
        if (!check.state)
            continue;
        const std::optional<Settings::PourCheckState> last = Settings::LastPourState(check.pour.id);
        if (!last || last->state != Q(EntryOf(*check.state).code))
            changed.push_back(check);
    }
    return changed;
}

// One notification per changed pour; false when one could not be sent.
bool Notify(const std::vector<PourCheck>& changed, QTextStream& err)
{
    DesktopNotifier notifier;
    QString why;
    if (!notifier.available(why)) {
        err << "brackmere: no notification was sent: " << why << ".\n";
        return false;
    }
    QObject::connect(&notifier, &DesktopNotifier::opened, &notifier, [](qint64 pour) {
        QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                {QStringLiteral("--outlook-pour"), QString::number(pour)});
    });
    bool sent = true;
    for (const PourCheck& check : changed) {
        QString error;
        const QString title = QStringLiteral("%1: %2").arg(check.pour.site, Q(EntryOf(*check.state).name));
        const QString body = WatchReport::PourTitle(check.pour) + QStringLiteral("\n") + WatchReport::Finding(check);
        if (!notifier.notify(check.pour.id, title, body, *check.state == PourState::AtRisk, error)) {
            err << "brackmere: the notification about pour " << check.pour.id << " was not shown: " << error << "\n";
            sent = false;
        }
    }
    err.flush();
    notifier.waitForAnswers(ClickWaitMs);
    return sent;
}

// One mail per site with recipients; false when one could not be sent.
bool Mail(const std::vector<PourCheck>& changed, const QDateTime& now, QTextStream& err)
{
    const QString command = Settings::MailCommand().trimmed();
    std::map<QString, std::vector<PourCheck>> bySite;
    for (const PourCheck& check : changed)
        bySite[check.pour.site].push_back(check);
    bool sent = true;
    for (const auto& [site, checks] : bySite) {
        const QStringList to = Settings::MailRecipients(site);
        if (to.isEmpty())
            continue;
        const QString failure = WatchMail::Send(command, to, WatchMail::Message(site, to, checks, now));
        if (!failure.isEmpty()) {
            err << "brackmere: the mail about " << site << " was not sent: " << failure << "\n";
            sent = false;
        }
    }
    return sent;
}

}  // namespace

int RunWatch(const Request& request, QTextStream& out, QTextStream& err)
{
    // The kept forecasts are the window's: the same folder whatever the program file is called.
    QCoreApplication::setApplicationName(QStringLiteral("Brackmere"));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QString error;
    const std::optional<std::vector<PlannedPour>> pours = ReadPours(error);
    if (!pours) {
        err << "brackmere: the planned pours could not be read: " << error << "\n";
        return Unusable;
    }
    ForecastKey key(SystemKeychain());
    const Watch::Options options{.server = Settings::ForecastServer(),
                                 .apiKey = Settings::ForecastKeyInKeychain() ? key.Get() : QString(),
                                 .cacheFolder = ForecastCacheFolder(),
                                 .heightFactor = Settings::HeightFactor(),
                                 .now = now};
    const std::vector<PourCheck> checks = Watch::Check(Watch::Due(*pours, now, request.days), options);
    out << (request.json ? QString::fromUtf8(WatchReport::Json(checks, now, request.days))
                         : WatchReport::Text(checks, now, request.days));
    out.flush();
    for (const PourCheck& check : checks) {
        if (!check.state)
            err << "brackmere: " << WatchReport::PourTitle(check.pour) << " could not be checked: " << check.reason
                << "\n";
    }

    // The states are remembered only when the changes are told, so that each is told once.
    const bool mailing = !Settings::MailCommand().trimmed().isEmpty();
    if (request.notify || mailing) {
        const std::vector<PourCheck> changed = Changed(checks);
        bool told = true;
        if (!changed.empty() && mailing)
            told = Mail(changed, now, err) && told;
        if (!changed.empty() && request.notify)
            told = Notify(changed, err) && told;
        if (told) {
            for (const PourCheck& check : changed)
                Settings::SetLastPourState(check.pour.id, {Q(EntryOf(*check.state).code), now});
        }
    }
    return Watch::Status(checks);
}

}  // namespace CommandLine

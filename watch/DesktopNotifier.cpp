#include "watch/DesktopNotifier.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QCoreApplication>

namespace {

const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString DefaultAction = QStringLiteral("default");
constexpr int CallTimeoutMs = 10000;

}  // namespace

DesktopNotifier::DesktopNotifier(const QDBusConnection& bus, QObject* parent) : QObject(parent), bus_(bus)
{
    bus_.connect(Service, Path, Service, QStringLiteral("ActionInvoked"), this,
                 SLOT(actionInvoked(uint, QString)));
    bus_.connect(Service, Path, Service, QStringLiteral("NotificationClosed"), this,
                 SLOT(notificationClosed(uint, uint)));
}

bool DesktopNotifier::available(QString& why) const
{
    if (!bus_.isConnected()) {
        why = QCoreApplication::translate("DesktopNotifier", "there is no session bus (%1)")
                  .arg(bus_.lastError().message());
        return false;
    }
    if (!bus_.interface()->isServiceRegistered(Service).value()) {
        why = QCoreApplication::translate("DesktopNotifier", "no notification service (%1) is on the session bus")
                  .arg(Service);
        return false;
    }
    return true;
}

bool DesktopNotifier::notify(qint64 pourId, const QString& title, const QString& body, bool urgent, QString& error)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("org.brackmere.Brackmere")},
                            {QStringLiteral("urgency"), QVariant::fromValue(uchar(urgent ? 2 : 1))}};
    call << QStringLiteral("Brackmere") << uint(0) << QStringLiteral("org.brackmere.Brackmere") << title << body
         << QStringList{DefaultAction, QCoreApplication::translate("DesktopNotifier", "Open in the Outlook")} << hints
         << int(-1);
    // The service may live in this very process (a test's): the wait keeps events going.
    const QDBusMessage reply = bus_.call(call, QDBus::BlockWithGui, CallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        error = QCoreApplication::translate("DesktopNotifier", "the notification service refused it: %1")
                    .arg(reply.errorMessage());
        return false;
    }
    open_[reply.arguments().constFirst().toUInt()] = pourId;
    return true;
}

void DesktopNotifier::waitForAnswers(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    const QDeadlineTimer deadline(milliseconds);
    while (!open_.empty() && !deadline.hasExpired())
        loop.processEvents(QEventLoop::WaitForMoreEvents, 200);
}

void DesktopNotifier::actionInvoked(uint id, const QString& action)
{
    const auto sent = open_.find(id);
    if (sent == open_.end() || action != DefaultAction)
        return;
    const qint64 pour = sent->second;
    open_.erase(sent);
    emit opened(pour);
}

void DesktopNotifier::notificationClosed(uint id, uint)
{
    open_.erase(id);
}

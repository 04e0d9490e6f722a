#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTimer>

#include "tests/watch/WatchFixture.h"
#include "watch/DesktopNotifier.h"

namespace {

const QString Path = QStringLiteral("/org/freedesktop/Notifications");

// The desktop's notification service, as small as the watch needs it, on a connection of
// its own to the session bus the test runs in (dbus-run-session).
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Shown {
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };

    NotificationService() : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "notification-service"))
    {
        EXPECT_TRUE(bus_.registerObject(Path, this, QDBusConnection::ExportAllSlots));
    }
    ~NotificationService() override { QDBusConnection::disconnectFromBus("notification-service"); }
    bool Start() { return bus_.registerService(DesktopNotifier::Service); }
    void Stop() { bus_.unregisterService(DesktopNotifier::Service); }
    void Emit(const char* name, const QVariantList& arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(Path, DesktopNotifier::Service, QString::fromLatin1(name));
        signal.setArguments(arguments);
        bus_.send(signal);
    }

    QList<Shown> shown;
    bool closeAtOnce = true;  // as a user dismissing each at once

public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int)
    {
        shown.append({summary, body, actions, hints});
        const uint id = uint(shown.size());
        if (closeAtOnce)
            QTimer::singleShot(0, this, [this, id] { Emit("NotificationClosed", {id, 2u}); });
        return id;
    }
    QStringList GetCapabilities() { return {"actions", "body"}; }

private:
    QDBusConnection bus_;
};

// One notification per pour whose state changed, none without a change; without a service
// on the bus nothing is remembered, so that the change is told once one is there.
TEST_F(WatchRun, NotifiesEachChangeOnce)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) << "runs in dbus-run-session";
    NotificationService service;
    const qint64 risky = Plan(Pour(AtRisk, 3));
    Plan(Pour(Clear, 3));

    const Ran unheard = Watch({"--notify"});
    EXPECT_EQ(unheard.status, 1);
    EXPECT_TRUE(unheard.err.contains("brackmere: no notification was sent: no notification service "
                                     "(org.freedesktop.Notifications) is on the session bus."))
        << unheard.err.toStdString();

    ASSERT_TRUE(service.Start());
    const struct {
        const char* name;
        double weatherOf;  // a site whose weather turns that of another first
        double turnsTo;
        QStringList summaries;
    } runs[] = {
        {"first check", 0, 0, {"Site 30: at risk", "Site 10: clear"}},
        {"nothing changed", 0, 0, {}},
        {"the risky site clears", AtRisk, Clear, {"Site 30: clear"}},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.name);
        if (run.weatherOf != 0)
            weather[run.weatherOf] = SitesWeather.at(run.turnsTo);
        service.shown.clear();
        const Ran done = Watch({"--notify"});
        EXPECT_EQ(done.err, "");
        QStringList summaries;
        for (const NotificationService::Shown& shown : service.shown)
            summaries << shown.summary;
        EXPECT_EQ(summaries, run.summaries);
    }
    ASSERT_EQ(Settings::LastPourState(risky)->state, "clear");
}

// The first notification's text and its click, which opens the outlook at the pour.
TEST(DesktopNotifierTest, AClickOpensThePour)
{
    NotificationService service;
    service.closeAtOnce = false;
    ASSERT_TRUE(service.Start());
    DesktopNotifier notifier;
    QString error;
    ASSERT_TRUE(notifier.available(error)) << error.toStdString();
    QSignalSpy opened(&notifier, &DesktopNotifier::opened);
    ASSERT_TRUE(notifier.notify(7, "Site 30: at risk", "Pour 7 at Site 30", true, error)) << error.toStdString();
    ASSERT_TRUE(notifier.notify(8, "Site 10: clear", "Pour 8 at Site 10", false, error));
    ASSERT_EQ(service.shown.size(), 2);
    EXPECT_EQ(service.shown[0].actions, QStringList({"default", "Open in the Outlook"}));
    EXPECT_EQ(service.shown[0].hints.value("urgency").toInt(), 2);
    EXPECT_EQ(service.shown[1].hints.value("urgency").toInt(), 1);
    EXPECT_EQ(service.shown[0].hints.value("desktop-entry").toString(), "org.brackmere.Brackmere");

    service.Emit("ActionInvoked", {1u, "default"});
    ASSERT_TRUE(opened.wait(5000));
    EXPECT_EQ(opened.first().first().toLongLong(), 7);
    service.Emit("NotificationClosed", {2u, 2u});
    notifier.waitForAnswers(5000);  // ends at once: none is left open
    EXPECT_EQ(opened.size(), 1);

    service.Stop();
    EXPECT_FALSE(notifier.available(error));
    EXPECT_EQ(error, "no notification service (org.freedesktop.Notifications) is on the session bus");
}

}  // namespace

#include "WatchNotifyTest.moc"

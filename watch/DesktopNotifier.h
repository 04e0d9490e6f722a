#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <map>

// Desktop notifications through the session's notification service
// (org.freedesktop.Notifications). A notification carries the planned pour it is about;
// clicking it (the default action) is reported as opened for that pour while this object
// lives.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    static inline const QString Service = QStringLiteral("org.freedesktop.Notifications");

    explicit DesktopNotifier(const QDBusConnection& bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    // Whether a notification service is there to answer; otherwise `why` says why not.
    bool available(QString& why) const;
    // Sends one notification, urgent when `urgent`; false with `error` when it was refused.
    bool notify(qint64 pourId, const QString& title, const QString& body, bool urgent, QString& error);
    // Waits until every notification sent was clicked or closed, or `milliseconds` passed.
    void waitForAnswers(int milliseconds);

signals:
    void opened(qint64 pourId);

private slots:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    QDBusConnection bus_;
    std::map<uint, qint64> open_;  // notification id to pour
};

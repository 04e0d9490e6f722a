#include "outlook/PendingReply.h"

#include <QTimer>

namespace PendingReply {

void AbortAfter(QNetworkReply* reply, int ms)
{
    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, reply, &QNetworkReply::abort);
    timer->start(ms);
}

void Drop(QPointer<QNetworkReply>& reply, QObject* receiver)
{
    if (!reply)
        return;
    QNetworkReply* open = reply;
    reply = nullptr;
    open->disconnect(receiver);
    open->abort();
    open->deleteLater();
}

}  // namespace PendingReply

#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QPointer>

// What the outlook's network clients do with the one request they may have open.
namespace PendingReply {

// Aborts `reply` after `ms`: a transfer timeout only notices silence, and a server that
// trickles needs this too.
void AbortAfter(QNetworkReply* reply, int ms);

// Forgets and aborts the open request, if any, without `receiver` hearing of it.
void Drop(QPointer<QNetworkReply>& reply, QObject* receiver);

}  // namespace PendingReply

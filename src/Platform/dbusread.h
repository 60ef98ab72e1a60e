#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <utility>

// Sends `read` to a service only if it runs (none is started for it) and hands a good answer to
// `take`, later, from the event loop; nothing is handed on a failure, or once `context` is gone.
template<typename Reply, typename Take>
void readFromRunningService(const QDBusConnection &bus, QDBusMessage read, QObject *context, Take take)
{
    read.setAutoStartService(false);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [take = std::move(take)](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<Reply> reply = *call;
        if (!reply.isError())
            take(reply.value());
    });
}

#pragma once

#include "qmlsingleton.h"
#include "supportchatstore.h"

#include <QPointer>
#include <QtQml/qqml.h>

class QJSEngine;
class QQmlEngine;

// Hands QML the app's one chat history as the singleton `SupportChat`. main() (or a test) sets
// it; an engine that finds none gets a history kept in memory only, so screens work in isolation.
struct SupportChatSingleton {
    Q_GADGET
    QML_FOREIGN(SupportChatStore)
    QML_NAMED_ELEMENT(SupportChat)
    QML_SINGLETON

public:
    static void setInstance(SupportChatStore *store);
    // Or how to make it when a screen first asks.
    static void setFactory(std::function<SupportChatStore *()> make);
    static SupportChatStore *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

private:
    static inline MadeOnFirstUse<SupportChatStore> s_instance;
};

#include "supportchatsingleton.h"

#include "qmlsingleton.h"

void SupportChatSingleton::setInstance(SupportChatStore *store)
{
    s_instance = store;
}

SupportChatStore *SupportChatSingleton::create(QQmlEngine *, QJSEngine *jsEngine)
{
    return provideQmlSingleton(s_instance.data(), [jsEngine] { return new SupportChatStore(nullptr, nullptr, jsEngine); });
}

#include "supportchatsingleton.h"

#include "qmlsingleton.h"

void SupportChatSingleton::setInstance(SupportChatStore *store)
{
    s_instance.set(store);
}

void SupportChatSingleton::setFactory(std::function<SupportChatStore *()> make)
{
    s_instance.setFactory(std::move(make));
}

SupportChatStore *SupportChatSingleton::create(QQmlEngine *, QJSEngine *jsEngine)
{
    return provideQmlSingleton(s_instance.get(), [jsEngine] { return new SupportChatStore(nullptr, nullptr, jsEngine); });
}

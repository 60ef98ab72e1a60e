#include "urlopenersingleton.h"

#include "fakeurlopener.h"

#include "qmlsingleton.h"

void UrlOpenerSingleton::setInstance(UrlOpener *opener)
{
    s_instance = opener;
}

UrlOpener *UrlOpenerSingleton::create(QQmlEngine *, QJSEngine *jsEngine)
{
    return provideQmlSingleton<UrlOpener>(s_instance.data(), [jsEngine] { return new FakeUrlOpener(jsEngine); });
}

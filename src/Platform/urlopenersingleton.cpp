#include "urlopenersingleton.h"

#include "fakeurlopener.h"

#include <QJSEngine>

void UrlOpenerSingleton::setInstance(UrlOpener *opener)
{
    s_instance = opener;
}

UrlOpener *UrlOpenerSingleton::create(QQmlEngine *, QJSEngine *jsEngine)
{
    if (s_instance) {
        QJSEngine::setObjectOwnership(s_instance, QJSEngine::CppOwnership);
        return s_instance;
    }
    return new FakeUrlOpener(jsEngine); // owned by the engine
}

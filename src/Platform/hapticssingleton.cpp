#include "hapticssingleton.h"

#include <QJSEngine>

void HapticsSingleton::setInstance(Haptics *haptics)
{
    s_instance = haptics;
}

Haptics *HapticsSingleton::create(QQmlEngine *, QJSEngine *jsEngine)
{
    if (s_instance) {
        QJSEngine::setObjectOwnership(s_instance, QJSEngine::CppOwnership);
        return s_instance;
    }
    return new Haptics(jsEngine); // owned by the engine
}

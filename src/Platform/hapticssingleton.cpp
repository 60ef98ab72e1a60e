#include "hapticssingleton.h"

#include "qmlsingleton.h"

void HapticsSingleton::setInstance(Haptics *haptics)
{
    s_instance = haptics;
}

Haptics *HapticsSingleton::create(QQmlEngine *, QJSEngine *jsEngine)
{
    return provideQmlSingleton(s_instance.data(), [jsEngine] { return new Haptics(jsEngine); });
}

#include "motionpreferencesingleton.h"

#include "qmlsingleton.h"

void MotionPreferenceSingleton::setInstance(MotionPreference *preference)
{
    s_instance = preference;
}

MotionPreference *MotionPreferenceSingleton::create(QQmlEngine *, QJSEngine *jsEngine)
{
    return provideQmlSingleton(s_instance.data(), [jsEngine] { return new MotionPreference(jsEngine, QDBusConnection(QString())); });
}

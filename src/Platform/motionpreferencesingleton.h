#pragma once

#include "motionpreference.h"

#include <QPointer>
#include <QtQml/qqml.h>

class QJSEngine;
class QQmlEngine;

// Exposes the desktop's MotionPreference to QML as the singleton `MotionPreference`. main() (or a
// test) sets the instance; an engine that finds none gets one that never reduces motion.
struct MotionPreferenceSingleton {
    Q_GADGET
    QML_FOREIGN(MotionPreference)
    QML_NAMED_ELEMENT(MotionPreference)
    QML_SINGLETON

public:
    static void setInstance(MotionPreference *preference);
    static MotionPreference *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

private:
    static inline QPointer<MotionPreference> s_instance;
};

#pragma once

#include "haptics.h"

#include <QPointer>
#include <QtQml/qqml.h>

class QJSEngine;
class QQmlEngine;

// Exposes the app's Haptics to QML as the singleton `Haptics`. main() (or a test) sets the
// instance; an engine that finds none set gets a private one, so components work in isolation.
struct HapticsSingleton {
    Q_GADGET
    QML_FOREIGN(Haptics)
    QML_NAMED_ELEMENT(Haptics)
    QML_SINGLETON

public:
    static void setInstance(Haptics *haptics);
    static Haptics *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

private:
    static inline QPointer<Haptics> s_instance;
};

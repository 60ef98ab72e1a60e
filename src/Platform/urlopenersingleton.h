#pragma once

#include "urlopener.h"

#include <QPointer>
#include <QtQml/qqml.h>

class QJSEngine;
class QQmlEngine;

// Exposes the app's UrlOpener to QML as the singleton `UrlOpener`. main() (or a test) sets the
// instance; an engine that finds none set gets a private FakeUrlOpener that opens nothing.
struct UrlOpenerSingleton {
    Q_GADGET
    QML_FOREIGN(UrlOpener)
    QML_NAMED_ELEMENT(UrlOpener)
    QML_SINGLETON

public:
    static void setInstance(UrlOpener *opener);
    static UrlOpener *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

private:
    static inline QPointer<UrlOpener> s_instance;
};

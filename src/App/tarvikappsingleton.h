#pragma once

#include "qmlsingleton.h"
#include "tarvikapp.h"

#include <QQmlEngine>
#include <QtQml/qqmlregistration.h>

// TarvikApp as QML's "TarvikApp" singleton: the instance main() (or a test) set, owned by C++.
struct TarvikAppSingleton {
    Q_GADGET
    QML_FOREIGN(TarvikApp)
    QML_NAMED_ELEMENT(TarvikApp)
    QML_SINGLETON

public:
    static void setInstance(TarvikApp *app) { s_instance = app; }
    static TarvikApp *create(QQmlEngine *, QJSEngine *)
    {
        return provideQmlSingleton(s_instance, "TarvikApp");
    }

private:
    static inline TarvikApp *s_instance = nullptr;
};

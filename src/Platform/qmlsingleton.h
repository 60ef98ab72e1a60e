#pragma once

#include <QJSEngine>

// What the create() of a QML singleton wrapper hands the engine: the instance main() (or a test)
// set, left in C++ ownership so that the engine never deletes it.
template<typename T>
T *provideQmlSingleton(T *instance, [[maybe_unused]] const char *name)
{
    Q_ASSERT_X(instance, name, "set the instance before QML asks for it");
    QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
    return instance;
}

// The same, with a stand-in made by `makeFallback` (and owned by the engine) when none was set, so
// that components also work in isolation.
template<typename T, typename MakeFallback>
T *provideQmlSingleton(T *instance, MakeFallback makeFallback)
{
    if (!instance)
        return makeFallback();
    QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
    return instance;
}

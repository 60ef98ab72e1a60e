#pragma once

#include <QJSEngine>
#include <QPointer>

#include <functional>
#include <utility>

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

// The app's one instance of a service, either set outright (tests) or made by a factory main()
// sets, the first time QML or C++ asks for it: what only some screens use costs nothing at start.
template<typename T>
class MadeOnFirstUse
{
public:
    void set(T *instance)
    {
        m_instance = instance;
        m_make = nullptr;
    }
    void setFactory(std::function<T *()> make)
    {
        m_instance = nullptr;
        m_make = std::move(make);
    }
    T *get()
    {
        if (!m_instance && m_make)
            m_instance = std::exchange(m_make, nullptr)();
        return m_instance.data();
    }

private:
    QPointer<T> m_instance;
    std::function<T *()> m_make;
};

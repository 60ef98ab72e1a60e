#include "speedtestenvironment.h"

#include "qmlsingleton.h"

SpeedTestEnvironment::SpeedTestEnvironment(const Collaborators &collaborators, QObject *parent)
    : QObject(parent)
    , m_collaborators(collaborators)
{
}

void SpeedTestEnvironmentSingleton::setInstance(SpeedTestEnvironment *environment)
{
    s_instance.set(environment);
}

void SpeedTestEnvironmentSingleton::setFactory(std::function<SpeedTestEnvironment *()> make)
{
    s_instance.setFactory(std::move(make));
}

SpeedTestEnvironment *SpeedTestEnvironmentSingleton::create(QQmlEngine *, QJSEngine *jsEngine)
{
    // Without one set (a screen shown on its own), engines have nothing to measure with and fail.
    return provideQmlSingleton(s_instance.get(), [jsEngine] {
        return new SpeedTestEnvironment({.config = SpeedTestConfig::fromArguments({})}, jsEngine);
    });
}

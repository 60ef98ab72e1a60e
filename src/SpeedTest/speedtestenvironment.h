#pragma once

#include "monotonicclock.h"
#include "qmlsingleton.h"
#include "speedtestconfig.h"
#include "speedtestprotocol.h"

#include <QObject>
#include <QPointer>
#include <QtQml/qqml.h>


class Haptics;
class NetworkAccess;

// What a speed-test engine measures with: the app's network access, the speed-test host, the
// haptics and a monotonic clock. main() builds one for the app; tests build their own.
class SpeedTestEnvironment : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString serviceLabel READ serviceLabel CONSTANT)

public:
    struct Collaborators {
        const NetworkAccess *network = nullptr;
        SpeedTestConfig config;
        Haptics *haptics = nullptr;
        const MonotonicClock *clock = nullptr;
        SpeedTestLimits limits;
    };

    explicit SpeedTestEnvironment(const Collaborators &collaborators, QObject *parent = nullptr);

    const NetworkAccess *network() const { return m_collaborators.network; }
    QUrl baseUrl() const { return m_collaborators.config.baseUrl; }
    QString serviceLabel() const { return m_collaborators.config.serviceLabel; }
    Haptics *haptics() const { return m_collaborators.haptics; }
    const MonotonicClock *clock() const { return m_collaborators.clock; }
    SpeedTestLimits limits() const { return m_collaborators.limits; }

private:
    Collaborators m_collaborators;
};

// Exposes the app's SpeedTestEnvironment to QML as the singleton `SpeedTestEnvironment`. main()
// (or a test) sets the instance before QML asks for it.
struct SpeedTestEnvironmentSingleton {
    Q_GADGET
    QML_FOREIGN(SpeedTestEnvironment)
    QML_NAMED_ELEMENT(SpeedTestEnvironment)
    QML_SINGLETON

public:
    static void setInstance(SpeedTestEnvironment *environment);
    // Or how to make it when the speed-test screen first asks.
    static void setFactory(std::function<SpeedTestEnvironment *()> make);
    static SpeedTestEnvironment *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

private:
    static inline MadeOnFirstUse<SpeedTestEnvironment> s_instance;
};

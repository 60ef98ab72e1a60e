#pragma once

#include "monotonicclock.h"
#include "qmlsingleton.h"
#include "speedtestconfig.h"

#include <QObject>
#include <QPointer>
#include <QtQml/qqml.h>

#include <chrono>

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
        // A request that moves no byte for this long fails (the download, the probes, the upload).
        std::chrono::milliseconds idleTimeout{60000};
        // And one that is not over after this long fails too: a host that drips its answer cannot
        // hold the test for ever. Ten minutes let a 10 MB download finish at 140 kbit/s.
        std::chrono::milliseconds requestLimit{600000};
        // The module of the speed test's transport; empty for where the app keeps it.
        QString transportModule;
    };

    explicit SpeedTestEnvironment(const Collaborators &collaborators, QObject *parent = nullptr);

    const NetworkAccess *network() const { return m_collaborators.network; }
    QUrl baseUrl() const { return m_collaborators.config.baseUrl; }
    QString serviceLabel() const { return m_collaborators.config.serviceLabel; }
    Haptics *haptics() const { return m_collaborators.haptics; }
    const MonotonicClock *clock() const { return m_collaborators.clock; }
    std::chrono::milliseconds idleTimeout() const { return m_collaborators.idleTimeout; }
    std::chrono::milliseconds requestLimit() const { return m_collaborators.requestLimit; }
    QString transportModule() const { return m_collaborators.transportModule; }

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

#pragma once

#include "haptics.h"
#include "monotonicclock.h"
#include "networkaccess.h"
#include "speedtestengine.h"
#include "speedtestenvironment.h"
#include "standinfixture.h"

#include <memory>

// A speed-test engine measuring against the stand-in, with the app's kinds of collaborators.
struct SpeedTestFixture {
    std::unique_ptr<StandinSite> site;
    std::unique_ptr<NetworkAccess> network;
    Haptics haptics;
    ElapsedMonotonicClock elapsedClock;
    std::unique_ptr<SpeedTestEnvironment> environment;

    bool start(const MonotonicClock *clock = nullptr, std::chrono::milliseconds idleTimeout = std::chrono::seconds(60))
    {
        site = startStandin();
        if (!site)
            return false;
        network = std::make_unique<NetworkAccess>(site->caFile());
        environment = std::make_unique<SpeedTestEnvironment>(SpeedTestEnvironment::Collaborators{
            .network = network.get(),
            .config = {.baseUrl = site->baseUrl(), .serviceLabel = QStringLiteral("Стенд")},
            .haptics = &haptics,
            .clock = clock ? clock : &elapsedClock,
            .limits = {.idle = idleTimeout},
        });
        return true;
    }

    StandinSpeedTest *host() const { return site->speedTest(); }

    // The speed-test requests the stand-in received, as "METHOD path?query".
    QStringList speedTestRequests() const
    {
        QStringList lines;
        for (const StandinSite::Request &request : site->requests()) {
            if (StandinSpeedTest::serves(request.path))
                lines.append(QString::fromLatin1(request.method) + QLatin1Char(' ') + request.path
                             + (request.query.isEmpty() ? QString() : QLatin1Char('?') + QString::fromLatin1(request.query)));
        }
        return lines;
    }
};

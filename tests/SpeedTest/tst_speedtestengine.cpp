#include "hostilespeedtesthost.h"
#include "mappedlibrary.h"
#include "peakmemory.h"
#include "sharedcookiestore.h"
#include "speedtestfixture.h"

#include <QLibraryInfo>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace std::chrono_literals;
using Phase = StandinSpeedTest::Phase;
using Fault = HostileSpeedTestHost::Fault;

namespace
{
const QStringList fullRun{
    QStringLiteral("GET /__down?bytes=0&sample=0"),
    QStringLiteral("GET /__down?bytes=0&sample=1"),
    QStringLiteral("GET /__down?bytes=0&sample=2"),
    QStringLiteral("GET /__down?bytes=0&sample=3"),
    QStringLiteral("GET /__down?bytes=10000000"),
    QStringLiteral("POST /__up"),
};

bool waitUntilIdle(SpeedTestEngine &engine)
{
    if (!engine.isRunning())
        return true;
    QSignalSpy ended(&engine, &SpeedTestEngine::runningChanged);
    return ended.wait(30000) && !engine.isRunning();
}

// Checks a run that failed in `phase`: the failure shown and felt once, the figures of the phases
// before it kept, none of that phase or later.
void verifyFailedIn(const SpeedTestEngine &engine, const Haptics &haptics, Phase phase)
{
    QCOMPARE(engine.status(), SpeedTestEngine::failedStatus);
    QCOMPARE(engine.errorMessage(), SpeedTestEngine::failureMessage);
    QCOMPARE(haptics.count(Haptics::NotificationError), 1);
    QCOMPARE(haptics.count(Haptics::NotificationSuccess), 0);
    QCOMPARE(engine.ping().isValid(), phase != Phase::Probe);
    QCOMPARE(engine.jitter().isValid(), phase != Phase::Probe);
    QCOMPARE(engine.download().isValid(), phase == Phase::Upload);
    QVERIFY(!engine.upload().isValid());
}

// Waits for the stand-in to receive a request of `phase`.
bool waitForRequest(StandinSpeedTest *host, Phase phase)
{
    QSignalSpy arrived(host, &StandinSpeedTest::requestArrived);
    while (arrived.wait(30000)) {
        for (const QList<QVariant> &call : std::as_const(arrived)) {
            if (call.constFirst().value<Phase>() == phase)
                return true;
        }
    }
    return false;
}

bool near(double actual, double expected)
{
    return std::abs(actual - expected) < 1e-6 * std::max(1.0, std::abs(expected));
}

// Sends `request` through Qt's own HTTP stack, trusting the CA of `caFile`, and waits for the answer.
bool sendThroughQt(const QString &caFile, QNetworkRequest request, const QByteArray &body = {})
{
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(caFile));
    request.setSslConfiguration(tls);
    QNetworkAccessManager manager;
    const std::unique_ptr<QNetworkReply> reply(body.isNull() ? manager.get(request) : manager.post(request, body));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    return finished.wait(30000) && reply->error() == QNetworkReply::NoError;
}

// An engine measuring against a hostile host, with limits short enough for tests.
struct HostileFixture {
    HostileSpeedTestHost host;
    std::unique_ptr<NetworkAccess> network;
    Haptics haptics;
    ElapsedMonotonicClock clock;
    std::unique_ptr<SpeedTestEnvironment> environment;

    bool start()
    {
        if (!host.start())
            return false;
        network = std::make_unique<NetworkAccess>(host.caFile());
        environment = std::make_unique<SpeedTestEnvironment>(SpeedTestEnvironment::Collaborators{
            .network = network.get(),
            .config = {.baseUrl = host.baseUrl(), .serviceLabel = QStringLiteral("Стенд")},
            .haptics = &haptics,
            .clock = &clock,
            .limits = {.idle = 1500ms, .total = 6s},
        });
        return true;
    }
};
} // namespace

// The engine against the stand-in's speed-test routes: the requests it makes, the figures it
// computes, how failures and stops end a run, and that an engine going away is never called back.
class SpeedTestEngineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<StandinSpeedTest::Phase>();
        m_curlMappedAtStart = isLibraryMapped("libcurl.so");
    }

    // libcurl, which the transfers go through, comes into the process with the first run, not
    // with the code that links the engine.
    void curlLoadsWithTheFirstRun()
    {
        QVERIFY(!m_curlMappedAtStart);
        SpeedTestFixture fixture;
        QVERIFY(fixture.start());
        SpeedTestEngine engine;
        engine.setEnvironment(fixture.environment.get());
        engine.start();
        QVERIFY(waitUntilIdle(engine));
        QCOMPARE(engine.status(), SpeedTestEngine::finishedStatus);
        QVERIFY(isLibraryMapped("libcurl.so"));
    }

    // Without a transport that loads, a run fails as any run that cannot reach its host does, and
    // the next start tries again.
    void aTransportThatDoesNotLoadFailsTheRun_data()
    {
        QTest::addColumn<QString>("module");
        QTest::newRow("missing") << QStringLiteral("/nonexistent/libtarvik-curl.so");
        QTest::newRow("not a library") << QString::fromLatin1(__FILE__);
        QTest::newRow("no entry point") << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Core.so.6");
    }

    void aTransportThatDoesNotLoadFailsTheRun()
    {
        QFETCH(QString, module);
        SpeedTestFixture fixture;
        QVERIFY(fixture.start());
        fixture.network->setTransportModule(module);
        SpeedTestEngine engine;
        engine.setEnvironment(fixture.environment.get());
        for (int attempt = 1; attempt <= 2; ++attempt) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^no transport: .+")));
            engine.start();
            QVERIFY(waitUntilIdle(engine));
            QCOMPARE(engine.status(), SpeedTestEngine::failedStatus);
            QCOMPARE(engine.errorMessage(), SpeedTestEngine::failureMessage);
            QVERIFY(!engine.ping().isValid());
            QCOMPARE(fixture.haptics.count(Haptics::NotificationError), attempt);
        }
        QVERIFY(fixture.speedTestRequests().isEmpty());
    }

    // One run: the six requests in order, one at a time, and the upload's body and header.
    void requestsAsTheHostSeesThem()
    {
        SpeedTestFixture fixture;
        QVERIFY(fixture.start());
        SpeedTestEngine engine;
        engine.setEnvironment(fixture.environment.get());
        QStringList statuses;
        connect(&engine, &SpeedTestEngine::statusChanged, this, [&] { statuses.append(engine.status()); });
        engine.start();
        QVERIFY(engine.isRunning());
        QVERIFY(waitUntilIdle(engine));

        QCOMPARE(fixture.speedTestRequests(), fullRun);
        QCOMPARE(fixture.host()->maxInFlight(), 1);
        const StandinSite::Request upload = fixture.site->requests().constLast();
        QCOMPARE(upload.body.size(), 2'000'000);
        QCOMPARE(upload.body.count('Z'), 2'000'000);
        QCOMPARE(upload.header("Content-Type"), QByteArray("application/octet-stream"));

        QCOMPARE(statuses, (QStringList{SpeedTestEngine::probingStatus, SpeedTestEngine::downloadingStatus,
                                        SpeedTestEngine::uploadingStatus, SpeedTestEngine::finishedStatus}));
        QCOMPARE(engine.progress(), 1.0);
        QVERIFY(engine.errorMessage().isEmpty());
        for (const QVariant &figure : {engine.ping(), engine.jitter(), engine.download(), engine.upload()})
            QVERIFY(figure.isValid());
        QVERIFY(engine.download().toDouble() > 0);
        QCOMPARE(fixture.haptics.count(Haptics::NotificationSuccess), 1);
        QCOMPARE(fixture.haptics.count(Haptics::NotificationError), 0);
    }

    // The host cannot tell the speed test's requests from those of Qt's own HTTP stack: the same
    // headers, values and order. None of the subscriber's cookies goes with them.
    void requestsLookLikeQtRequests()
    {
        SpeedTestFixture fixture;
        QVERIFY(fixture.start());
        QNetworkCookie cookie("session", "abc");
        cookie.setDomain(fixture.site->baseUrl().host());
        cookie.setPath(QStringLiteral("/"));
        QVERIFY(fixture.network->cookieStore()->insert(cookie));

        const QUrl base = fixture.site->baseUrl();
        QVERIFY(sendThroughQt(fixture.site->caFile(), QNetworkRequest(base.resolved(QUrl(QStringLiteral("__down?bytes=0&sample=0"))))));
        QNetworkRequest upload(base.resolved(QUrl(QStringLiteral("__up"))));
        upload.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/octet-stream"));
        QVERIFY(sendThroughQt(fixture.site->caFile(), upload, QByteArray(2'000'000, 'Z')));
        const QList<StandinSite::Request> byQt = fixture.site->requests();
        QCOMPARE(byQt.size(), 2);
        fixture.site->clearRequests();

        SpeedTestEngine engine;
        engine.setEnvironment(fixture.environment.get());
        engine.start();
        QVERIFY(waitUntilIdle(engine));
        QCOMPARE(engine.status(), SpeedTestEngine::finishedStatus);
        const QList<StandinSite::Request> byTheEngine = fixture.site->requests();
        QCOMPARE(byTheEngine.size(), fullRun.size());
        QCOMPARE(byTheEngine.constFirst().headers, byQt.constFirst().headers);
        QCOMPARE(byTheEngine.constLast().headers, byQt.constLast().headers);
        QCOMPARE(byTheEngine.constLast().body, byQt.constLast().body);
    }

    // The cookies a speed-test host sets go nowhere: not into the subscriber's jar (a hostile host
    // set a thousand of them there), not back to the host.
    void cookiesOfTheHostAreNotKept()
    {
        HostileFixture fixture;
        QVERIFY(fixture.start());
        SpeedTestEngine engine;
        engine.setEnvironment(fixture.environment.get());
        engine.start();
        QVERIFY(waitUntilIdle(engine));
        QCOMPARE(engine.status(), SpeedTestEngine::finishedStatus);
        QVERIFY(fixture.network->cookieStore()->cookies().isEmpty());
        QCOMPARE(fixture.host.requestsWithCookies(), 0);
    }

    // A host that breaks an answer in any way ends the run as failed in that phase, within the
    // limits, with nothing of that phase or later published, memory bounded, and the broken
    // connection let go.
    void hostileHosts_data()
    {
        QTest::addColumn<Phase>("phase");
        QTest::addColumn<Fault>("fault");
        for (const Phase phase : {Phase::Probe, Phase::Download, Phase::Upload}) {
            const char *name = phase == Phase::Probe ? "probe" : phase == Phase::Download ? "download" : "upload";
            for (const Fault fault : {Fault::Hang, Fault::SlowBody, Fault::EndlessHead, Fault::EndlessBody, Fault::OversizedBody,
                                      Fault::TruncatedBody, Fault::Reset})
                QTest::addRow("%s %s", name, QMetaEnum::fromType<Fault>().valueToKey(int(fault))) << phase << fault;
        }
    }

    void hostileHosts()
    {
        QFETCH(Phase, phase);
        QFETCH(Fault, fault);
        HostileFixture fixture;
        QVERIFY(fixture.start());
        fixture.host.setFault(phase, fault);
        SpeedTestEngine engine;
        engine.setEnvironment(fixture.environment.get());
        [[maybe_unused]] const qint64 peakBefore = peakMemoryKb();
        engine.start();
        QVERIFY(waitUntilIdle(engine));

        verifyFailedIn(engine, fixture.haptics, phase);
        if (QTest::currentTestFailed())
            return;
#ifndef __SANITIZE_ADDRESS__
        // The body is counted, not kept: whatever the host sends, the client holds little of it.
        const qint64 grownKb = peakMemoryKb() - peakBefore;
        QVERIFY2(grownKb < 32 * 1024, qPrintable(QStringLiteral("peak memory grew by %1 kB").arg(grownKb)));
#endif
        // The endless body is refused once past what was asked, not at the host's guard.
        QVERIFY(fixture.host.bytesSent() < 64 * 1024 * 1024);
        QTRY_COMPARE(fixture.host.openConnections(), 0);
    }

    // A second start while running changes nothing and sends nothing more.
    void secondStartIsIgnored()
    {
        SpeedTestFixture fixture;
        QVERIFY(fixture.start());
        fixture.host()->setSwitch(Phase::Download, {.delay = 200ms});
        SpeedTestEngine engine;
        engine.setEnvironment(fixture.environment.get());
        engine.start();
        QVERIFY(waitForRequest(fixture.host(), Phase::Download));
        const QVariant ping = engine.ping();
        QSignalSpy changes(&engine, &SpeedTestEngine::resultsChanged);
        engine.start();
        QCOMPARE(changes.count(), 0);
        QCOMPARE(engine.ping(), ping);
        QCOMPARE(engine.status(), SpeedTestEngine::downloadingStatus);
        QVERIFY(waitUntilIdle(engine));
        QCOMPARE(fixture.speedTestRequests(), fullRun);
    }

    // With the stand-in slowed down by a known delay the figures stay within what it allows.
    void figuresFromKnownDelays()
    {
        SpeedTestFixture fixture;
        QVERIFY(fixture.start());
        fixture.host()->setSwitch(Phase::Probe, {.delay = 120ms});
        fixture.host()->setSwitch(Phase::Download, {.delay = 300ms});
        fixture.host()->setSwitch(Phase::Upload, {.delay = 300ms});
        SpeedTestEngine engine;
        engine.setEnvironment(fixture.environment.get());
        engine.start();
        QVERIFY(waitUntilIdle(engine));
        QCOMPARE(engine.status(), SpeedTestEngine::finishedStatus);
        const double ping = engine.ping().toDouble();
        QVERIFY2(ping >= 120 && ping < 120 + 5000, qPrintable(QString::number(ping)));
        QVERIFY(engine.jitter().toDouble() >= 0 && engine.jitter().toDouble() < 5000);
        QVERIFY(engine.download().toDouble() > 0 && engine.download().toDouble() <= 10'000'000 * 8 / 0.3 / 1e6);
        QVERIFY(engine.upload().toDouble() > 0 && engine.upload().toDouble() <= 2'000'000 * 8 / 0.3 / 1e6);
    }

    // On a clock moved by hand: the mean and jitter of the probes, the speeds, the 1 ms floor.
    void figuresOnAControlledClock_data()
    {
        QTest::addColumn<QList<int>>("microsecondsPerRequest");
        QTest::addColumn<double>("ping");
        QTest::addColumn<double>("jitter");
        QTest::addColumn<double>("download");
        QTest::addColumn<double>("upload");
        QTest::newRow("measured") << QList<int>{10'000, 20'000, 15'000, 15'000, 2'000'000, 1'000'000} << 15.0 << 5.0 << 40.0 << 16.0;
        // Half a millisecond counts as the floor of one.
        QTest::newRow("below the floor") << QList<int>{500, 500, 500, 500, 500, 500} << 0.5 << 0.0 << 80'000.0 << 16'000.0;
    }

    void figuresOnAControlledClock()
    {
        QFETCH(QList<int>, microsecondsPerRequest);
        QFETCH(double, ping);
        QFETCH(double, jitter);
        QFETCH(double, download);
        QFETCH(double, upload);
        ManualMonotonicClock clock;
        SpeedTestFixture fixture;
        QVERIFY(fixture.start(&clock));
        int request = 0;
        // Time passes while the host has the request: between the clock's two readings.
        connect(fixture.host(), &StandinSpeedTest::requestArrived, this,
                [&] { clock.advance(std::chrono::microseconds(microsecondsPerRequest.value(request++))); });
        SpeedTestEngine engine;
        engine.setEnvironment(fixture.environment.get());
        engine.start();
        QVERIFY(waitUntilIdle(engine));
        QCOMPARE(engine.status(), SpeedTestEngine::finishedStatus);
        QVERIFY2(near(engine.ping().toDouble(), ping), qPrintable(engine.ping().toString()));
        QVERIFY2(near(engine.jitter().toDouble(), jitter), qPrintable(engine.jitter().toString()));
        QVERIFY2(near(engine.download().toDouble(), download), qPrintable(engine.download().toString()));
        QVERIFY2(near(engine.upload().toDouble(), upload), qPrintable(engine.upload().toString()));
    }

    // Whatever breaks in a phase ends the run as failed there, with what came before kept.
    void failures_data()
    {
        QTest::addColumn<Phase>("phase");
        QTest::addColumn<QString>("kind");
        for (const Phase phase : {Phase::Probe, Phase::Download, Phase::Upload}) {
            const char *name = phase == Phase::Probe ? "probe" : phase == Phase::Download ? "download" : "upload";
            for (const char *kind : {"status 404", "status 503", "dropped", "stalled"})
                QTest::addRow("%s %s", name, kind) << phase << QString::fromLatin1(kind);
        }
    }

    void failures()
    {
        QFETCH(Phase, phase);
        QFETCH(QString, kind);
        SpeedTestFixture fixture;
        QVERIFY(fixture.start(nullptr, 800ms));
        StandinSpeedTest::Switch broken;
        if (kind.startsWith(QLatin1String("status")))
            broken.status = kind.mid(7).toInt();
        broken.dropConnection = kind == QLatin1String("dropped");
        broken.stall = kind == QLatin1String("stalled");
        fixture.host()->setSwitch(phase, broken);
        SpeedTestEngine engine;
        engine.setEnvironment(fixture.environment.get());
        engine.start();
        QVERIFY(waitUntilIdle(engine));

        verifyFailedIn(engine, fixture.haptics, phase);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(engine.progress(), phase == Phase::Probe ? 0.0 : phase == Phase::Download ? 0.28 : 0.68);
        // Nothing is tried after the first failure. (An HTTP client may itself send a request again
        // when a connection it reused drops before the answer has begun.)
        const qsizetype sent = phase == Phase::Probe ? 1 : phase == Phase::Download ? 5 : 6;
        QStringList requests = fixture.speedTestRequests();
        requests.erase(std::unique(requests.begin(), requests.end()), requests.end());
        QCOMPARE(requests, fullRun.first(sent));

        // A new start clears the failure and the old figures before its first probe.
        fixture.host()->clearSwitches();
        engine.start();
        QVERIFY(engine.errorMessage().isEmpty());
        QVERIFY(!engine.ping().isValid());
        QCOMPARE(engine.progress(), 0.0);
        QCOMPARE(engine.status(), SpeedTestEngine::probingStatus);
        QVERIFY(waitUntilIdle(engine));
        QCOMPARE(engine.status(), SpeedTestEngine::finishedStatus);
    }

    // Stopping while a request is out aborts it and ends the run as stopped: no error, no haptic.
    void stopDuringEachPhase_data()
    {
        QTest::addColumn<Phase>("phase");
        QTest::newRow("probe") << Phase::Probe;
        QTest::newRow("download") << Phase::Download;
        QTest::newRow("upload") << Phase::Upload;
    }

    void stopDuringEachPhase()
    {
        QFETCH(Phase, phase);
        SpeedTestFixture fixture;
        QVERIFY(fixture.start());
        fixture.host()->setSwitch(phase, {.delay = 60s});
        SpeedTestEngine engine;
        engine.setEnvironment(fixture.environment.get());
        engine.start();
        QVERIFY(waitForRequest(fixture.host(), phase));
        QCOMPARE(fixture.host()->inFlight(), 1);
        engine.stop();

        QVERIFY(!engine.isRunning());
        QCOMPARE(engine.status(), SpeedTestEngine::stoppedStatus);
        QVERIFY(engine.errorMessage().isEmpty());
        QCOMPARE(engine.ping().isValid(), phase != Phase::Probe);
        QCOMPARE(engine.download().isValid(), phase == Phase::Upload);
        // The host sees the request go away, and nothing follows it.
        QTRY_COMPARE(fixture.host()->inFlight(), 0);
        const QStringList sent = fixture.speedTestRequests();
        QCoreApplication::processEvents();
        QCOMPARE(fixture.speedTestRequests(), sent);
        QCOMPARE(engine.status(), SpeedTestEngine::stoppedStatus);
        QCOMPARE(fixture.haptics.total(), 0);

        // The engine starts again afresh.
        fixture.host()->clearSwitches();
        engine.start();
        QVERIFY(waitUntilIdle(engine));
        QCOMPARE(engine.status(), SpeedTestEngine::finishedStatus);
    }

    // An engine destroyed mid-run (its screen left) aborts the request and is never called back.
    void destroyedWhileRunning_data() { stopDuringEachPhase_data(); }

    void destroyedWhileRunning()
    {
        QFETCH(Phase, phase);
        SpeedTestFixture fixture;
        QVERIFY(fixture.start());
        fixture.host()->setSwitch(phase, {.delay = 60s});
        auto engine = std::make_unique<SpeedTestEngine>();
        engine->setEnvironment(fixture.environment.get());
        engine->start();
        QVERIFY(waitForRequest(fixture.host(), phase));
        engine.reset();
        QTRY_COMPARE(fixture.host()->inFlight(), 0);
        const qsizetype sent = phase == Phase::Probe ? 1 : phase == Phase::Download ? 5 : 6;
        QCOMPARE(fixture.speedTestRequests(), fullRun.first(sent));
        QCOMPARE(fixture.haptics.total(), 0);
    }

private:
    bool m_curlMappedAtStart = false;
};

QTEST_GUILESS_MAIN(SpeedTestEngineTest)

#include "tst_speedtestengine.moc"

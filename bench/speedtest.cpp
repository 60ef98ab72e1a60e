// The speed test's download path against curl: both fetch the same large body from the stand-in
// on loopback, in turns, and the mean throughputs are compared.
//   build/bench/speedtest [bytes] [runs]   (200000000 bytes, 3 runs each by default)
#include "monotonicclock.h"
#include "networkaccess.h"
#include "speedtestlink.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace
{
// Processor seconds (user and system) spent so far by this process or by its reaped children.
double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double engineRun(const QUrl &base, const QString &caFile, qint64 bytes)
{
    // A fresh connection each time, as curl has: the handshake is inside both timings.
    NetworkAccess network(caFile);
    std::unique_ptr<QNetworkAccessManager> manager(network.createManager());
    const ElapsedMonotonicClock clock;
    auto link = std::make_shared<SpeedTestLink>(SpeedTestLink::Settings{
        .manager = manager.get(),
        .network = &network,
        .baseUrl = base,
        .clock = &clock,
        .idleTimeout = std::chrono::seconds(60),
    });
    const std::optional<double> megabits = QCoro::waitFor(SpeedTestLink::measureDownload(link, bytes));
    return megabits.value_or(-1);
}

double curlRun(const QUrl &base, const QString &caFile, qint64 bytes)
{
    QUrl url = base.resolved(QUrl(QStringLiteral("__down")));
    url.setQuery(QStringLiteral("bytes=%1").arg(bytes));
    QProcess curl;
    curl.start(QStringLiteral("curl"), {QStringLiteral("--silent"), QStringLiteral("--show-error"), QStringLiteral("--output"),
                                        QStringLiteral("/dev/null"), QStringLiteral("--cacert"), caFile, QStringLiteral("--write-out"),
                                        QStringLiteral("%{size_download} %{time_total}"), url.toString()});
    if (!curl.waitForFinished(600000) || curl.exitCode() != 0) {
        std::fprintf(stderr, "curl failed: %s\n", curl.readAllStandardError().constData());
        return -1;
    }
    const QList<QByteArray> fields = curl.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2 || fields.at(0).toLongLong() != bytes)
        return -1;
    return SpeedTestLink::megabitsPerSecond(bytes, fields.at(1).toDouble());
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const qint64 bytes = arguments.size() > 1 ? arguments.at(1).toLongLong() : 200'000'000;
    const int runs = arguments.size() > 2 ? arguments.at(2).toInt() : 3;

    // The stand-in in a process of its own, so that serving does not share the engine's thread.
    QTemporaryDir dir;
    const QString caFile = dir.filePath(QStringLiteral("ca.pem"));
    QProcess standin;
    standin.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    standin.start(QStringLiteral(TARVIK_STANDIN_PROGRAM), {QStringLiteral("--write-ca"), caFile});
    QUrl base;
    while (base.isEmpty() && standin.waitForReadyRead(10000)) {
        while (standin.canReadLine()) {
            const QString line = QString::fromUtf8(standin.readLine()).trimmed();
            if (line.startsWith(QLatin1String("Tarvik stand-in site:")))
                base = QUrl(line.section(QLatin1Char(' '), -1));
        }
    }
    if (base.isEmpty()) {
        std::fprintf(stderr, "the stand-in did not start\n");
        return 1;
    }
    std::printf("%lld bytes from %s, %d runs each, alternating\n", bytes, qPrintable(base.toString()), runs);

    // Throughput, and the processor time each client spent on the transfer (the stand-in's own
    // time is in neither), which the load of a shared machine disturbs less.
    double engineTotal = 0;
    double curlTotal = 0;
    double engineCpu = 0;
    double curlCpu = 0;
    for (int run = 1; run <= runs; ++run) {
        const double engineCpuBefore = cpuSeconds(RUSAGE_SELF);
        const double engine = engineRun(base, caFile, bytes);
        const double engineCpuRun = cpuSeconds(RUSAGE_SELF) - engineCpuBefore;
        const double curlCpuBefore = cpuSeconds(RUSAGE_CHILDREN);
        const double curl = curlRun(base, caFile, bytes);
        const double curlCpuRun = cpuSeconds(RUSAGE_CHILDREN) - curlCpuBefore;
        if (engine <= 0 || curl <= 0) {
            std::fprintf(stderr, "run %d failed (engine %.1f, curl %.1f)\n", run, engine, curl);
            return 1;
        }
        std::printf("run %d: engine %8.1f Mbit/s (%.2f s CPU)   curl %8.1f Mbit/s (%.2f s CPU)\n", run, engine, engineCpuRun, curl,
                    curlCpuRun);
        std::fflush(stdout);
        engineTotal += engine;
        curlTotal += curl;
        engineCpu += engineCpuRun;
        curlCpu += curlCpuRun;
    }
    const double engineMean = engineTotal / runs;
    const double curlMean = curlTotal / runs;
    std::printf("mean:  engine %8.1f Mbit/s   curl %8.1f Mbit/s   engine/curl %.3f\n", engineMean, curlMean, engineMean / curlMean);
    std::printf("CPU:   engine %.2f s   curl %.2f s   engine/curl %.2f\n", engineCpu / runs, curlCpu / runs, engineCpu / curlCpu);

    standin.kill();
    standin.waitForFinished();
    return 0;
}

// The speed test's transfers against curl: both move the same bodies to and from the stand-in on
// loopback over TLS, in turns, each on a fresh connection; the medians of throughput and of the
// processor time each client spent are compared. Every case runs twice: on any core, then with
// both clients pinned to core 0 (as `taskset -c 0` does; the stand-in stays unpinned).
//   build/bench/speedtest [runs]   (9 runs of each client per case by default, 7x that for 2 MB, whose
//   few milliseconds vary most: under a minute)
#include "monotonicclock.h"
#include "networkaccess.h"
#include "speedtestprotocol.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <curl/curl.h>
#include <memory>
#include <sched.h>
#include <sys/resource.h>

namespace
{
// What the issue asks of the engine against curl.
constexpr double throughputTarget = 0.95;
constexpr double cpuTarget = 1.2;

struct Case {
    const char *name;
    bool upload;
    qint64 bytes;
    int runsFactor;
};

struct Figures {
    double megabits = -1;
    double cpu = 0;
};

struct Outcome {
    QString name;
    double throughputRatio = 0;
    double cpuRatio = 0;
};

// Processor seconds (user and system) spent so far by this process or by its reaped children.
double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void pinToCoreZero(bool pinned)
{
    cpu_set_t cores;
    CPU_ZERO(&cores);
    if (pinned) {
        CPU_SET(0, &cores);
    } else {
        for (int core = 0; core < CPU_SETSIZE; ++core)
            CPU_SET(core, &cores);
    }
    sched_setaffinity(0, sizeof(cores), &cores);
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2) : QStringLiteral("?");
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

Figures engineRun(const NetworkAccess &network, const QUrl &base, const Case &what, bool pinned)
{
    // A protocol of its own each time: a fresh connection, as curl has; the handshake is inside both.
    pinToCoreZero(pinned);
    const double before = cpuSeconds(RUSAGE_SELF);
    const ElapsedMonotonicClock clock;
    auto protocol = std::make_shared<SpeedTestProtocol>(SpeedTestProtocol::Settings{
        .network = &network,
        .baseUrl = base,
        .clock = &clock,
    });
    const std::optional<double> megabits = QCoro::waitFor(what.upload ? SpeedTestProtocol::measureUpload(protocol, what.bytes)
                                                                      : SpeedTestProtocol::measureDownload(protocol, what.bytes));
    protocol.reset();
    const double cpu = cpuSeconds(RUSAGE_SELF) - before;
    pinToCoreZero(false);
    return {megabits.value_or(-1), cpu};
}

Figures curlRun(const QUrl &base, const QString &caFile, const QString &uploadFile, const Case &what, bool pinned)
{
    QStringList arguments{QStringLiteral("--silent"), QStringLiteral("--show-error"), QStringLiteral("--output"), QStringLiteral("/dev/null"),
                          QStringLiteral("--cacert"), caFile};
    QUrl url;
    if (what.upload) {
        url = base.resolved(QUrl(QStringLiteral("__up")));
        // Streamed from the file, as the engine sends from memory: nothing read ahead whole.
        arguments << QStringLiteral("--upload-file") << uploadFile << QStringLiteral("--request") << QStringLiteral("POST")
                  << QStringLiteral("--header") << QStringLiteral("Expect:") << QStringLiteral("--header")
                  << QStringLiteral("Content-Type: application/octet-stream") << QStringLiteral("--write-out")
                  << QStringLiteral("%{size_upload} %{time_total}");
    } else {
        url = base.resolved(QUrl(QStringLiteral("__down")));
        url.setQuery(QStringLiteral("bytes=%1").arg(what.bytes));
        arguments << QStringLiteral("--write-out") << QStringLiteral("%{size_download} %{time_total}");
    }
    arguments << url.toString();

    QProcess curl;
    if (pinned)
        curl.setChildProcessModifier([] { pinToCoreZero(true); });
    const double before = cpuSeconds(RUSAGE_CHILDREN);
    curl.start(QStringLiteral("curl"), arguments);
    if (!curl.waitForFinished(600000) || curl.exitCode() != 0) {
        std::fprintf(stderr, "curl failed: %s\n", curl.readAllStandardError().constData());
        return {};
    }
    const double cpu = cpuSeconds(RUSAGE_CHILDREN) - before;
    const QList<QByteArray> fields = curl.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2 || fields.at(0).toLongLong() != what.bytes)
        return {};
    return {SpeedTestProtocol::megabitsPerSecond(what.bytes, fields.at(1).toDouble()), cpu};
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int runs = std::max(1, arguments.size() > 1 ? arguments.at(1).toInt() : 9);

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

    const Case cases[] = {
        {"download 200 MB", false, 200'000'000, 1},
        {"upload 2 MB", true, 2'000'000, 7},
        {"upload 200 MB", true, 200'000'000, 1},
    };
    // curl sends the upload bodies from files of the same bytes.
    QHash<qint64, QString> uploadFiles;
    for (const Case &what : cases) {
        if (!what.upload || uploadFiles.contains(what.bytes))
            continue;
        const QString path = dir.filePath(QStringLiteral("up-%1").arg(what.bytes));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(what.bytes, SpeedTestProtocol::uploadByte)) != what.bytes) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        uploadFiles.insert(what.bytes, path);
    }

    const NetworkAccess network(caFile);
    std::printf("engine against curl %s, to and from %s over TLS; medians of runs alternating engine and curl\n",
                curl_version_info(CURLVERSION_NOW)->version, qPrintable(base.toString()));
    std::printf("targets: throughput >= %.2f x curl, processor time <= %.2f x curl\n", throughputTarget, cpuTarget);
    QList<Outcome> outcomes;
    bool met = true;
    for (const bool pinned : {false, true}) {
        for (const Case &what : cases) {
            const int count = runs * what.runsFactor;
            const QString name = QStringLiteral("%1, %2").arg(QLatin1String(what.name), pinned ? QStringLiteral("core 0") : QStringLiteral("any core"));
            std::printf("\n%s: %d runs each, load %s\n", qPrintable(name), count, qPrintable(loadAverage()));
            QList<double> engineSpeeds, curlSpeeds, engineCpus, curlCpus;
            for (int run = 1; run <= count; ++run) {
                const Figures engine = engineRun(network, base, what, pinned);
                const Figures curl = curlRun(base, caFile, uploadFiles.value(what.bytes), what, pinned);
                if (engine.megabits <= 0 || curl.megabits <= 0) {
                    std::fprintf(stderr, "run %d failed (engine %.1f, curl %.1f)\n", run, engine.megabits, curl.megabits);
                    return 1;
                }
                if (what.runsFactor == 1)
                    std::printf("  run %d: engine %8.1f Mbit/s %6.3f s CPU   curl %8.1f Mbit/s %6.3f s CPU\n", run, engine.megabits,
                                engine.cpu, curl.megabits, curl.cpu);
                std::fflush(stdout);
                engineSpeeds << engine.megabits;
                curlSpeeds << curl.megabits;
                engineCpus << engine.cpu;
                curlCpus << curl.cpu;
            }
            const Outcome outcome{name, median(engineSpeeds) / median(curlSpeeds), median(engineCpus) / median(curlCpus)};
            std::printf("  median: engine %8.1f Mbit/s %6.3f s CPU   curl %8.1f Mbit/s %6.3f s CPU   throughput %.3f x, CPU %.2f x\n",
                        median(engineSpeeds), median(engineCpus), median(curlSpeeds), median(curlCpus), outcome.throughputRatio,
                        outcome.cpuRatio);
            met = met && outcome.throughputRatio >= throughputTarget && outcome.cpuRatio <= cpuTarget;
            outcomes << outcome;
        }
    }

    std::printf("\nsummary (load %s)\n", qPrintable(loadAverage()));
    for (const Outcome &outcome : std::as_const(outcomes)) {
        const bool ok = outcome.throughputRatio >= throughputTarget && outcome.cpuRatio <= cpuTarget;
        std::printf("  %-28s throughput %.3f x  CPU %.2f x  %s\n", qPrintable(outcome.name), outcome.throughputRatio, outcome.cpuRatio,
                    ok ? "met" : "NOT MET");
    }
    std::printf("targets %s\n", met ? "met" : "not met");

    // Stopped, not killed: it removes its throw-away keys as it ends.
    standin.terminate();
    standin.waitForFinished();
    return 0;
}

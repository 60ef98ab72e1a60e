// Start-up benchmark, next to a minimal Qt Quick window built the same way: time from process start
// to the app's first frame (the greeting), to the first frame of the sign-in screen (nothing
// stored), and to the first frame of the signed-in dashboard (credentials stored, the session
// restored against the stand-in site, no delay added, the sign-in flag stored as a returning
// subscriber has it), with the peak resident memory at each.
// Runs alternate (app without credentials, app with, minimal window); medians of 15. Then the
// processor time the signed-in dashboard takes while it sits untouched (its carousels turning), as
// a share of one core: medians of 3 runs of 30 s each, from 10 s after start.
//   scripts/with-session-bus.sh --keyring build/bench/startup build/src/App/tarvik build/bench/minimal-window
// Without a Secret Service the app cannot find stored credentials: the dashboard rows are left out.
// As a desktop with its accessibility bus up (and no screen reader) runs it, on Xvfb:
//   scripts/with-session-bus.sh --keyring bash -c 'dbus-send --session --dest=org.a11y.Bus
//     /org/a11y/bus org.a11y.Bus.GetAddress; QT_QPA_PLATFORM=xcb xvfb-run -a build/bench/startup
//     build/src/App/tarvik build/bench/minimal-window'

#include "defaultskeys.h"
#include "secretstore.h"
#include "standinsite.h"
#include "tarvikcredentialvault.h"
#include "userdefaults.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <map>

#include <unistd.h>

namespace
{
constexpr int runs = 15;

struct Frame {
    double milliseconds = 0;
    double peakMiB = 0;
};

// The processor time a running process has used so far (user and system), in seconds.
double cpuSecondsOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // The fields after the command's name, which is in parentheses and may hold spaces.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int utime = 11;
    constexpr int stime = 12;
    if (fields.size() <= stime)
        return 0;
    return (fields.at(utime).toDouble() + fields.at(stime).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// The peak resident memory of a running process, from its status file.
double peakMiBOf(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst().toDouble() / 1024;
    }
    return 0;
}

// Each "frame <name> [<peak KiB>]" line the program prints, with the time since its start. A
// program that does not report its peak is read from outside when the line arrives.
// The environment of one run of a program, with a home of its own in `home`: a returning
// subscriber's app has its sign-in flag stored.
QProcessEnvironment runEnvironment(const QTemporaryDir &home, bool returning)
{
    if (returning) {
        UserDefaults defaults(home.filePath(QStringLiteral("config/Tarvik/Tarvik/userdefaults.ini")));
        defaults.setValue(Defaults::signedIn, true);
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

std::map<QByteArray, Frame> measure(const QString &program, const QStringList &arguments, bool returning = false)
{
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment environment = runEnvironment(home, returning);
    environment.insert(QStringLiteral("TARVIK_REPORT_FRAMES"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    std::map<QByteArray, Frame> frames;
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    process.waitForStarted();
    const qint64 pid = process.processId();
    while (process.state() != QProcess::NotRunning || process.canReadLine()) {
        if (!process.canReadLine() && !process.waitForReadyRead(30000))
            break;
        while (process.canReadLine()) {
            const double elapsed = double(clock.nsecsElapsed()) / 1e6;
            const QList<QByteArray> words = process.readLine().trimmed().split(' ');
            if (words.size() < 2 || words.constFirst() != "frame")
                continue;
            const double peak = words.size() > 2 ? words.at(2).toDouble() / 1024 : peakMiBOf(pid);
            frames.emplace(words.at(1), Frame{elapsed, peak});
        }
    }
    process.waitForFinished(30000);
    return frames;
}

// The share of one core the signed-in app takes while nobody touches it.
double idleShare(const QString &program, const QStringList &arguments)
{
    constexpr int settleSeconds = 10;
    constexpr int idleSeconds = 30;
    QTemporaryDir home;
    QProcess process;
    process.setProcessEnvironment(runEnvironment(home, true));
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return -1;
    QThread::sleep(settleSeconds);
    const qint64 pid = process.processId();
    const double before = cpuSecondsOf(pid);
    QElapsedTimer clock;
    clock.start();
    QThread::sleep(idleSeconds);
    const double used = cpuSecondsOf(pid) - before;
    const double elapsed = double(clock.nsecsElapsed()) / 1e9;
    const bool running = process.state() == QProcess::Running;
    process.terminate();
    if (!process.waitForFinished(10000))
        process.kill();
    return running ? used / elapsed : -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    if (n == 0)
        return 0;
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    std::vector<double> milliseconds;
    std::vector<double> peakMiB;
    void add(const Frame &frame)
    {
        milliseconds.push_back(frame.milliseconds);
        peakMiB.push_back(frame.peakMiB);
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <tarvik> <bench-minimal-window>\n", argv[0]);
        return 2;
    }
    const QString tarvik = QString::fromLocal8Bit(argv[1]);
    const QString minimalWindow = QString::fromLocal8Bit(argv[2]);

    // The site answers from a thread of its own: the runs below block this one.
    QThread siteThread;
    siteThread.start();
    auto *standin = new StandinSite;
    standin->moveToThread(&siteThread);
    bool started = false;
    QMetaObject::invokeMethod(standin, [standin, &started] { started = standin->start(); }, Qt::BlockingQueuedConnection);
    const auto stopSite = qScopeGuard([&] {
        QMetaObject::invokeMethod(standin, [standin] { delete standin; }, Qt::BlockingQueuedConnection);
        siteThread.quit();
        siteThread.wait();
    });
    if (!started) {
        std::fprintf(stderr, "stand-in: %s\n", qPrintable(standin->errorString()));
        return 1;
    }
    const StandinSite &site = *standin;
    // Credentials are stored per host: the dashboard runs use the site by address, the sign-in runs
    // by name, for which nothing is stored.
    const QUrl storedSite = site.baseUrl();
    QUrl emptySite = storedSite;
    emptySite.setHost(QStringLiteral("localhost"));
    const std::unique_ptr<SecretStore> secrets = QCoro::waitFor(SecretStore::open(TarvikCredentialVault::service()));
    const bool withDashboard = secrets->isPersistent();
    if (withDashboard) {
        TarvikCredentialVault credentials(secrets.get(), storedSite.host());
        QCoro::waitFor(credentials.load());
        if (!QCoro::waitFor(credentials.save(site.login(), site.password()))) {
            std::fprintf(stderr, "could not store the credentials\n");
            return 1;
        }
    } else {
        std::fprintf(stderr, "no Secret Service: the signed-in dashboard is left out\n");
    }
    const auto siteArguments = [&site](const QUrl &base) {
        return QStringList{QStringLiteral("--base-url"), base.toString(), QStringLiteral("--ca-file"), site.caFile()};
    };

    Series greeting, signIn, dashboard, minimal;
    for (int i = 0; i < runs; ++i) {
        const auto signInRun = measure(tarvik, siteArguments(emptySite));
        const auto reference = measure(minimalWindow, {});
        if (!signInRun.count("greeting") || !signInRun.count("sign-in") || !reference.count("greeting")) {
            std::fprintf(stderr, "a run reported no frame\n");
            return 1;
        }
        greeting.add(signInRun.at("greeting"));
        signIn.add(signInRun.at("sign-in"));
        minimal.add(reference.at("greeting"));
        if (withDashboard) {
            const auto dashboardRun = measure(tarvik, siteArguments(storedSite), true);
            if (!dashboardRun.count("signed-in")) {
                std::fprintf(stderr, "the run with stored credentials did not reach the dashboard\n");
                return 1;
            }
            dashboard.add(dashboardRun.at("signed-in"));
        }
    }

    const double referenceTime = median(minimal.milliseconds);
    const double referencePeak = median(minimal.peakMiB);
    std::printf("medians of %d runs                    first frame            peak memory\n", runs);
    std::printf("minimal Qt Quick window               %7.1f ms             %6.1f MiB\n", referenceTime, referencePeak);
    const auto row = [&](const char *name, const Series &series) {
        const double time = median(series.milliseconds);
        const double peak = median(series.peakMiB);
        std::printf("%-37s %7.1f ms (%.2f x)    %6.1f MiB (%.2f x)\n", name, time, time / referenceTime, peak, peak / referencePeak);
    };
    row("Tarvik, greeting", greeting);
    row("Tarvik, sign-in screen", signIn);
    if (withDashboard)
        row("Tarvik, signed-in dashboard", dashboard);
    if (withDashboard) {
        std::vector<double> shares;
        for (int i = 0; i < 3; ++i) {
            const double share = idleShare(tarvik, siteArguments(storedSite));
            if (share < 0) {
                std::fprintf(stderr, "the app did not stay up on its dashboard\n");
                return 1;
            }
            shares.push_back(share);
        }
        std::printf("Tarvik, dashboard left alone           %5.2f %% of a core\n", 100 * median(shares));
    }
    if (withDashboard) {
        TarvikCredentialVault credentials(secrets.get(), storedSite.host());
        QCoro::waitFor(credentials.load());
        QCoro::waitFor(credentials.remove());
    }
    return 0;
}

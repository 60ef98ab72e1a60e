// Start-up benchmark: time from process start to the app's first frame (the greeting) and to the
// first frame of the sign-in screen (nothing stored), median of 10 runs, next to the first frame of
// a minimal Qt Quick window built the same way.
//   bench/startup <path to tarvik> <path to bench-minimal-window>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>

namespace
{
constexpr int runs = 10;

// Milliseconds from start to each "frame <name>" line the program prints.
std::map<QByteArray, double> measure(const QString &program)
{
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("TARVIK_REPORT_FRAMES"), QStringLiteral("1"));
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);

    std::map<QByteArray, double> frames;
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    while (process.state() != QProcess::NotRunning || process.canReadLine()) {
        if (!process.canReadLine() && !process.waitForReadyRead(30000))
            break;
        while (process.canReadLine()) {
            const QByteArray line = process.readLine().trimmed();
            if (line.startsWith("frame "))
                frames.emplace(line.mid(6), double(clock.nsecsElapsed()) / 1e6);
        }
    }
    process.waitForFinished(30000);
    return frames;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    if (n == 0)
        return 0;
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <tarvik> <bench-minimal-window>\n", argv[0]);
        return 2;
    }
    std::vector<double> greeting, signIn, minimal;
    for (int i = 0; i < runs; ++i) {
        const auto app = measure(QString::fromLocal8Bit(argv[1]));
        const auto reference = measure(QString::fromLocal8Bit(argv[2]));
        if (!app.count("greeting") || !app.count("sign-in") || !reference.count("greeting")) {
            std::fprintf(stderr, "a run reported no frame\n");
            return 1;
        }
        greeting.push_back(app.at("greeting"));
        signIn.push_back(app.at("sign-in"));
        minimal.push_back(reference.at("greeting"));
    }
    const double reference = median(minimal);
    std::printf("minimal Qt Quick window, first frame:   %7.1f ms\n", reference);
    std::printf("Tarvik, first frame (greeting):         %7.1f ms  (%.2f x)\n", median(greeting), median(greeting) / reference);
    std::printf("Tarvik, first frame of the sign-in screen: %4.1f ms  (%.2f x)\n", median(signIn), median(signIn) / reference);
    return 0;
}

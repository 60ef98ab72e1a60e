#include "standinsite.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
int stopPipe[2] = {-1, -1};

void stopRequested(int)
{
    const char byte = 1;
    // Nothing else is safe in a signal handler; the event loop does the rest.
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP end the event loop, so that the site's throw-away keys and
// certificates go with their folder, as on a normal exit.
bool quitOnStopSignals(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, stopPipe) != 0)
        return false;
    auto *notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = stopRequested;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        if (::sigaction(signal, &action, nullptr) != 0)
            return false;
    }
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvik-standin"));
    if (!quitOnStopSignals(app)) {
        qCritical("Cannot take the stop signals.");
        return 1;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Stand-in of the Tarvik personal-account site on loopback, over HTTPS."));
    parser.addHelpOption();
    const QCommandLineOption addressOption(QStringLiteral("address"), QStringLiteral("Loopback address to listen on."),
                                           QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port (0: any free port)."), QStringLiteral("port"),
                                        QStringLiteral("0"));
    const QCommandLineOption caOption(QStringLiteral("write-ca"), QStringLiteral("Also copy the CA certificate to this file."),
                                      QStringLiteral("file"));
    parser.addOptions({addressOption, portOption, caOption});
    parser.process(app);

    const QHostAddress address(parser.value(addressOption));
    if (!address.isLoopback()) {
        qCritical("The stand-in serves loopback addresses only.");
        return 2;
    }
    StandinSite site;
    if (!site.start(address, quint16(parser.value(portOption).toUInt()))) {
        qCritical("%s", qPrintable(site.errorString()));
        return 1;
    }
    if (parser.isSet(caOption)) {
        QFile::remove(parser.value(caOption));
        QFile::copy(site.caFile(), parser.value(caOption));
    }

    QTextStream out(stdout);
    out << "Tarvik stand-in site: " << site.baseUrl().toString() << '\n'
        << "CA certificate:       " << site.caFile() << '\n'
        << "Demo login:           " << site.login() << '\n'
        << "Demo password:        " << site.password() << '\n'
        << "Shop image host:      " << site.baseUrl().authority() << '\n';
    out.flush();
    return app.exec();
}

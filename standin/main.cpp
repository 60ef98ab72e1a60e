#include "standinsite.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvik-standin"));

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

#include "httptransport.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

QString HttpTransport::defaultModulePath()
{
    // Only from the program's own folder: a path fixed at build time may be one that another user
    // of the machine can write to.
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(TARVIK_CURL_MODULE_NAME));
}

std::shared_ptr<HttpTransport> HttpTransport::load(const QString &modulePath, const QByteArray &extraCaPem, QString *error)
{
    // Never unloaded (a QLibrary going out of scope leaves it loaded): a name lookup's thread
    // may run on after the transfer that started it has gone.
    QLibrary module(modulePath);
    const auto make = reinterpret_cast<Factory *>(module.resolve(factoryName));
    if (!make) {
        *error = module.errorString();
        return nullptr;
    }
    std::shared_ptr<HttpTransport> transport(make(interfaceVersion, extraCaPem));
    if (!transport)
        *error = QStringLiteral("%1 was built for another version of the app").arg(module.fileName());
    return transport;
}

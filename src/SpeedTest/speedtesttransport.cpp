#include "speedtesttransport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>

namespace
{
// Where the app keeps the module: next to the executable, else in the build tree.
QString defaultModulePath()
{
    const QString installed = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(TARVIK_SPEEDTEST_TRANSPORT_NAME));
    return QFile::exists(installed) ? installed : QStringLiteral(TARVIK_SPEEDTEST_TRANSPORT_BUILT);
}
} // namespace

std::unique_ptr<SpeedTestTransport> SpeedTestTransport::load(const Limits &limits, const QString &modulePath, QString *error)
{
    // Never unloaded (a QLibrary going out of scope leaves it loaded): curl may leave a name
    // lookup's thread running after the transfer that started it has gone.
    QLibrary module(modulePath.isEmpty() ? defaultModulePath() : modulePath);
    const auto make = reinterpret_cast<Factory *>(module.resolve(factoryName));
    if (!make) {
        *error = module.errorString();
        return nullptr;
    }
    std::unique_ptr<SpeedTestTransport> transport(make(interfaceVersion, limits));
    if (!transport)
        *error = QStringLiteral("%1 was built for another version of the app").arg(module.fileName());
    return transport;
}

void SpeedTestTransport::Exchange::await_suspend(std::coroutine_handle<> handle)
{
    m_transport->start(m_request, [this, handle](Reply reply) {
        m_reply = std::move(reply);
        // Resumed from the event loop: whatever the coroutine then destroys, the transport among
        // it, nothing of it is on the stack below.
        QMetaObject::invokeMethod(QCoreApplication::instance(), [handle] { handle.resume(); }, Qt::QueuedConnection);
    });
}

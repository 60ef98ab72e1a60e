#include "xdgurlopener.h"

#include "screenreaderstatus.h"

#include <QCoroDBusPendingCall>
#include <QCoroDBusPendingReply>
#include <QCoroProcess>
#include <QCoroSignal>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QLoggingCategory>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcOpenUrl, "tarvik.openurl", QtWarningMsg)

namespace
{
constexpr std::chrono::seconds programTimeout{20};
// The portal may ask the user to choose an application first.
constexpr std::chrono::minutes portalTimeout{2};
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");

// Receives the portal's answer to one request.
class PortalRequest : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

public Q_SLOTS:
    void response(uint code, const QVariantMap &) { Q_EMIT answered(code); }

Q_SIGNALS:
    void answered(uint code);
};
} // namespace

XdgUrlOpener::XdgUrlOpener(QObject *parent, QString openProgram, bool usePortal)
    : UrlOpener(parent)
    , m_openProgram(std::move(openProgram))
    , m_usePortal(usePortal)
{
}

QCoro::Task<bool> XdgUrlOpener::openAddress(QString address)
{
    const QUrl url(address);
    if (!url.isValid() || url.scheme().isEmpty())
        co_return false;
    QPointer<XdgUrlOpener> self(this);
    if (m_usePortal) {
        const std::optional<bool> delivered = co_await openWithPortal(address);
        if (delivered || !self)
            co_return delivered.value_or(false);
    }
    co_return co_await openWithProgram(address);
}

QCoro::Task<std::optional<bool>> XdgUrlOpener::openWithPortal(QString address)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        co_return std::nullopt;
    QDBusMessage hasOwner = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                                           QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    hasOwner << portalService;
    const QDBusPendingReply<bool> owned = co_await bus.asyncCall(hasOwner);
    if (owned.isError() || !owned.value())
        co_return std::nullopt;

    // The answer comes as a signal on a request object whose path follows from our bus name and
    // a token of ours: listen before asking, so that no answer is missed.
    const QString token = QStringLiteral("tarvik%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    PortalRequest request;
    bus.connect(portalService, requestPath, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"), &request,
                SLOT(response(uint, QVariantMap)));

    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, QStringLiteral("org.freedesktop.portal.OpenURI"),
                                                       QStringLiteral("OpenURI"));
    const QVariantMap options{{QStringLiteral("handle_token"), token}};
    call << QString() << address << options;
    auto answered = qCoro(&request, &PortalRequest::answered, portalTimeout);
    const QDBusPendingReply<QDBusObjectPath> handle = co_await bus.asyncCall(call);
    if (handle.isError()) {
        qCWarning(lcOpenUrl) << "the portal refused the address:" << handle.error().message();
        bus.disconnect(portalService, requestPath, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"), &request,
                       SLOT(response(uint, QVariantMap)));
        co_return false;
    }
    const std::optional<uint> code = co_await answered;
    bus.disconnect(portalService, requestPath, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"), &request,
                   SLOT(response(uint, QVariantMap)));
    // 0: handed to an application; 1: the user cancelled; 2: failed.
    co_return code.has_value() && *code == 0;
}

QCoro::Task<bool> XdgUrlOpener::openWithProgram(QString address)
{
    // A program that cannot start is not reported to an awaiting start() until its time-out.
    const QString program = QStandardPaths::findExecutable(m_openProgram);
    if (program.isEmpty()) {
        qCWarning(lcOpenUrl) << "no" << m_openProgram << "to hand addresses to the desktop";
        co_return false;
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments({QStringLiteral("open"), address});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessEnvironment(ScreenReaderStatus::childEnvironment());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (!co_await qCoro(process).start(QIODevice::ReadOnly, programTimeout)) {
        qCWarning(lcOpenUrl) << "could not start" << program;
        co_return false;
    }
    if (!co_await qCoro(process).waitForFinished(programTimeout)) {
        process.kill();
        process.waitForFinished();
        co_return false;
    }
    co_return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

#include "xdgurlopener.moc"

#include "keychainsecretstore.h"

#include "logging.h"

#include <QCoroDBusPendingCall>
#include <QCoroSignal>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QLibrary>
#include <QScopeGuard>
#include <QThreadPool>
#include <memory>
#include <qt6keychain/keychain.h>

void KeychainSecretStore::preloadClientLibrary()
{
    QThreadPool::globalInstance()->start([] {
        // The name QtKeychain loads it by; resolved now, here, rather than on first call. Never
        // unloaded: QtKeychain keeps it for the process's life.
        QLibrary library(QStringLiteral("secret-1"));
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        library.load();
    });
}

namespace
{
// A finished job is still inside its own finished() emission when the awaiting coroutine
// resumes: it may only be deleted later.
struct DeleteLater {
    void operator()(QObject *object) const { object->deleteLater(); }
};

template<typename Job> using JobPointer = std::unique_ptr<Job, DeleteLater>;

template<typename Job> JobPointer<Job> makeJob(const QString &service, const QString &account)
{
    JobPointer<Job> job(new Job(service));
    job->setAutoDelete(false);
    job->setInsecureFallback(false);
    job->setKey(account);
    return job;
}

// Starts the job and waits for it. QtKeychain runs its jobs one at a time, in the order started,
// and start() only queues the job, so finished() cannot fire before we listen for it.
QCoro::Task<> run(QKeychain::Job *job)
{
    job->start();
    co_await qCoro(job, &QKeychain::Job::finished);
}

// QtKeychain's words (English, naming the service) are kept for the log, never shown.
TarvikError failure(const QKeychain::Job &job)
{
    return TarvikError(TarvikError::Domain::Secrets, int(job.error()), QStringLiteral("Хранилище паролей недоступно."), 0,
                       job.errorString());
}

// In a KDE session QtKeychain keeps its items in KWallet, not in the Secret Service.
bool keychainUsesSecretService()
{
    const auto mentionsKde = [](const char *variable) {
        const QByteArray value = qgetenv(variable).toLower();
        return value.contains("kde") || value.contains("plasma");
    };
    return !mentionsKde("XDG_CURRENT_DESKTOP") && !mentionsKde("DESKTOP_SESSION") && qEnvironmentVariableIsEmpty("KDE_FULL_SESSION");
}

// True only when the Secret Service says it holds no item for the service and account. QtKeychain
// files an item under the attributes "server" (the service) and "user" (the account) and finds it
// by those two alone; searching by them needs no session and carries no secret. Any doubt (no
// service, an error, another keychain) answers false, and the read goes through QtKeychain.
QCoro::Task<bool> secretServiceHasNoItem(const QString &service, const QString &account)
{
    if (!keychainUsesSecretService())
        co_return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        co_return false;
    qDBusRegisterMetaType<QMap<QString, QString>>();
    QDBusMessage search = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.secrets"), QStringLiteral("/org/freedesktop/secrets"),
                                                         QStringLiteral("org.freedesktop.Secret.Service"), QStringLiteral("SearchItems"));
    const QMap<QString, QString> attributes{{QStringLiteral("server"), service}, {QStringLiteral("user"), account}};
    search << QVariant::fromValue(attributes);
    const QDBusPendingCall call = bus.asyncCall(search);
    const QDBusMessage reply = co_await call;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.signature() != QLatin1String("aoao")) {
        qCDebug(lcSecrets) << "could not search the Secret Service:" << reply.errorName() << reply.errorMessage();
        co_return false;
    }
    const auto unlocked = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().at(0));
    const auto locked = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().at(1));
    co_return unlocked.isEmpty() && locked.isEmpty();
}
} // namespace

KeychainSecretStore::KeychainSecretStore() = default;
KeychainSecretStore::~KeychainSecretStore() = default;

QCoro::Task<> OperationTurns::wait()
{
    const quint64 mine = m_issued++;
    while (m_serving != mine)
        co_await qCoro(this, &OperationTurns::advanced);
}

void OperationTurns::next()
{
    ++m_serving;
    // From the event loop: the finishing operation is still unwinding.
    QMetaObject::invokeMethod(this, &OperationTurns::advanced, Qt::QueuedConnection);
}

QCoro::Task<Result<std::optional<QByteArray>>> KeychainSecretStore::read(QString service, QString account)
{
    co_await m_turns.wait();
    const auto done = qScopeGuard([this] { m_turns.next(); });
    if (co_await secretServiceHasNoItem(service, account))
        co_return std::optional<QByteArray>();
    const auto job = makeJob<QKeychain::ReadPasswordJob>(service, account);
    co_await run(job.get());
    switch (job->error()) {
    case QKeychain::NoError:
        co_return std::optional<QByteArray>(job->binaryData());
    case QKeychain::EntryNotFound:
        co_return std::optional<QByteArray>();
    default:
        qCDebug(lcSecrets) << "reading a secret failed:" << job->error() << job->errorString();
        co_return failure(*job);
    }
}

QCoro::Task<Result<void>> KeychainSecretStore::write(QString service, QString account, QByteArray data)
{
    co_await m_turns.wait();
    const auto done = qScopeGuard([this] { m_turns.next(); });
    const auto job = makeJob<QKeychain::WritePasswordJob>(service, account);
    job->setBinaryData(data);
    co_await run(job.get());
    if (job->error() != QKeychain::NoError) {
        qCDebug(lcSecrets) << "storing a secret failed:" << job->error() << job->errorString();
        co_return failure(*job);
    }
    co_return Result<void>();
}

QCoro::Task<Result<void>> KeychainSecretStore::remove(QString service, QString account)
{
    co_await m_turns.wait();
    const auto done = qScopeGuard([this] { m_turns.next(); });
    const auto job = makeJob<QKeychain::DeletePasswordJob>(service, account);
    co_await run(job.get());
    if (job->error() != QKeychain::NoError && job->error() != QKeychain::EntryNotFound) {
        qCDebug(lcSecrets) << "deleting a secret failed:" << job->error() << job->errorString();
        co_return failure(*job);
    }
    co_return Result<void>();
}

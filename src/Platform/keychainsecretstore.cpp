#include "keychainsecretstore.h"

#include "logging.h"

#include <QCoroSignal>
#include <QLibrary>
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

TarvikError failure(const QKeychain::Job &job)
{
    return TarvikError(TarvikError::Domain::Secrets, int(job.error()), job.errorString());
}
} // namespace

QCoro::Task<Result<std::optional<QByteArray>>> KeychainSecretStore::read(QString service, QString account)
{
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
    const auto job = makeJob<QKeychain::DeletePasswordJob>(service, account);
    co_await run(job.get());
    if (job->error() != QKeychain::NoError && job->error() != QKeychain::EntryNotFound) {
        qCDebug(lcSecrets) << "deleting a secret failed:" << job->error() << job->errorString();
        co_return failure(*job);
    }
    co_return Result<void>();
}

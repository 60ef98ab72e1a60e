#include "fallbacksecretstore.h"

#include "memorysecretstore.h"

FallbackSecretStore::FallbackSecretStore(std::unique_ptr<SecretStore> service)
    : m_service(std::move(service))
{
}

FallbackSecretStore::~FallbackSecretStore() = default;

QCoro::Task<Result<std::optional<QByteArray>>> FallbackSecretStore::read(QString service, QString account)
{
    if (m_memory)
        co_return co_await m_memory->read(std::move(service), std::move(account));
    co_return co_await m_service->read(std::move(service), std::move(account));
}

QCoro::Task<Result<void>> FallbackSecretStore::write(QString service, QString account, QByteArray data)
{
    if (!m_memory) {
        const Result<void> written = co_await m_service->write(service, account, data);
        if (written)
            co_return written;
        if (!m_memory) {
            qWarning().noquote() << QStringLiteral("No usable Secret Service (%1): the session is kept in memory and will not survive a "
                                                   "restart.")
                                        .arg(written.error().payload());
            m_memory = std::make_unique<MemorySecretStore>();
        }
    }
    co_return co_await m_memory->write(std::move(service), std::move(account), std::move(data));
}

QCoro::Task<Result<void>> FallbackSecretStore::remove(QString service, QString account)
{
    if (m_memory)
        co_return co_await m_memory->remove(std::move(service), std::move(account));
    co_return co_await m_service->remove(std::move(service), std::move(account));
}

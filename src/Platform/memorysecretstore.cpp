#include "memorysecretstore.h"

QCoro::Task<Result<std::optional<QByteArray>>> MemorySecretStore::read(QString service, QString account)
{
    const auto it = m_items.constFind({service, account});
    if (it == m_items.constEnd())
        co_return std::optional<QByteArray>();
    co_return std::optional<QByteArray>(*it);
}

QCoro::Task<Result<void>> MemorySecretStore::write(QString service, QString account, QByteArray data)
{
    m_items.insert({service, account}, data);
    co_return Result<void>();
}

QCoro::Task<Result<void>> MemorySecretStore::remove(QString service, QString account)
{
    m_items.remove({service, account});
    co_return Result<void>();
}

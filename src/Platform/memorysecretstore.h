#pragma once

#include "secretstore.h"

#include <QHash>
#include <QPair>

// Secret items kept in this process's memory only: for tests, and when no Secret Service is reachable.
class MemorySecretStore final : public SecretStore
{
public:
    QCoro::Task<Result<std::optional<QByteArray>>> read(QString service, QString account) override;
    QCoro::Task<Result<void>> write(QString service, QString account, QByteArray data) override;
    QCoro::Task<Result<void>> remove(QString service, QString account) override;
    bool isPersistent() const override { return false; }

private:
    QHash<QPair<QString, QString>, QByteArray> m_items;
};

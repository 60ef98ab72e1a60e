#pragma once

#include "secretstore.h"

#include <memory>

// The Secret Service until it refuses a write, then this process's memory for good (said once on
// stderr). Nothing is written to find out beforehand: a probe write costs the service a save to
// disk at every launch, and reads need no proof (an unusable service finds nothing, as memory
// would). Reads before a refused write go to the service.
class FallbackSecretStore final : public SecretStore
{
public:
    explicit FallbackSecretStore(std::unique_ptr<SecretStore> service);
    ~FallbackSecretStore() override;

    QCoro::Task<Result<std::optional<QByteArray>>> read(QString service, QString account) override;
    QCoro::Task<Result<void>> write(QString service, QString account, QByteArray data) override;
    QCoro::Task<Result<void>> remove(QString service, QString account) override;
    // True until the service has refused a write.
    bool isPersistent() const override { return !m_memory; }

private:
    std::unique_ptr<SecretStore> m_service;
    std::unique_ptr<SecretStore> m_memory;
};

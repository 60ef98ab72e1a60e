#pragma once

#include "result.h"

#include <QByteArray>
#include <QCoroTask>
#include <QString>
#include <memory>
#include <optional>

// Secret items of the user, each a block of bytes addressed by service and account name.
// Operations on one store complete in the order they were started.
class SecretStore
{
public:
    virtual ~SecretStore() = default;

    // The item's bytes, or nothing when there is no such item.
    virtual QCoro::Task<Result<std::optional<QByteArray>>> read(QString service, QString account) = 0;
    // Adds the item or replaces its bytes: one item per service and account.
    virtual QCoro::Task<Result<void>> write(QString service, QString account, QByteArray data) = 0;
    // Deleting an item that does not exist succeeds.
    virtual QCoro::Task<Result<void>> remove(QString service, QString account) = 0;

    // Whether the items outlive the process.
    virtual bool isPersistent() const = 0;

    // The Secret Service when it takes a write for `service`; otherwise a store that keeps the
    // items in memory for this process only (said once on stderr). (The app itself starts with a
    // FallbackSecretStore, which spares the service the probe write.)
    static QCoro::Task<std::unique_ptr<SecretStore>> open(QString service);
};

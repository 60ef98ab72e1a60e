#pragma once

#include "secretstore.h"

// Secret items in the user's Secret Service (gnome-keyring, KWallet) through QtKeychain.
// Never falls back to plain-text storage.
class KeychainSecretStore final : public SecretStore
{
public:
    QCoro::Task<Result<std::optional<QByteArray>>> read(QString service, QString account) override;
    QCoro::Task<Result<void>> write(QString service, QString account, QByteArray data) override;
    QCoro::Task<Result<void>> remove(QString service, QString account) override;
    bool isPersistent() const override { return true; }

    // Loads the Secret Service client library (and what it links) on a thread of its own, so that
    // the first read does not: call while the process has other work, e.g. drawing its first frame.
    static void preloadClientLibrary();
};

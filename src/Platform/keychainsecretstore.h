#pragma once

#include "secretstore.h"

#include <QObject>

// Lets asynchronous operations run one at a time, in the order they asked.
class OperationTurns : public QObject
{
    Q_OBJECT
public:
    // Resumes once every operation that asked before has called next().
    QCoro::Task<> wait();
    void next();

Q_SIGNALS:
    void advanced();

private:
    quint64 m_issued = 0;
    quint64 m_serving = 0;
};

// Secret items in the user's Secret Service (gnome-keyring, KWallet) through QtKeychain.
// Never falls back to plain-text storage.
//
// A read first asks the Secret Service, over the session bus, whether the item exists at all:
// when it does not (every launch of a signed-out user), the client library with its crypto is
// never loaded and no session is negotiated.
class KeychainSecretStore final : public SecretStore
{
public:
    KeychainSecretStore();
    ~KeychainSecretStore() override;

    QCoro::Task<Result<std::optional<QByteArray>>> read(QString service, QString account) override;
    QCoro::Task<Result<void>> write(QString service, QString account, QByteArray data) override;
    QCoro::Task<Result<void>> remove(QString service, QString account) override;
    bool isPersistent() const override { return true; }

    // Loads the Secret Service client library (and what it links) on a thread of its own, so that
    // the first read does not: call while the process has other work, e.g. drawing its first frame.
    static void preloadClientLibrary();

private:
    // Operations go one at a time: a read's existence check must not overtake a write started
    // after it, nor answer from before it.
    OperationTurns m_turns;
};

#include "secretstore.h"

#include "keychainsecretstore.h"
#include "logging.h"
#include "memorysecretstore.h"

#include <QtGlobal>

QCoro::Task<std::unique_ptr<SecretStore>> SecretStore::open(QString service)
{
    // Reading proves little: a Secret Service started on demand without a usable collection
    // answers "not found" to reads and refuses every write. So try a write.
    const QString probe = QStringLiteral("secret-store-probe");
    auto keychain = std::make_unique<KeychainSecretStore>();
    const Result<void> written = co_await keychain->write(service, probe, QByteArrayLiteral("1"));
    if (written) {
        const Result<void> removed = co_await keychain->remove(service, probe);
        if (!removed)
            qCWarning(lcSecrets) << "the probe item stays behind:" << removed.error();
        co_return std::unique_ptr<SecretStore>(std::move(keychain));
    }

    static bool told = false;
    if (!told) {
        told = true;
        qWarning().noquote() << QStringLiteral("No usable Secret Service (%1): the session is kept in memory and will "
                                               "not survive a restart.")
                                    .arg(written.error().payload());
    }
    co_return std::make_unique<MemorySecretStore>();
}

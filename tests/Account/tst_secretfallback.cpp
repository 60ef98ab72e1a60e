#include "clock.h"
#include "fallbacksecretstore.h"
#include "keychainsecretstore.h"
#include "networkaccess.h"
#include "secretstore.h"
#include "sharedcookiestore.h"
#include "standinfixture.h"
#include "tarvikaccountcache.h"
#include "tarvikaccountstore.h"
#include "tarvikapi.h"
#include "tarvikcookievault.h"
#include "tarvikcredentialvault.h"
#include "userdefaults.h"

#include <QDirIterator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Without a usable Secret Service (no session bus, or a bus whose keyring cannot store anything)
// the session is kept for this process only, and nothing secret reaches the disk.
class SecretFallbackTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The app's store reads from the service without a probe, and the first refused write moves
    // it, that write included, to memory.
    void theAppsStoreFallsBackOnTheFirstRefusedWrite()
    {
        FallbackSecretStore secrets(std::make_unique<KeychainSecretStore>());
        QVERIFY(secrets.isPersistent());
        const auto before = await(secrets.read(TarvikCredentialVault::service(), QStringLiteral("fallback-test")));
        QVERIFY(!before || !before->has_value());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^No usable Secret Service .*will not survive a restart")));
        QVERIFY(await(secrets.write(TarvikCredentialVault::service(), QStringLiteral("fallback-test"), "secret")));
        QVERIFY(!secrets.isPersistent());
        const auto after = await(secrets.read(TarvikCredentialVault::service(), QStringLiteral("fallback-test")));
        QVERIFY(after && after->has_value());
        QCOMPARE(after->value(), QByteArray("secret"));
        QVERIFY(await(secrets.remove(TarvikCredentialVault::service(), QStringLiteral("fallback-test"))));
    }

    void signInStillWorks()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^No usable Secret Service .*will not survive a restart")));
        const auto secrets = await(SecretStore::open(TarvikCredentialVault::service()));
        QVERIFY(!secrets->isPersistent());
        // Said once per process.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Secret Service")));
        QVERIFY(!await(SecretStore::open(TarvikCredentialVault::service()))->isPersistent());

        auto site = startStandin();
        QVERIFY(site);
        QTemporaryDir dir;
        UserDefaults defaults(dir.filePath(QStringLiteral("defaults.ini")));
        NetworkAccess network(site->caFile());
        TarvikAPI api(site->baseUrl(), &network);
        const QString host = site->baseUrl().host();
        TarvikCredentialVault credentials(secrets.get(), host);
        await(credentials.load());
        TarvikCookieVault cookies(secrets.get(), host);
        TarvikAccountCache cache(&defaults, host);
        const SystemClock clock;
        TarvikAccountStore store({&api, &credentials, &cookies, &cache, network.cookieStore(), &clock});
        QVERIFY(await(store.signIn(site->login(), site->password())));
        QVERIFY(await(store.refresh()));
        QCOMPARE(credentials.credentials()->password, site->password());

        const QByteArray session = network.cookieStore()->cookies(api.baseUrl()).value(0).value();
        QVERIFY(!session.isEmpty());
        QStringList places{dir.path(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)};
        // Under a private session bus HOME is a scratch folder: the keyring daemon's files are there.
        if (QDir::homePath().startsWith(QDir::tempPath()))
            places.append(QDir::homePath());
        for (const QString &place : places) {
            QDirIterator files(place, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (files.hasNext()) {
                QFile file(files.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QByteArray content = file.readAll();
                QVERIFY2(!content.contains(site->password().toUtf8()) && !content.contains(session), qPrintable(file.fileName()));
            }
        }
    }
};

QTEST_GUILESS_MAIN(SecretFallbackTest)
#include "tst_secretfallback.moc"

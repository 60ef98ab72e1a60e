#include "keychainsecretstore.h"
#include "mappedlibrary.h"
#include "tarvikcookievault.h"
#include "tarvikcredentialvault.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace
{
const QString host = QStringLiteral("lk.example.ru");

template<typename T> T await(QCoro::Task<T> &&task)
{
    return QCoro::waitFor(std::move(task));
}

QNetworkCookie cookie(const QByteArray &name, const QString &domain)
{
    QNetworkCookie made(name, "v-" + name);
    made.setDomain(domain);
    made.setPath(QStringLiteral("/"));
    return made;
}
} // namespace

// The session's secret items in a real Secret Service (an unlocked gnome-keyring on a private bus).
class AccountVaultsTest : public QObject
{
    Q_OBJECT

private:
    std::optional<QByteArray> stored(const QString &account)
    {
        // A fresh store each time, so nothing can come from a copy in memory.
        KeychainSecretStore keychain;
        const auto item = await(keychain.read(TarvikCredentialVault::service(), account));
        if (!item)
            qWarning() << item.error();
        return item ? *item : std::nullopt;
    }

    static std::optional<QByteArray> readItem(SecretStore &store, const QString &account)
    {
        const auto item = await(store.read(TarvikCredentialVault::service(), account));
        return item ? *item : std::optional<QByteArray>("unreadable");
    }

private Q_SLOTS:
    // Runs first: a launch with nothing stored must not load the client library and its crypto.
    void nothingStoredIsFoundWithoutTheClientLibrary()
    {
        KeychainSecretStore keychain;
        QCOMPARE(readItem(keychain, host), std::nullopt);
        QVERIFY(!isLibraryMapped("libsecret-1"));

        // An item of another account does not count; the item itself is read in full.
        QVERIFY(await(keychain.write(TarvikCredentialVault::service(), host + ".cookies", "[]")));
        QCOMPARE(readItem(keychain, host), std::nullopt);
        QCOMPARE(readItem(keychain, host + ".cookies"), QByteArray("[]"));
        QVERIFY(await(keychain.remove(TarvikCredentialVault::service(), host + ".cookies")));
    }

    // A read started before a write answers what was stored before it, and finishes first.
    void operationsFinishInTheOrderStarted()
    {
        KeychainSecretStore keychain;
        const QString service = TarvikCredentialVault::service();
        QVERIFY(await(keychain.write(service, host, "old")));
        QStringList finished;
        std::optional<QByteArray> read;
        QCoro::connect(keychain.read(service, host), this, [&](const Result<std::optional<QByteArray>> &item) {
            read = item ? *item : std::optional<QByteArray>("unreadable");
            finished << QStringLiteral("read");
        });
        QCoro::connect(keychain.write(service, host, "new"), this, [&] { finished << QStringLiteral("write"); });
        QTRY_COMPARE(finished.size(), 2);
        QCOMPARE(finished, (QStringList{QStringLiteral("read"), QStringLiteral("write")}));
        QCOMPARE(read, std::optional<QByteArray>("old"));
        QCOMPARE(readItem(keychain, host), QByteArray("new"));
        QVERIFY(await(keychain.remove(service, host)));
    }

    void theSecretServiceIsUsed()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Secret Service")));
        const auto secrets = await(SecretStore::open(TarvikCredentialVault::service()));
        QVERIFY(secrets->isPersistent());
        QVERIFY(!stored(QStringLiteral("secret-store-probe")));
    }

    void credentialsOutliveTheVault()
    {
        KeychainSecretStore keychain;
        {
            TarvikCredentialVault vault(&keychain, host);
            await(vault.load());
            QVERIFY(!vault.credentials());
            QVERIFY(await(vault.save(QStringLiteral("demo"), QStringLiteral("first"))));
            QVERIFY(await(vault.save(QStringLiteral("demo"), QStringLiteral("пароль 2"))));
        }
        KeychainSecretStore reopened;
        TarvikCredentialVault vault(&reopened, host);
        await(vault.load());
        QCOMPARE(vault.credentials().value_or(TarvikStoredCredentials()), (TarvikStoredCredentials{"demo", "пароль 2"}));
        const QJsonObject item = QJsonDocument::fromJson(stored(host).value_or("")).object();
        QCOMPARE(item.value(QStringLiteral("password")).toString(), QStringLiteral("пароль 2"));

        await(vault.remove());
        QVERIFY(!vault.credentials());
        QVERIFY(!stored(host));
        TarvikCredentialVault emptied(&reopened, host);
        await(emptied.load());
        QVERIFY(!emptied.credentials());
    }

    void unreadableCredentials_data()
    {
        QTest::addColumn<QByteArray>("item");
        QTest::newRow("not JSON") << QByteArray("demo:secret");
        QTest::newRow("no password") << QByteArray("{\"login\":\"demo\"}");
        QTest::newRow("password not a string") << QByteArray("{\"login\":\"demo\",\"password\":1}");
    }
    void unreadableCredentials()
    {
        QFETCH(QByteArray, item);
        KeychainSecretStore keychain;
        QVERIFY(await(keychain.write(TarvikCredentialVault::service(), host, item)));
        TarvikCredentialVault vault(&keychain, host);
        QTest::ignoreMessage(QtWarningMsg, "the stored credentials are unreadable");
        await(vault.load());
        QVERIFY(!vault.credentials());
        await(vault.remove());
    }

    void hostCookies_data()
    {
        QTest::addColumn<QString>("domain");
        QTest::addColumn<bool>("kept");
        QTest::newRow("the host") << host << true;
        QTest::newRow("leading dot") << "." + host << true;
        QTest::newRow("capitals") << host.toUpper() << true;
        QTest::newRow("trailing dot") << host + "." << true;
        QTest::newRow("sub-domain") << "m." + host << false;
        QTest::newRow("parent domain") << ".example.ru" << false;
        QTest::newRow("other host") << "pay.example" << false;
    }
    void hostCookies()
    {
        QFETCH(QString, domain);
        QFETCH(bool, kept);
        const QList<TarvikStoredCookie> records = TarvikCookieVault::records({cookie("JSESSIONID", domain)}, host);
        QCOMPARE(records.size(), kept ? 1 : 0);
        if (kept) {
            QCOMPARE(records.first().properties.value(QStringLiteral("Name")), QStringLiteral("JSESSIONID"));
            QCOMPARE(records.first().properties.value(QStringLiteral("Value")), QStringLiteral("v-JSESSIONID"));
        }
    }

    void cookiesItem()
    {
        KeychainSecretStore keychain;
        TarvikCookieVault vault(&keychain, host);
        QNetworkCookie session = cookie("JSESSIONID", host);
        session.setSecure(true);
        session.setHttpOnly(true);
        session.setExpirationDate(QDateTime(QDate(2026, 12, 8), QTime(10, 0), Qt::UTC));
        await(vault.save({cookie("other", QStringLiteral("pay.example")), session}));

        const auto records = TarvikStoredCookie::listFromJson(stored(vault.account()).value_or(""));
        QVERIFY(records && records->size() == 1);
        const QMap<QString, QString> expected{{"Name", "JSESSIONID"}, {"Value", "v-JSESSIONID"}, {"Domain", host}, {"Path", "/"},
            {"Expires", "2026-12-08T10:00:00Z"}, {"Secure", "TRUE"}, {"HttpOnly", "TRUE"}};
        QCOMPARE(records->first().properties, expected);

        await(vault.save({cookie("other", QStringLiteral("pay.example"))}));
        QCOMPARE(stored(vault.account()), std::optional<QByteArray>("[]"));
        await(vault.remove());
        QVERIFY(!stored(vault.account()));
    }
};

QTEST_GUILESS_MAIN(AccountVaultsTest)
#include "tst_accountvaults.moc"

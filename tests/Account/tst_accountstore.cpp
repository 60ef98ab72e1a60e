#include "clock.h"
#include "memorysecretstore.h"
#include "networkaccess.h"
#include "sharedcookiestore.h"
#include "standinfixture.h"
#include "tarvikaccountcache.h"
#include "tarvikaccounterror.h"
#include "tarvikaccountstore.h"
#include "tarvikaccountstoreqml.h"
#include "tarvikapi.h"
#include "tarvikapierror.h"
#include "tarvikcookievault.h"
#include "tarvikcredentialvault.h"
#include "tarvikpaymenterror.h"
#include "userdefaults.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

namespace
{
const QStringList loadKeys{QStringLiteral("action1"), QStringLiteral("action11"), QStringLiteral("action3"), QStringLiteral("action2"),
    QStringLiteral("action4"), QStringLiteral("recommendpay"), QStringLiteral("action6"), QStringLiteral("h42tv_account_info"),
    QStringLiteral("h42tv_channels")};
const QString signInKey = QStringLiteral("/ajax/login.jsp");

// A secret store whose writes all fail, like a Secret Service that refuses them.
class RefusingSecretStore final : public SecretStore
{
public:
    QCoro::Task<Result<std::optional<QByteArray>>> read(QString service, QString account) override
    {
        return m_items.read(service, account);
    }
    QCoro::Task<Result<void>> write(QString, QString, QByteArray) override
    {
        co_return TarvikError(TarvikError::Domain::Secrets, 7, QStringLiteral("refused"));
    }
    QCoro::Task<Result<void>> remove(QString service, QString account) override { return m_items.remove(service, account); }
    bool isPersistent() const override { return true; }

private:
    MemorySecretStore m_items;
};

QString describe(const TarvikError &error)
{
    return QStringLiteral("%1/%2 %3").arg(int(error.domain())).arg(error.code()).arg(error.description());
}
} // namespace

// The account store against the stand-in site over HTTPS, on 443 of its own loopback address.
class AccountStoreTest : public QObject
{
    Q_OBJECT

public:
    enum Operation { Refresh, SignIn, SignOut, Checkout, TrustStatus, TrustPayment, TvAccount };
    Q_ENUM(Operation)

private:
    std::unique_ptr<StandinSite> m_site;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<NetworkAccess> m_network;
    std::unique_ptr<TarvikAPI> m_api;
    std::unique_ptr<SecretStore> m_secrets;
    std::unique_ptr<UserDefaults> m_defaults;
    ManualClock m_clock{QDateTime(QDate(2026, 12, 7), QTime(10, 5), Qt::UTC)};

    // The loopback address the site was given at start.
    QString host() const { return m_site->address().toString(); }
    std::unique_ptr<TarvikCredentialVault> m_credentials;
    std::unique_ptr<TarvikCookieVault> m_cookies;
    std::unique_ptr<TarvikAccountCache> m_cache;
    std::unique_ptr<TarvikAccountStore> m_store;

    // Vaults, cache and store over the current secrets and user defaults, in main()'s order.
    void open()
    {
        m_store.reset();
        const QString host = m_api->baseUrl().host();
        m_credentials = std::make_unique<TarvikCredentialVault>(m_secrets.get(), host);
        await(m_credentials->load());
        m_cookies = std::make_unique<TarvikCookieVault>(m_secrets.get(), host);
        m_cache = std::make_unique<TarvikAccountCache>(m_defaults.get(), host);
        m_store = std::make_unique<TarvikAccountStore>(TarvikAccountStore::Collaborators{
            .api = m_api.get(),
            .credentials = m_credentials.get(),
            .cookies = m_cookies.get(),
            .cache = m_cache.get(),
            .cookieJar = m_network->cookieStore(),
            .clock = &m_clock,
        });
    }

    void signIn()
    {
        const auto result = await(m_store->signIn(m_site->login(), m_site->password()));
        QVERIFY2(result, qPrintable(result ? QString() : describe(result.error())));
    }

    std::optional<QByteArray> secret(const QString &account)
    {
        const auto stored = await(m_secrets->read(TarvikCredentialVault::service(), account));
        return stored ? *stored : std::nullopt;
    }

    QByteArray sessionCookie() const
    {
        for (const QNetworkCookie &cookie : m_network->cookieStore()->cookies(m_api->baseUrl())) {
            if (cookie.name() == "JSESSIONID")
                return cookie.value();
        }
        return {};
    }

    void verifyNoSession()
    {
        QCOMPARE(m_store->account(), TarvikAccountData());
        QVERIFY(!m_store->lastUpdated().isValid());
        QVERIFY(m_store->tvPackages().isEmpty());
        QCOMPARE(m_store->recommendedPayment(), QStringLiteral("—"));
        QVERIFY(!m_store->isLoading());
        QVERIFY(!m_credentials->credentials());
        QVERIFY(!secret(m_credentials->account()));
        QVERIFY(!secret(m_cookies->account()));
        QVERIFY(!m_cache->load());
        QVERIFY(!m_defaults->contains(m_cache->key()));
        QVERIFY(m_network->cookieStore()->cookies(m_api->baseUrl()).isEmpty());
    }

    QCoro::Task<Result<void>> start(Operation operation)
    {
        switch (operation) {
        case Refresh:
            return m_store->refresh();
        case SignIn:
            return m_store->signIn(m_site->login(), m_site->password());
        default:
            return [](TarvikAccountStore *store) -> QCoro::Task<Result<void>> {
                co_await store->signOut();
                co_return Result<void>();
            }(m_store.get());
        }
    }

    // The outcome of an account action as text: its message, or "!" and the error's text.
    QString perform(Operation operation, const QString &argument = {})
    {
        const auto text
            = [](const auto &result, auto show) { return result ? show(*result) : QLatin1Char('!') + result.error().description(); };
        switch (operation) {
        case Checkout:
            return text(await(m_store->createCheckout(argument.isEmpty() ? std::nullopt : std::optional(argument), TarvikPaymentMethod::Sbp)),
                        [](const QUrl &url) { return url.toString(); });
        case TrustStatus:
            return text(await(m_store->trustPaymentStatus()), [](const TarvikTrustPaymentStatus &status) { return status.message; });
        case TrustPayment:
            return text(await(m_store->activateTrustPayment()), [](const QString &message) { return message; });
        default:
            return text(await(m_store->create24TVAccount(argument)), [](const QString &message) { return message; });
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_site = startStandinOn443();
        QVERIFY(m_site);
    }

    void init()
    {
        m_site->releaseHeld();
        m_site->clearOverrides();
        m_site->setRejectCredentials(false);
        m_dir = std::make_unique<QTemporaryDir>();
        m_defaults = std::make_unique<UserDefaults>(m_dir->filePath(QStringLiteral("defaults.ini")));
        m_secrets = std::make_unique<MemorySecretStore>();
        m_network = std::make_unique<NetworkAccess>(m_site->caFile());
        m_api = std::make_unique<TarvikAPI>(m_site->baseUrl(), m_network.get());
        open();
        m_site->clearRequests();
    }

    void cleanup()
    {
        m_site->releaseHeld();
        m_store.reset();
    }

    void requestSequence_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::newRow("sign-in") << SignIn;
        QTest::newRow("refresh") << Refresh;
    }
    void requestSequence()
    {
        QFETCH(Operation, operation);
        if (operation == Refresh)
            signIn();
        m_site->clearRequests();
        // Every request waits at the site for a moment: one arriving meanwhile would be concurrent.
        const QStringList keys = QStringList{signInKey} + loadKeys;
        const auto holdAll = [&] {
            for (const QString &key : keys)
                m_site->hold(key);
        };
        int overlaps = 0;
        QObject guard;
        connect(m_site.get(), &StandinSite::requestHeld, &guard, [&] {
            if (m_site->heldCount() > 1)
                ++overlaps;
            QTimer::singleShot(5ms, &guard, [&] {
                m_site->releaseHeld();
                holdAll();
            });
        });
        holdAll();
        const auto result = await(start(operation));
        QVERIFY(result);
        QCOMPARE(m_site->requestKeys(), keys);
        QCOMPARE(overlaps, 0);
    }

    void signInPublishesEverythingAtOnce()
    {
        QStringList seenAtPublication;
        connect(m_store.get(), &TarvikAccountStore::accountChanged, this, [&] {
            if (seenAtPublication.isEmpty())
                seenAtPublication = {m_store->account().accountNumber, m_store->recommendedPayment(),
                    QString::number(m_store->tvPackages().size()), m_store->lastUpdated().toString(Qt::ISODate)};
        });
        const auto result = await(m_store->signIn(QStringLiteral("  demo \n"), m_site->password()));
        QVERIFY(result);
        QCOMPARE(seenAtPublication, (QStringList{"684782", "890", "3", "2026-12-07T10:05:00Z"}));
        QVERIFY(!m_store->isLoading());
        QCOMPARE(m_site->requests().constFirst().body, QByteArray("login=demo&owner=VELMOR&password=tarvik2026"));

        const auto cached = m_cache->load();
        QVERIFY(cached && cached->account == m_store->account());
        QCOMPARE(cached->lastUpdated, m_clock.now());
        QCOMPARE(m_cache->key(), QStringLiteral("tarvikLastGoodAccountData.api.v1.") + host());
        QCOMPARE(TarvikStoredCredentials::fromJson(secret(host()).value_or("")).value_or(TarvikStoredCredentials()),
            (TarvikStoredCredentials{QStringLiteral("demo"), m_site->password()}));
        const auto cookies = TarvikStoredCookie::listFromJson(secret(host() + QStringLiteral(".cookies")).value_or(""));
        QVERIFY(cookies && cookies->size() == 1);
        QCOMPARE(cookies->first().properties.value(QStringLiteral("Value")).toLatin1(), sessionCookie());
        QCOMPARE(TarvikCredentialVault::service(), QStringLiteral("ru.tarvik.app.account-session"));
    }

    void accountFields_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<StandinSite::Override>("answer");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const auto body = [](const char *json) { return StandinSite::Override{.body = QByteArray(json)}; };
        const StandinSite::Override failing{.status = 500};
        QTest::newRow("speed and price") << QString() << StandinSite::Override() << "tariff"
                                         << "Домашний Турбо|500 Мбит/с|890 ₽/мес.";
        QTest::newRow("no speed") << "action1" << body("{\"result\":\"ok\",\"tfp_cost\":890}") << "tariff"
                                  << "—|—|890 ₽/мес.";
        QTest::newRow("number as number") << "action11" << body("{\"result\":\"ok\",\"ab_id\":684782}") << "accountNumber"
                                          << "684782";
        QTest::newRow("zero balance") << "action2" << body("{\"result\":\"ok\",\"balance\":0}") << "balance"
                                      << "0";
        QTest::newRow("no name") << "action3" << body("{\"result\":\"ok\"}") << "fullName"
                                 << "Абонент Tarvik";
        QTest::newRow("service without price")
            << "action6" << body("{\"result\":\"ok\",\"services\":[{\"serv_name\":\"А\",\"serv_finalcost\":100},{\"serv_name\":\"Б\"}]}")
            << "services"
            << "А, Б|100 ₽, — ₽";
        QTest::newRow("services failing") << "action6" << failing << "services"
                                          << "—|—";
        QTest::newRow("blocked, blanks around")
            << "action2" << body("{\"result\":\"ok\",\"balance\":\"-5\",\"activ_status\":\" OFF \"}") << "isFinanciallyBlocked"
            << "true";
        QTest::newRow("lower-case off") << "action2" << body("{\"result\":\"ok\",\"balance\":\"5\",\"activ_status\":\"off\"}")
                                        << "isFinanciallyBlocked"
                                        << "false";
        QTest::newRow("no partner TV login") << "h42tv_account_info" << body("{\"login\":\"\"}") << "televisionConnected"
                                             << "false";
        QTest::newRow("partner TV failing") << "h42tv_account_info" << failing << "televisionConnected"
                                            << "false";
        QTest::newRow("recommendpay refused") << "recommendpay" << body("{\"result\":\"error\"}") << "recommendedPayment"
                                              << "—";
        QTest::newRow("payments")
            << "action4"
            << body("{\"result\":\"ok\",\"payments\":[{\"pay_date\":\"05.08.2026\",\"pay_summ\":-500},"
                    "{\"pay_date\":\"06.08.2026\",\"pay_sys\":\" СБП \"}]}")
            << "payments"
            << "05.08.2026-Платёж--500 ₽|Платёж|05.08.2026|-500 ₽|-;06.08.2026-СБП-—|СБП|06.08.2026|—|+";
        QTest::newRow("no payments") << "action4" << body("{\"result\":\"ok\",\"payments\":[]}") << "hasPaymentHistory"
                                     << "false";
        QTest::newRow("packages") << "h42tv_channels"
                                  << body("[{\"code\":\"24tvbase\",\"name\":\"Базовый\",\"channelscount\":120,\"cost\":199},"
                                          "{\"code\":\"24TVkino\",\"name\":\"Кино\"},{\"name\":\"Без кода\"},{\"code\":\"24tv\"}]")
                                  << "packages"
                                  << "base|Базовый|120|199;24TVkino|Кино||—;|—||—";
        QTest::newRow("packages failing") << "h42tv_channels" << body("{}") << "packages"
                                          << "";
    }
    void accountFields()
    {
        QFETCH(QString, key);
        QFETCH(StandinSite::Override, answer);
        QFETCH(QString, field);
        if (!key.isEmpty())
            m_site->setOverride(key, answer);
        signIn();
        const TarvikAccountData account = m_store->account();
        QStringList values;
        if (field == QLatin1String("tariff")) {
            values = {account.tariffName, account.tariffSpeed, account.tariffPrice};
        } else if (field == QLatin1String("services")) {
            values = {account.additionalService, account.additionalServicePrice};
        } else if (field == QLatin1String("payments")) {
            for (const TarvikPaymentOperation &row : account.paymentOperations)
                values.append(QStringList{row.id, row.title, row.date, row.amount, row.isPositive ? "+" : "-"}.join('|'));
            values = {values.join(';')};
        } else if (field == QLatin1String("packages")) {
            for (const AccountTVPackage &package : m_store->tvPackages())
                values.append(QStringList{package.id, package.title, package.channelCount, package.cost}.join('|'));
            values = {values.join(';')};
        } else {
            const int index = TarvikAccountData::staticMetaObject.indexOfProperty(qPrintable(field));
            values = {index >= 0 ? TarvikAccountData::staticMetaObject.property(index).readOnGadget(&account).toString()
                                 : m_store->property(qPrintable(field)).toString()};
        }
        QTEST(values.join('|'), "expected");
    }

    void loadFailures_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<StandinSite::Override>("answer");
        QTest::addColumn<TarvikError::Domain>("domain");
        QTest::addColumn<int>("code");
        const auto body = [](const char *json) { return StandinSite::Override{.body = QByteArray(json)}; };
        const auto api = TarvikError::Domain::Api;
        const auto account = TarvikError::Domain::Account;
        QTest::newRow("refused") << "action1" << body("{\"result\":\"error\",\"reason\":\"Нет\"}") << api << int(TarvikAPIError::Server);
        QTest::newRow("status 500") << "action3" << StandinSite::Override{.status = 500} << api << int(TarvikAPIError::Http);
        QTest::newRow("not JSON") << "action4" << body("<html>") << TarvikError::Domain::Parse << 0;
        QTest::newRow("blank number") << "action11" << body("{\"result\":\"ok\",\"ab_id\":\"  \"}") << account
                                      << int(TarvikAccountError::InvalidResponse);
        QTest::newRow("no balance") << "action2" << body("{\"result\":\"ok\",\"block_days\":\"3\"}") << account
                                    << int(TarvikAccountError::InvalidResponse);
        QTest::newRow("no payments list") << "action4" << body("{\"result\":\"ok\"}") << api << int(TarvikAPIError::InvalidResponse);
        QTest::newRow("session expired at recommendpay")
            << "recommendpay" << StandinSite::Override{.status = 302, .location = "/velmorlogin.jsp"} << api
            << int(TarvikAPIError::SessionExpired);
    }
    void loadFailures()
    {
        QFETCH(QString, key);
        QFETCH(StandinSite::Override, answer);
        QFETCH(TarvikError::Domain, domain);
        QFETCH(int, code);
        signIn();
        const TarvikAccountData shown = m_store->account();
        const QDateTime loadedAt = m_store->lastUpdated();
        m_site->setOverride(key, answer);
        m_clock.advance(60);

        // A refresh keeps what is shown, cached and stored.
        const auto refreshed = await(m_store->refresh());
        QVERIFY(!refreshed);
        QCOMPARE(refreshed.error().domain(), domain);
        QCOMPARE(refreshed.error().code(), code);
        QCOMPARE(m_store->account(), shown);
        QCOMPARE(m_store->lastUpdated(), loadedAt);
        QCOMPARE(m_cache->load()->lastUpdated, loadedAt);
        QVERIFY(m_credentials->credentials() && secret(m_cookies->account()));
        QVERIFY(!m_store->isLoading());

        // A sign-in that fails so leaves no session at all.
        const auto signedIn = await(m_store->signIn(m_site->login(), m_site->password()));
        QVERIFY(!signedIn);
        QCOMPARE(signedIn.error().domain(), domain);
        verifyNoSession();
    }

    // The session ends whole: the subscriber's jar holds nothing but the session's cookies, so
    // even one of another host goes with it.
    void rejectedPasswordEndsTheSession()
    {
        signIn();
        QNetworkCookie foreign("left", "1");
        foreign.setDomain(QStringLiteral("other.example"));
        foreign.setPath(QStringLiteral("/"));
        m_network->cookieStore()->insert(foreign);
        m_site->setRejectCredentials(true);
        QSignalSpy published(m_store.get(), &TarvikAccountStore::accountChanged);

        const auto result = await(m_store->refresh());
        QVERIFY(!result && result.error().is(TarvikAccountError::InvalidCredentials));
        QCOMPARE(result.error().description(), QStringLiteral("Неверный логин или пароль"));
        verifyNoSession();
        QCOMPARE(published.count(), 1);
        QVERIFY(m_network->cookieStore()->cookies().isEmpty());
    }

    void networkFailureKeepsTheAccount()
    {
        auto site = startStandin();
        QVERIFY(site);
        m_network = std::make_unique<NetworkAccess>(site->caFile());
        m_api = std::make_unique<TarvikAPI>(site->baseUrl(), m_network.get());
        open();
        QVERIFY(await(m_store->signIn(site->login(), site->password())));
        const TarvikAccountData shown = m_store->account();
        site.reset();

        const auto result = await(m_store->refresh());
        QVERIFY(!result);
        QCOMPARE(result.error().domain(), TarvikError::Domain::Transport);
        QCOMPARE(m_store->account(), shown);
        QCOMPARE(m_cache->load()->account, shown);
        QVERIFY(m_credentials->credentials() && secret(m_credentials->account()));
        QVERIFY(!m_store->isLoading());
    }

    void signInInput_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("sent"); // empty: nothing sent
        QTest::newRow("blank login") << "  \n"
                                     << "tarvik2026" << QByteArray();
        QTest::newRow("empty password") << "demo"
                                        << "" << QByteArray();
        // The site refuses it, and the session loaded before is gone.
        QTest::newRow("password of blanks is sent as is") << "demo"
                                                          << "   " << QByteArray("login=demo&owner=VELMOR&password=%20%20%20");
    }
    void signInInput()
    {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(QByteArray, sent);
        signIn();
        const TarvikAccountData shown = m_store->account();
        m_site->clearRequests();
        const auto result = await(m_store->signIn(login, password));
        QVERIFY(!result && result.error().is(TarvikAccountError::InvalidCredentials));
        if (sent.isEmpty()) {
            QVERIFY(m_site->requests().isEmpty());
            QCOMPARE(m_store->account(), shown);
            QVERIFY(m_credentials->credentials());
        } else {
            QCOMPARE(m_site->requests().constFirst().body, sent);
            verifyNoSession();
        }
    }

    void refusedCredentialSaveFailsTheSignIn()
    {
        m_secrets = std::make_unique<RefusingSecretStore>();
        open();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^the credentials cannot be stored: TarvikError\\(.*\"refused\"\\)$")));
        const auto result = await(m_store->signIn(m_site->login(), m_site->password()));
        QVERIFY(!result && result.error().is(TarvikAccountError::Unavailable));
        QCOMPARE(result.error().description(), QStringLiteral("Личный кабинет временно недоступен"));
        verifyNoSession();
    }

    void signOutOvertakesALoad_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("heldAt");
        QTest::newRow("refresh, middle of the load") << Refresh << "action4";
        QTest::newRow("refresh, last request") << Refresh << "h42tv_channels";
        QTest::newRow("sign-in, site sign-in") << SignIn << signInKey;
        QTest::newRow("sign-in, last request") << SignIn << "h42tv_channels";
    }
    void signOutOvertakesALoad()
    {
        QFETCH(Operation, operation);
        QFETCH(QString, heldAt);
        signIn();
        QSignalSpy held(m_site.get(), &StandinSite::requestHeld);
        m_site->hold(heldAt);
        auto load = start(operation);
        QVERIFY(held.wait());
        const QByteArray session = sessionCookie();

        await(m_store->signOut());
        QVERIFY(!m_store->isLoading());
        // The logout named the session that was current when it began.
        const StandinSite::Request exit = m_site->requests().constLast();
        QCOMPARE(exit.path, QStringLiteral("/exit.jsp"));
        QCOMPARE(exit.cookies.value("JSESSIONID"), session);

        m_site->releaseHeld();
        const auto result = await(std::move(load));
        QVERIFY(!result);
        QVERIFY2(result.error().isCancellation(), qPrintable(describe(result.error())));
        verifyNoSession();
    }

    void busyStoreRefusesASecondLoad_data()
    {
        QTest::addColumn<Operation>("first");
        QTest::addColumn<Operation>("second");
        for (const auto &[first, name] : {std::pair{Refresh, "refresh"}, std::pair{SignIn, "sign-in"}, std::pair{SignOut, "sign-out"}}) {
            QTest::addRow("refresh during %s", name) << first << Refresh;
            QTest::addRow("sign-in during %s", name) << first << SignIn;
        }
    }
    void busyStoreRefusesASecondLoad()
    {
        QFETCH(Operation, first);
        QFETCH(Operation, second);
        signIn();
        QSignalSpy held(m_site.get(), &StandinSite::requestHeld);
        m_site->hold(first == SignOut ? QStringLiteral("/exit.jsp") : QStringLiteral("action2"));
        auto running = start(first);
        QVERIFY(held.wait());
        const qsizetype sent = m_site->requests().size();
        // A sign-in or sign-out has put the previous session away before its first request.
        QCOMPARE(m_store->account() == TarvikAccountData(), first != Refresh);
        QCOMPARE(!m_credentials->credentials(), first != Refresh);

        const auto refused = await(start(second));
        QVERIFY(!refused && refused.error().is(TarvikAccountError::Unavailable));
        QCOMPARE(m_site->requests().size(), sent);
        m_site->releaseHeld();
        QVERIFY(await(std::move(running)));
        QCOMPARE(m_store->account().accountNumber.isEmpty(), first == SignOut);
        QVERIFY(!m_store->isLoading());
    }

    // An overtaken operation must leave the loading state to the one that overtook it.
    void overtakenRefreshLeavesLoadingToTheSignOut()
    {
        signIn();
        QSignalSpy held(m_site.get(), &StandinSite::requestHeld);
        m_site->hold(QStringLiteral("action1"));
        m_site->hold(QStringLiteral("/exit.jsp"));
        auto refresh = m_store->refresh();
        QVERIFY(held.wait());
        auto signOut = m_store->signOut();
        QVERIFY(held.wait());

        m_site->release(QStringLiteral("action1"));
        const auto refreshed = await(std::move(refresh));
        QVERIFY(m_store->isLoading());
        QVERIFY(refreshed.error().isCancellation());
        m_site->releaseHeld();
        await(std::move(signOut));
        QVERIFY(!m_store->isLoading());
    }

    void overtakenSignOutLeavesTheNewSessionAlone()
    {
        signIn();
        QSignalSpy held(m_site.get(), &StandinSite::requestHeld);
        m_site->hold(QStringLiteral("/exit.jsp"), 1);
        auto first = m_store->signOut();
        QVERIFY(held.wait());
        await(m_store->signOut());
        signIn();
        const QByteArray session = sessionCookie();
        QVERIFY(!session.isEmpty());

        QSignalSpy loading(m_store.get(), &TarvikAccountStore::isLoadingChanged);
        m_site->releaseHeld();
        await(std::move(first));
        QCOMPARE(sessionCookie(), session);
        QCOMPARE(loading.count(), 0);
        QVERIFY(!m_store->account().accountNumber.isEmpty());
        QVERIFY(m_credentials->credentials());
    }

    // The late answer of a replaced session's sign-in must not hand the next sign-in its cookie.
    void lateCookieOfAReplacedSessionIsIgnored()
    {
        signIn();
        QSignalSpy held(m_site.get(), &StandinSite::requestHeld);
        m_site->hold(QStringLiteral("/ajax/login.jsp"), 1);
        auto refresh = m_store->refresh();
        QVERIFY(held.wait());
        await(m_store->signOut());
        m_site->hold(QStringLiteral("action1"), 1);
        auto next = m_store->signIn(m_site->login(), m_site->password());
        QVERIFY(held.wait());
        const QByteArray session = sessionCookie();
        QVERIFY(!session.isEmpty());
        const qsizetype firstOfTheLoad = m_site->requests().size() - 1;

        m_site->release(QStringLiteral("/ajax/login.jsp"));
        const auto refreshed = await(std::move(refresh));
        QVERIFY(!refreshed && refreshed.error().isCancellation());
        QCOMPARE(sessionCookie(), session);
        m_site->releaseHeld();
        QVERIFY(await(std::move(next)));

        QCOMPARE(sessionCookie(), session);
        const QList<StandinSite::Request> requests = m_site->requests();
        for (qsizetype i = firstOfTheLoad; i < requests.size(); ++i) {
            if (requests.at(i).path != QLatin1String("/ajax/login.jsp"))
                QCOMPARE(requests.at(i).cookies.value("JSESSIONID"), session);
        }
        const auto stored = TarvikStoredCookie::listFromJson(secret(host() + QStringLiteral(".cookies")).value_or(""));
        QVERIFY(stored && !stored->isEmpty());
        QCOMPARE(stored->first().properties.value(QStringLiteral("Value")).toLatin1(), session);
    }

    // What a hostile site sends is bounded: the newest payments only, no checkout address of any
    // length; and a cached date no clock reaches does not decode.
    void hostileAnswersAreBounded()
    {
        QJsonArray payments;
        for (int i = 0; i < TarvikAccountStore::maxPaymentOperations + 100; ++i)
            payments.append(QJsonObject{{QStringLiteral("pay_date"), QStringLiteral("%1").arg(i)},
                                        {QStringLiteral("pay_summ"), QStringLiteral("10")}, {QStringLiteral("pay_sys"), QStringLiteral("Касса")}});
        const QJsonObject served = m_site->actionReply(QStringLiteral("action4"));
        QJsonObject history = served;
        history.insert(QStringLiteral("payments"), payments);
        m_site->setActionReply(QStringLiteral("action4"), history);
        signIn();
        m_site->setActionReply(QStringLiteral("action4"), served);
        const QList<TarvikPaymentOperation> kept = m_store->account().paymentOperations;
        QCOMPARE(kept.size(), TarvikAccountStore::maxPaymentOperations);
        QCOMPARE(kept.constFirst().date, QStringLiteral("0"));
        QCOMPARE(kept.constLast().date, QString::number(TarvikAccountStore::maxPaymentOperations - 1));

        const QByteArray address = "https://" + host().toLatin1() + "/pay?order=";
        m_site->setOverride(QStringLiteral("/ajax/sbplink.jsp"),
                            {.body = address + QByteArray(TarvikAPI::maxCheckoutAddressLength - address.size(), 'a')});
        QVERIFY(await(m_store->createCheckout(QStringLiteral("500"), TarvikPaymentMethod::Sbp)));
        m_site->setOverride(QStringLiteral("/ajax/sbplink.jsp"),
                            {.body = address + QByteArray(TarvikAPI::maxCheckoutAddressLength - address.size() + 1, 'a')});
        const auto tooLong = await(m_store->createCheckout(QStringLiteral("500"), TarvikPaymentMethod::Sbp));
        QVERIFY(!tooLong && tooLong.error().is(TarvikAPIError::InvalidResponse));

        for (const double lastUpdated : {7.89e30, -7.89e30, 1e11}) {
            QJsonObject cached = QJsonDocument::fromJson(TarvikCachedAccount{m_store->account(), m_clock.now()}.toJson()).object();
            cached.insert(QStringLiteral("lastUpdated"), lastUpdated);
            QVERIFY(!TarvikCachedAccount::fromJson(QJsonDocument(cached).toJson()));
        }
    }

    // The store sends the amount the payments' rule made, by the chosen method; a refused one
    // (no amount) goes nowhere.
    void checkoutAmounts_data()
    {
        QTest::addColumn<std::optional<QString>>("amount");
        QTest::addColumn<TarvikPaymentMethod::Method>("method");
        QTest::newRow("sbp") << std::optional(QStringLiteral("500.5")) << TarvikPaymentMethod::Sbp;
        QTest::newRow("card") << std::optional(QStringLiteral("100000")) << TarvikPaymentMethod::BankCard;
        QTest::newRow("refused") << std::optional<QString>() << TarvikPaymentMethod::Sbp;
    }
    void checkoutAmounts()
    {
        QFETCH(std::optional<QString>, amount);
        QFETCH(TarvikPaymentMethod::Method, method);
        signIn();
        m_site->clearRequests();
        const auto url = await(m_store->createCheckout(amount, method));
        if (!amount) {
            QVERIFY(!url && url.error().is(TarvikPaymentError::InvalidAmount));
            QCOMPARE(url.error().description(), QStringLiteral("Введите сумму от 1 до 100 000 ₽"));
            QVERIFY(m_site->requests().isEmpty());
            return;
        }
        QVERIFY(url);
        const StandinSite::Request request = m_site->requests().constLast();
        if (method == TarvikPaymentMethod::Sbp) {
            QCOMPARE(request.path, QStringLiteral("/ajax/sbplink.jsp"));
            QCOMPARE(request.queryValue(QStringLiteral("payment")), *amount);
        } else {
            QCOMPARE(request.path, QStringLiteral("/payment_yookassa_velmor.jsp"));
            QCOMPARE(request.queryValue(QStringLiteral("amount")), *amount);
        }
        QVERIFY(!m_store->isLoading());
    }

    void sessionGuard_data()
    {
        QTest::addColumn<int>("situation");
        QTest::addColumn<Operation>("operation");
        const char *situations[] = {"no credentials", "no account number", "loading"};
        for (int situation = 0; situation < 3; ++situation) {
            for (const auto &[operation, name] : {std::pair{Checkout, "checkout"}, std::pair{TrustStatus, "trust status"},
                     std::pair{TrustPayment, "trust payment"}, std::pair{TvAccount, "partner TV"}})
                QTest::addRow("%s, %s", situations[situation], name) << situation << operation;
        }
    }
    void sessionGuard()
    {
        QFETCH(int, situation);
        QFETCH(Operation, operation);
        std::optional<QCoro::Task<Result<void>>> running;
        if (situation == 1) {
            QVERIFY(await(m_credentials->save(m_site->login(), m_site->password())));
            open();
        } else if (situation == 2) {
            signIn();
            QSignalSpy held(m_site.get(), &StandinSite::requestHeld);
            m_site->hold(QStringLiteral("action1"));
            running = m_store->refresh();
            QVERIFY(held.wait());
        }
        const qsizetype sent = m_site->requests().size();
        // The guard comes before the amount check (no argument: a refused amount).
        QCOMPARE(perform(operation), QStringLiteral("!Личный кабинет временно недоступен"));
        QCOMPARE(m_site->requests().size(), sent);
        if (running) {
            m_site->releaseHeld();
            QVERIFY(await(std::move(*running)));
        }
    }

    void accountActions_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QByteArray>("reply"); // empty: the stand-in's own
        QTest::addColumn<bool>("refreshFails");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QByteArray>("query"); // empty: nothing sent
        QTest::newRow("trust status") << TrustStatus << QByteArray() << false
                                      << "Доступность и сумму определит оператор после подтверждения заявки." << QByteArray();
        QTest::newRow("trust payment") << TrustPayment << QByteArray() << false << "Доверительный платёж подключён на 3 дня"
                                       << QByteArray("action=set1");
        QTest::newRow("trust payment, no reason")
            << TrustPayment << QByteArray("{\"result\":\"ok\"}") << false << "Доверительный платёж подключён" << QByteArray("action=set1");
        QTest::newRow("trust payment refused") << TrustPayment << QByteArray("{\"result\":\"error\",\"reason\":\" Недоступно \"}") << false
                                               << "!Недоступно" << QByteArray("action=set1");
        QTest::newRow("partner TV, phone as typed")
            << TvAccount << QByteArray() << false << "Аккаунт 24ТВ создан. Данные для входа отправлены в SMS."
            << QByteArray("action=h42tv_add_account&logname=%2B7%20912%20345-67-89%20");
        QTest::newRow("partner TV, refresh fails")
            << TvAccount << QByteArray("{\"result\":\"ok\",\"reason\":\"  \"}") << true << "Аккаунт 24ТВ создан"
            << QByteArray("action=h42tv_add_account&logname=%2B7%20912%20345-67-89%20");
        QTest::newRow("partner TV refused") << TvAccount << QByteArray("{\"result\":\"no\"}") << false << "!Сервер не выполнил запрос"
                                            << QByteArray("action=h42tv_add_account&logname=%2B7%20912%20345-67-89%20");
    }
    void accountActions()
    {
        QFETCH(Operation, operation);
        QFETCH(QByteArray, reply);
        QFETCH(bool, refreshFails);
        QFETCH(QByteArray, query);
        signIn();
        if (!reply.isEmpty())
            m_site->setOverride(operation == TrustPayment ? QStringLiteral("set1") : QStringLiteral("h42tv_add_account"), {.body = reply});
        if (refreshFails)
            m_site->setOverride(QStringLiteral("action2"), {.status = 500});
        m_site->clearRequests();
        QTEST(perform(operation, QStringLiteral("+7 912 345-67-89 ")), "outcome");
        const QList<StandinSite::Request> requests = m_site->requests();
        if (query.isEmpty()) {
            QVERIFY(requests.isEmpty());
            return;
        }
        QCOMPARE(requests.constFirst().query, query);
        QFETCH(QString, outcome);
        // A completed action is followed by a refresh of the account.
        const bool refreshed = requests.size() > 1 && requests.at(1).path == signInKey;
        QCOMPARE(refreshed, !outcome.startsWith(QLatin1Char('!')));
        QVERIFY(!m_store->isLoading());
    }

    void creationRestoresTheCache_data()
    {
        QTest::addColumn<bool>("credentials");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<bool>("restored");
        QTest::newRow("credentials and cache") << true << true << true;
        QTest::newRow("cache without credentials") << false << true << false;
        QTest::newRow("cache lacking a key") << true << false << false;
    }
    void creationRestoresTheCache()
    {
        QFETCH(bool, credentials);
        QFETCH(bool, complete);
        QFETCH(bool, restored);
        const TarvikAccountData account{.accountNumber = QStringLiteral("684782"), .balance = QStringLiteral("10")};
        const QDateTime loadedAt = m_clock.now().addDays(-40);
        QJsonObject cached = QJsonDocument::fromJson(TarvikCachedAccount{account, loadedAt}.toJson()).object();
        if (!complete) {
            QJsonObject fields = cached.value(QStringLiteral("account")).toObject();
            fields.remove(QStringLiteral("bonusBalance"));
            cached.insert(QStringLiteral("account"), fields);
        }
        m_defaults->setValue(m_cache->key(), QJsonDocument(cached).toJson());
        if (credentials)
            QVERIFY(await(m_credentials->save(m_site->login(), m_site->password())));
        if (credentials && !complete)
            QTest::ignoreMessage(QtWarningMsg, "the cached account does not decode; it is ignored");
        open();
        QCOMPARE(m_store->account(), restored ? account : TarvikAccountData());
        QCOMPARE(m_store->lastUpdated(), restored ? loadedAt : QDateTime());
        if (credentials)
            return;
        // Without credentials a refresh changes nothing and sends nothing.
        QSignalSpy loading(m_store.get(), &TarvikAccountStore::isLoadingChanged);
        const auto result = await(m_store->refresh());
        QVERIFY(!result && result.error().is(TarvikAccountError::InvalidCredentials));
        QVERIFY(m_site->requests().isEmpty());
        // Nor does the cache of a session that cannot be restored stay on disk.
        QVERIFY(!m_defaults->contains(m_cache->key()));
        QCOMPARE(loading.count(), 0);
    }

    void aNewStoreContinuesTheSession()
    {
        signIn();
        const TarvikAccountData account = m_store->account();
        const QByteArray session = sessionCookie();
        QFile file(m_defaults->filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        QVERIFY(stored.contains("tarvikLastGoodAccountData.api.v1." + host().toLatin1()));
        QVERIFY(!stored.contains(m_site->password().toUtf8()));
        QVERIFY(!stored.contains(session));

        open();
        QCOMPARE(m_store->account(), account);
        QCOMPARE(m_store->lastUpdated(), m_clock.now());
        QVERIFY(m_store->tvPackages().isEmpty());
        m_clock.advance(900);
        QVERIFY(await(m_store->refresh()));
        QCOMPARE(m_store->tvPackages().size(), 3);

        await(m_store->signOut());
        open();
        QCOMPARE(m_store->account(), TarvikAccountData());
    }

    void qmlSingleton()
    {
        TarvikAccountStoreQml wrapper(m_store.get());
        TarvikAccountStoreQml::setInstance(&wrapper);
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        QQmlComponent component(&engine);
        component.setData("import QtQml\nimport Tarvik.Account\nQtObject {\n"
                          "    property string name: AccountStore.account.fullName + ' ' + AccountStore.tvPackages.length\n"
                          "    property string outcome\n"
                          "    property Connections c: Connections {\n"
                          "        target: AccountStore\n"
                          "        function onSignInFinished(ok, error) { outcome = ok ? 'ok' : error }\n"
                          "    }\n"
                          "    Component.onCompleted: AccountStore.signIn('demo', 'wrong')\n}\n",
            QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QTRY_COMPARE(object->property("outcome").toString(), QStringLiteral("Неверный логин или пароль"));
        wrapper.signIn(m_site->login(), m_site->password());
        QTRY_COMPARE(object->property("outcome").toString(), QStringLiteral("ok"));
        QCOMPARE(object->property("name").toString(), QStringLiteral("Смирнова Анна Сергеевна 3"));
    }
};

QTEST_GUILESS_MAIN(AccountStoreTest)
#include "tst_accountstore.moc"

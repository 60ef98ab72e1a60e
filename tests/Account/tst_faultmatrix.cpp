#include "accountfixture.h"
#include "faulttable.h"
#include "networkfailure.h"
#include "peakmemory.h"
#include "sharedcookiestore.h"
#include "tarvikapierror.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <algorithm>

using namespace std::chrono_literals;

namespace
{
// How long one request may take here: the app's 45 s would make the matrix take an hour.
constexpr auto limit = 1500ms;

const QString checkoutKey = QStringLiteral("/ajax/sbplink.jsp");
const QString trustKey = QStringLiteral("set1");
const QString tvAccountKey = QStringLiteral("h42tv_add_account");
// Each fails the operation that sends it: a refresh, the checkout, the trust payment, the 24TV account.
const QStringList requiredKeys{QStringLiteral("/ajax/login.jsp"), QStringLiteral("action1"), QStringLiteral("action11"),
                               QStringLiteral("action3"), QStringLiteral("action2"), QStringLiteral("action4"), checkoutKey, trustKey,
                               tvAccountKey};
// Those that change something at the operator: sent at most once.
const QStringList changingKeys{QStringLiteral("/ajax/login.jsp"), checkoutKey, trustKey, tvAccountKey};
// What a refresh can do without: their failures leave defaults.
const QStringList optionalKeys { QStringLiteral("recommendpay"), QStringLiteral("action6"), QStringLiteral("h42tv_account_info"),
    QStringLiteral("h42tv_channels") };

const QString timeoutText = NetworkFailure::text(NetworkFailure::Kind::TimedOut);
const QString brokenText = NetworkFailure::text(NetworkFailure::Kind::ConnectionLost);

// The text a required request `key` ends with. An action that would do harm twice, its request
// read and its answer lost, says that it may have been carried out.
QString expectedText(const QString &key, Fault fault)
{
    const bool action = changingKeys.contains(key) && key != QLatin1String("/ajax/login.jsp");
    switch (fault) {
    case Fault::Hang:
    case Fault::SlowBody:
        return action ? NetworkFailure::sentText() : timeoutText;
    case Fault::EndlessBody:
    case Fault::OversizedBody:
        return action ? NetworkFailure::sentText() : NetworkAccess::oversizedReplyText;
    case Fault::TruncatedBody:
    case Fault::Reset:
        return action ? NetworkFailure::sentText() : brokenText;
    case Fault::WrongTypes:
        return TarvikAPIErrors::invalidResponse().description();
    case Fault::RedirectLoop:
    case Fault::RedirectToHttp:
        return TarvikAPIErrors::http(302).description();
    }
    return {};
}
} // namespace

// Every request of a refresh, and the checkout's, against each way a broken or hostile server can
// answer: each ends within the limit, with its error text (or, for what a refresh can do without,
// with the rest of the account), memory bounded, the last good account and its cache kept.
class FaultMatrixTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AccountFixture> m_fixture;
    QMap<QString, QMap<int, QString>> m_cells;
    qint64 m_peakBefore = 0;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_fixture = std::make_unique<AccountFixture>();
        QVERIFY(m_fixture->start());
        m_peakBefore = peakMemoryKb();
    }

    void cleanupTestCase()
    {
        // The matrix, for the record: one row per request, one column per fault.
        QStringList header { QStringLiteral("%1").arg(QStringLiteral("request"), -20) };
        for (const FaultInfo &info : siteFaults)
            header.append(QStringLiteral("%1").arg(QLatin1String(info.name), -14));
        qInfo().noquote() << header.join(QLatin1Char('|'));
        for (const QString &key : requiredKeys + optionalKeys) {
            QStringList row { QStringLiteral("%1").arg(key, -20) };
            for (const FaultInfo &info : siteFaults)
                row.append(QStringLiteral("%1").arg(m_cells.value(key).value(int(info.fault), QStringLiteral("?")), -14));
            qInfo().noquote() << row.join(QLatin1Char('|'));
        }
        qInfo("legend: timeout = \"%s\"; size = \"%s\"; format = \"%s\"; site = \"%s\"; broken = \"%s\"; "
              "maybe done = \"%s\"; kept = the refresh succeeded without that part; then the seconds taken",
            qPrintable(timeoutText), qPrintable(NetworkAccess::oversizedReplyText),
            qPrintable(TarvikAPIErrors::invalidResponse().description()), qPrintable(TarvikAPIErrors::http(302).description()),
            qPrintable(brokenText), qPrintable(NetworkFailure::sentText()));
        qInfo("peak memory grew by %lld kB over the matrix", peakMemoryKb() - m_peakBefore);
        m_fixture.reset();
    }

    void cleanup()
    {
        m_fixture->site->clearOverrides();
        m_fixture->site->releaseHeld();
    }

    void matrix_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("served");
        for (const QString &key : requiredKeys + optionalKeys) {
            for (const FaultInfo &info : siteFaults)
                QTest::addRow("%s, %s", qPrintable(key), info.name) << key << info.fault << int(info.served);
        }
    }
    void matrix()
    {
        QFETCH(QString, key);
        QFETCH(Fault, fault);
        QFETCH(int, served);
        StandinSite &site = *m_fixture->site;
        m_fixture->reopen();
        m_fixture->api->setTimeout(limit);
        QVERIFY(m_fixture->signIn());
        const TarvikAccountData lastGood = m_fixture->store->account();
        const QVariant cached = m_fixture->defaults->value(m_fixture->cache->key());
        QVERIFY(!lastGood.accountNumber.isEmpty() && cached.isValid());

        if (fault == Fault::Hang)
            site.hold(key);
        else if (fault == Fault::WrongTypes)
            site.setOverride(key, { .body = QByteArrayLiteral("[1, \"2\", {\"result\": []}]") });
        else
            site.setOverride(key, { .fault = StandinFault(served) });

        const qsizetype requestsBefore = site.requests().size();
        QElapsedTimer clock;
        clock.start();
        QString description;
        bool ok = false;
        const auto outcome = [&](const auto &result) {
            ok = bool(result);
            if (!ok)
                description = result.error().description();
        };
        if (key == checkoutKey)
            outcome(await(m_fixture->store->createCheckout(QStringLiteral("500"), TarvikPaymentMethod::Sbp)));
        else if (key == trustKey)
            outcome(await(m_fixture->store->activateTrustPayment()));
        else if (key == tvAccountKey)
            outcome(await(m_fixture->store->create24TVAccount(QStringLiteral("79991234567"))));
        else
            outcome(await(m_fixture->store->refresh()));
        const qint64 elapsed = clock.elapsed();

        QString cell;
        if (ok)
            cell = QStringLiteral("kept");
        else if (description == timeoutText)
            cell = QStringLiteral("timeout");
        else if (description == NetworkAccess::oversizedReplyText)
            cell = QStringLiteral("size");
        else if (description == TarvikAPIErrors::invalidResponse().description())
            cell = QStringLiteral("format");
        else if (description == TarvikAPIErrors::http(302).description())
            cell = QStringLiteral("site");
        else if (description == brokenText)
            cell = QStringLiteral("broken");
        else if (description == NetworkFailure::sentText())
            cell = QStringLiteral("maybe done");
        else
            cell = description;
        m_cells[key][int(fault)] = QStringLiteral("%1 %2s").arg(cell).arg(double(elapsed) / 1000.0, 0, 'f', 1);

        // A connection broken before the answer: what changes something was sent once, a read
        // at most once again.
        if (fault == Fault::Reset) {
            const QList<StandinSite::Request> sent = site.requests().mid(requestsBefore);
            const auto times
                = std::count_if(sent.begin(), sent.end(), [&key](const StandinSite::Request &request) { return request.key() == key; });
            QVERIFY2(times >= 1 && times <= (changingKeys.contains(key) ? 1 : 2), qPrintable(QString::number(times)));
        }
        // Within the limit: one request ran out of it at most, the rest answered at once.
        QVERIFY2(elapsed < 2 * limit.count() + 8000, qPrintable(QString::number(elapsed)));
        QVERIFY(!m_fixture->store->isLoading());
        if (requiredKeys.contains(key)) {
            QVERIFY2(!ok, "a required request failed and the operation succeeded");
            QCOMPARE(description, expectedText(key, fault));
        } else {
            QVERIFY2(ok, qPrintable(description));
        }
        // The last good account stays, shown and cached (a refresh without an optional part
        // publishes the same account again).
        QCOMPARE(m_fixture->store->account().accountNumber, lastGood.accountNumber);
        QCOMPARE(m_fixture->store->account().balance, lastGood.balance);
        QCOMPARE(m_fixture->store->account().paymentOperations, lastGood.paymentOperations);
        if (!ok)
            QCOMPARE(m_fixture->defaults->value(m_fixture->cache->key()), cached);
        QVERIFY(peakMemoryKb() - m_peakBefore < 256 * 1024);
    }

    // An endless response head on the site's requests: the operation fails as for an oversized
    // answer (the checkout, answered, may have been made), at once, with the memory held meanwhile
    // bounded by the head's limit, far below the body cap. Each one's peak goes to the log.
    void endlessHead_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString &key : {QStringLiteral("/ajax/login.jsp"), QStringLiteral("action1"), checkoutKey})
            QTest::newRow(qPrintable(key)) << key;
    }
    void endlessHead()
    {
        QFETCH(QString, key);
        m_fixture->reopen();
        // Signed in at the ordinary limit: under valgrind a first TLS handshake can outlast this one.
        QVERIFY(m_fixture->signIn());
        m_fixture->api->setTimeout(limit);
        m_fixture->site->setOverride(key, {.fault = StandinFault::EndlessHead});
        // The operation's failure, empty when it succeeds.
        const auto operation = [&] {
            if (key == checkoutKey) {
                const auto checkout = await(m_fixture->store->createCheckout(QStringLiteral("500"), TarvikPaymentMethod::Sbp));
                return checkout ? QString() : checkout.error().description();
            }
            const auto refreshed = await(m_fixture->store->refresh());
            return refreshed ? QString() : refreshed.error().description();
        };
        const QString expected = key == checkoutKey ? NetworkFailure::sentText() : NetworkAccess::oversizedReplyText;
        // Once first, so that what loads once is not counted.
        QCOMPARE(operation(), expected);
        const qint64 sentBefore = StandinFaults::bytesStreamed();
        const qint64 resident = restartPeakMemory();
        QElapsedTimer clock;
        clock.start();
        const QString failure = operation();
        const qint64 grown = peakMemoryKb() - resident;
        qInfo("endless head, %s: peak %lld kB over the memory before, %lld bytes of head sent, %.1f s", qPrintable(key), grown,
              StandinFaults::bytesStreamed() - sentBefore, double(clock.elapsed()) / 1000.0);
        QCOMPARE(failure, expected);
        QVERIFY(clock.elapsed() < limit.count() + 8000);
#ifndef __SANITIZE_ADDRESS__
        QVERIFY2(grown < 8 * 1024, qPrintable(QString::number(grown)));
#endif
    }

    // A cookie of the session, whatever its path or host, goes with the sign-out: none is left in
    // memory or stored, and the next subscriber to sign in during the run sends none of them.
    void signOutLeavesNoCookie_data()
    {
        QTest::addColumn<QByteArray>("setCookie"); // set by the site with an action's answer; empty: by another host
        QTest::newRow("Path=/mobile.jsp") << QByteArray("left=1; Path=/mobile.jsp");
        QTest::newRow("Path=/ajax") << QByteArray("left=1; Path=/ajax");
        QTest::newRow("another host") << QByteArray();
    }
    void signOutLeavesNoCookie()
    {
        QFETCH(QByteArray, setCookie);
        StandinSite &site = *m_fixture->site;
        m_fixture->reopen();
        QVERIFY(m_fixture->signIn());
        SharedCookieStore *jar = m_fixture->network->cookieStore();
        if (setCookie.isEmpty()) {
            QNetworkCookie foreign("left", "1");
            foreign.setDomain(QStringLiteral("localhost"));
            foreign.setPath(QStringLiteral("/"));
            QVERIFY(jar->insert(foreign));
        } else {
            site.setOverride(QStringLiteral("action1"), {.headers = {{"Set-Cookie", setCookie}}});
            QVERIFY(await(m_fixture->store->refresh()));
            site.clearOverrides();
        }
        const auto left = [](const QList<QNetworkCookie> &cookies) {
            return std::any_of(cookies.begin(), cookies.end(), [](const QNetworkCookie &cookie) { return cookie.name() == "left"; });
        };
        QVERIFY(left(jar->cookies()));

        await(m_fixture->store->signOut());
        QVERIFY(jar->cookies().isEmpty());
        const auto stored = await(m_fixture->secrets.read(TarvikCredentialVault::service(), m_fixture->cookies->account()));
        QVERIFY(stored && !stored->has_value());

        site.clearRequests();
        QVERIFY(m_fixture->signIn());
        QVERIFY(await(m_fixture->store->refresh()));
        QVERIFY(!site.requests().isEmpty());
        for (const StandinSite::Request &request : site.requests())
            QVERIFY2(!request.cookies.contains("left"), qPrintable(request.path));
    }

    // The redirect that follows the sign-out carries only what the site left of the session after
    // its answer, not the cookie it has just cleared.
    void signOutRedirectCarriesNoClearedCookie()
    {
        // The site's redirects are followed on its own port only, 443.
        AccountFixture fixture;
        QVERIFY(fixture.start(AccountFixture::Port::Https));
        StandinSite &site = *fixture.site;
        QVERIFY(fixture.signIn());
        site.setOverride(QStringLiteral("/exit.jsp"), {.status = 302, .location = "/velmorlogin.jsp"});
        site.clearRequests();
        await(fixture.store->signOut());
        const QList<StandinSite::Request> requests = site.requests();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.at(0).path, QStringLiteral("/exit.jsp"));
        QVERIFY(requests.at(0).cookies.contains("JSESSIONID"));
        QCOMPARE(requests.at(1).path, QStringLiteral("/velmorlogin.jsp"));
        QVERIFY(!requests.at(1).cookies.contains("JSESSIONID"));
    }
};

QTEST_GUILESS_MAIN(FaultMatrixTest)
#include "tst_faultmatrix.moc"

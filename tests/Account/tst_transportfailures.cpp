#include "accountfixture.h"
#include "hunglookup.h"
#include "networkfailure.h"
#include "passwordrecoveryservice.h"
#include "passwordrecoveryserviceqml.h"
#include "qmlrender.h"

#include <QDir>
#include <QLoggingCategory>
#include <QMetaEnum>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace std::chrono_literals;

namespace
{
// How long a request may go unanswered here; the app's 45 s would only slow the test.
constexpr auto limit = 1500ms;

// Each operation whose failure a screen shows in the error's own words, by the request the site
// routes it by: the sign-in form, the checkout and trust payment alerts, the partner TV account
// sheet, the recovery sheet.
enum class Operation { SignIn, SbpCheckout, CardCheckout, TrustPayment, TVAccount, Recovery };

struct OperationInfo {
    Operation operation;
    const char *name;
    const char *key;
    // Sent twice, it does twice what it asks (a payment, an account, an SMS); a sign-in does not.
    bool harmfulTwice;
};
const OperationInfo operations[] = {
    { Operation::SignIn, "sign-in", "/ajax/login.jsp", false },
    { Operation::SbpCheckout, "SBP checkout", "/ajax/sbplink.jsp", true },
    { Operation::CardCheckout, "card checkout", "/payment_yookassa_velmor.jsp", true },
    { Operation::TrustPayment, "trust payment", "set1", true },
    { Operation::TVAccount, "24TV account", "h42tv_add_account", true },
    { Operation::Recovery, "recovery SMS", "/pass_recovery_send.jsp", true },
};

const OperationInfo &infoOf(Operation operation)
{
    return *std::find_if(
        std::begin(operations), std::end(operations), [&](const OperationInfo &each) { return each.operation == operation; });
}

// The ways a connection fails, as a bad network or a broken server makes them.
enum class Breakage {
    NameNotFound, // the server's name is found nowhere (no network)
    Refused, // nothing listens at the server's address
    ClosedBeforeHandshake,
    UntrustedCertificate,
    ClosedWithoutAnswer, // the request read, the connection closed
    ResetBeforeAnswer,
    CutDuringAnswer,
    NoAnswer,
    NoTransport, // the transport's module cannot be loaded
};

struct BreakageInfo {
    Breakage breakage;
    const char *name;
    NetworkFailure::Kind kind;
    // The server had read the request when the connection failed.
    bool requestRead;
};
const BreakageInfo breakages[] = {
    { Breakage::NameNotFound, "name not found", NetworkFailure::Kind::NoConnection, false },
    { Breakage::Refused, "refused", NetworkFailure::Kind::Unreachable, false },
    { Breakage::ClosedBeforeHandshake, "closed before the handshake", NetworkFailure::Kind::SecureConnection, false },
    { Breakage::UntrustedCertificate, "untrusted certificate", NetworkFailure::Kind::SecureConnection, false },
    { Breakage::ClosedWithoutAnswer, "closed without an answer", NetworkFailure::Kind::ConnectionLost, true },
    { Breakage::ResetBeforeAnswer, "reset before the answer", NetworkFailure::Kind::ConnectionLost, true },
    { Breakage::CutDuringAnswer, "cut during the answer", NetworkFailure::Kind::ConnectionLost, true },
    { Breakage::NoAnswer, "no answer", NetworkFailure::Kind::TimedOut, true },
    { Breakage::NoTransport, "no transport", NetworkFailure::Kind::Other, false },
};

// What the partner TV account's site says of the account once the answer to its creation is lost.
enum class TVAccountAfterwards { Made, NotMade, AnotherThere, LookFails, ThereBefore, TimedOut };

// A screen that shows an action's failure, in a state that a test can drive: act() sends the
// action; `message` is what the subscriber reads of its failure (empty until then).
struct Screen {
    const char *name;
    Operation operation;
    QByteArray qml;
};
const QByteArray trustScreen = "import QtQuick\nimport Tarvik.Payments\n"
                               "TrustPaymentView {\n"
                               "    readonly property bool ready: controller.hasStatus && !controller.isLoading\n"
                               "    function act() { controller.activate() }\n"
                               "}\n";
const QByteArray methodsScreen = "import QtQuick\nimport Tarvik.Account\nimport Tarvik.Payments\n"
                                 "PaymentMethodsView {\n"
                                 "    readonly property bool ready: true\n"
                                 "    amount: \"500\"\n"
                                 "    isSubscriptionPayment: false\n"
                                 "    function act() { controller.beginCheckout(amount, TarvikPaymentMethod.Sbp) }\n"
                                 "}\n";
const QByteArray tvAccountScreen = "import QtQuick\nimport Tarvik.Services\n"
                                   "TwentyFourTVAccountSheet {\n"
                                   "    readonly property bool ready: true\n"
                                   "    function act() { createAccount() }\n"
                                   "}\n";
const QByteArray recoveryScreen = "import QtQuick\nimport Tarvik.Account\n"
                                  "ForgotPasswordView {\n"
                                  "    readonly property bool ready: true\n"
                                  "    function act() { submitRecovery() }\n"
                                  "}\n";
const Screen screens[] = {
    { "trust", Operation::TrustPayment, trustScreen },
    { "checkout", Operation::SbpCheckout, methodsScreen },
    { "tvaccount", Operation::TVAccount, tvAccountScreen },
    { "recovery", Operation::Recovery, recoveryScreen },
};

// The red text or the alert's message that shows `screen`'s failure, once it shows.
QString shownFailure(QObject *root, const char *screen)
{
    const auto named = [root](const char *name) { return root->findChild<QObject *>(QLatin1String(name)); };
    if (qstrcmp(screen, "trust") == 0 || qstrcmp(screen, "checkout") == 0) {
        QObject *alert = named(qstrcmp(screen, "trust") == 0 ? "trustErrorAlert" : "checkoutErrorAlert");
        return alert && alert->property("opened").toBool() ? alert->property("message").toString() : QString();
    }
    QObject *text = named(qstrcmp(screen, "tvaccount") == 0 ? "errorText" : "recoveryErrorText");
    return text && text->property("visible").toBool() ? text->property("text").toString() : QString();
}
} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Breakage)
Q_DECLARE_METATYPE(TVAccountAfterwards)

// Each kind of connection failure, made for real against a local server (or a name looked up
// nowhere) and met through the app's own transport, on every operation whose failure a screen
// shows: the subscriber reads the sentence of its kind, in Russian, with no address, no code and
// no word of the transport's; and when an action that does harm twice may have been carried out
// (its request read, its answer lost), the words that say so. Nothing the app does by itself
// sends such an action a second time.
class TransportFailuresTest : public QObject
{
    Q_OBJECT

private:
    AccountFixture m_fixture;
    // Accepts connections and closes each at once, before a byte of the handshake.
    QTcpServer m_closing;
    int m_closingConnections = 0;
    // A second site, whose certificate authority the app does not trust.
    std::unique_ptr<StandinSite> m_untrusted;
    std::unique_ptr<PasswordRecoveryService> m_recovery;
    std::unique_ptr<PasswordRecoveryServiceQml> m_recoveryQml;

    static QUrl local(quint16 port) { return QUrl(QStringLiteral("https://127.0.0.1:%1/").arg(port)); }

    // A port on which nothing listens.
    static quint16 closedPort()
    {
        QTcpServer probe;
        return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
    }

    // Requests of `key` the stand-in has read.
    int received(const char *key) const { return int(m_fixture.site->requestKeys().count(QString::fromLatin1(key))); }

    // The text the operation's screen shows, empty when it succeeded.
    QString run(Operation operation, const QUrl &base)
    {
        TarvikAccountStore *store = m_fixture.store.get();
        const auto failure = [](const auto &result) { return result ? QString() : result.error().description(); };
        switch (operation) {
        case Operation::SignIn:
            return failure(await(store->signIn(m_fixture.site->login(), m_fixture.site->password())));
        case Operation::SbpCheckout:
            return failure(await(store->createCheckout(QStringLiteral("500"), TarvikPaymentMethod::Sbp)));
        case Operation::CardCheckout:
            return failure(await(store->createCheckout(QStringLiteral("500"), TarvikPaymentMethod::BankCard)));
        case Operation::TrustPayment:
            return failure(await(store->activateTrustPayment()));
        case Operation::TVAccount:
            return failure(await(store->create24TVAccount(QStringLiteral("79991234567"))));
        case Operation::Recovery: {
            PasswordRecoveryService recovery(base, m_fixture.network.get());
            return failure(await(recovery.send(QStringLiteral("684782"), QStringLiteral("79991234567"))));
        }
        }
        return {};
    }

    // Signed in afresh on the stand-in, with the site's partner TV account as `tvAccount` says.
    bool signInWithTVAccount(bool tvAccount)
    {
        const QJsonObject info = tvAccount ? QJsonObject{{QStringLiteral("login"), QStringLiteral("79123456789")}} : QJsonObject();
        m_fixture.site->setActionReply(QStringLiteral("h42tv_account_info"), info);
        m_fixture.reopen();
        return m_fixture.signIn() && m_fixture.store->account().televisionConnected == tvAccount;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_fixture.start());
        QVERIFY(m_closing.listen(QHostAddress::LocalHost, 0));
        connect(&m_closing, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_closing.nextPendingConnection()) {
                ++m_closingConnections;
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                socket->disconnectFromHost();
            }
        });
        m_untrusted = startStandin();
        QVERIFY(m_untrusted);
    }

    void cleanupTestCase()
    {
        PasswordRecoveryServiceQml::setInstance(nullptr);
        m_recoveryQml.reset();
        m_recovery.reset();
        TarvikAccountStoreQml::setInstance(nullptr);
        // The table, for the record: one row per kind of failure, with what the sign-in says and
        // what an action that does harm twice says.
        qInfo().noquote() << QStringLiteral("%1| kind             | read | text").arg(QStringLiteral("failure"), -28);
        for (const BreakageInfo &info : breakages) {
            const QString plain = NetworkFailure::text(info.kind);
            const QString text = info.requestRead ? QStringLiteral("%1 (an action: %2)").arg(plain, NetworkFailure::sentText()) : plain;
            qInfo().noquote() << QStringLiteral("%1| %2| %3| %4")
                                     .arg(QLatin1String(info.name), -28)
                                     .arg(QString::fromLatin1(QMetaEnum::fromType<NetworkFailure::Kind>().valueToKey(int(info.kind))), -17)
                                     .arg(info.requestRead ? QStringLiteral("yes") : QStringLiteral("no"), -5)
                                     .arg(text);
        }
    }

    void cleanup()
    {
        m_fixture.site->clearOverrides();
        m_fixture.site->releaseHeld();
        // The demo subscriber has a partner TV account.
        const QJsonObject info{{QStringLiteral("login"), QStringLiteral("79123456789")}};
        m_fixture.site->setActionReply(QStringLiteral("h42tv_account_info"), info);
        QVERIFY(m_fixture.site->resume());
    }

    void shownText_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<Breakage>("breakage");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("requestRead");
        for (const BreakageInfo &breakage : breakages) {
            for (const OperationInfo &operation : operations) {
                // The recovery request waits 25 s for its answer, whatever the test: its time-out
                // text is the one every other operation shows.
                if (breakage.breakage == Breakage::NoAnswer && operation.operation == Operation::Recovery)
                    continue;
                const bool maybeDone = breakage.requestRead && operation.harmfulTwice;
                QTest::addRow("%s, %s", breakage.name, operation.name)
                    << operation.operation << breakage.breakage
                    << (maybeDone ? NetworkFailure::sentText() : NetworkFailure::text(breakage.kind)) << breakage.requestRead;
            }
        }
    }
    void shownText()
    {
        QFETCH(Operation, operation);
        QFETCH(Breakage, breakage);
        QFETCH(QString, text);
        QFETCH(bool, requestRead);
        const OperationInfo &info = infoOf(operation);
        StandinSite &site = *m_fixture.site;
        // Signed in on the stand-in first: every operation but the sign-in needs a session. The
        // subscriber has a partner TV account already: the site cannot tell whether it made another.
        QVERIFY(signInWithTVAccount(true));

        QUrl base = site.baseUrl();
        switch (breakage) {
        case Breakage::NameNotFound:
            base = QUrl(QStringLiteral("https://%1/").arg(QString::fromLatin1(HungLookup::hungName)));
            break;
        case Breakage::Refused:
            base = local(closedPort());
            break;
        case Breakage::ClosedBeforeHandshake:
            base = local(m_closing.serverPort());
            break;
        case Breakage::UntrustedCertificate:
            base = m_untrusted->baseUrl();
            break;
        case Breakage::ClosedWithoutAnswer:
            site.setOverride(QString::fromLatin1(info.key), { .dropConnection = true });
            break;
        case Breakage::ResetBeforeAnswer:
            site.setOverride(QString::fromLatin1(info.key), { .fault = StandinFault::Reset });
            break;
        case Breakage::CutDuringAnswer:
            site.setOverride(QString::fromLatin1(info.key), { .fault = StandinFault::TruncatedBody });
            break;
        case Breakage::NoAnswer:
            site.hold(QString::fromLatin1(info.key));
            break;
        case Breakage::NoTransport:
            break;
        }
        m_fixture.reopen(base);
        m_fixture.api->setTimeout(limit);
        if (breakage == Breakage::NoTransport)
            m_fixture.network->setTransportModule(QDir::temp().filePath(QStringLiteral("no-such-folder/libtarvik-curl.so")));

        const int before = received(info.key);
        const int closingBefore = m_closingConnections;
        const int untrustedBefore = int(m_untrusted->requests().size());
        const QString shown = run(operation, base);
        QCOMPARE(shown, text);
        // No address, no code, no word of the transport's.
        static const QRegularExpression foreign(QStringLiteral("[A-Za-z0-9]"));
        QVERIFY2(!shown.contains(foreign), qPrintable(shown));
        // Only the sign-in ends the session it failed; every other failure leaves it as it was.
        if (operation != Operation::SignIn && operation != Operation::Recovery)
            QVERIFY(m_fixture.credentials->credentials());

        // Sent once, and not again by anything the app does on its own, whatever became of it.
        QCoreApplication::processEvents();
        QCOMPARE(received(info.key) - before, requestRead ? 1 : 0);
        QCOMPARE(m_closingConnections - closingBefore, breakage == Breakage::ClosedBeforeHandshake ? 1 : 0);
        QCOMPARE(int(m_untrusted->requests().size()), untrustedBefore);
    }

    // The partner TV account whose answer was lost after the site read the request: the app asks
    // the site whether the account exists before it offers to make one again. Made: the success;
    // not made: the connection's plain words, so that trying again is safe; no answer to the
    // question, an account there before, or a site that may still be making it: the words of a
    // request that may have been carried out.
    void tvAccountIsLookedForBeforeAnotherIsOffered_data()
    {
        QTest::addColumn<TVAccountAfterwards>("afterwards");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<bool>("lookedFor");
        const QString cut = NetworkFailure::text(NetworkFailure::Kind::ConnectionLost);
        QTest::newRow("made") << TVAccountAfterwards::Made << QStringLiteral("Аккаунт 24ТВ создан") << true << true;
        QTest::newRow("not made") << TVAccountAfterwards::NotMade << cut << false << true;
        // One of another number, which the last load could not see: not the one asked for.
        QTest::newRow("another one there") << TVAccountAfterwards::AnotherThere << NetworkFailure::sentText() << false << true;
        QTest::newRow("the look fails") << TVAccountAfterwards::LookFails << NetworkFailure::sentText() << false << true;
        QTest::newRow("one there before") << TVAccountAfterwards::ThereBefore << NetworkFailure::sentText() << false << false;
        QTest::newRow("no answer in time") << TVAccountAfterwards::TimedOut << NetworkFailure::sentText() << false << false;
    }
    void tvAccountIsLookedForBeforeAnotherIsOffered()
    {
        QFETCH(TVAccountAfterwards, afterwards);
        QFETCH(bool, lookedFor);
        StandinSite &site = *m_fixture.site;
        QVERIFY(signInWithTVAccount(afterwards == TVAccountAfterwards::ThereBefore));
        m_fixture.api->setTimeout(limit);
        const QString key = QStringLiteral("h42tv_add_account");
        if (afterwards == TVAccountAfterwards::TimedOut)
            site.hold(key);
        else
            site.setOverride(key, { .dropConnection = true });
        if (afterwards == TVAccountAfterwards::LookFails)
            site.setOverride(QStringLiteral("h42tv_account_info"), { .dropConnection = true });
        if (afterwards == TVAccountAfterwards::AnotherThere)
            site.setActionReply(QStringLiteral("h42tv_account_info"), QJsonObject{{QStringLiteral("login"), QStringLiteral("79123456789")}});
        // The site makes the account as it reads the request, whatever becomes of its answer.
        QObject context;
        if (afterwards == TVAccountAfterwards::Made) {
            connect(&site, &StandinSite::requestReceived, &context, [&site, &key](const StandinSite::Request &request) {
                if (request.key() == key) {
                    const QJsonObject made{{QStringLiteral("login"), request.queryValue(QStringLiteral("logname"))}};
                    site.setActionReply(QStringLiteral("h42tv_account_info"), made);
                }
            });
        }
        site.clearRequests();

        const Result<QString> result = await(m_fixture.store->create24TVAccount(QStringLiteral("79991234567")));
        QTEST(result ? *result : result.error().description(), "text");
        QTEST(bool(result), "succeeds");
        QCOMPARE(site.requestKeys().count(key), 1);
        QCOMPARE(site.requestKeys().contains(QStringLiteral("h42tv_account_info")), lookedFor);
        // An account made is published as any other would be.
        if (afterwards == TVAccountAfterwards::Made)
            QVERIFY(m_fixture.store->account().televisionConnected);
    }

    // A site that answered an action with a redirect had the request, whatever the next hop meets:
    // here the site stops taking connections before it. A read keeps the plain words.
    void aRedirectAnsweredMeansTheSiteHadTheRequest_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("text");
        QTest::newRow("trust payment") << QStringLiteral("set1") << NetworkFailure::sentText();
        QTest::newRow("read") << QStringLiteral("action2") << NetworkFailure::text(NetworkFailure::Kind::Unreachable);
    }
    void aRedirectAnsweredMeansTheSiteHadTheRequest()
    {
        QFETCH(QString, action);
        // On port 443 of its own address, where the site's redirects are followed.
        const std::unique_ptr<StandinSite> site = startStandinOn443();
        QVERIFY(site);
        NetworkAccess network(site->caFile());
        TarvikAPI api(site->baseUrl(), &network);
        // Nothing rides on to the next hop: it needs a connection of its own.
        site->setOverride(action, { .status = 302, .location = "/velmorlogin.jsp", .headers = {{"Connection", "close"}} });
        QObject context;
        connect(site.get(), &StandinSite::requestReceived, &context, [&](const StandinSite::Request &request) {
            if (request.key() == action)
                site->stop();
        });
        const auto result = action == QLatin1String("set1") ? await(api.perform(action)) : await(api.object(action));
        QVERIFY(!result);
        QTEST(result.error().description(), "text");
        QCOMPARE(site->requestKeys(), QStringList{action});
    }

    // Each screen that shows one of these actions, its request read and the answer lost, or its
    // request never sent (the site no longer takes connections), saved as
    // screenshots/failure-<screen>-<case>.png in the test's build folder.
    void screensShowIt_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<bool>("requestRead");
        QTest::addColumn<QString>("text");
        for (int i = 0; i < int(std::size(screens)); ++i) {
            QTest::addRow("failure-%s-answer-lost", screens[i].name) << i << true << NetworkFailure::sentText();
            QTest::addRow("failure-%s-not-sent", screens[i].name)
                << i << false << NetworkFailure::text(NetworkFailure::Kind::Unreachable);
        }
    }
    void screensShowIt()
    {
        QFETCH(int, screen);
        QFETCH(bool, requestRead);
        QFETCH(QString, text);
        const Screen &shown = screens[screen];
        const OperationInfo &info = infoOf(shown.operation);
        StandinSite &site = *m_fixture.site;
        m_recoveryQml.reset();
        m_recovery.reset();
        QVERIFY(signInWithTVAccount(true));
        m_recovery = std::make_unique<PasswordRecoveryService>(site.baseUrl(), m_fixture.network.get());
        m_recoveryQml = std::make_unique<PasswordRecoveryServiceQml>(m_recovery.get(), nullptr);
        PasswordRecoveryServiceQml::setInstance(m_recoveryQml.get());
        if (requestRead)
            site.setOverride(QString::fromLatin1(info.key), { .dropConnection = true });
        site.clearRequests();

        QString message;
        QmlRenderOptions options;
        options.interact = [&](QQuickWindow *, QObject *root) {
            if (!QTest::qWaitFor([root] { return root->property("ready").toBool(); }, 10000))
                return;
            // What a subscriber types in the forms that ask for something.
            const auto type = [root](const char *field, const char *text) {
                if (QObject *item = root->findChild<QObject *>(QLatin1String(field)))
                    item->setProperty("text", QString::fromUtf8(text));
            };
            if (shown.operation == Operation::TVAccount)
                type("phoneField", "+7 (999) 123-45-67");
            if (shown.operation == Operation::Recovery) {
                type("accountField", "684782");
                type("phoneField", "+7 (999) 123-45-67");
            }
            if (!requestRead)
                site.stop();
            QMetaObject::invokeMethod(root, "act");
            (void)QTest::qWaitFor([&] { return !(message = shownFailure(root, shown.name)).isEmpty(); }, 10000);
        };
        // The transport's account of the failure is the log's, not the screen's.
        QLoggingCategory::setFilterRules(QStringLiteral("tarvik.http.warning=false"));
        const QmlRender render = renderQml(QString::fromLatin1(QTest::currentDataTag()), shown.qml, options);
        QLoggingCategory::setFilterRules(QString());
        TARVIK_VERIFY_RENDER(render);
        QCOMPARE(message, text);
        QCOMPARE(site.requestKeys().count(QString::fromLatin1(info.key)), requestRead ? 1 : 0);
        qInfo().noquote() << render.pngPath;
    }
};

QTEST_MAIN(TransportFailuresTest)
#include "tst_transportfailures.moc"

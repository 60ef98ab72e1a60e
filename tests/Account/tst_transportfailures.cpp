#include "accountfixture.h"
#include "hunglookup.h"
#include "networkfailure.h"
#include "passwordrecoveryservice.h"

#include <QDir>
#include <QMetaEnum>
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
enum class Operation { SignIn, Checkout, TrustPayment, TVAccount, Recovery };

struct OperationInfo {
    Operation operation;
    const char *name;
    const char *key;
};
const OperationInfo operations[] = {
    { Operation::SignIn, "sign-in", "/ajax/login.jsp" },
    { Operation::Checkout, "checkout", "/ajax/sbplink.jsp" },
    { Operation::TrustPayment, "trust payment", "set1" },
    { Operation::TVAccount, "24TV account", "h42tv_add_account" },
    { Operation::Recovery, "recovery SMS", "/pass_recovery_send.jsp" },
};

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
};
const BreakageInfo breakages[] = {
    { Breakage::NameNotFound, "name not found", NetworkFailure::Kind::NoConnection },
    { Breakage::Refused, "refused", NetworkFailure::Kind::Unreachable },
    { Breakage::ClosedBeforeHandshake, "closed before the handshake", NetworkFailure::Kind::SecureConnection },
    { Breakage::UntrustedCertificate, "untrusted certificate", NetworkFailure::Kind::SecureConnection },
    { Breakage::ClosedWithoutAnswer, "closed without an answer", NetworkFailure::Kind::ConnectionLost },
    { Breakage::ResetBeforeAnswer, "reset before the answer", NetworkFailure::Kind::ConnectionLost },
    { Breakage::CutDuringAnswer, "cut during the answer", NetworkFailure::Kind::ConnectionLost },
    { Breakage::NoAnswer, "no answer", NetworkFailure::Kind::TimedOut },
    { Breakage::NoTransport, "no transport", NetworkFailure::Kind::Other },
};
} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Breakage)

// Each kind of connection failure, made for real against a local server (or a name looked up
// nowhere) and met through the app's own transport, on every operation whose failure a screen
// shows: the subscriber reads the sentence of its kind, in Russian, with no address, no code and
// no word of the transport's.
class TransportFailuresTest : public QObject
{
    Q_OBJECT

private:
    AccountFixture m_fixture;
    // Accepts connections and closes each at once, before a byte of the handshake.
    QTcpServer m_closing;
    // A second site, whose certificate authority the app does not trust.
    std::unique_ptr<StandinSite> m_untrusted;

    static QUrl local(quint16 port) { return QUrl(QStringLiteral("https://127.0.0.1:%1/").arg(port)); }

    // A port on which nothing listens.
    static quint16 closedPort()
    {
        QTcpServer probe;
        return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
    }

    // The text the operation's screen shows, empty when it succeeded.
    QString run(Operation operation, const QUrl &base)
    {
        TarvikAccountStore *store = m_fixture.store.get();
        const auto failure = [](const auto &result) { return result ? QString() : result.error().description(); };
        switch (operation) {
        case Operation::SignIn:
            return failure(await(store->signIn(m_fixture.site->login(), m_fixture.site->password())));
        case Operation::Checkout:
            return failure(await(store->createCheckout(QStringLiteral("500"), TarvikPaymentMethod::Sbp)));
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

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_fixture.start());
        QVERIFY(m_closing.listen(QHostAddress::LocalHost, 0));
        connect(&m_closing, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_closing.nextPendingConnection()) {
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                socket->disconnectFromHost();
            }
        });
        m_untrusted = startStandin();
        QVERIFY(m_untrusted);
    }

    void cleanupTestCase()
    {
        // The table, for the record: one row per kind of failure, one column per operation.
        qInfo().noquote() << QStringLiteral("%1| kind             | text").arg(QStringLiteral("failure"), -28);
        for (const BreakageInfo &info : breakages) {
            qInfo().noquote() << QStringLiteral("%1| %2| %3")
                                     .arg(QLatin1String(info.name), -28)
                                     .arg(QString::fromLatin1(QMetaEnum::fromType<NetworkFailure::Kind>().valueToKey(int(info.kind))), -17)
                                     .arg(NetworkFailure::text(info.kind));
        }
    }

    void cleanup()
    {
        m_fixture.site->clearOverrides();
        m_fixture.site->releaseHeld();
    }

    void shownText_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<Breakage>("breakage");
        QTest::addColumn<NetworkFailure::Kind>("kind");
        for (const BreakageInfo &breakage : breakages) {
            for (const OperationInfo &operation : operations) {
                // The recovery request waits 25 s for its answer, whatever the test: its time-out
                // text is the one every other operation shows.
                if (breakage.breakage == Breakage::NoAnswer && operation.operation == Operation::Recovery)
                    continue;
                QTest::addRow("%s, %s", breakage.name, operation.name) << operation.operation << breakage.breakage << breakage.kind;
            }
        }
    }
    void shownText()
    {
        QFETCH(Operation, operation);
        QFETCH(Breakage, breakage);
        QFETCH(NetworkFailure::Kind, kind);
        const OperationInfo &info = *std::find_if(
            std::begin(operations), std::end(operations), [&](const OperationInfo &each) { return each.operation == operation; });
        StandinSite &site = *m_fixture.site;
        // Signed in on the stand-in first: every operation but the sign-in needs a session.
        m_fixture.reopen();
        QVERIFY(m_fixture.signIn());

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

        const QString shown = run(operation, base);
        QCOMPARE(shown, NetworkFailure::text(kind));
        // No address, no code, no word of the transport's.
        static const QRegularExpression foreign(QStringLiteral("[A-Za-z0-9]"));
        QVERIFY2(!shown.contains(foreign), qPrintable(shown));
        // Only the sign-in ends the session it failed; every other failure leaves it as it was.
        if (operation != Operation::SignIn && operation != Operation::Recovery)
            QVERIFY(m_fixture.credentials->credentials());
    }
};

QTEST_GUILESS_MAIN(TransportFailuresTest)
#include "tst_transportfailures.moc"

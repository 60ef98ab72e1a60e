#include "standincertificates.h"
#include "webcertificatetrust.h"

#include <QTest>

// The one certificate error a web view may get past: an unknown authority that is the configured
// extra CA, and only that.
class WebCertificateTrustTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_authority.generate(QHostAddress(QHostAddress::LocalHost)), qPrintable(m_authority.errorString()));
        QVERIFY2(m_stranger.generate(QHostAddress(QHostAddress::LocalHost)), qPrintable(m_stranger.errorString()));
    }

    void cleanupTestCase() { WebCertificateTrust::setExtraAuthorities(QList<QSslCertificate>{}); }

    void chain_data()
    {
        QTest::addColumn<bool>("unknownAuthority"); // the engine's one report; any other error is false
        QTest::addColumn<QString>("chainOf");       // whose server certificate the site sends
        QTest::addColumn<bool>("withRoot");         // the site sends the authority's certificate too
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("configured");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("the extra authority's site") << true << "authority" << false << "127.0.0.1" << true << true;
        QTest::newRow("with its root sent along") << true << "authority" << true << "127.0.0.1" << true << true;
        QTest::newRow("by name") << true << "authority" << false << "localhost" << true << true;
        QTest::newRow("another host") << true << "authority" << false << "pay.example" << true << false;
        QTest::newRow("an authority of the same name") << true << "stranger" << false << "127.0.0.1" << true << false;
        QTest::newRow("no extra authority configured") << true << "authority" << false << "127.0.0.1" << false << false;
        QTest::newRow("another error (a wrong name, an expired date, revoked)") << false << "authority" << false << "127.0.0.1"
                                                                                << true << false;
        QTest::newRow("the authority as the server") << true << "root only" << false << "127.0.0.1" << true << false;
    }

    void chain()
    {
        QFETCH(bool, unknownAuthority);
        QFETCH(QString, chainOf);
        QFETCH(bool, withRoot);
        QFETCH(QString, host);
        QFETCH(bool, configured);
        QFETCH(bool, accepted);

        QList<QSslCertificate> chain;
        if (chainOf == QLatin1String("authority"))
            chain = {m_authority.serverCertificate()};
        else if (chainOf == QLatin1String("stranger"))
            chain = {m_stranger.serverCertificate()};
        else
            chain = {m_authority.caCertificate()};
        if (withRoot)
            chain.append(m_authority.caCertificate());
        const QList<QSslCertificate> authorities = configured ? QList<QSslCertificate>{m_authority.caCertificate()} : QList<QSslCertificate>{};
        QCOMPARE(WebCertificateTrust::acceptsChain(unknownAuthority, chain, host, authorities), accepted);

        // A web view hands the chain over as PEM text and the rule takes the configured authorities.
        WebCertificateTrust::setExtraAuthorities(authorities);
        QStringList pem;
        for (const QSslCertificate &certificate : chain)
            pem.append(QString::fromLatin1(certificate.toPem()));
        const QUrl page(QStringLiteral("https://") + host + QStringLiteral("/checkout"));
        QCOMPARE(WebCertificateTrust::accepts(page, unknownAuthority, pem), accepted);
    }

private:
    StandinCertificates m_authority;
    StandinCertificates m_stranger;
};

QTEST_GUILESS_MAIN(WebCertificateTrustTest)
#include "tst_webcertificatetrust.moc"

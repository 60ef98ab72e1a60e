#include "networkaccess.h"
#include "qmlnetworkaccessfactory.h"
#include "standinfixture.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QTest>

// Qt Quick's pictures over https, loaded through the factory's managers from the stand-in, whose
// certificate only its own CA vouches for.
class QmlNetworkAccessFactoryTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StandinSite> m_site;

    // A picture of the stand-in, its own address per test: Qt Quick caches pictures per process.
    QUrl picture(const char *name) const
    {
        const QByteArray digest = QByteArray(name).leftJustified(16, '0').left(16).toHex();
        return m_site->baseUrl().resolved(
            QUrl(QStringLiteral("/img/ch/%1/%2/%3.png")
                     .arg(QLatin1String(digest.left(2)), QLatin1String(digest.mid(2, 2)), QLatin1String(digest))));
    }

    // An Image of `url` in `engine` once it has finished loading one way or the other; null if it
    // never does.
    static std::unique_ptr<QObject> loadImage(QQmlEngine *engine, const QUrl &url)
    {
        QQmlComponent component(engine);
        component.setData("import QtQuick\nImage { cache: false; property bool done: status === Image.Ready || status === Image.Error;"
                          " property bool ready: status === Image.Ready }",
            QUrl());
        std::unique_ptr<QObject> image(component.createWithInitialProperties({ { QStringLiteral("source"), url } }));
        if (!image) {
            qWarning() << component.errorString();
            return nullptr;
        }
        return QTest::qWaitFor([&] { return image->property("done").toBool(); }, 15000) ? std::move(image) : nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_site = startStandin();
        QVERIFY(m_site);
    }

    // The CA file is read with the first request, not when the engine makes its managers: it is
    // written only after that here, and still trusted.
    void trustsTheExtraCaFromTheFirstRequest()
    {
        QTemporaryDir folder;
        const QString caFile = folder.filePath(QStringLiteral("ca.pem"));
        NetworkAccess network(caFile);
        QmlNetworkAccessFactory factory(&network);
        QQmlEngine engine;
        engine.setNetworkAccessManagerFactory(&factory);
        QVERIFY(engine.networkAccessManager());
        std::unique_ptr<QNetworkAccessManager> spare(factory.create(nullptr));
        QVERIFY(spare);
        QVERIFY(QFile::copy(m_site->caFile(), caFile));

        const auto image = loadImage(&engine, picture("trusted"));
        QVERIFY(image);
        QVERIFY(image->property("ready").toBool());
        QVERIFY(image->property("implicitWidth").toReal() > 0);
    }

    // Without the extra CA, or with a CA that did not sign the site's certificate, the picture
    // fails: verification is never relaxed.
    void refusesAnUntrustedSite_data()
    {
        QTest::addColumn<bool>("otherCa");
        QTest::newRow("no extra CA") << false;
        QTest::newRow("another CA") << true;
    }
    void refusesAnUntrustedSite()
    {
        QFETCH(bool, otherCa);
        std::unique_ptr<StandinSite> other;
        if (otherCa) {
            other = startStandin();
            QVERIFY(other);
        }
        NetworkAccess network(other ? other->caFile() : QString());
        QmlNetworkAccessFactory factory(&network);
        QQmlEngine engine;
        engine.setNetworkAccessManagerFactory(&factory);

        const auto image = loadImage(&engine, picture(otherCa ? "other-ca" : "no-ca"));
        QVERIFY(image);
        QVERIFY(!image->property("ready").toBool());
    }
};

QTEST_MAIN(QmlNetworkAccessFactoryTest)

#include "tst_qmlnetworkaccessfactory.moc"

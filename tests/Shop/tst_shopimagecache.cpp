#include "networkaccess.h"
#include "standinfixture.h"
#include "standinshop.h"
#include "tarvikcachedimageloader.h"
#include "tarvikshopimagecache.h"
#include "tarvikshopproduct.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using State = TarvikCachedImageLoader::State;

class ShopImageCacheTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StandinSite> m_site;
    std::unique_ptr<NetworkAccess> m_network;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TarvikShopImageCache> m_cache;

    QString url(const QString &name) const
    {
        return m_site->baseUrl().toString() + QStringLiteral("kestrabay-shop-bucket/") + name;
    }

    int requestsFor(const QString &address) const { return int(m_site->requestKeys().count(QUrl(address).path())); }

    // Waits for the loader to leave Loading.
    static void settle(const std::shared_ptr<TarvikCachedImageLoader> &loader)
    {
        QTRY_VERIFY_WITH_TIMEOUT(loader->state() != State::Loading, 10000);
    }

    QStringList cacheFiles() const { return QDir(m_cache->directory()).entryList(QDir::Files | QDir::Hidden); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_site = startStandin();
        QVERIFY(m_site);
        m_network = std::make_unique<NetworkAccess>(m_site->caFile());
    }

    void init()
    {
        m_site->clearOverrides();
        m_site->clearRequests();
        m_dir = std::make_unique<QTemporaryDir>();
        m_cache = std::make_unique<TarvikShopImageCache>(m_network.get(), m_dir->filePath(QStringLiteral("TarvikShopImages")));
    }

    void cleanup()
    {
        m_cache.reset();
        // Let the slow photo of a test that did not wait for it go by.
        QTest::qWait(0);
        m_dir.reset();
    }

    void fileNames()
    {
        const QString address = QStringLiteral("https://static.tarvik.ru/kestrabay-shop-bucket/SNR-RT622-G41_1-01M0FHA8793WYPY8AKYD3RYAN6.webp");
        QCOMPARE(TarvikShopImageCache::fileName(address), QStringLiteral("3e647722ffe3aa1d86f03fcbe1d4b9b57c8bacedfdc7c8470a9a3f9eb15db922"));
        // The text as written: no normalisation of case or of a trailing slash.
        QVERIFY(TarvikShopImageCache::fileName(address.toUpper()) != TarvikShopImageCache::fileName(address));
        QVERIFY(TarvikShopImageCache::fileName(address + QLatin1Char('/')) != TarvikShopImageCache::fileName(address));
        QVERIFY(m_cache->filePath(address).endsWith(QStringLiteral("/TarvikShopImages/3e647722ffe3aa1d86f03fcbe1d4b9b57c8bacedfdc7c8470a9a3f9eb15db922")));
        // The default folder is the user's caches folder.
        TarvikShopImageCache defaults(m_network.get());
        QCOMPARE(defaults.directory(), QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/TarvikShopImages"));
    }

    // A miss downloads and writes the body as served; the next loader reads the file before it
    // returns and asks nothing of the host.
    void missThenHit()
    {
        const QString address = url(QStringLiteral("xdt_ont_t51xa_1-01M1C77KTRKMBR2JYR2CBQXTSC.jpg"));
        auto first = m_cache->loader(address);
        QCOMPARE(first->state(), State::Loading);
        settle(first);
        QCOMPARE(first->state(), State::Ready);
        QCOMPARE(first->body(), StandinShop::reply(QUrl(address).path()).body);
        QFile file(m_cache->filePath(address));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), StandinShop::reply(QUrl(address).path()).body);
        QCOMPARE(cacheFiles(), QStringList{TarvikShopImageCache::fileName(address)});
        QCOMPARE(requestsFor(address), 1);

        const QByteArray served = first->body();
        first.reset();
        auto again = m_cache->loader(address);
        QCOMPARE(again->state(), State::Ready);
        QCOMPARE(again->body(), served);
        QTest::qWait(50);
        QCOMPARE(requestsFor(address), 1);
    }

    // Only a 200 with a body that decodes is kept; anything else fails and writes nothing.
    void failures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("status"); // 0: as the stand-in serves it
        QTest::addColumn<bool>("dropConnection");
        QTest::newRow("404") << "missing.jpg" << 0 << false;
        QTest::newRow("200, not an image") << "not-an-image.jpg" << 0 << false;
        QTest::newRow("206 with a photo") << "xdt_ont_t51xa_2-01M1C77KTV03MZSRZ22VYT3ES7.jpg" << 206 << false;
        QTest::newRow("304 with a photo") << "xdt_ont_t51xa_3-01M1C77KTY3WGAFFPJZ7VMJ53V.jpg" << 304 << false;
        QTest::newRow("connection killed") << "xdt_ont_t51xa_4-01M1C77KTZXR3KECT61VHK9515.jpg" << 0 << true;
    }

    void failures()
    {
        QFETCH(QString, name);
        QFETCH(int, status);
        QFETCH(bool, dropConnection);
        const QString address = url(name);
        StandinSite::Override override;
        if (status)
            override.status = status;
        override.dropConnection = dropConnection;
        m_site->setOverride(QUrl(address).path(), override);
        auto loader = m_cache->loader(address);
        settle(loader);
        QCOMPARE(loader->state(), State::Failed);
        QVERIFY(loader->body().isEmpty());
        QVERIFY(cacheFiles().isEmpty());
        // A failed loader is not handed out again: the next view tries once more.
        m_site->clearOverrides();
        auto retry = m_cache->loader(address);
        QVERIFY(retry != loader);
        settle(retry);
        QCOMPARE(retry->state(), name.startsWith(QLatin1String("xdt")) ? State::Ready : State::Failed);
    }

    void noAddress_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("empty") << QString();
        QTest::newRow("not an address") << QStringLiteral("kestrabay shop bucket");
    }

    void noAddress()
    {
        QFETCH(QString, address);
        auto loader = m_cache->loader(address);
        QCOMPARE(loader->state(), State::Failed);
        QVERIFY(m_site->requests().isEmpty());
    }

    // Views of one address while it loads share one loader and one download.
    void oneDownloadPerAddress()
    {
        const QString address = url(QStringLiteral("slow.jpg"));
        auto first = m_cache->loader(address);
        auto second = m_cache->loader(address);
        QCOMPARE(first, second);
        settle(first);
        QCOMPARE(first->state(), State::Ready);
        QCOMPARE(requestsFor(address), 1);
    }

    // The download finishes and fills the cache even when no view shows the photo any more.
    void viewGoneWhileLoading()
    {
        const QString address = url(QStringLiteral("slow.jpg"));
        m_cache->loader(address).reset();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_cache->filePath(address)), 10000);
        QCOMPARE(cacheFiles().size(), 1);
    }

    // The app quitting mid-download: the loader fails and nothing is left half written.
    void cacheGoneWhileLoading()
    {
        const QString address = url(QStringLiteral("slow.jpg"));
        auto loader = m_cache->loader(address);
        QSignalSpy held(m_site.get(), &StandinSite::requestReceived);
        QVERIFY(held.wait(5000));
        const QString folder = m_cache->directory();
        m_cache.reset();
        QCOMPARE(loader->state(), State::Failed);
        QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // A photo its host serves cut off, its length announced as sent: shown as far as it goes, not
    // cached, so that the next view downloads it again, and keeps it once it comes whole.
    void cutOffPhotoIsNotKept()
    {
        const QString address = url(QStringLiteral("xdt_ont_t51xa_1-01M1C77KTRKMBR2JYR2CBQXTSC.jpg"));
        const QByteArray whole = StandinShop::reply(QUrl(address).path()).body;
        m_site->setOverride(QUrl(address).path(), {.body = whole.left(whole.size() * 2 / 3)});
        auto cut = m_cache->loader(address);
        settle(cut);
        QCOMPARE(cut->state(), State::Ready);
        QVERIFY(cacheFiles().isEmpty());

        cut.reset();
        m_site->clearOverrides();
        auto again = m_cache->loader(address);
        settle(again);
        QCOMPARE(again->body(), whole);
        QCOMPARE(requestsFor(address), 2);
        QCOMPARE(cacheFiles(), QStringList{TarvikShopImageCache::fileName(address)});
    }

    // A cache file that is no whole picture (one a crash or an older version left) is a miss.
    void damagedFileIsReplaced_data()
    {
        QTest::addColumn<QByteArray>("damaged");
        const QString path = QStringLiteral("/kestrabay-shop-bucket/snr-onu-gpon-1g-min-apc_1-01M0FQT6T3B86WX7G2DBBX6E4V.jpg");
        const QByteArray whole = StandinShop::reply(path).body;
        QTest::newRow("not a picture") << QByteArray("\xff\xd8 cut short");
        QTest::newRow("a JPEG cut off") << whole.left(whole.size() * 2 / 3);
    }
    void damagedFileIsReplaced()
    {
        QFETCH(QByteArray, damaged);
        const QString address = url(QStringLiteral("snr-onu-gpon-1g-min-apc_1-01M0FQT6T3B86WX7G2DBBX6E4V.jpg"));
        QDir().mkpath(m_cache->directory());
        QFile file(m_cache->filePath(address));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(damaged);
        file.close();
        auto loader = m_cache->loader(address);
        settle(loader);
        QCOMPARE(loader->state(), State::Ready);
        QCOMPARE(requestsFor(address), 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), StandinShop::reply(QUrl(address).path()).body);
    }

    // Offline, a photo seen once before still shows and one never seen fails.
    void offline()
    {
        const QString seen = url(QStringLiteral("SNR-RT622-G41_1-01M0FHA8793WYPY8AKYD3RYAN6.webp"));
        auto loader = m_cache->loader(seen);
        settle(loader);
        QCOMPARE(loader->state(), State::Ready);
        loader.reset();

        // A host that has gone away: its address no longer answers.
        auto site = startStandin();
        QVERIFY(site);
        const QString elsewhere = site->baseUrl().toString() + QStringLiteral("kestrabay-shop-bucket/x.jpg");
        site->stop();
        auto gone = m_cache->loader(elsewhere);
        settle(gone);
        QCOMPARE(gone->state(), State::Failed);
        QVERIFY(!m_cache->loader(seen)->failed());
        QCOMPARE(m_cache->loader(seen)->state(), State::Ready);
    }

    // Every photo of the catalog, WebP and JPEG, comes from the stand-in at its catalog path.
    void catalogPhotos()
    {
        QStringList paths;
        for (const TarvikShopProduct &product : TarvikShopProduct::catalog()) {
            for (const QString &address : product.imageURLs)
                paths.append(QUrl(address).path());
        }
        QCOMPARE(paths, StandinShop::photoPaths());
        for (const QString &path : std::as_const(paths)) {
            auto loader = m_cache->loader(url(path.section(QLatin1Char('/'), -1)));
            settle(loader);
            QVERIFY2(loader->state() == State::Ready, qPrintable(path));
        }
        QCOMPARE(cacheFiles().size(), 17);
    }
};

QTEST_MAIN(ShopImageCacheTest)
#include "tst_shopimagecache.moc"

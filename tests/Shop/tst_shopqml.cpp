#include "picturefixtures.h"
#include "quicktestsetup.h"
#include "shopfixture.h"
#include "tarvikcachedimageloader.h"

#include <QFile>
#include <QQmlEngine>
#include <QStandardPaths>

// What the shop's QML tests steer, as the singleton ShopTest: the cart, the stand-in's image host
// and its request log, and products shaped for edge cases.
class ShopTestControl : public QObject
{
    Q_OBJECT

public:
    explicit ShopTestControl(ShopFixture *shop)
        : m_shop(shop)
    {
    }

    // An empty cart, nothing logged.
    Q_INVOKABLE void reset()
    {
        m_shop->cart->setItems({});
        m_shop->cart->persist();
        m_shop->site->clearRequests();
    }

    Q_INVOKABLE void add(qint64 id, int pieces = 1)
    {
        for (int i = 0; i < pieces; ++i)
            m_shop->cart->add(m_shop->product(id));
    }

    // "1:2 101:1": product numbers and quantities of the cart's lines, in order.
    Q_INVOKABLE QString lines() const
    {
        QStringList lines;
        for (const TarvikShopCartItem &item : m_shop->cart->items())
            lines.append(QStringLiteral("%1:%2").arg(item.id()).arg(item.quantity));
        return lines.join(QLatin1Char(' '));
    }

    // The catalog's product `id` with only its first `pictures` photos, and without its
    // specifications or reviews when asked.
    Q_INVOKABLE QVariant product(qint64 id, int pictures = -1, bool specifications = true, bool reviews = true, int rating = -1) const
    {
        TarvikShopProduct product = m_shop->product(id);
        if (pictures >= 0)
            product.imageURLs = product.imageURLs.mid(0, pictures);
        if (!specifications)
            product.specifications.clear();
        if (!reviews)
            product.reviews.clear();
        if (rating >= 0)
            product.reviews.first().rating = rating;
        return QVariant::fromValue(product);
    }

    Q_INVOKABLE int photoRequests() const { return int(m_shop->site->requests().size()); }
    // A photo address on a host that does not answer.
    Q_INVOKABLE QString unreachablePhoto() const { return QStringLiteral("https://127.0.0.1:1/kestrabay-shop-bucket/x.jpg"); }
    Q_INVOKABLE QString photo(int index) const { return TarvikShopProduct::catalog().at(0).imageURLs.at(index); }
    // A photo on the image host whose header is sound but whose compressed pixels are spoilt.
    Q_INVOKABLE QString undecodablePhoto()
    {
        QImage picture(64, 64, QImage::Format_RGB32);
        picture.fill(Qt::magenta);
        QByteArray body = encodedPicture(picture, "png");
        const qsizetype pixels = body.indexOf("IDAT") + 4;
        body[pixels] = char(body[pixels] ^ 0xff);
        const QString path = QStringLiteral("/kestrabay-shop-bucket/undecodable.png");
        m_shop->site->setOverride(path, {.status = 200, .body = body});
        return m_shop->site->baseUrl().toString(QUrl::RemovePath) + path;
    }
    // A photo of 2500 x 2500 on the image host, "webp" or "jpeg", progressive if asked.
    Q_INVOKABLE QString largePhoto(const QString &format, bool progressive)
    {
        const QString path
            = QStringLiteral("/kestrabay-shop-bucket/large-%1%2.%1").arg(format, progressive ? QStringLiteral("-progressive") : QString());
        m_shop->site->setOverride(path, {.status = 200, .body = squaresPicture({2500, 2500}, qPrintable(format), progressive)});
        return m_shop->site->baseUrl().toString(QUrl::RemovePath) + path;
    }
    Q_INVOKABLE bool cached(const QString &url) const { return QFile::exists(m_shop->images->filePath(url)); }
    // Downloads `url` into the cache and waits for it.
    Q_INVOKABLE bool preload(const QString &url)
    {
        auto loader = m_shop->images->loader(url);
        return QTest::qWaitFor([&] { return loader->state() != TarvikCachedImageLoader::State::Loading; }, 10000) && !loader->failed();
    }

private:
    ShopFixture *m_shop;
};

class ShopQmlSetup : public TarvikQuickTestSetup
{
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_shop = std::make_unique<ShopFixture>();
        if (!m_shop->start())
            qFatal("the shop fixture did not start");
        m_control = std::make_unique<ShopTestControl>(m_shop.get());
        qmlRegisterSingletonInstance("TarvikTest", 1, 0, "ShopTest", m_control.get());
    }

    // Everything goes while the application still exists: network objects need it to close.
    void cleanupTestCase()
    {
        ShopCartSingleton::setInstance(nullptr);
        ShopImagesSingleton::setInstance(nullptr);
        m_control.reset();
        m_shop.reset();
    }

private:
    std::unique_ptr<ShopFixture> m_shop;
    std::unique_ptr<ShopTestControl> m_control;
};

TARVIK_QUICK_TEST_MAIN(tst_shopqml, ShopQmlSetup)

#include "tst_shopqml.moc"

#include "accessiblekit.h"
#include "accessibletree.h"
#include "accountfixture.h"
#include "fakeurlopener.h"
#include "fixturequicktestsetup.h"
#include "haptics.h"
#include "hapticssingleton.h"
#include "lazywebengine.h"
#include "partnertvconfig.h"
#include "qmlnetworkaccessfactory.h"
#include "standinpartnertv.h"
#include "testpaths.h"
#include "webcertificatetrust.h"
#include "webprofiledata.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QFile>
#include <QDir>
#include <QMetaEnum>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTcpServer>
#include <QUrlQuery>

#include <algorithm>

// What the partner TV screens' tests steer: the stand-in site and the session, as the QML singleton
// `Standin`.
class StandinControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString origin READ origin CONSTANT)
    Q_PROPERTY(QString missingLogoPath READ missingLogoPath CONSTANT)

public:
    StandinControl(AccountFixture *fixture, Haptics *haptics)
        : m_fixture(fixture)
        , m_haptics(haptics)
    { }
    ~StandinControl() override
    {
        for (const QString &scheme : std::as_const(m_watched))
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QString origin() const { return m_fixture->site->baseUrl().toString(QUrl::RemovePath); }
    QString missingLogoPath() const { return QString::fromLatin1(StandinPartnerTV::missingLogoPath); }

    // Signed in afresh, nothing held or overridden, no requests logged, no haptics played.
    Q_INVOKABLE bool reset()
    {
        StandinSite *site = m_fixture->site.get();
        site->releaseHeld();
        site->clearOverrides();
        site->setTvPackagesReply({});
        // A refresh a screen started at its end must not refuse the sign-in.
        const bool idle = QTest::qWaitFor([this] { return !m_fixture->store->isLoading(); }, 15000);
        const bool signedIn = idle && m_fixture->signIn();
        site->clearRequests();
        m_haptics->reset();
        return signedIn;
    }
    // The site lists no partner TV packages, and the store has loaded that.
    Q_INVOKABLE bool loadNoTvPackages()
    {
        m_fixture->site->setTvPackagesReply("[]");
        const bool loaded = bool(await(m_fixture->store->refresh()));
        m_fixture->site->clearRequests();
        return loaded && m_fixture->store->tvPackages().isEmpty();
    }
    Q_INVOKABLE void signOut() { await(m_fixture->store->signOut()); }
    Q_INVOKABLE void hold(const QString &key) { m_fixture->site->hold(key); }
    Q_INVOKABLE void release(const QString &key) { m_fixture->site->release(key); }
    Q_INVOKABLE int heldCount() const { return m_fixture->site->heldCount(); }
    Q_INVOKABLE void answer(const QString &key, const QString &body)
    {
        m_fixture->site->setOverride(key, StandinSite::Override { .body = body.toUtf8() });
    }
    // Requests for `key` find their connection closed without an answer, until clearOverrides() or reset().
    Q_INVOKABLE void dropConnections(const QString &key) { m_fixture->site->setOverride(key, StandinSite::Override{.dropConnection = true}); }
    Q_INVOKABLE void clearOverrides() { m_fixture->site->clearOverrides(); }
    Q_INVOKABLE int requestCount(const QString &key) const { return int(m_fixture->site->requestKeys().count(key)); }
    Q_INVOKABLE QStringList requestKeys() const { return m_fixture->site->requestKeys(); }
    // The decoded query of the last request for `key`.
    Q_INVOKABLE QVariantMap lastQuery(const QString &key) const
    {
        return m_fixture->site->lastQuery(key);
    }
    // Addresses of these schemes that the web engine hands to the desktop are caught here.
    Q_INVOKABLE void watchHandoffs(const QStringList &schemes)
    {
        for (const QString &scheme : schemes) {
            QDesktopServices::setUrlHandler(scheme, &m_desktop, "openUrl");
            m_watched.append(scheme);
        }
        m_desktop.clear();
    }
    Q_INVOKABLE QStringList handoffs() const { return m_desktop.requestedUrls(); }
    // After a sign-out: whether the partner profile's folders are gone, or will be before it is
    // opened next.
    Q_INVOKABLE bool partnerDataGoneOrPending() const
    {
        const QStringList folders = WebProfileData::folders(WebProfileData::partnerTVStorage);
        if (QFile::exists(folders.constFirst() + QStringLiteral(".erase")))
            return true;
        return std::none_of(folders.cbegin(), folders.cend(), [](const QString &folder) { return QDir(folder).exists(); });
    }
    // The folders of the persistent profile `storageName`, as WebProfileData finds them.
    Q_INVOKABLE QStringList profileFolders(const QString &storageName) const { return WebProfileData::folders(storageName); }
    // Does what Qt's accessibility bridge does when a screen reader moves its focus to the link
    // named `name` in the page `view` shows; false when the page shows no such link.
    Q_INVOKABLE bool focusLinkAsReader(QQuickItem *view, const QString &name) const
    {
        QList<QAccessibleInterface *> nodes{QAccessible::queryAccessibleInterface(view)};
        for (qsizetype i = 0; i < nodes.size() && nodes[i]; ++i) {
            QAccessibleInterface *node = nodes[i];
            if (node->role() == QAccessible::Link && node->text(QAccessible::Name) == name && node->actionInterface()) {
                node->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
                return true;
            }
            for (int child = 0; child < node->childCount(); ++child)
                nodes.append(node->child(child));
        }
        return false;
    }
    // An address of the stand-in's host where nothing listens (yet): a connection is refused.
    Q_INVOKABLE QString refusedOrigin() const
    {
        QTcpServer probe;
        if (!probe.listen(m_fixture->site->address(), 0))
            return {};
        return QStringLiteral("https://%1:%2").arg(m_fixture->site->address().toString()).arg(probe.serverPort());
    }
    // The stand-in answers at `origin` (one of refusedOrigin()) too, from now on.
    Q_INVOKABLE bool serveAt(const QString &origin)
    {
        const QUrl url(origin);
        return m_fixture->site->listen(QHostAddress(url.host()), quint16(url.port())) == url.port();
    }
    // What a screen reader finds under `item` that it shows, as "Role name", in the tree's order.
    Q_INVOKABLE QStringList readerNodes(QQuickItem *item) const
    {
        QStringList nodes;
        const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
        for (QAccessibleInterface *node : AccessibleTree::shown(item->window())) {
            const auto *shown = qobject_cast<QQuickItem *>(node->object());
            if (shown && (shown == item || item->isAncestorOf(shown)))
                nodes.append(QString::fromLatin1(roles.valueToKey(node->role())) + u' ' + node->text(QAccessible::Name));
        }
        return nodes;
    }
    Q_INVOKABLE QString screenshotPath(const QString &name) const
    {
        return QDir(screenshotDir()).filePath(name + QStringLiteral(".png"));
    }

private:
    AccountFixture *m_fixture;
    Haptics *m_haptics;
    FakeUrlOpener m_desktop;
    QStringList m_watched;
};

// The partner TV screens over the store and the stand-in, every partner host on the stand-in (the
// catalog and the images by address, the partner's pages by the name "localhost").
class PartnerTVScreensSetup : public FixtureQuickTestSetup
{
    Q_OBJECT

public:
    PartnerTVScreensSetup()
    {
        // Before the application object exists.
        LazyWebEngine::prepare();
        // As while a screen reader runs: the engine builds the pages' accessibility trees.
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--force-renderer-accessibility");
    }

protected:
    void prepareEngine(QQmlEngine *engine) override
    {
        engine->setNetworkAccessManagerFactory(m_factory.get());
        // Every QML warning fails the test, except Qt Quick's report of the logo the stand-in lacks
        // on purpose.
        QObject::disconnect(engine, &QQmlEngine::warnings, engine, nullptr);
        QObject::connect(engine, &QQmlEngine::warnings, engine, [](const QList<QQmlError> &warnings) {
            for (const QQmlError &warning : warnings) {
                if (warning.description().contains(QLatin1String(StandinPartnerTV::missingLogoPath))
                    && warning.description().contains(QLatin1String("Not Found")))
                    continue;
                const QByteArray text = "QML warning: " + warning.toString().toUtf8();
                QTest::qFail(text.constData(), __FILE__, __LINE__);
            }
        });
    }

    std::unique_ptr<QObject> prepare(AccountFixture *fixture) override
    {
        // As main() does: Return presses a focused button.
        AccessibleKit::install();
        WebCertificateTrust::setExtraAuthorities(fixture->network->extraCaCertificates());
        // Qt Quick's image loads (the channel logos) trust the stand-in's CA as the app's do.
        m_factory = std::make_unique<QmlNetworkAccessFactory>(fixture->network.get());
        HapticsSingleton::setInstance(&m_haptics);
        const QUrl base = fixture->site->baseUrl();
        const QString address = base.authority();
        const QString named = QStringLiteral("localhost:%1").arg(base.port(443));
        PartnerTVConfig config = PartnerTVConfig::compiled();
        config.catalogHost = address;
        config.partnerHost = named;
        config.imageHost = address;
        config.productLogoUrl = QUrl(QStringLiteral("https://%1/images/tarvik-logo.svg").arg(named));
        PartnerTVConfig::setCurrent(config);
        // As main() wires it: the partner pages' data goes with the session.
        WebProfileData::setInstance(&m_webData);
        QObject::connect(fixture->store.get(), &TarvikAccountStore::localSessionCleared, &m_webData, &WebProfileData::erase);
        return std::make_unique<StandinControl>(fixture, &m_haptics);
    }

    void release() override
    {
        HapticsSingleton::setInstance(nullptr);
        WebProfileData::setInstance(nullptr);
    }

private:
    Haptics m_haptics;
    WebProfileData m_webData{nullptr};
    std::unique_ptr<QmlNetworkAccessFactory> m_factory;
};

TARVIK_QUICK_TEST_MAIN(tst_partnertvscreens, PartnerTVScreensSetup)

#include "tst_partnertvscreens.moc"

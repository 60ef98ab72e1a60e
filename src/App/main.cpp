#include "accessiblekit.h"
#include "appconfig.h"
#include "clock.h"
#include "fallbacksecretstore.h"
#include "fontpreload.h"
#include "haptics.h"
#include "lazywebengine.h"
#include "mappedlibrary.h"
#include "hapticssingleton.h"
#include "keychainsecretstore.h"
#include "localnotificationservice.h"
#include "motionpreference.h"
#include "motionpreferencesingleton.h"
#include "networkaccess.h"
#include "notificationpermission.h"
#include "passwordrecoveryservice.h"
#include "passwordrecoveryserviceqml.h"
#include "qmlnetworkaccessfactory.h"
#include "qttexts.h"
#include "screenreaderstatus.h"
#include "secretstore.h"
#include "httpsofficegeocoder.h"
#include "shopcartsingleton.h"
#include "shopimagessingleton.h"
#include "speedtestenvironment.h"
#include "storedpreference.h"
#include "supportchatsingleton.h"
#include "supportchatstore.h"
#include "supportmap.h"
#include "symbolimage.h"
#include "tarvikaccountcache.h"
#include "tarvikaccountstore.h"
#include "tarvikaccountstoreqml.h"
#include "tarvikapi.h"
#include "tarvikapp.h"
#include "tarvikappsingleton.h"
#include "tarvikcookievault.h"
#include "tarvikcredentialvault.h"
#include "tarvikshopcart.h"
#include "tarvikshopimagecache.h"
#include "tarvikshopproduct.h"
#include "tarviktilecache.h"
#include "theme.h"
#include "urlopenersingleton.h"
#include "userdefaults.h"
#include "usernotificationcenter.h"
#include "webcertificatetrust.h"
#include "webprofiledata.h"
#include "xdgurlopener.h"

#include <QCoroTask>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <utility>
#include <unistd.h>

namespace
{
// What needs the secret storage: made once it has answered, while the greeting shows.
struct Session {
    std::unique_ptr<SecretStore> secrets;
    std::unique_ptr<TarvikCredentialVault> credentials;
    std::unique_ptr<TarvikCookieVault> cookies;
    std::unique_ptr<TarvikAccountStore> store;
    std::unique_ptr<TarvikAccountStoreQml> storeQml;

    QCoro::Task<> open(QString host, TarvikAccountStore::Collaborators collaborators, TarvikApp *app, WebProfileData *webData)
    {
        // No probe write: the launch only reads, and a refused write later falls back to memory.
        secrets = std::make_unique<FallbackSecretStore>(std::make_unique<KeychainSecretStore>());
        credentials = std::make_unique<TarvikCredentialVault>(secrets.get(), host);
        co_await credentials->load();
        cookies = std::make_unique<TarvikCookieVault>(secrets.get(), host);
        collaborators.credentials = credentials.get();
        collaborators.cookies = cookies.get();
        store = std::make_unique<TarvikAccountStore>(collaborators);
        // The partner pages' cookies and storage are the subscriber's: they go with the session.
        QObject::connect(store.get(), &TarvikAccountStore::localSessionCleared, webData, &WebProfileData::erase);
        storeQml = std::make_unique<TarvikAccountStoreQml>(store.get());
        TarvikAccountStoreQml::setInstance(storeQml.get());
        app->start(store.get(), credentials.get());
    }
};

// --self-test: the whole app loads offscreen, finishes start-up and quits; any warning fails it.
int s_warnings = 0;
QtMessageHandler s_previousHandler = nullptr;

void countWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // Qt WebEngine 6.4 warns about its own QML value types whenever its module loads, and, on a
    // platform without OpenGL (offscreen), that it draws without it.
    const bool webEngineNoise = message.contains(QLatin1String("is neither a QObject, nor default- and copy-constructible"))
        || message.startsWith(QLatin1String("No suitable graphics backend found"));
    if ((type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) && !webEngineNoise)
        ++s_warnings;
    s_previousHandler(type, context, message);
}
// The process's peak resident memory so far, in KiB (0 where the system does not tell).
long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    }
    return 0;
}

// --self-test, once the web page has loaded: the network transport loads from where the app keeps
// it, and libcurl with it.
int selfTestNetworkTransport(const NetworkAccess &network)
{
    QString error;
    if (!network.transport(&error)) {
        std::fprintf(stderr, "self-test: the network transport did not load: %s\n", qPrintable(error));
        return 8;
    }
    if (!isLibraryMapped("libcurl.so")) {
        std::fprintf(stderr, "self-test: the network transport loaded without libcurl\n");
        return 8;
    }
    return 0;
}

// --self-test, once start-up has finished: neither the web engine nor libcurl (the network
// transport's) may be in the process yet; then a web page opens as the checkout opens it, and must
// load, and the network transport must load.
void selfTestWebPage(QQmlEngine *engine, QQuickWindow *window, const NetworkAccess &network)
{
    if (LazyWebEngine::isLoaded()) {
        std::fprintf(stderr, "self-test: the web engine was loaded before any web page opened\n");
        QCoreApplication::exit(4);
        return;
    }
    if (isLibraryMapped("libcurl.so")) {
        std::fprintf(stderr, "self-test: libcurl was loaded before any request was sent\n");
        QCoreApplication::exit(7);
        return;
    }
    QQmlComponent component(engine, QUrl(QStringLiteral("qrc:/qt/qml/Tarvik/Payments/PaymentWebView.qml")));
    QObject *page = component.createWithInitialProperties({{QStringLiteral("url"), QUrl(QStringLiteral("about:blank"))}});
    if (!page) {
        std::fprintf(stderr, "self-test: %s\n", qPrintable(component.errorString()));
        QCoreApplication::exit(5);
        return;
    }
    page->setParent(window);
    page->setProperty("parent", QVariant::fromValue(window->contentItem()));
    // The page's isLoading is a QML alias: watch it rather than connect to it.
    auto *watch = new QTimer(page);
    QObject::connect(watch, &QTimer::timeout, page, [page, &network] {
        if (page->property("isLoading").toBool())
            return;
        const bool loaded = LazyWebEngine::isLoaded() && page->property("errorMessage").toString().isEmpty();
        if (!loaded) {
            std::fprintf(stderr, "self-test: the web page did not load\n");
            QCoreApplication::exit(6);
            return;
        }
        const int transport = selfTestNetworkTransport(network);
        QCoreApplication::exit(transport != 0 ? transport : s_warnings == 0 ? 0 : 2);
    });
    watch->start(50);
}
} // namespace

int main(int argc, char *argv[])
{
    FontPreload fonts;
    // Whatever the app or its libraries write (settings, notifications, the web profile) holds
    // personal data: no one but the user reads it.
    umask(S_IRWXG | S_IRWXO);
    // The web engine's sandbox cannot run as root (CI, containers).
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setOrganizationName(QStringLiteral("Tarvik"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarvik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVIK_VERSION));
    LazyWebEngine::prepare();
    // A screen reader started after the app finds it on the accessibility bus.
    ScreenReaderStatus::joinAccessibilityBus();
    QGuiApplication app(argc, argv);
    fonts.applicationMade();
    AccessibleKit::install();
    LazyWebEngine::followScreenReader();

    const bool selfTest = app.arguments().contains(QStringLiteral("--self-test"));
    if (selfTest)
        s_previousHandler = qInstallMessageHandler(countWarnings);

    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // Qt's own texts in Russian are installed once the greeting has been drawn (below).

    const AppConfig config = AppConfig::fromArguments(app.arguments());
    NetworkAccess network(config.extraCaFile);
    if (!config.shopImageHost.isEmpty())
        TarvikShopProduct::setImageHost(config.shopImageHost);
    // What only some screens use (the shop's photos, the support chat and map, the speed test) is
    // made when a screen first asks for it, not at start.
    std::unique_ptr<TarvikShopImageCache> shopImages;
    ShopImagesSingleton::setFactory([&] {
        shopImages = std::make_unique<TarvikShopImageCache>(&network);
        return shopImages.get();
    });
    UserDefaults defaults;
    StoredPreference::setDefaults(&defaults);
    SystemClock clock;
    Haptics haptics;
    HapticsSingleton::setInstance(&haptics);
    MotionPreference motion;
    MotionPreferenceSingleton::setInstance(&motion);
    UserNotificationCenter notifications(&clock);
    NotificationPermission::setCenter(&notifications);
    TarvikShopCart cart(&defaults, &notifications);
    ShopCartSingleton::setInstance(&cart);
    std::unique_ptr<SupportChatStore> supportChat;
    SupportChatSingleton::setFactory([&] {
        supportChat = std::make_unique<SupportChatStore>(&defaults, &clock);
        return supportChat.get();
    });
    std::unique_ptr<TarvikTileCache> mapTiles;
    std::unique_ptr<HttpsOfficeGeocoder> officeGeocoder;
    std::unique_ptr<SupportMap> supportMap;
    SupportMap::setFactory([&] {
        mapTiles = std::make_unique<TarvikTileCache>(config.tileUrlTemplate, &network);
        officeGeocoder = std::make_unique<HttpsOfficeGeocoder>(config.geocoderUrl, &network);
        supportMap = std::make_unique<SupportMap>(mapTiles.get(), officeGeocoder.get(), config.tileAttribution);
        return supportMap.get();
    });
    TarvikAPI api(config.baseUrl, &network);
    TarvikAccountCache cache(&defaults, config.host());
    PasswordRecoveryService recovery(config.baseUrl, &network);
    PasswordRecoveryServiceQml recoveryQml(&recovery, &haptics);
    PasswordRecoveryServiceQml::setInstance(&recoveryQml);
    WebProfileData webData(nullptr);
    WebProfileData::setInstance(&webData);
    XdgUrlOpener urlOpener;
    UrlOpenerSingleton::setInstance(&urlOpener);
    WebCertificateTrust::setExtraAuthorities([&network] { return network.extraCaCertificates(); });
    const ElapsedMonotonicClock monotonicClock;
    std::unique_ptr<SpeedTestEnvironment> speedTest;
    SpeedTestEnvironmentSingleton::setFactory([&] {
        speedTest = std::make_unique<SpeedTestEnvironment>(SpeedTestEnvironment::Collaborators{
            .network = &network,
            .config = SpeedTestConfig::fromArguments(QCoreApplication::arguments()),
            .haptics = &haptics,
            .clock = &monotonicClock,
        });
        return speedTest.get();
    });

    TarvikApp tarvikApp({
        .defaults = &defaults,
        .clock = &clock,
        .scheduleTestMessage = [&] { LocalNotificationService::scheduleOneTimeTestMessage(&defaults, &notifications); },
    });
    TarvikAppSingleton::setInstance(&tarvikApp);

    // Declared before the engine, so that QML lets go of the store before the store goes.
    Session session;
    // Qt Quick's own loads (the channel logos) trust what the app's requests trust.
    QmlNetworkAccessFactory qmlNetwork(&network);
    QQmlEngine engine;
    QObject::connect(&engine, &QQmlEngine::quit, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(&engine, &QQmlEngine::exit, &app, &QCoreApplication::exit, Qt::QueuedConnection);
    engine.setNetworkAccessManagerFactory(&qmlNetwork);
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    LazyWebEngine::addImportPaths(&engine);
    // The window's own types load first. Then the screen that start-up will most likely end on (by
    // the stored sign-in flag) compiles on the QML loader thread while the greeting is built and
    // drawn and the session is restored: at the end of start-up it only has to be built. (Asked for
    // before the window's types, it would hold them up: the loader thread takes one at a time.)
    QQmlComponent windowComponent(&engine, QUrl(QStringLiteral("qrc:/qt/qml/Tarvik/App/Main.qml")));
    const QQmlComponent expectedScreen(&engine, tarvikApp.screen(), QQmlComponent::Asynchronous);
    // The fonts load on their thread while the window's types load, and are ready by now: the
    // window's text takes the application's font, or compares its own with it.
    app.setFont(Theme::applicationFont());
    const std::unique_ptr<QObject> root(windowComponent.create());
    auto *window = qobject_cast<QQuickWindow *>(root.get());
    if (!window) {
        std::fprintf(stderr, "%s\n", qPrintable(windowComponent.errorString()));
        return 1;
    }
    // A returning subscriber's credentials will be read: while the greeting is drawn, the secret
    // storage's client library loads on another thread. (Without them, the read finds out that
    // nothing is stored without that library.)
    if (tarvikApp.signedIn())
        KeychainSecretStore::preloadClientLibrary();
    // What the greeting does not need waits until it has been drawn: the symbols' outlines (read on
    // a thread of their own), the desktop's motion preference and whether a screen reader runs
    // (connecting to the session bus blocks; only a tap on the background animates by the one, and
    // only the carousels and web pages follow the other) and Qt's own texts in Russian (dialog
    // buttons, the web pages' context menu).
    QObject::connect(window, &QQuickWindow::frameSwapped, &app, [&motion, &app] {
        SymbolImage::preloadOutlines();
        motion.start();
        ScreenReaderStatus::current()->start();
        if (!QtTexts::install(QLocale(), &app))
            qWarning("Some of Qt's own texts are not installed in Russian");
    }, static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));

    // The secret storage answers over D-Bus while the greeting is on screen. Its client library
    // loads when asked: ask once the greeting has been drawn (or shortly, should no frame come).
    bool sessionOpened = false;
    const auto openSession = [&] {
        if (std::exchange(sessionOpened, true))
            return;
        session.open(config.host(),
                     {.api = &api, .credentials = nullptr, .cookies = nullptr, .cache = &cache, .cookieJar = network.cookieStore(), .clock = &clock},
                     &tarvikApp, &webData);
    };
    QObject::connect(window, &QQuickWindow::frameSwapped, &app, openSession, Qt::QueuedConnection);
    QTimer::singleShot(250, &app, openSession);

    // For the start-up benchmark: report the first frame, and the first frame after start-up, then quit.
    if (qEnvironmentVariableIsSet("TARVIK_REPORT_FRAMES")) {
        QObject::connect(window, &QQuickWindow::frameSwapped, &app, [&tarvikApp, reported = 0]() mutable {
            if (reported == 0) {
                std::printf("frame greeting %ld\n", peakResidentKiB());
                std::fflush(stdout);
                reported = 1;
            } else if (reported == 1 && tarvikApp.startupFinished()) {
                std::printf("frame %s %ld\n", tarvikApp.signedIn() ? "signed-in" : "sign-in", peakResidentKiB());
                std::fflush(stdout);
                reported = 2;
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
        });
    }

    if (selfTest) {
        QObject::connect(&tarvikApp, &TarvikApp::startupFinishedChanged, &app, [&engine, window, &network] {
            // Let the first screen after the greeting load and draw before judging.
            QTimer::singleShot(1500, qApp, [&engine, window, &network] { selfTestWebPage(&engine, window, network); });
        });
        QTimer::singleShot(60000, &app, [] { QCoreApplication::exit(3); });
    }

    return app.exec();
}

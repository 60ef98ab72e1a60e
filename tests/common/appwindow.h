#pragma once

#include "accountfixture.h"
#include "lazywebengine.h"
#include "passwordrecoveryservice.h"
#include "passwordrecoveryserviceqml.h"
#include "tarvikapp.h"
#include "tarvikappsingleton.h"

#include <QQmlApplicationEngine>
#include <QQmlNetworkAccessManagerFactory>
#include <QQuickWindow>

// The app's whole window over an AccountFixture, made as main() makes it: the app object over the
// fixture's defaults and clock, the password recovery against the fixture's site, Main.qml in an
// engine of its own, and the app started over the fixture's store. The executable links TarvikAppPlugins.
struct AppWindow {
    std::unique_ptr<PasswordRecoveryService> recovery;
    std::unique_ptr<PasswordRecoveryServiceQml> recoveryQml;
    std::unique_ptr<TarvikApp> app;
    std::unique_ptr<QQmlApplicationEngine> engine;
    QQuickWindow *window = nullptr;

    // Closes a window launched before; answers the new one, or nullptr when Main.qml did not load.
    // `network`, if given, serves the engine's loads and must outlive the window.
    QQuickWindow *launch(AccountFixture &account, QQmlNetworkAccessManagerFactory *network = nullptr)
    {
        close();
        recovery = std::make_unique<PasswordRecoveryService>(account.site->baseUrl(), account.network.get());
        recoveryQml = std::make_unique<PasswordRecoveryServiceQml>(recovery.get(), nullptr);
        PasswordRecoveryServiceQml::setInstance(recoveryQml.get());
        app = std::make_unique<TarvikApp>(TarvikApp::Collaborators{.defaults = account.defaults.get(), .clock = &account.clock});
        TarvikAppSingleton::setInstance(app.get());
        engine = std::make_unique<QQmlApplicationEngine>();
        if (network)
            engine->setNetworkAccessManagerFactory(network);
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        LazyWebEngine::addImportPaths(engine.get());
        engine->load(QUrl(QStringLiteral("qrc:/qt/qml/Tarvik/App/Main.qml")));
        if (engine->rootObjects().isEmpty())
            return nullptr;
        window = qobject_cast<QQuickWindow *>(engine->rootObjects().constFirst());
        if (window)
            app->start(account.store.get(), account.credentials.get());
        return window;
    }

    // The engine goes first: its window still reads the app.
    void close()
    {
        window = nullptr;
        engine.reset();
        TarvikAppSingleton::setInstance(nullptr);
        app.reset();
        PasswordRecoveryServiceQml::setInstance(nullptr);
        recoveryQml.reset();
        recovery.reset();
    }

    ~AppWindow() { close(); }
};

#include "lazywebengine.h"
#include "mappedlibrary.h"
#include "screenreaderstatus.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickWindow>

void LazyWebEngine::prepare()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
}

namespace
{
void forceRendererAccessibility()
{
    static constexpr const char *chromiumFlags = "QTWEBENGINE_CHROMIUM_FLAGS";
    const QByteArray flags = qgetenv(chromiumFlags);
    const QByteArray force("--force-renderer-accessibility");
    if (!flags.contains(force))
        qputenv(chromiumFlags, (flags + ' ' + force).trimmed());
}
} // namespace

void LazyWebEngine::followScreenReader()
{
    static bool following = false;
    if (following)
        return;
    ScreenReaderStatus *status = ScreenReaderStatus::current();
    QObject::connect(status, &ScreenReaderStatus::activeChanged, status, [status] {
        if (status->isActive())
            forceRendererAccessibility();
    });
    if (status->isActive())
        forceRendererAccessibility();
    following = true;
}

void LazyWebEngine::addImportPaths(QQmlEngine *engine)
{
    const QString installed = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("qml"));
    if (QFile::exists(installed + QStringLiteral("/Tarvik/Web/qmldir")))
        engine->addImportPath(installed);
    else
        engine->addImportPath(QStringLiteral(TARVIK_LAZY_QML_DIR));
}

bool LazyWebEngine::isLoaded()
{
    return isLibraryMapped("libQt6WebEngineCore.so");
}

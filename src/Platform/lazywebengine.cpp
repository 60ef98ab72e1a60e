#include "lazywebengine.h"
#include "mappedlibrary.h"

#include <QAccessible>
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
class ScreenReaderFollower : public QAccessible::ActivationObserver
{
public:
    void accessibilityActiveChanged(bool active) override
    {
        if (!active)
            return;
        const QByteArray flags = qgetenv(chromiumFlags);
        const QByteArray force("--force-renderer-accessibility");
        if (!flags.contains(force))
            qputenv(chromiumFlags, (flags + ' ' + force).trimmed());
    }

private:
    static constexpr const char *chromiumFlags = "QTWEBENGINE_CHROMIUM_FLAGS";
};
} // namespace

void LazyWebEngine::followScreenReader()
{
    static ScreenReaderFollower follower;
    static bool following = false;
    if (following)
        return;
    QAccessible::installActivationObserver(&follower);
    follower.accessibilityActiveChanged(QAccessible::isActive());
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

#include "lazywebengine.h"
#include "mappedlibrary.h"

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

#include "quicktestsetup.h"

#include "lazywebengine.h"

#include <QQmlEngine>
#include <QTest>

void TarvikQuickTestSetup::qmlEngineAvailable(QQmlEngine *engine)
{
    engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    LazyWebEngine::addImportPaths(engine);
    QObject::connect(engine, &QQmlEngine::warnings, engine, [](const QList<QQmlError> &warnings) {
        for (const QQmlError &warning : warnings) {
            const QByteArray text = "QML warning: " + warning.toString().toUtf8();
            QTest::qFail(text.constData(), __FILE__, __LINE__);
        }
    });
    prepareEngine(engine);
}

void TarvikQuickTestSetup::prepareEngine(QQmlEngine *)
{
}

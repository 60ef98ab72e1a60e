#include "qmlrender.h"
#include "testpaths.h"

#include <QDir>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace
{
QStringList *capturedWarnings = nullptr;
QtMessageHandler previousHandler = nullptr;

void captureWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (capturedWarnings && type != QtDebugMsg && type != QtInfoMsg)
        capturedWarnings->append(message);
    if (previousHandler)
        previousHandler(type, context, message);
}

// Collects the warnings logged while it lives.
class WarningCapture
{
public:
    explicit WarningCapture(QStringList *sink)
    {
        capturedWarnings = sink;
        previousHandler = qInstallMessageHandler(captureWarnings);
    }
    ~WarningCapture()
    {
        qInstallMessageHandler(previousHandler);
        capturedWarnings = nullptr;
        previousHandler = nullptr;
    }
    Q_DISABLE_COPY_MOVE(WarningCapture)
};
} // namespace

bool QmlRender::isBlank() const
{
    if (image.isNull())
        return true;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return false;
        }
    }
    return true;
}

QmlRender renderQml(const QString &name, const QByteArray &qml, const QmlRenderOptions &options)
{
    QmlRender render;
    WarningCapture capture(&render.warnings);

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    QQmlComponent component(&engine);
    component.setData(qml, QUrl(QStringLiteral("file:///render/%1.qml").arg(name)));
    std::unique_ptr<QObject> root(component.create());
    if (!root) {
        render.error = component.errorString();
        return render;
    }

    std::unique_ptr<QQuickWindow> ownWindow;
    auto *window = qobject_cast<QQuickWindow *>(root.get());
    if (!window) {
        auto *item = qobject_cast<QQuickItem *>(root.get());
        if (!item) {
            render.error = QStringLiteral("the root is neither an Item nor a Window");
            return render;
        }
        ownWindow = std::make_unique<QQuickWindow>();
        ownWindow->resize(options.size);
        item->setParentItem(ownWindow->contentItem());
        item->setSize(options.size);
        window = ownWindow.get();
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) {
        render.error = QStringLiteral("the window was never exposed");
        return render;
    }
    QTest::qWait(options.settleMs);
    if (options.interact) {
        options.interact(window, root.get());
        QTest::qWait(options.settleMs);
    }

    render.image = window->grabWindow();
    const QDir dir(screenshotDir());
    dir.mkpath(QStringLiteral("."));
    render.pngPath = dir.filePath(name + QStringLiteral(".png"));
    if (!render.image.save(render.pngPath))
        render.error = QStringLiteral("could not write ") + render.pngPath;
    // Tear the scene down while warnings are still captured.
    root.reset();
    ownWindow.reset();
    return render;
}

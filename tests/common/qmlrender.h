#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QObject;
class QQuickWindow;

// What rendering a QML document offscreen produced.
struct QmlRender {
    QImage image;
    QString pngPath;
    QStringList warnings; // every warning logged while loading and rendering, QML's included
    QString error;        // why nothing could be rendered

    // One colour everywhere (or no image at all).
    bool isBlank() const;
};

struct QmlRenderOptions {
    QSize size{393, 852};
    int settleMs = 450; // lets enter animations finish
    // Runs on the loaded root object once the window is shown; the grab waits settleMs again.
    std::function<void(QQuickWindow *, QObject *)> interact;
};

// Loads `qml` (a whole QML document; our modules import from qrc:/qt/qml) in an offscreen window,
// grabs it and saves screenshots/<name>.png in the folder the test runs in. A root that is an Item gets a window of
// options.size; a root Window is used as it is.
QmlRender renderQml(const QString &name, const QByteArray &qml, const QmlRenderOptions &options = {});

// Fails the current test when the render has an error, a warning or a blank image.
#define TARVIK_VERIFY_RENDER(render)                                                                                                \
    do {                                                                                                                           \
        const QmlRender &r_ = (render);                                                                                           \
        QVERIFY2(r_.error.isEmpty(), qPrintable(r_.error));                                                                       \
        QVERIFY2(r_.warnings.isEmpty(), qPrintable(r_.warnings.join(QLatin1Char('\n'))));                                           \
        QVERIFY2(!r_.isBlank(), qPrintable(QStringLiteral("blank image: ") + r_.pngPath));                                        \
    } while (false)

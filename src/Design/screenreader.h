#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class QQuickItem;

// Makes a screen reader say what has just changed on screen. Qt 6.4 has no announcement of its
// own, and its desktop bridge (AT-SPI) drops the alert event; what it does carry is the move of
// the focus, which every screen reader reads out. Reached from QML as the singleton `ScreenReader`.
class ScreenReader : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit ScreenReader(QObject *parent = nullptr);

    // Moves the focus to `item` (an error message, a result), so that it is read out; when it
    // already has the focus, reports the focus again so that it is read once more.
    Q_INVOKABLE static void announce(QQuickItem *item);
};

#pragma once

#include <QObject>
#include <QRectF>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

class QQuickItem;

// Makes a screen reader say what has just changed on screen. Qt 6.4 has no announcement of its
// own, and its desktop bridge (AT-SPI) drops the alert event; what it does carry is the move of
// the focus, which every screen reader reads out (and a notification shown: see Announcement).
// Reached from QML as the singleton `ScreenReader`.
class ScreenReader : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // Whether assistive technology follows the app (ScreenReaderStatus).
    Q_PROPERTY(bool active READ isActive NOTIFY activeChanged)

public:
    explicit ScreenReader(QObject *parent = nullptr);

    bool isActive() const;

    // Moves the focus to `item` (an error message, a result, a screen's heading), so that it is read
    // out; when it already has the focus, reports the focus again so that it is read once more.
    // `reason` is the Qt::FocusReason the item gets the focus by (FocusKeeper::moveFocus).
    Q_INVOKABLE static void announce(QQuickItem *item, int reason = Qt::OtherFocusReason);
    // Where the focus goes when a screen comes up and when a popup closes: FocusKeeper's
    // enterScreen() and giveBack(), for QML.
    Q_INVOKABLE static void enterScreen(QQuickItem *screen, QQuickItem *preferred, int reason = Qt::OtherFocusReason,
                                        const QRectF &place = {});
    Q_INVOKABLE static void giveBack(QQuickItem *opener, QQuickItem *screen, const QRectF &place, int reason = Qt::OtherFocusReason);
    // What a popup opened now in `item`'s window gives the focus back to (FocusKeeper::returnPoint),
    // as a map of "item", "screen" and "place".
    Q_INVOKABLE static QVariantMap returnPoint(QQuickItem *item, QQuickItem *opener = nullptr);
    // `item`'s rectangle in the window.
    Q_INVOKABLE static QRectF placeOf(QQuickItem *item);
    // Where a screen reader starts on the page that holds `item` (FocusRules::screenHeading).
    Q_INVOKABLE static QQuickItem *screenHeading(QQuickItem *item);
    // The modal dialog (a sheet's, an alert's) that shows `item`; null for an item of the window.
    Q_INVOKABLE static QQuickItem *dialogAround(QQuickItem *item);

Q_SIGNALS:
    void activeChanged();
};

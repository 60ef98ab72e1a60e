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
    // Nothing happens to an item that is hidden, or under an open modal popup (a sheet, an alert):
    // the popup keeps the focus, and gives it back to what opened it when it closes. `reason` is
    // the Qt::FocusReason the item gets the focus by.
    Q_INVOKABLE static void announce(QQuickItem *item, int reason = Qt::OtherFocusReason);
    // Puts the focus where a screen reader starts on a screen that has just come up: on `preferred`
    // when it shows (what had the focus before the screen was covered, a sign-in screen's first
    // field), by `reason` (how it had the focus then: from the keyboard, it shows as it did); when
    // it has gone, on the screen's named control nearest to where it was (`place`, a rectangle of
    // the window; FocusRules::nearest); else on the screen's heading. Unless the focus rests on the
    // screen already (the user was quicker) or on that item already (it has just been read).
    Q_INVOKABLE static void enterScreen(QQuickItem *screen, QQuickItem *preferred, int reason = Qt::OtherFocusReason,
                                        const QRectF &place = {});
    // Gives the focus back when a popup (a sheet, an alert, a picker) has closed: to `opener` if it
    // still shows, by `reason`; else to the named control of `screen` (the opener's page or popup)
    // nearest to where the opener was (`place`); else to the screen's heading.
    Q_INVOKABLE static void giveBack(QQuickItem *opener, QQuickItem *screen, const QRectF &place, int reason = Qt::OtherFocusReason);
    // What a popup opened now in `item`'s window gives the focus back to (ModalPopup), with the
    // screen that holds it and its place there, for giveBack(): `opener` when given; else what has
    // the focus, when the focus may rest there; else what had it last (a control disabled while it
    // works, or one on its way out). A map of "item", "screen" and "place".
    Q_INVOKABLE static QVariantMap returnPoint(QQuickItem *item, QQuickItem *opener = nullptr);
    // `item`'s rectangle in the window.
    Q_INVOKABLE static QRectF placeOf(QQuickItem *item);
    // What a screen reader starts from on the screen (the NavigationPage) that holds `item`: the
    // page's `heading` when it has one shown, else the first heading in view on it (so that the
    // focus does not scroll the page away from where the user left it), else its first heading;
    // null if none.
    Q_INVOKABLE static QQuickItem *screenHeading(QQuickItem *item);
    // The modal dialog (a sheet's, an alert's) that shows `item`; null for an item of the window.
    Q_INVOKABLE static QQuickItem *dialogAround(QQuickItem *item);

Q_SIGNALS:
    void activeChanged();

private:
    static QQuickItem *firstHeading(QQuickItem *scope, bool inViewOnly);
};

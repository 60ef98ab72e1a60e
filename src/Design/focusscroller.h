#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class FocusScrollerAttached;

// The one way the app scrolls something into view: whatever the focus moves to (Tab, a screen
// reader, a tap on a field) is shown whole, with a margin where the view has room for one, by
// every scrolling view (Flickable, ListView) around it, which moves as little as it can. A control
// stays in view as the layout moves it (until the user scrolls). An edited field stays in view as it grows,
// as its cursor moves to another line and as the views around it shrink (the keyboard's bar takes
// the window's bottom); a field taller than its view shows the line of its cursor. A page may name
// its main control (FocusScroller.mainControl: its send button); a field of that page is then shown
// together with it whenever both fit.
// The keyboard reads a screen to its end as on a web page: Page Down and Page Up scroll by a page
// less a line, Home and End to the start and the end, the arrows by a line, wherever no control
// takes the key (a field keeps its cursor keys, a row of tabs and a list with keys of its own their
// arrows, a web page all its keys). What moves is the innermost view around the focus that can
// move that way, else the screen's own view. A list's own arrows, which would give the focus to a
// row that is no control, scroll instead. The focus stays where it is, and Tab goes on from it.
// One per window.
class FocusScroller : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    QML_ATTACHED(FocusScrollerAttached)

public:
    explicit FocusScroller(QQuickItem *parent = nullptr);

    // Shows `item` in each scrolling view that holds it (with the main control of its page, for
    // an edited field).
    static void reveal(QQuickItem *item);

    static FocusScrollerAttached *qmlAttachedProperties(QObject *object);

protected:
    void itemChange(ItemChange change, const ItemChangeData &value) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void revealLater();
    void stopFollowingMoves();

private:
    void follow(QQuickItem *item);
    // Watches the keys that reach the lists around `item` and its screen.
    void watchKeys(QQuickItem *item);

    QMetaObject::Connection m_focusConnection;
    QList<QMetaObject::Connection> m_followed;
    QList<QMetaObject::Connection> m_moves;
    QPointer<QQuickItem> m_item;
    QList<QPointer<QQuickItem>> m_keyLists;
    QPointer<QQuickItem> m_keyScreen;
    bool m_revealPending = false;
};

// FocusScroller.mainControl, set on a page (or any item around its fields).
class FocusScrollerAttached : public QObject
{
    Q_OBJECT
    QML_ANONYMOUS
    // The control that comes into view with a field of this item (the screen's send button).
    Q_PROPERTY(QQuickItem *mainControl READ mainControl WRITE setMainControl NOTIFY mainControlChanged)

public:
    using QObject::QObject;

    QQuickItem *mainControl() const { return m_mainControl; }
    void setMainControl(QQuickItem *control);

Q_SIGNALS:
    void mainControlChanged();

private:
    QPointer<QQuickItem> m_mainControl;
};

#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QRectF>
#include <QSet>

#include <optional>
#include <QMetaObject>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// The keyboard's focus in one window (FocusIndicator.qml draws it; the app's window holds one):
// - it shows which control has the focus while the keyboard moves it, as desktop toolkits do: a
//   key that moves the focus or presses shows the ring, a press of the pointer hides it (typing
//   into a field neither shows nor hides it). This item is the ring, kept over the control, above
//   every screen and popup, so that nothing around the control clips it;
// - when the control that has the focus goes (hidden, disabled, deleted) while its screen stays,
//   the focus moves to the nearest named control of that screen (FocusRules), and never rests on
//   an unnamed container or a hidden control;
// - Tab and Shift+Tab from an item that is not a Tab stop (a screen's heading) go on from its place.
class FocusKeeperAttached;

class FocusKeeper : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    QML_ATTACHED(FocusKeeperAttached)
    // The ring is drawn: a control has the focus, and the keyboard brought it.
    Q_PROPERTY(bool shown READ isShown NOTIFY shownChanged)
    // The corner radius of the ring's outer edge, after the control's own.
    Q_PROPERTY(qreal radius READ radius NOTIFY radiusChanged)
    // How far the ring reaches out of the control's box (its width is the ring's own: it reaches
    // as far into the box as it has left). Where the window has no room for that, it lies inside.
    Q_PROPERTY(qreal outset READ outset WRITE setOutset NOTIFY outsetChanged)
    // The keyboard has moved the focus in this window at least once (it stays so): what only the
    // keyboard reaches is worth making then.
    Q_PROPERTY(bool keyboardUsed READ isKeyboardUsed NOTIFY keyboardUsedChanged)

public:
    explicit FocusKeeper(QQuickItem *parent = nullptr);
    ~FocusKeeper() override;

    bool isShown() const { return m_shown; }
    bool isKeyboardUsed() const { return m_keyboardUsed; }
    qreal radius() const { return m_radius; }
    qreal outset() const { return m_outset; }
    void setOutset(qreal outset);

    // The control the ring is drawn around, while it is.
    QQuickItem *target() const { return m_shown ? m_target.data() : nullptr; }

    // Where the focus rested last in a window: the item (it may have lost the focus since: disabled
    // while it works, or on its way out), its screen and its place there.
    struct Place {
        QPointer<QQuickItem> item;
        QPointer<QQuickItem> screen;
        QRectF rect;
    };
    static std::optional<Place> lastFocus(const QQuickWindow *window);

    static FocusKeeperAttached *qmlAttachedProperties(QObject *object);

Q_SIGNALS:
    void shownChanged();
    void radiusChanged();
    void outsetChanged();
    void keyboardUsedChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    friend class FocusKeeperAttached;
    static QHash<const QQuickWindow *, FocusKeeper *> &keepers();

    void focusChanged();
    void remember(QQuickItem *item);
    void keepFocusLater();
    void keepFocus();
    void place();
    void setKeyboard(bool keyboard);

    QPointer<QQuickWindow> m_window;
    QList<QMetaObject::Connection> m_windowConnections;
    QList<QMetaObject::Connection> m_watched;
    // Where the focus rested last, where that was last seen and on which screen.
    QPointer<QQuickItem> m_focused;
    QRectF m_focusedPlace;
    QPointer<QQuickItem> m_focusedScreen;
    // The control the ring is around.
    QPointer<QQuickItem> m_target;
    bool m_keyboard = false;
    bool m_keyboardUsed = false;
    bool m_shown = false;
    bool m_keepPending = false;
    bool m_waitingForEnable = false;
    QElapsedTimer m_disabledFor;
    qreal m_radius = 0;
    qreal m_outset = 3;
};

// FocusKeeper.tabIndex, set on the delegates of a list whose items take the focus: Tab takes them
// in the order of their index, whatever order the list made them in (it makes them as they come
// into view, from either side). FocusKeeper.keyboardUsed: the window's keeper's, for any item.
class FocusKeeperAttached : public QObject
{
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(int tabIndex READ tabIndex WRITE setTabIndex NOTIFY tabIndexChanged)
    Q_PROPERTY(bool keyboardUsed READ isKeyboardUsed NOTIFY keyboardUsedChanged)

public:
    explicit FocusKeeperAttached(QObject *object);
    ~FocusKeeperAttached() override;

    int tabIndex() const { return m_tabIndex; }
    void setTabIndex(int index);
    bool isKeyboardUsed() const { return m_keeper && m_keeper->isKeyboardUsed(); }

Q_SIGNALS:
    void tabIndexChanged();
    void keyboardUsedChanged();

private:
    friend class FocusKeeper;
    static QSet<FocusKeeperAttached *> &all();
    void reorder();
    void findKeeper(QQuickWindow *window);

    int m_tabIndex = -1;
    QPointer<FocusKeeper> m_keeper;
    QMetaObject::Connection m_keeperConnection;
};

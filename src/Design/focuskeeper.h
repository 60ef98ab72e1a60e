#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QQuickItem>
#include <QRectF>
#include <QSet>
#include <QtQml/qqmlregistration.h>

// The keyboard's focus in one window (FocusIndicator.qml draws it; the app's window holds one), and
// the one owner of where the focus goes (by FocusRules), with or without a keeper in the window:
// - it shows which control has the focus while the keyboard moves it, as desktop toolkits do: a
//   key that moves the focus or presses shows the ring, a press of the pointer hides it, and keys a
//   field or a web page takes (typing, editing, Return) neither show nor hide it. This item is the
//   ring, over every screen and popup, cut to the view its control lies in. A field that marks its
//   own focus (FocusKeeper.marksFocus) and a web page, which marks its own, take no ring;
// - when the control that has the focus goes (hidden, faded out, deleted) while its screen stays,
//   the focus moves to the nearest named control of that screen, and never rests on an unnamed
//   container or a hidden control. A control disabled while it works keeps its place (and its
//   ring): it gets the focus back when it is enabled again, unless the user has gone on, and Tab
//   goes on from it meanwhile;
// - Tab and Shift+Tab from an item that is not a Tab stop (a screen's heading) go on from its place.
class FocusKeeperAttached;

class FocusKeeper : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    QML_ATTACHED(FocusKeeperAttached)
    // The ring is drawn: a control has the focus, and the keyboard brought it.
    Q_PROPERTY(bool shown READ isShown NOTIFY shownChanged)
    // Where the ring lies in this item, which is the part of the window its control is seen in.
    Q_PROPERTY(QRectF ring READ ring NOTIFY ringChanged)
    // The corner radius of the ring's outer edge, after the control's own.
    Q_PROPERTY(qreal radius READ radius NOTIFY radiusChanged)
    // How far the ring reaches out of the control's box: it lies outside the box, clear of what the
    // control draws. Where the window has no room for that, it lies inside.
    Q_PROPERTY(qreal outset READ outset WRITE setOutset NOTIFY outsetChanged)
    // The keyboard has moved the focus in this window at least once (it stays so): what only the
    // keyboard reaches is worth making then.
    Q_PROPERTY(bool keyboardUsed READ isKeyboardUsed NOTIFY keyboardUsedChanged)
    // The keyboard moves the focus now, from its last key until the next press of the pointer: the
    // ring shows around what has the focus, wherever that takes a ring.
    Q_PROPERTY(bool keyboardInUse READ isKeyboardInUse NOTIFY keyboardInUseChanged)

public:
    explicit FocusKeeper(QQuickItem *parent = nullptr);
    ~FocusKeeper() override;

    bool isShown() const { return m_shown; }
    bool isKeyboardUsed() const { return m_keyboardUsed; }
    bool isKeyboardInUse() const { return m_keyboard; }
    QRectF ring() const { return m_ring; }
    qreal radius() const { return m_radius; }
    qreal outset() const { return m_outset; }
    void setOutset(qreal outset);

    // The control the ring is drawn around, while it is.
    QQuickItem *target() const { return m_shown ? m_target.data() : nullptr; }

    // Moves the focus to `item` by `reason` (so that a screen reader reads it); when it has the focus
    // already, reports the focus again so that it is read once more. Nothing happens to an item that
    // is hidden, or under an open modal popup (the popup keeps the focus, and gives it back when it
    // closes).
    static void moveFocus(QQuickItem *item, int reason);
    // Puts the focus where a screen reader starts on a screen that has just come up (it may still
    // be fading in): on `preferred` (what had the focus before the screen was covered, a first
    // field) by `reason` when it is there; when it has gone, in its place (FocusRules::replacement
    // of `place`). Unless the focus rests on the screen already (the user was quicker).
    static void enterScreen(QQuickItem *screen, QQuickItem *preferred, int reason, const QRectF &place);
    // Gives the focus back when a popup (a sheet, an alert, a picker) has closed: to `opener` while
    // it shows, by `reason`; else in its place on `screen` (the opener's page or popup).
    static void giveBack(QQuickItem *opener, QQuickItem *screen, const QRectF &place, int reason);

    // Where the focus rests in a window: the item, its screen and its place there.
    struct Place {
        QPointer<QQuickItem> item;
        QPointer<QQuickItem> screen;
        QRectF rect;
    };
    // What a popup opened now over `item` gives the focus back to: `opener` when given; else what has
    // the focus, when the focus may rest there; else where it rested last (a control disabled while
    // it works, or one on its way out).
    static Place returnPoint(QQuickItem *item, QQuickItem *opener = nullptr);

    static FocusKeeperAttached *qmlAttachedProperties(QObject *object);

Q_SIGNALS:
    void shownChanged();
    void ringChanged();
    void radiusChanged();
    void outsetChanged();
    void keyboardUsedChanged();
    void keyboardInUseChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    friend class FocusKeeperAttached;
    static QHash<const QQuickWindow *, FocusKeeper *> &keepers();
    // Puts the focus on `preferred` if `there`, else in its place on `screen`.
    static void land(QQuickItem *preferred, bool there, QQuickItem *screen, const QRectF &place, int reason);

    void focusChanged();
    void remember(QQuickItem *item);
    // `item`, disabled while it works, keeps the focus's place.
    void park(QQuickItem *item);
    void keepFocusLater();
    void keepFocus();
    void place();
    void setKeyboard(bool keyboard);

    QPointer<QQuickWindow> m_window;
    QList<QMetaObject::Connection> m_windowConnections;
    QList<QMetaObject::Connection> m_watched;
    // Where the focus rested last, where that was last seen and on which screen; whether it is
    // disabled while it works, its place kept.
    QPointer<QQuickItem> m_focused;
    QRectF m_focusedPlace;
    QPointer<QQuickItem> m_focusedScreen;
    bool m_parked = false;
    // The control the ring is around.
    QPointer<QQuickItem> m_target;
    bool m_keyboard = false;
    bool m_keyboardUsed = false;
    bool m_shown = false;
    bool m_keepPending = false;
    QRectF m_ring;
    qreal m_radius = 0;
    qreal m_outset = 6;
};

// FocusKeeper.tabIndex, set on the delegates of a list whose items take the focus: Tab takes them
// in the order of their index, whatever order the list made them in (it makes them as they come
// into view, from either side). FocusKeeper.marksFocus, set on a control that draws its own focus
// mark (a field's outline): the ring leaves it alone. FocusKeeper.keyboardUsed and
// FocusKeeper.keyboardInUse: the window's keeper's, for any item.
class FocusKeeperAttached : public QObject
{
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(int tabIndex READ tabIndex WRITE setTabIndex NOTIFY tabIndexChanged)
    Q_PROPERTY(bool marksFocus READ marksFocus WRITE setMarksFocus NOTIFY marksFocusChanged)
    Q_PROPERTY(bool keyboardUsed READ isKeyboardUsed NOTIFY keyboardUsedChanged)
    Q_PROPERTY(bool keyboardInUse READ isKeyboardInUse NOTIFY keyboardInUseChanged)

public:
    explicit FocusKeeperAttached(QObject *object);
    ~FocusKeeperAttached() override;

    int tabIndex() const { return m_tabIndex; }
    void setTabIndex(int index);
    bool marksFocus() const { return m_marksFocus; }
    void setMarksFocus(bool marks);
    bool isKeyboardUsed() const { return m_keeper && m_keeper->isKeyboardUsed(); }
    bool isKeyboardInUse() const { return m_keeper && m_keeper->isKeyboardInUse(); }

Q_SIGNALS:
    void tabIndexChanged();
    void marksFocusChanged();
    void keyboardUsedChanged();
    void keyboardInUseChanged();

private:
    friend class FocusKeeper;
    static QSet<FocusKeeperAttached *> &all();
    void reorder();
    void findKeeper(QQuickWindow *window);

    int m_tabIndex = -1;
    bool m_marksFocus = false;
    QPointer<FocusKeeper> m_keeper;
    QList<QMetaObject::Connection> m_keeperConnections;
};

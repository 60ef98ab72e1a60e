#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// The item a web view sits in (the view's parent item), which makes the page one more part of the
// window for the keyboard: a key the page leaves unhandled goes on to the items around the view,
// as any key does in Qt Quick (Escape reaches the sheet or the screen that shows the page), and
// when the engine is asked to focus something in the page (a screen reader moving its focus
// there) the keyboard's focus comes into the view with it.
//   required view: the web view, a child of this item
class WebViewFrame : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QQuickItem *view READ view WRITE setView NOTIFY viewChanged REQUIRED)

public:
    explicit WebViewFrame(QQuickItem *parent = nullptr);

    QQuickItem *view() const { return m_view; }
    void setView(QQuickItem *view);

Q_SIGNALS:
    void viewChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void passOn(QKeyEvent *event);
    void findPageItem();
    void takeUp(QQuickItem *pageItem);
    void viewFocusChanged();
    void pageItemFocusChanged(bool focus);

    QPointer<QQuickItem> m_view;
    // The engine's item inside the view that takes the page's input.
    QPointer<QQuickItem> m_pageItem;
    QMetaObject::Connection m_pageItemFocus;
};

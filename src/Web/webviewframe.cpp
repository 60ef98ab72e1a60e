#include "webviewframe.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QQuickWindow>

WebViewFrame::WebViewFrame(QQuickItem *parent)
    : QQuickItem(parent)
{ }

void WebViewFrame::setView(QQuickItem *view)
{
    if (m_view == view)
        return;
    if (m_view) {
        disconnect(m_view, nullptr, this, nullptr);
        m_view->removeEventFilter(this);
    }
    m_view = view;
    if (m_view) {
        m_view->installEventFilter(this);
        connect(m_view, &QQuickItem::childrenChanged, this, &WebViewFrame::findPageItem);
        connect(m_view, &QQuickItem::activeFocusChanged, this, &WebViewFrame::viewFocusChanged);
    }
    findPageItem();
    Q_EMIT viewChanged();
}

void WebViewFrame::keyPressEvent(QKeyEvent *event)
{
    passOn(event);
}

void WebViewFrame::keyReleaseEvent(QKeyEvent *event)
{
    passOn(event);
}

// Qt WebEngine hands a key the page left to the view's parent alone, where Qt Quick offers a key
// to every item up to the window. (A key that came here the usual way goes on by itself.)
void WebViewFrame::passOn(QKeyEvent *event)
{
    event->ignore();
    QQuickItem *focused = window() ? window()->activeFocusItem() : nullptr;
    if (!m_view || !focused || (focused != m_view && !m_view->isAncestorOf(focused)))
        return;
    // Past the page's last control the engine moves the focus on itself.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return;
    for (QQuickItem *item = parentItem(); item; item = item->parentItem()) {
        event->accept();
        QCoreApplication::sendEvent(item, event);
        if (event->isAccepted())
            return;
    }
    event->ignore();
}

bool WebViewFrame::eventFilter(QObject *watched, QEvent *event)
{
    // The page gets the view's focus by the same reason: by Tab, the engine starts at its first control.
    if (event->type() == QEvent::FocusIn && watched == m_view) {
        if (m_pageItem && !m_pageItem->hasFocus())
            m_pageItem->setFocus(true, static_cast<QFocusEvent *>(event)->reason());
        return false;
    }
    if (event->type() != QEvent::KeyPress || watched != m_pageItem)
        return false;
    // The engine never hands back the press of a key with text, which it takes for typing; Escape's
    // is a control character. Without it the press comes back when the page leaves it, as F5's does.
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Escape || key->text().isEmpty())
        return false;
    QKeyEvent bare(key->type(), key->key(), key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(), key->nativeModifiers(),
                   QString(), key->isAutoRepeat(), key->count(), key->device());
    QCoreApplication::sendEvent(watched, &bare);
    event->setAccepted(bare.isAccepted());
    return true;
}

void WebViewFrame::findPageItem()
{
    QQuickItem *found = nullptr;
    if (m_view) {
        const QList<QQuickItem *> children = m_view->childItems();
        for (QQuickItem *child : children) {
            if (child->inherits("QtWebEngineCore::RenderWidgetHostViewQtDelegateItem") && child->activeFocusOnTab()) {
                found = child;
                break;
            }
        }
    }
    if (found == m_pageItem)
        return;
    // Once the engine, right after making it the view's child, has given it the focus in the view.
    QMetaObject::invokeMethod(
        this, [this, item = QPointer<QQuickItem>(found)] { takeUp(item); }, Qt::QueuedConnection);
}

void WebViewFrame::takeUp(QQuickItem *pageItem)
{
    if (pageItem == m_pageItem || (pageItem && pageItem->parentItem() != m_view))
        return;
    disconnect(m_pageItemFocus);
    if (m_pageItem)
        m_pageItem->removeEventFilter(this);
    m_pageItem = pageItem;
    if (!m_pageItem)
        return;
    m_pageItem->installEventFilter(this);
    m_pageItemFocus = connect(m_pageItem, &QQuickItem::focusChanged, this, &WebViewFrame::pageItemFocusChanged);
    viewFocusChanged();
}

// A screen reader focusing a node of the page makes the engine give its item the focus in the view
// only, and Return then misses the link the reader is on. The item keeps that focus only while the
// view has the keyboard's, so that the engine's request shows as a change.
void WebViewFrame::viewFocusChanged()
{
    if (!m_view || !m_pageItem)
        return;
    if (!m_view->hasActiveFocus())
        m_pageItem->setFocus(false);
}

// Looked at later: a move of the keyboard's focus to the item (Tab, a tap) also sets this first.
void WebViewFrame::pageItemFocusChanged(bool focus)
{
    if (!focus)
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_view && m_pageItem && m_pageItem->hasFocus() && !m_view->hasActiveFocus() && m_view->isVisible())
                m_pageItem->forceActiveFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}


#include "webviewframe.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QQuickWindow>

namespace
{
bool isWithin(const QQuickItem *item, const QQuickItem *ancestor)
{
    for (; item; item = item->parentItem()) {
        if (item == ancestor)
            return true;
    }
    return false;
}
} // namespace

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

// Qt WebEngine gives a key the page did not use to the view's parent alone, once the page has
// answered; Qt Quick would have offered it to every item up to the window.
void WebViewFrame::passOn(QKeyEvent *event)
{
    event->ignore();
    // While the page has the focus the view takes every key itself: any other key came here
    // the usual way, and goes on by itself.
    if (!m_view || !window() || !isWithin(window()->activeFocusItem(), m_view))
        return;
    // The engine moves the focus out of the page itself when a Tab goes past its last control.
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
    // Tab reached the view itself, or it was given the focus: the page gets it by the same reason,
    // from which the engine picks the page's first or last control.
    if (event->type() == QEvent::FocusIn && watched == m_view) {
        if (m_pageItem && !m_pageItem->hasFocus())
            m_pageItem->setFocus(true, static_cast<QFocusEvent *>(event)->reason());
        return false;
    }
    if (event->type() != QEvent::KeyPress || watched != m_pageItem)
        return false;
    // The engine never hands back the press of a key that comes with text, which it takes for
    // typing, and Escape's text is a control character nothing types. Without it the press comes
    // back when the page leaves it (no handler, dialog or field of its own used it), as F5's does.
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
            // A popup of the page (a list box) is one too, but never takes the focus by Tab.
            if (child->inherits("QtWebEngineCore::RenderWidgetHostViewQtDelegateItem") && child->activeFocusOnTab()) {
                found = child;
                break;
            }
        }
    }
    if (found == m_pageItem)
        return;
    // The engine gives a new item the focus inside the view right after making it its child: it
    // is taken up once that is done.
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

// The engine answers a request to focus something in the page (a screen reader's, through the
// page's accessibility interface) by giving its item the focus inside the view only, which leaves
// the keyboard where it was: Return and Space then miss the link the reader is on. The item holds
// that focus only while the view has the keyboard's, so that the engine's request shows as a change.
void WebViewFrame::viewFocusChanged()
{
    if (!m_view || !m_pageItem)
        return;
    if (!m_view->hasActiveFocus())
        m_pageItem->setFocus(false);
}

// Looked at once the change is over: the item's focus inside the view also comes first when the
// keyboard's focus is moved to it (by Tab, a tap or a screen closing), which then follows.
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


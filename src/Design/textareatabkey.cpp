#include "textareatabkey.h"

#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickWindow>

bool TextAreaTabKey::eventFilter(QObject *receiver, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) || (key->modifiers() & ~Qt::ShiftModifier))
        return false;
    auto *area = qobject_cast<QQuickItem *>(receiver);
    if (!area || !area->inherits("QQuickTextEdit") || !area->window() || area->window()->activeFocusItem() != area)
        return false;
    const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
    QQuickItem *next = area->nextItemInFocusChain(forward);
    if (next && next != area)
        next->forceActiveFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

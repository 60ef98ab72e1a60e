#include "returnkeypress.h"

#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickWindow>

bool ReturnKeyPress::eventFilter(QObject *receiver, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || (key->modifiers() & ~Qt::KeypadModifier))
        return false;
    // Only the focused button itself: the key reaches its parents too when it does not take it.
    auto *button = qobject_cast<QQuickItem *>(receiver);
    if (!button || !button->inherits("QQuickAbstractButton") || !button->window() || button->window()->activeFocusItem() != button)
        return false;
    QKeyEvent space(event->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), key->isAutoRepeat(), ushort(key->count()));
    QCoreApplication::sendEvent(button, &space);
    event->setAccepted(space.isAccepted());
    return space.isAccepted();
}

#include "textediting.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QQuickItem>
#include <QQuickWindow>

TextEditing::TextEditing(QObject *parent)
    : QObject(parent)
{
}

bool TextEditing::isEditable(const QQuickItem *item)
{
    if (!item || !(item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit")))
        return false;
    return !item->property("readOnly").toBool() && item->isEnabled();
}

bool TextEditing::endEditing()
{
    bool ended = false;
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        auto *quickWindow = qobject_cast<QQuickWindow *>(window);
        QQuickItem *focused = quickWindow ? quickWindow->activeFocusItem() : nullptr;
        if (!isEditable(focused))
            continue;
        QGuiApplication::inputMethod()->commit();
        focused->setFocus(false);
        // A field that is the only focusable item of its scope keeps active focus through the
        // scope; hand it to the window's root instead.
        if (focused->hasActiveFocus())
            quickWindow->contentItem()->forceActiveFocus(Qt::OtherFocusReason);
        ended = true;
    }
    if (ended)
        QGuiApplication::inputMethod()->hide();
    return ended;
}

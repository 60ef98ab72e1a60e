#include "screenreader.h"

#include <QAccessible>
#include <QQuickItem>

ScreenReader::ScreenReader(QObject *parent)
    : QObject(parent)
{
}

void ScreenReader::announce(QQuickItem *item)
{
    if (!item || !item->isVisible())
        return;
    if (!item->hasActiveFocus()) {
        item->forceActiveFocus(Qt::OtherFocusReason);
        return;
    }
    QAccessibleEvent focus(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

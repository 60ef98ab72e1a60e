#include "screenreader.h"

#include "accessiblekit.h"

#include <QQuickItem>
#include <QQuickWindow>

ScreenReader::ScreenReader(QObject *parent)
    : QObject(parent)
    , m_active(QAccessible::isActive())
{
    QAccessible::installActivationObserver(this);
}

ScreenReader::~ScreenReader()
{
    QAccessible::removeActivationObserver(this);
}

void ScreenReader::accessibilityActiveChanged(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    Q_EMIT activeChanged();
}

void ScreenReader::announce(QQuickItem *item)
{
    if (!item || !item->isVisible() || !item->window())
        return;
    const QList<QQuickItem *> popups = AccessibleKit::openModalPopups(item->window());
    if (!popups.isEmpty() && popups.constLast() != item && !popups.constLast()->isAncestorOf(item))
        return;
    if (!item->hasActiveFocus()) {
        item->forceActiveFocus(Qt::OtherFocusReason);
        return;
    }
    QAccessibleEvent focus(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

QQuickItem *ScreenReader::firstHeading(QQuickItem *scope)
{
    for (QQuickItem *item : AccessibleKit::exposedChildren(scope)) {
        if (!item->isVisible())
            continue;
        const QObject *accessible = AccessibleKit::attached(item);
        if (accessible->property("role").toInt() == QAccessible::Heading)
            return item;
        if (QQuickItem *inner = firstHeading(item))
            return inner;
    }
    return nullptr;
}

QQuickItem *ScreenReader::screenHeading(QQuickItem *item)
{
    QQuickItem *page = item;
    while (page && (!page->inherits("QQuickPage") || page->inherits("QQuickPopupItem")))
        page = page->parentItem();
    if (!page)
        return nullptr;
    auto *heading = page->property("heading").value<QQuickItem *>();
    return heading && heading->isVisible() ? heading : firstHeading(page);
}

void ScreenReader::enterScreen(QQuickItem *screen, QQuickItem *preferred)
{
    QQuickWindow *window = screen ? screen->window() : nullptr;
    if (!window || !screen->isVisible() || screen->isAncestorOf(window->activeFocusItem()))
        return;
    const bool shown = preferred && preferred->isVisible() && preferred->isEnabled() && preferred->window() == window;
    announce(shown ? preferred : screenHeading(screen));
}

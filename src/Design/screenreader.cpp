#include "screenreader.h"

#include "accessiblekit.h"
#include "screenreaderstatus.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>

ScreenReader::ScreenReader(QObject *parent)
    : QObject(parent)
{
    connect(ScreenReaderStatus::current(), &ScreenReaderStatus::activeChanged, this, &ScreenReader::activeChanged);
}

bool ScreenReader::isActive() const
{
    return ScreenReaderStatus::current()->isActive();
}

namespace
{
// Qt Quick may have given the focus back already, by a reason of its own (a screen showing again, a
// popup closing): a control takes the one it had.
void keepFocusReason(QQuickItem *item, int reason)
{
    if (item && item->hasActiveFocus() && reason != Qt::OtherFocusReason && item->property("focusReason").isValid())
        item->setProperty("focusReason", reason);
}
} // namespace

void ScreenReader::announce(QQuickItem *item, int reason)
{
    if (!item || !item->isVisible() || !item->window())
        return;
    const QList<QQuickItem *> popups = AccessibleKit::openModalPopups(item->window());
    if (!popups.isEmpty() && popups.constLast() != item && !popups.constLast()->isAncestorOf(item))
        return;
    if (!item->hasActiveFocus()) {
        item->forceActiveFocus(Qt::FocusReason(reason));
        return;
    }
    keepFocusReason(item, reason);
    QAccessibleEvent focus(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

QQuickItem *ScreenReader::firstHeading(QQuickItem *scope, bool inViewOnly)
{
    for (QQuickItem *item : AccessibleKit::exposedChildren(scope)) {
        if (!item->isVisible())
            continue;
        const QObject *accessible = AccessibleKit::attached(item);
        if (accessible->property("role").toInt() == QAccessible::Heading && (!inViewOnly || AccessibleKit::inView(item)))
            return item;
        if (QQuickItem *inner = firstHeading(item, inViewOnly))
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
    if (heading && heading->isVisible())
        return heading;
    QQuickItem *shown = firstHeading(page, true);
    return shown ? shown : firstHeading(page, false);
}

QQuickItem *ScreenReader::dialogAround(QQuickItem *item)
{
    for (QQuickItem *above = item; above; above = above->parentItem()) {
        const QObject *popup = above->parent();
        if (above->inherits("QQuickPopupItem") && popup && popup->property("modal").toBool())
            return above;
    }
    return nullptr;
}

void ScreenReader::enterScreen(QQuickItem *screen, QQuickItem *preferred, int reason)
{
    QQuickWindow *window = screen ? screen->window() : nullptr;
    if (!window || !screen->isVisible())
        return;
    keepFocusReason(preferred, reason);
    if (screen->isAncestorOf(window->activeFocusItem()))
        return;
    const bool shown = preferred && preferred->isVisible() && preferred->isEnabled() && preferred->window() == window;
    QQuickItem *target = shown ? preferred : screenHeading(screen);
    if (target && target == window->activeFocusItem())
        return;
    announce(target, shown ? reason : int(Qt::OtherFocusReason));
}

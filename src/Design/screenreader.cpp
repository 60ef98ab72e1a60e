#include "screenreader.h"

#include "accessiblekit.h"
#include "focuskeeper.h"
#include "focusrules.h"
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

void ScreenReader::enterScreen(QQuickItem *screen, QQuickItem *preferred, int reason, const QRectF &place)
{
    QQuickWindow *window = screen ? screen->window() : nullptr;
    if (!window || !screen->isVisible())
        return;
    keepFocusReason(preferred, reason);
    // A screen that comes back gives the focus to what had it inside it (Qt's focus scope), though
    // it may have gone meanwhile (hidden): only a place the focus may rest on was the user's.
    QQuickItem *focused = window->activeFocusItem();
    if (screen->isAncestorOf(focused) && FocusRules::isRestingPlace(focused) && FocusRules::shows(focused))
        return;
    const bool shown = preferred && preferred->window() == window && FocusRules::shows(preferred);
    QQuickItem *target = shown ? preferred : nullptr;
    if (!target && !place.isEmpty())
        target = FocusRules::nearest(screen, place);
    if (!target)
        target = screenHeading(screen);
    if (target && target == focused)
        return;
    announce(target, shown ? reason : int(Qt::OtherFocusReason));
}

void ScreenReader::giveBack(QQuickItem *opener, QQuickItem *screen, const QRectF &place, int reason)
{
    if (opener && opener->window() && FocusRules::shows(opener)) {
        // Qt may have given it back already (to what had the focus in the popup beneath): that was
        // read out.
        if (opener->hasActiveFocus())
            keepFocusReason(opener, reason);
        else
            announce(opener, reason);
        return;
    }
    if (!screen || !screen->window() || !screen->isVisible())
        return;
    QQuickItem *target = FocusRules::nearest(screen, place);
    announce(target ? target : screenHeading(screen), target ? reason : int(Qt::OtherFocusReason));
}

QRectF ScreenReader::placeOf(QQuickItem *item)
{
    return item ? FocusRules::place(item) : QRectF();
}

QVariantMap ScreenReader::returnPoint(QQuickItem *item, QQuickItem *opener)
{
    const QQuickWindow *window = item ? item->window() : nullptr;
    QQuickItem *back = opener ? opener : window ? window->activeFocusItem() : nullptr;
    FocusKeeper::Place place{back, FocusRules::screenOf(back), back ? FocusRules::place(back) : QRectF()};
    // The focus has fallen off a control that is going or working, onto what holds it: the keeper
    // knows where it was while it was still there.
    if (!opener && window && !FocusRules::isRestingPlace(back)) {
        if (const std::optional<FocusKeeper::Place> last = FocusKeeper::lastFocus(window))
            place = *last;
    }
    return {{QStringLiteral("item"), QVariant::fromValue(place.item.data())},
            {QStringLiteral("screen"), QVariant::fromValue(place.screen.data())},
            {QStringLiteral("place"), place.rect}};
}

#include "focusrules.h"

#include "accessiblekit.h"
#include "textediting.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>

#include <functional>

namespace
{
QAccessible::Role roleOf(const QQuickItem *item)
{
    const QObject *accessible = AccessibleKit::attached(item);
    return accessible ? QAccessible::Role(accessible->property("role").toInt()) : QAccessible::NoRole;
}

bool isPopupItem(const QQuickItem *item)
{
    return item->inherits("QQuickPopupItem");
}

// Reading order of two places: rows top to bottom, each row from the leading edge. Two places
// share a row when they overlap by half the lower one's height (a bar's title and its buttons).
bool comesBefore(const QRectF &a, const QRectF &b)
{
    const qreal overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    if (overlap >= std::min(a.height(), b.height()) / 2)
        return a.center().x() < b.center().x();
    return a.center().y() < b.center().y();
}

qreal distance(const QRectF &a, const QRectF &b)
{
    const qreal dx = std::max<qreal>({0, a.left() - b.right(), b.left() - a.right()});
    const qreal dy = std::max<qreal>({0, a.top() - b.bottom(), b.top() - a.bottom()});
    return std::hypot(dx, dy);
}

// Lays out what has changed under `item`, from the top down: where the controls are is asked
// before the frame that would lay them out (a row just taken out of a list).
void layOut(QQuickItem *item)
{
    item->ensurePolished();
    for (QQuickItem *child : item->childItems()) {
        if (child->isVisible())
            layOut(child);
    }
}

void collectControls(const QQuickItem *item, QList<QQuickItem *> *found)
{
    for (QQuickItem *child : item->childItems()) {
        if (!child->isVisible() || !child->isEnabled() || child->opacity() <= 0.01)
            continue;
        // Another screen over this one (a pushed page's own controls are its own).
        if (isPopupItem(child))
            continue;
        if (FocusRules::isNamedControl(child) && FocusRules::shows(child))
            found->append(child);
        collectControls(child, found);
    }
}

// The Tab stops of the window (or of the popup that holds `from`) in Tab order, as Qt goes
// through them.
QList<QQuickItem *> tabChain(const QQuickItem *from)
{
    QQuickItem *scope = nullptr;
    for (QQuickItem *above = from->parentItem(); above && !scope; above = above->parentItem()) {
        if (isPopupItem(above))
            scope = above;
    }
    if (!scope)
        scope = from->window()->contentItem();
    QList<QQuickItem *> chain;
    QQuickItem *next = scope->nextItemInFocusChain(true);
    while (next && next != scope && !chain.contains(next) && scope->isAncestorOf(next)) {
        chain.append(next);
        next = next->nextItemInFocusChain(true);
    }
    return chain;
}
QQuickItem *firstHeading(QQuickItem *scope, bool inViewOnly)
{
    for (QQuickItem *item : AccessibleKit::exposedChildren(scope)) {
        if (!item->isVisible())
            continue;
        if (roleOf(item) == QAccessible::Heading && (!inViewOnly || AccessibleKit::inView(item)))
            return item;
        if (QQuickItem *inner = firstHeading(item, inViewOnly))
            return inner;
    }
    return nullptr;
}

qreal opacityOf(const QQuickItem *item)
{
    qreal opacity = 1;
    for (const QQuickItem *above = item; above; above = above->parentItem())
        opacity *= above->opacity();
    return opacity;
}
} // namespace

namespace FocusRules
{
bool isTabStop(const QQuickItem *item)
{
    return item && (item->activeFocusOnTab() || TextEditing::isEditable(item));
}

bool isNamedControl(const QQuickItem *item)
{
    if (!item || !item->isVisible() || !item->isEnabled() || !isTabStop(item))
        return false;
    // Without assistive technology Qt Quick gives a control no `Accessible` of its own: it is
    // named then as it would be.
    if (!AccessibleKit::attached(item))
        return true;
    if (!AccessibleKit::isExposed(item))
        return false;
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(const_cast<QQuickItem *>(item));
    return node && !node->text(QAccessible::Name).trimmed().isEmpty();
}

bool isRestingPlace(const QQuickItem *item)
{
    if (!item || !item->isVisible())
        return false;
    if (isPopupItem(item))
        return true;
    if (isNamedControl(item))
        return true;
    // A control that the keyboard reaches by arrows, not by Tab (a day of a calendar).
    if (item->inherits("QQuickAbstractButton"))
        return item->isEnabled() && (!AccessibleKit::attached(item) || AccessibleKit::isExposed(item));
    // Anything else the app named for a screen reader: a text to read, a message of the chat.
    return AccessibleKit::isExposed(item) && roleOf(item) != QAccessible::Pane && roleOf(item) != QAccessible::NoRole
        && !item->inherits("QQuickPage");
}

bool isHeading(const QQuickItem *item)
{
    return item && !isTabStop(item) && AccessibleKit::isExposed(item) && roleOf(item) == QAccessible::Heading;
}

bool isInWebPage(const QQuickItem *item)
{
    // Key and focus events of a page reach an item of the engine's own below the view.
    for (const QQuickItem *above = item; above; above = above->parentItem()) {
        if (above->inherits("QQuickWebEngineView"))
            return true;
    }
    return false;
}

bool isReadText(const QQuickItem *item)
{
    if (!item || isTabStop(item) || item->inherits("QQuickAbstractButton") || !AccessibleKit::isExposed(item))
        return false;
    switch (roleOf(item)) {
    case QAccessible::Heading:
    case QAccessible::StaticText:
    case QAccessible::Paragraph:
    case QAccessible::Notification:
    case QAccessible::AlertMessage:
        return true;
    default:
        return false;
    }
}

bool isPresent(const QQuickItem *item)
{
    if (!item || !item->window() || !item->isVisible() || item->width() <= 0 || item->height() <= 0)
        return false;
    QRectF shown = place(item);
    for (const QQuickItem *above = item->parentItem(); above; above = above->parentItem()) {
        // What a view scrolls out of sight, the focus scrolls back in: what counts is the view.
        if (above->inherits("QQuickFlickable"))
            shown = place(above);
        else if (above->clip())
            shown &= place(above);
        if (shown.isEmpty())
            return false;
    }
    return shown.intersects(QRectF(QPointF(), item->window()->size()));
}

bool shows(const QQuickItem *item)
{
    return isPresent(item) && opacityOf(item) > 0.01;
}

QQuickItem *screenOf(const QQuickItem *item)
{
    for (QQuickItem *above = item ? item->parentItem() : nullptr; above; above = above->parentItem()) {
        if (isPopupItem(above) || (above->inherits("QQuickPage") && !isPopupItem(above)))
            return above;
    }
    return item && item->window() ? item->window()->contentItem() : nullptr;
}

QQuickItem *screenHeading(QQuickItem *item)
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

QList<QQuickItem *> controls(const QQuickItem *screen)
{
    QList<QQuickItem *> found;
    if (!screen)
        return found;
    layOut(const_cast<QQuickItem *>(screen));
    collectControls(screen, &found);
    return found;
}

QQuickItem *nearest(const QQuickItem *screen, const QRectF &where)
{
    const QList<QQuickItem *> candidates = controls(screen);
    if (candidates.isEmpty())
        return nullptr;
    const auto after = std::find_if(candidates.cbegin(), candidates.cend(), [&](const QQuickItem *c) { return !comesBefore(place(c), where); });
    QQuickItem *next = after != candidates.cend() ? *after : nullptr;
    QQuickItem *previous = after != candidates.cbegin() ? *(after - 1) : nullptr;
    if (!next || !previous)
        return next ? next : previous;
    return distance(place(previous), where) < distance(place(next), where) ? previous : next;
}

QQuickItem *successor(QQuickItem *screen, const QRectF &where)
{
    if (!screen || where.isEmpty())
        return nullptr;
    layOut(screen);
    QQuickItem *found = nullptr;
    qreal foundArea = 0;
    const QPointF centre = where.center();
    std::function<void(QQuickItem *)> look = [&](QQuickItem *item) {
        for (QQuickItem *child : item->childItems()) {
            if (!child->isVisible() || isPopupItem(child))
                continue;
            const QRectF box = place(child);
            if (!box.contains(centre))
                continue;
            const qreal area = box.width() * box.height();
            if (isRestingPlace(child) && !isHeading(child) && shows(child) && (!found || area < foundArea)) {
                found = child;
                foundArea = area;
            }
            look(child);
        }
    };
    look(screen);
    return found;
}

QQuickItem *replacement(QQuickItem *screen, const QRectF &where)
{
    if (QQuickItem *inPlace = successor(screen, where))
        return inPlace;
    QQuickItem *control = where.isEmpty() ? nullptr : nearest(screen, where);
    return control ? control : screenHeading(screen);
}

QQuickItem *stepFrom(const QQuickItem *from, bool forward)
{
    if (!from || !from->window())
        return nullptr;
    const QList<QQuickItem *> chain = tabChain(from);
    if (chain.isEmpty())
        return nullptr;
    const QQuickItem *screen = screenOf(from);
    QList<qsizetype> own;
    for (qsizetype i = 0; i < chain.size(); ++i) {
        if (screen->isAncestorOf(chain.at(i)))
            own.append(i);
    }
    const QRectF where = place(from);
    if (forward) {
        for (const qsizetype i : std::as_const(own)) {
            if (comesBefore(where, place(chain.at(i))))
                return chain.at(i);
        }
        // Past the screen's last control: on to what follows the screen, as Tab goes there.
        return own.isEmpty() ? chain.constFirst() : chain.at((own.constLast() + 1) % chain.size());
    }
    for (auto i = own.crbegin(); i != own.crend(); ++i) {
        if (comesBefore(place(chain.at(*i)), where))
            return chain.at(*i);
    }
    return own.isEmpty() ? chain.constLast() : chain.at((own.constFirst() + chain.size() - 1) % chain.size());
}

QRectF place(const QQuickItem *item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

QRectF viewport(const QQuickItem *item)
{
    QRectF shown(QPointF(), item->window() ? QSizeF(item->window()->size()) : QSizeF());
    for (const QQuickItem *above = item->parentItem(); above; above = above->parentItem()) {
        if (!above->inherits("QQuickFlickable"))
            continue;
        // Along the way it scrolls: across it, what it holds may reach past it.
        const QRectF view = place(above);
        if (above->property("contentHeight").toReal() > above->height() + 0.5)
            shown &= QRectF(shown.left(), view.top(), shown.width(), view.height());
        if (above->property("contentWidth").toReal() > above->width() + 0.5)
            shown &= QRectF(view.left(), shown.top(), view.width(), shown.height());
    }
    return shown;
}
} // namespace FocusRules

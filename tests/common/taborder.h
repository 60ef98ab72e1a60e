#pragma once

#include "accessiblekit.h"
#include "focuskeeper.h"
#include "theme.h"

#include <QAccessible>
#include <QImage>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtQml/qqml.h>
#include <QTest>

#include <functional>

// The Tab order of a window as a keyboard user meets it: Tab (or Shift+Tab) pressed from where
// the focus is, each stop read as assistive technology sees it, with the focus ring drawn on it.
namespace TabOrder
{
// One stop: the item with the focus, the one a screen reader is told has it (the item itself, or
// the nearest item around it that assistive technology sees; none when nothing is), and how that
// one was described when the focus was there (a page of a carousel may be gone since).
struct Stop {
    QPointer<QQuickItem> item;
    QPointer<QQuickItem> seen;
    QString description;
    // The pixels of the seen item's box that the focus ring changed, on a rendered frame with the
    // ring against one without it; -1 when the window has no ring or nothing is seen.
    int ringPixels = -1;
    // The length of the outline of the seen item's box as shown (its perimeter, in pixels).
    int outline = 0;
};

// Whether `item` draws its own focus mark (a field's outline), which takes the place of the ring.
inline bool marksOwnFocus(QQuickItem *item)
{
    const auto *attached = item ? qmlAttachedPropertiesObject<FocusKeeper>(item, false) : nullptr;
    return attached && attached->property("marksFocus").toBool();
}

// How many pixels the window's focus ring changes around `item` (in its box and as far out as the
// ring reaches), as `item` shows in the window: two frames rendered, with the ring and without it.
// Of an item that marks its own focus, the pixels of its box in the tint (its outline). -1 when the
// window has no ring.
inline int ringPixels(QQuickWindow *window, QQuickItem *item, QRect *box = nullptr)
{
    auto *ring = window->findChild<FocusKeeper *>();
    if (!ring || !item)
        return -1;
    const bool ownMark = marksOwnFocus(item);
    const QImage with = window->grabWindow();
    const qreal opacity = ring->opacity();
    ring->setOpacity(0);
    const QImage without = window->grabWindow();
    ring->setOpacity(opacity);
    QRectF shown = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    for (const QQuickItem *above = item->parentItem(); above; above = above->parentItem()) {
        if (above->clip())
            shown &= above->mapRectToScene(QRectF(0, 0, above->width(), above->height()));
    }
    const qreal scale = with.devicePixelRatio();
    const QRect pixels = QRectF(shown.topLeft() * scale, shown.size() * scale).toAlignedRect() & with.rect();
    if (box)
        *box = pixels;
    const qreal reach = ownMark ? 0 : ring->outset() * scale;
    const QRect around = pixels.adjusted(-reach, -reach, reach, reach) & with.rect();
    const QColor tint = Theme::tarPink();
    const auto near = [](int a, int b) { return std::abs(a - b) <= 40; };
    int changed = 0;
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            const QColor shownColor = with.pixelColor(x, y);
            if (ownMark)
                changed += near(shownColor.red(), tint.red()) && near(shownColor.green(), tint.green()) && near(shownColor.blue(), tint.blue());
            else
                changed += with.pixel(x, y) != without.pixel(x, y);
        }
    }
    return changed;
}

// A node as "role name" by Qt's own numbers; for a screen reader's words see AtspiWalker.
inline QString describe(QAccessibleInterface *node)
{
    return QString::number(node->role(), 16) + QStringLiteral(" \"") + node->text(QAccessible::Name) + QLatin1Char('"');
}

struct Walk {
    QList<Stop> stops;
    // The focus came back to the first stop.
    bool wrapped = false;
    // The stop that came a second time before the first one did (a loop), -1 if none did.
    int repeated = -1;
};

using Describer = std::function<QString(QAccessibleInterface *)>;

inline Stop stopAt(QQuickWindow *window, const Describer &describer = describe)
{
    QQuickItem *focused = window->activeFocusItem();
    QQuickItem *seen = focused;
    while (seen && seen != window->contentItem() && !AccessibleKit::isExposed(seen))
        seen = seen->parentItem();
    QAccessibleInterface *node = seen && seen != window->contentItem() ? QAccessible::queryAccessibleInterface(seen) : nullptr;
    if (!node) {
        return {focused, nullptr,
                QStringLiteral("(nothing a screen reader sees) %1 '%2'")
                    .arg(focused ? QString::fromLatin1(focused->metaObject()->className()) : QStringLiteral("no item"),
                         focused ? focused->objectName() : QString())};
    }
    return {focused, seen, describer(node)};
}

// The stop the focus is on, with its ring measured.
inline Stop measuredStopAt(QQuickWindow *window, const Describer &describer = describe)
{
    Stop stop = stopAt(window, describer);
    if (stop.seen) {
        // The ring is placed as the frame is made.
        const auto *ring = window->findChild<FocusKeeper *>();
        if (ring && !marksOwnFocus(stop.seen) && !QTest::qWaitFor([ring] { return ring->isShown(); }, 1000))
            return stop;
        QRect box;
        stop.ringPixels = ringPixels(window, stop.seen, &box);
        stop.outline = 2 * (box.width() + box.height());
    }
    return stop;
}

// Presses Tab (Shift+Tab when `backwards`) until the focus is back on the first stop reached, a
// stop comes twice, or `limit` presses are made; with `measured`, each stop's ring is measured.
inline Walk walk(QQuickWindow *window, bool backwards = false, const Describer &describer = describe, int limit = 150,
                 bool measured = false)
{
    Walk walk;
    for (int press = 0; press < limit; ++press) {
        QTest::keyClick(window, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        const Stop stop = measured ? measuredStopAt(window, describer) : stopAt(window, describer);
        const auto same = [&stop](const Stop &other) { return other.item == stop.item; };
        const qsizetype seen = std::find_if(walk.stops.cbegin(), walk.stops.cend(), same) - walk.stops.cbegin();
        if (seen == 0 && !walk.stops.isEmpty()) {
            walk.wrapped = true;
            return walk;
        }
        if (seen < walk.stops.size()) {
            walk.repeated = int(seen);
            walk.stops.append(stop);
            return walk;
        }
        walk.stops.append(stop);
    }
    return walk;
}
} // namespace TabOrder

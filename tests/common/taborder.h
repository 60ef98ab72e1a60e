#pragma once

#include "accessiblekit.h"

#include <QAccessible>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include <functional>

// The Tab order of a window as a keyboard user meets it: Tab (or Shift+Tab) pressed from where
// the focus is, each stop read as assistive technology sees it.
namespace TabOrder
{
// One stop: the item with the focus, the one a screen reader is told has it (the item itself, or
// the nearest item around it that assistive technology sees; none when nothing is), and how that
// one was described when the focus was there (a page of a carousel may be gone since).
struct Stop {
    QPointer<QQuickItem> item;
    QPointer<QQuickItem> seen;
    QString description;
};

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

// Presses Tab (Shift+Tab when `backwards`) until the focus is back on the first stop reached, a
// stop comes twice, or `limit` presses are made.
inline Walk walk(QQuickWindow *window, bool backwards = false, const Describer &describer = describe, int limit = 150)
{
    Walk walk;
    for (int press = 0; press < limit; ++press) {
        QTest::keyClick(window, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        const Stop stop = stopAt(window, describer);
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

#pragma once

#include <QList>

class QObject;
class QQuickItem;
class QQuickWindow;

// What Qt Quick 6.4 leaves out of its accessibility interfaces, put back for the app's items:
// buttons report their disabled and checked states and carry out the press action; text fields
// offer their text for editing, tell each edit as the text removed and inserted, and show only
// the mask of a password; labels offer their text;
// pages are panes; popups are modal dialogs; the page under an open modal popup (a PageScope) is
// out of the tree. (Web pages follow a screen reader through LazyWebEngine::followScreenReader().)
namespace AccessibleKit
{
// Adds the factory that builds these interfaces, the filter that keeps a password's characters
// out of every accessibility event (and tells a tab's selection with its check), Return and
// Enter as keys that press a focused button (ReturnKeyPress), and Tab and Shift+Tab as keys that
// leave a text area (TextAreaTabKey). main() and the tests call it once, after the application
// object is made.
void install();

// The item's `Accessible` attached object, when it has one (null otherwise; never made here).
QObject *attached(const QObject *object);
// Gives an item made by QML an `Accessible` attached object, which puts it in the tree.
void expose(QQuickItem *item);
// Seen by assistive technology: the item has an `Accessible` attached object, is not ignored, and
// has a role or a name.
bool isExposed(const QQuickItem *item);
// The exposed items under `item`, looking through the ones that are not, in stacking order.
QList<QQuickItem *> exposedChildren(const QQuickItem *item);
// Whether some of `item` shows: inside its window and inside every item around it that clips (a
// list shows only the rows in its frame, though it keeps those beside it).
bool inView(const QQuickItem *item);
// The items of the window's open modal popups, lowest first.
QList<QQuickItem *> openModalPopups(const QQuickWindow *window);
} // namespace AccessibleKit

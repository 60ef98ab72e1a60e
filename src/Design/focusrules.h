#pragma once

#include <QList>
#include <QRectF>

class QQuickItem;

// Where the focus may rest and where it goes when what had it is gone: the one rule for a sheet,
// an alert, a picker or a page that closes, a screen that comes up, and a control that disappears.
// The focus goes back to what had it while that still shows; else to the named control of the same
// screen nearest to where it was, in reading order; else to the screen's heading; never to an
// unnamed container, never to something hidden. Pure rules: FocusKeeper moves the focus by them.
namespace FocusRules
{
// A control the keyboard reaches by Tab: a Tab stop, or a field.
bool isTabStop(const QQuickItem *item);
// A control the keyboard reaches (isTabStop()) that assistive technology sees by a name, enabled
// and visible.
bool isNamedControl(const QQuickItem *item);
// A text a screen reader reads, which the focus is put on to be read (a heading, a label, an
// error, a notification); not a control.
bool isReadText(const QQuickItem *item);
// A screen's heading, where a screen reader starts on it.
bool isHeading(const QQuickItem *item);
// Somewhere the focus may rest: a named control, a heading or a label read by a screen reader, or
// a dialog. Not a frame, a page or the window's own content.
bool isRestingPlace(const QQuickItem *item);
// Inside an embedded web page (or the page itself): the page moves and marks its own focus.
bool isInWebPage(const QQuickItem *item);
// Whether `item` is there to be seen, or for the focus to scroll into sight, whatever its opacity (a
// screen that comes up fades in): visible, of some size, and not cut away by anything around it
// that clips, other than a view that scrolls it.
bool isPresent(const QQuickItem *item);
// isPresent(), and not faded out (a message on its way out fades first).
bool shows(const QQuickItem *item);
// The screen that holds `item`: the innermost page (a NavigationPage) or modal popup around it;
// the window's content when none is.
QQuickItem *screenOf(const QQuickItem *item);
// What a screen reader starts from on the screen (the page) that holds `item`: the page's
// `heading` when it has one shown, else the first heading in view on it (so that the focus does not
// scroll the page away from where the user left it), else its first heading; null if none.
QQuickItem *screenHeading(QQuickItem *item);
// The named controls of `screen` that show, in reading order (the order Tab takes them in).
QList<QQuickItem *> controls(const QQuickItem *screen);
// Of the named controls of `screen` that show, the one next to `place` (a rectangle of the window)
// in reading order, before or after it, whichever is closer (after it when both are as close);
// null when the screen has none.
QQuickItem *nearest(const QQuickItem *screen, const QRectF &place);
// What now stands where something of `screen` was (`place`, a rectangle of the window): the
// smallest place the focus may rest on that shows there (a result in place of the button that
// asked for it, the row that moved up into a removed one's place). Null when there is none.
QQuickItem *successor(QQuickItem *screen, const QRectF &place);
// Where the focus goes on `screen` in place of something that no longer shows from `place`: what
// now stands there (successor()), else the named control nearest to it (none when `place` is
// empty), else the screen's heading. Null when there is none of them.
QQuickItem *replacement(QQuickItem *screen, const QRectF &place);
// The Tab stop that Tab (or Shift+Tab, `forward` false) reaches from `from`, an item that is not a
// stop itself (a heading, a control disabled while it works): the first control after its place in
// reading order, or the last before it, within the popup that holds it, or the window. Null when
// there is none to go to.
QQuickItem *stepFrom(const QQuickItem *from, bool forward);
// `item`'s rectangle in the window.
QRectF place(const QQuickItem *item);
// The part of the window in which `item` can be seen: the window, cut by every view around it that
// scrolls, along the way it scrolls.
QRectF viewport(const QQuickItem *item);
} // namespace FocusRules

#pragma once

#include <QList>
#include <QRectF>

class QQuickItem;

// Where the focus may rest and where it goes when what had it is gone: the one rule for a sheet,
// an alert, a picker or a page that closes, and for a control that disappears. The focus goes back
// to what had it while that still shows; else to the named control of the same screen nearest to
// where it was, in reading order; never to an unnamed container, never to something hidden.
namespace FocusRules
{
// A control the keyboard reaches (a Tab stop, or a field) that assistive technology sees by a
// name, enabled and visible.
bool isNamedControl(const QQuickItem *item);
// A text a screen reader reads, which the focus is put on to be read (a heading, a label, an
// error, a notification); not a control.
bool isReadText(const QQuickItem *item);
// Somewhere the focus may rest: a named control, a heading or a label read by a screen reader, or
// a dialog. Not a frame, a page or the window's own content.
bool isRestingPlace(const QQuickItem *item);
// Whether a user can see `item`, or the focus can scroll it into sight: visible, enabled, not
// faded out, of some size, and not cut away by anything around it that clips, other than a view
// that scrolls it.
bool shows(const QQuickItem *item);
// The screen that holds `item`: the innermost page (a NavigationPage) or modal popup around it;
// the window's content when none is.
QQuickItem *screenOf(const QQuickItem *item);
// The named controls of `screen` that show, in reading order (the order Tab takes them in).
QList<QQuickItem *> controls(const QQuickItem *screen);
// Of the named controls of `screen` that show, the one next to `place` (a rectangle of the window)
// in reading order, before or after it, whichever is closer (after it when both are as close);
// null when the screen has none.
QQuickItem *nearest(const QQuickItem *screen, const QRectF &place);
// The Tab stop that Tab (or Shift+Tab, `forward` false) reaches from `from`, an item that is not a
// stop itself (a heading): the first control after its place in reading order, or the last before
// it, within the popup that holds it, or the window. Null when there is none to go to.
QQuickItem *stepFrom(const QQuickItem *from, bool forward);
// `item`'s rectangle in the window.
QRectF place(const QQuickItem *item);
} // namespace FocusRules

#include "accessiblekit.h"

#include "accessiblebutton.h"
#include "accessibledialog.h"
#include "accessiblelabel.h"
#include "accessiblepagescope.h"
#include "accessibletextfield.h"
#include "focusrules.h"
#include "pagescope.h"
#include "returnkeypress.h"
#include "textareatabkey.h"

#include <QGuiApplication>

#include <QQuickItem>
#include <QQuickWindow>
#include <QtQml/qqml.h>

#include <algorithm>

namespace
{
// The attached type behind `Accessible` is private to Qt Quick; its metatype is public.
const QMetaObject *accessibleAttachedType()
{
    static const QMetaObject *type = nullptr;
    if (!type)
        type = QMetaType::fromName("QQuickAccessibleAttached*").metaObject();
    return type;
}

// Asked before Qt Quick's own factory (the last one installed is asked first); it answers for
// the items it knows and leaves the others to Qt Quick.
QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (!object || !object->isQuickItemType())
        return nullptr;
    auto *item = static_cast<QQuickItem *>(object);
    if (qobject_cast<PageScope *>(item))
        return new AccessiblePageScope(item);
    // Qt Quick leaves items without an `Accessible` out of the tree, and so does this.
    if (!AccessibleKit::attached(item))
        return nullptr;
    if (item->inherits("QQuickAbstractButton"))
        return new AccessibleButton(item);
    // A text area to edit is one too (Qt Quick's own would hang it under the nearest item with an
    // `Accessible`, which need not be in the tree).
    if (item->inherits("QQuickTextInput") || (item->inherits("QQuickTextEdit") && !item->property("readOnly").toBool()))
        return new AccessibleTextField(item);
    if (item->inherits("QQuickPopupItem"))
        return new AccessibleDialog(item);
    if (item->inherits("QQuickPage"))
        return new AccessibleItem(item);
    const int role = AccessibleKit::attached(item)->property("role").toInt();
    if (item->inherits("QQuickText") || AccessibleLabel::isLabelRole(role))
        return new AccessibleLabel(item);
    // Qt Quick's own keeps what it does more of: values, and read-only text areas.
    if (role == QAccessible::Slider || role == QAccessible::SpinBox || role == QAccessible::Dial || role == QAccessible::ScrollBar
        || role == QAccessible::ProgressBar || item->inherits("QQuickTextEdit"))
        return nullptr;
    // The role may come later (see AccessibleLabel::Kind): a label then reads as one.
    return new AccessibleLabel(item, AccessibleLabel::Kind::ByRole);
}

QAccessible::UpdateHandler previousHandler = nullptr;
void filterUpdate(QAccessibleEvent *event);

void forwardUpdate(QAccessibleEvent *event)
{
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    // No handler before ours: Qt's own delivery to the platform, which a handler replaces.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&filterUpdate);
}

// A tab's selected state follows its checked one (AccessibleButton): its change is told with it.
bool forwardTabSelection(QAccessibleEvent *event)
{
    if (event->type() != QAccessible::StateChanged || !event->object() || !event->object()->inherits("QQuickTabButton"))
        return false;
    QAccessible::State changed = static_cast<QAccessibleStateChangeEvent *>(event)->changedStates();
    if (!changed.checked || changed.selected)
        return false;
    changed.selected = true;
    QAccessibleStateChangeEvent both(event->object(), changed);
    forwardUpdate(&both);
    return true;
}

// Every event on its way to the bridge. Qt Quick's TextInput reports edits of a password with the
// characters themselves: they go on with the mask in their place (nothing at all for a field that
// shows nothing).
void filterUpdate(QAccessibleEvent *event)
{
    // Qt Quick reports the focus of any item; one outside the tree or an unnamed container (a frame,
    // a page, what holds the focus for a moment while a control goes) could only be read as an
    // unnamed object, and a hidden one (a page that comes back gives the focus to what had it,
    // shown or not) is not there to read. The focus moves on from those (FocusKeeper).
    if (event->type() == QAccessible::Focus) {
        const auto *item = qobject_cast<QQuickItem *>(event->object());
        if (item && (!AccessibleKit::isExposed(item) || !FocusRules::isRestingPlace(item)))
            return;
    }
    // A text field tells its own edits and caret (AccessibleTextField): Qt Quick's would tell a
    // typed character by the caret alone and a text set by the screen as replaced whole.
    if (AccessibleTextField::isSuperseded(event))
        return;
    if (forwardTabSelection(event))
        return;
    QObject *field = event->object();
    if (!AccessibleTextField::isSecret(field)) {
        forwardUpdate(event);
        return;
    }
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto *edit = static_cast<QAccessibleTextInsertEvent *>(event);
        QAccessibleTextInsertEvent masked(field, edit->changePosition(), AccessibleTextField::masked(field, edit->textInserted()));
        forwardUpdate(&masked);
        return;
    }
    case QAccessible::TextRemoved: {
        const auto *edit = static_cast<QAccessibleTextRemoveEvent *>(event);
        QAccessibleTextRemoveEvent masked(field, edit->changePosition(), AccessibleTextField::masked(field, edit->textRemoved()));
        forwardUpdate(&masked);
        return;
    }
    case QAccessible::TextUpdated: {
        const auto *edit = static_cast<QAccessibleTextUpdateEvent *>(event);
        QAccessibleTextUpdateEvent masked(field, edit->changePosition(), AccessibleTextField::masked(field, edit->textRemoved()),
                                          AccessibleTextField::masked(field, edit->textInserted()));
        forwardUpdate(&masked);
        return;
    }
    case QAccessible::ValueChanged: {
        const auto *change = static_cast<QAccessibleValueChangeEvent *>(event);
        QAccessibleValueChangeEvent masked(field, AccessibleTextField::masked(field, change->value().toString()));
        forwardUpdate(&masked);
        return;
    }
    default:
        forwardUpdate(event);
    }
}

void appendExposed(const QQuickItem *item, QList<QQuickItem *> *exposed)
{
    QList<QQuickItem *> children = item->childItems();
    // A list keeps its rows in the order it made them, as they came into view: they are read in
    // the list's own order, top to bottom and along a row.
    const QQuickItem *view = item->parentItem();
    if (view && view->inherits("QQuickItemView") && view->property("contentItem").value<QQuickItem *>() == item) {
        std::stable_sort(children.begin(), children.end(), [](const QQuickItem *a, const QQuickItem *b) {
            return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
        });
    }
    for (QQuickItem *child : std::as_const(children)) {
        if (AccessibleKit::isExposed(child))
            exposed->append(child);
        else
            appendExposed(child, exposed);
    }
}
} // namespace

namespace AccessibleKit
{
void install()
{
    static bool installed = false;
    if (installed)
        return;
    QAccessible::installFactory(&factory);
    previousHandler = QAccessible::installUpdateHandler(&filterUpdate);
    qGuiApp->installEventFilter(new ReturnKeyPress(qGuiApp));
    qGuiApp->installEventFilter(new TextAreaTabKey(qGuiApp));
    installed = true;
}

QObject *attached(const QObject *object)
{
    // An attached object is a child of the object it is attached to. (Looking it up by Qt
    // Quick's attached-properties function misses the ones that compiled QML made.)
    const QMetaObject *type = accessibleAttachedType();
    if (!object || !type)
        return nullptr;
    for (QObject *child : object->children()) {
        if (child->metaObject() == type)
            return child;
    }
    return nullptr;
}

void expose(QQuickItem *item)
{
    const QMetaObject *type = accessibleAttachedType();
    if (!item || !type || attached(item))
        return;
    if (QQmlAttachedPropertiesFunc function = qmlAttachedPropertiesFunction(item, type))
        qmlAttachedPropertiesObject(item, function, true);
}

bool isExposed(const QQuickItem *item)
{
    // Qt gives every control an `Accessible`; one with neither a role nor a name (a card, a frame)
    // only holds what is in it. A button is seen whatever its `Accessible` says: Qt 6.4 gives
    // neither role nor name to a checkable one made while accessibility is on (a tab, a radio
    // button, a switch), and AccessibleButton settles both.
    const QObject *accessible = attached(item);
    return accessible && !accessible->property("ignored").toBool()
        && (accessible->property("role").toInt() != QAccessible::NoRole || !accessible->property("name").toString().isEmpty()
            || item->inherits("QQuickAbstractButton"));
}

QList<QQuickItem *> exposedChildren(const QQuickItem *item)
{
    QList<QQuickItem *> exposed;
    if (item)
        appendExposed(item, &exposed);
    return exposed;
}

bool inView(const QQuickItem *item)
{
    const QQuickWindow *window = item ? item->window() : nullptr;
    if (!window)
        return false;
    // Each item's own extents: a text's bounding rectangle is that of its text.
    const auto extents = [](const QQuickItem *of) { return of->mapRectToScene(QRectF(0, 0, of->width(), of->height())); };
    QRectF shown = extents(item) & QRectF(QPointF(), window->size());
    for (const QQuickItem *around = item->parentItem(); around && !shown.isEmpty(); around = around->parentItem()) {
        if (around->clip())
            shown &= extents(around);
    }
    return !shown.isEmpty();
}

QList<QQuickItem *> openModalPopups(const QQuickWindow *window)
{
    QList<QQuickItem *> open;
    if (!window)
        return open;
    for (const QQuickItem *layer : window->contentItem()->childItems()) {
        if (!layer->inherits("QQuickOverlay"))
            continue;
        for (QQuickItem *popup : layer->childItems()) {
            const QObject *owner = popup->parent();
            if (popup->inherits("QQuickPopupItem") && popup->isVisible() && owner && owner->property("modal").toBool())
                open.append(popup);
        }
    }
    std::stable_sort(open.begin(), open.end(), [](const QQuickItem *a, const QQuickItem *b) { return a->z() < b->z(); });
    return open;
}
} // namespace AccessibleKit

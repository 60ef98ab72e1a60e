#pragma once

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QTest>

#include <functional>
#include <memory>

// A window as assistive technology sees it, read in process through Qt's accessibility
// interfaces. Offscreen, Qt never turns accessibility on by itself: tree() turns it on, and the
// controls made so far take part as they do when a screen reader starts. Ask again after new
// screens are built.
namespace AccessibleTree
{
// A phone-sized window holding `body` (a window's content, with `window` as its id and the kit and
// QtQuick.Templates as T imported), made by `engine` into `root` and shown; null when it does not
// load (its errors are logged).
inline QQuickWindow *showKitWindow(QQmlEngine &engine, const QByteArray &body, std::unique_ptr<QObject> &root)
{
    QQmlComponent component(&engine);
    component.setData("import QtQuick\nimport QtQuick.Templates as T\nimport Tarvik.Design\n"
                      "Window { id: window; width: 393; height: 852; visible: true\n"
                          + body + "\n}",
                      QUrl(QStringLiteral("qrc:/kitwindow.qml")));
    root.reset(component.create());
    if (!root) {
        qWarning() << component.errors();
        return nullptr;
    }
    auto *window = qobject_cast<QQuickWindow *>(root.get());
    return QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

// The names of the focus events that leave the app, as a screen reader hears them, from
// recordFocusEvents() on.
inline QStringList &focusEvents()
{
    static QStringList events;
    return events;
}

// Records every focus event before the bridge (or Qt's own delivery) gets it.
inline void recordFocusEvents()
{
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (event->type() == QAccessible::Focus) {
            QAccessibleInterface *node = event->accessibleInterface();
            focusEvents().append(node ? node->text(QAccessible::Name) : QString());
        }
        const QAccessible::UpdateHandler current = QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(current);
    });
}

inline QAccessibleInterface *tree(QQuickWindow *window)
{
    QAccessible::setActive(true);
    return QAccessible::queryAccessibleInterface(window);
}

// Every node under `node` (itself included), depth first.
inline void visit(QAccessibleInterface *node, const std::function<void(QAccessibleInterface *)> &visitor)
{
    if (!node)
        return;
    visitor(node);
    for (int i = 0; i < node->childCount(); ++i)
        visit(node->child(i), visitor);
}

// The nodes a screen reader shows: neither invisible nor hidden under a modal dialog.
inline QList<QAccessibleInterface *> shown(QQuickWindow *window, const std::function<bool(QAccessibleInterface *)> &matches = {})
{
    QList<QAccessibleInterface *> found;
    visit(tree(window), [&](QAccessibleInterface *node) {
        if (!node->state().invisible && (!matches || matches(node)))
            found.append(node);
    });
    return found;
}

inline QAccessibleInterface *find(QQuickWindow *window, QAccessible::Role role, const QString &name)
{
    const QList<QAccessibleInterface *> found
        = shown(window, [&](QAccessibleInterface *node) { return node->role() == role && node->text(QAccessible::Name) == name; });
    return found.value(0);
}

inline QStringList names(const QList<QAccessibleInterface *> &nodes)
{
    QStringList list;
    for (QAccessibleInterface *node : nodes)
        list.append(node->text(QAccessible::Name));
    return list;
}

inline bool press(QAccessibleInterface *node)
{
    QAccessibleActionInterface *actions = node ? node->actionInterface() : nullptr;
    if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
        return false;
    actions->doAction(QAccessibleActionInterface::pressAction());
    return true;
}

// Replaces a field's text through its editable-text interface, as a screen reader's text entry does.
inline bool setText(QAccessibleInterface *field, const QString &text)
{
    QAccessibleEditableTextInterface *editable = field ? field->editableTextInterface() : nullptr;
    if (!editable || !field->textInterface())
        return false;
    editable->replaceText(0, field->textInterface()->characterCount(), text);
    return true;
}
} // namespace AccessibleTree

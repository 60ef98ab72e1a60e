#include "supportaccessiblemessage.h"

#include <QAccessibleObject>
#include <QPointer>
#include <QQuickWindow>

namespace
{
// The message's node: a leaf under the nearest accessible item above it, with two actions.
class MessageInterface : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    explicit MessageInterface(SupportAccessibleMessage *item)
        : QAccessibleObject(item)
        , m_item(item)
    {
    }

    QWindow *window() const override { return m_item ? m_item->window() : nullptr; }

    QAccessibleInterface *parent() const override
    {
        if (!m_item)
            return nullptr;
        QQuickWindow *window = m_item->window();
        for (QQuickItem *above = m_item->parentItem(); above; above = above->parentItem()) {
            if (window && above == window->contentItem())
                return QAccessible::queryAccessibleInterface(window);
            // Qt Quick gives an interface to the items that are part of the tree only.
            if (QAccessibleInterface *found = QAccessible::queryAccessibleInterface(above))
                return found;
        }
        return window ? QAccessible::queryAccessibleInterface(window) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        if (!m_item)
            return {};
        switch (kind) {
        case QAccessible::Name:
            return m_item->name();
        case QAccessible::Description:
            return m_item->description();
        default:
            return {};
        }
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!m_item || !m_item->isVisible() || !m_item->window() || !m_item->window()->isVisible())
            state.invisible = true;
        state.readOnly = true;
        return state;
    }
    QRect rect() const override
    {
        if (!m_item || !m_item->window())
            return {};
        const QRectF scene = m_item->mapRectToScene(QRectF(0, 0, m_item->width(), m_item->height()));
        return QRect(m_item->window()->mapToGlobal(scene.topLeft().toPoint()), scene.size().toSize());
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        return {SupportAccessibleMessage::replyAction(), SupportAccessibleMessage::copyAction()};
    }
    QString localizedActionName(const QString &name) const override { return name; }
    QString localizedActionDescription(const QString &name) const override { return name; }
    void doAction(const QString &name) override
    {
        if (!m_item)
            return;
        if (name == SupportAccessibleMessage::replyAction())
            Q_EMIT m_item->replyRequested();
        else if (name == SupportAccessibleMessage::copyAction())
            Q_EMIT m_item->copyRequested();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<SupportAccessibleMessage> m_item;
};

// Asked with each class name of an object's hierarchy, most derived first: ours comes before
// Qt Quick's own factory sees the QQuickItem.
QAccessibleInterface *messageInterfaceFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("SupportAccessibleMessage"))
        return new MessageInterface(static_cast<SupportAccessibleMessage *>(object));
    return nullptr;
}
} // namespace

SupportAccessibleMessage::SupportAccessibleMessage(QQuickItem *parent)
    : QQuickItem(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(messageInterfaceFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString SupportAccessibleMessage::replyAction()
{
    return QStringLiteral("Ответить");
}

QString SupportAccessibleMessage::copyAction()
{
    return QStringLiteral("Скопировать");
}

void SupportAccessibleMessage::setName(const QString &name)
{
    if (m_name == name)
        return;
    m_name = name;
    Q_EMIT nameChanged();
}

void SupportAccessibleMessage::setDescription(const QString &description)
{
    if (m_description == description)
        return;
    m_description = description;
    Q_EMIT descriptionChanged();
}

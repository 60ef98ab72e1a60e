#include "supportaccessiblemessage.h"

#include "accessiblelabel.h"

#include <QPointer>

namespace
{
// The message's node: read as a label (its text through the text interface too), with its actions.
class MessageInterface : public AccessibleLabel
{
public:
    explicit MessageInterface(SupportAccessibleMessage *item)
        : AccessibleLabel(item)
        , m_item(item)
    {
    }

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
    // Only the list's current message is a stop of the Tab order, but a reader may put the focus
    // on any of them (which makes it the current one).
    QAccessible::State state() const override
    {
        QAccessible::State state = AccessibleLabel::state();
        state.readOnly = true;
        state.focusable = true;
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{SupportAccessibleMessage::replyAction(), SupportAccessibleMessage::copyAction(),
                           SupportAccessibleMessage::menuAction()}
            + AccessibleLabel::actionNames();
    }
    QString localizedActionName(const QString &name) const override
    {
        return ownAction(name) ? name : AccessibleLabel::localizedActionName(name);
    }
    QString localizedActionDescription(const QString &name) const override
    {
        return ownAction(name) ? name : AccessibleLabel::localizedActionDescription(name);
    }
    void doAction(const QString &name) override
    {
        if (!m_item)
            return;
        if (name == SupportAccessibleMessage::replyAction())
            Q_EMIT m_item->replyRequested();
        else if (name == SupportAccessibleMessage::copyAction())
            Q_EMIT m_item->copyRequested();
        else if (name == SupportAccessibleMessage::menuAction())
            Q_EMIT m_item->menuRequested();
        else
            AccessibleLabel::doAction(name);
    }

private:
    static bool ownAction(const QString &name)
    {
        return name == SupportAccessibleMessage::replyAction() || name == SupportAccessibleMessage::copyAction()
            || name == SupportAccessibleMessage::menuAction();
    }

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

QString SupportAccessibleMessage::menuAction()
{
    return QStringLiteral("Показать меню");
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

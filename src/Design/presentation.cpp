#include "presentation.h"

#include <QQuickItem>
#include <QtQml/qqmlinfo.h>

Presentation::Presentation(QObject *attachee)
    : QObject(attachee)
{
}

Presentation *Presentation::qmlAttachedProperties(QObject *object)
{
    return new Presentation(object);
}

void Presentation::setHost(bool host)
{
    if (m_host == host)
        return;
    m_host = host;
    Q_EMIT hostChanged();
}

bool Presentation::dismiss()
{
    for (QObject *node = parent(); node;) {
        auto *attached = qobject_cast<Presentation *>(qmlAttachedPropertiesObject<Presentation>(node, false));
        if (attached && attached->isHost()) {
            Q_EMIT attached->dismissRequested();
            return true;
        }
        auto *item = qobject_cast<QQuickItem *>(node);
        node = item && item->parentItem() ? item->parentItem() : node->parent();
    }
    qmlWarning(parent()) << "Presentation.dismiss(): not inside a sheet or a pushed screen";
    return false;
}

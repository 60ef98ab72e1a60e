#pragma once

#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// Placed anywhere inside a scroll view's content: switches off the bounce of the nearest
// enclosing Flickable (it then stops at its bounds). Outside any Flickable it does nothing.
class VerticalScrollBounceDisabler : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit VerticalScrollBounceDisabler(QQuickItem *parent = nullptr);

protected:
    void componentComplete() override;
    void itemChange(ItemChange change, const ItemChangeData &data) override;

private:
    void scheduleSearch();
    void disableEnclosingBounce();
};

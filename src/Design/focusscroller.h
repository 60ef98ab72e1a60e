#pragma once

#include <QMetaObject>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// Scrolls whatever the focus moves to into view: every scrolling view (Flickable, ListView)
// around the newly focused item moves just enough to show it whole, with a small margin, so that
// Tab and a screen reader's focus never land on a control below the fold. One per window.
class FocusScroller : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit FocusScroller(QQuickItem *parent = nullptr);

    // Shows `item` in each scrolling view that holds it.
    static void reveal(QQuickItem *item);

protected:
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    QMetaObject::Connection m_focusConnection;
};

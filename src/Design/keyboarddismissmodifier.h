#pragma once

#include <QPointF>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// Wraps the root of a window's content: a tap anywhere inside it, outside the field being
// edited, ends editing. It only watches the taps its content receives, so the tapped control
// still works; a drag or a scroll is no tap.
class KeyboardDismissModifier : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit KeyboardDismissModifier(QQuickItem *parent = nullptr);

protected:
    bool childMouseEventFilter(QQuickItem *item, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void touchEvent(QTouchEvent *event) override;

private:
    void observe(QEvent *event);
    void pressed(const QPointF &scenePosition);
    void released(const QPointF &scenePosition);

    QPointF m_pressPosition;
    bool m_tracking = false;
};

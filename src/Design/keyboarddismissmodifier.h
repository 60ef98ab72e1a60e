#pragma once

#include <QPointF>
#include <QPointer>
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
    // The field edited when the tap began, and whether the tap began on it: the field may have
    // moved by the release (scrolled into view above the keyboard's bar).
    QPointer<QQuickItem> m_pressedField;
    bool m_pressedInsideField = false;
    bool m_tracking = false;
};

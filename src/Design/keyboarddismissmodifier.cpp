#include "keyboarddismissmodifier.h"

#include "textediting.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QQuickWindow>
#include <QStyleHints>
#include <QTouchEvent>

KeyboardDismissModifier::KeyboardDismissModifier(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFiltersChildMouseEvents(true);
    // Taps that no control takes reach the modifier itself.
    setAcceptedMouseButtons(Qt::LeftButton);
    setAcceptTouchEvents(true);
}

bool KeyboardDismissModifier::childMouseEventFilter(QQuickItem *, QEvent *event)
{
    observe(event);
    return false;
}

void KeyboardDismissModifier::mousePressEvent(QMouseEvent *event)
{
    observe(event);
    event->accept();
}

void KeyboardDismissModifier::mouseReleaseEvent(QMouseEvent *event)
{
    observe(event);
}

void KeyboardDismissModifier::touchEvent(QTouchEvent *event)
{
    observe(event);
    event->accept();
}

void KeyboardDismissModifier::observe(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        if (auto *pointer = static_cast<QPointerEvent *>(event); pointer->pointCount() == 1)
            pressed(pointer->point(0).scenePosition());
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::TouchEnd:
        if (auto *pointer = static_cast<QPointerEvent *>(event); pointer->pointCount() == 1)
            released(pointer->point(0).scenePosition());
        break;
    default:
        break;
    }
}

void KeyboardDismissModifier::pressed(const QPointF &scenePosition)
{
    m_pressPosition = scenePosition;
    QQuickItem *focused = window() ? window()->activeFocusItem() : nullptr;
    m_tracking = TextEditing::isEditable(focused);
    m_pressedField = m_tracking ? focused : nullptr;
    // Not boundingRect(): a text input reports only its text's extent there.
    m_pressedInsideField = m_tracking && focused->mapRectToScene(QRectF(0, 0, focused->width(), focused->height())).contains(scenePosition);
}

void KeyboardDismissModifier::released(const QPointF &scenePosition)
{
    if (!m_tracking)
        return;
    m_tracking = false;
    if ((scenePosition - m_pressPosition).manhattanLength() > QGuiApplication::styleHints()->startDragDistance())
        return;
    // Decide once the release has been delivered: a tap on another field has moved the focus to
    // it by then, and a tap inside the edited field keeps editing.
    QMetaObject::invokeMethod(
        this,
        [this, field = m_pressedField, inside = m_pressedInsideField, scenePosition] {
            QQuickItem *focused = window() ? window()->activeFocusItem() : nullptr;
            if (!TextEditing::isEditable(focused) || focused != field || inside)
                return;
            if (focused->mapRectToScene(QRectF(0, 0, focused->width(), focused->height())).contains(scenePosition))
                return;
            TextEditing::endEditing();
        },
        Qt::QueuedConnection);
}

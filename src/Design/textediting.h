#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class QQuickItem;

// Ends text editing the way the platform's "resign first responder" does: whichever editable
// field has the keyboard loses it. Reached from QML as the singleton `TextEditing`.
class TextEditing : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit TextEditing(QObject *parent = nullptr);

    // Takes the focus from the focused editable field of every window; false when none had it.
    Q_INVOKABLE static bool endEditing();
    // A text input or text area that accepts typing.
    Q_INVOKABLE static bool isEditable(const QQuickItem *item);
};

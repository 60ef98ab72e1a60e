#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class QQuickItem;

// Ends text editing the way the platform's "resign first responder" does: whichever editable
// field has the keyboard loses it. Also tells the screens how much of the window's bottom the
// keyboard's bar takes, and what a field's keypad types. Reached from QML as the singleton
// `TextEditing`.
class TextEditing : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // Height of the strip at the window's bottom that the keyboard's bar holds while a field is
    // edited (0 otherwise); the window's content and its sheets end above it.
    Q_PROPERTY(qreal keyboardHeight READ keyboardHeight WRITE setKeyboardHeight NOTIFY keyboardHeightChanged)

public:
    explicit TextEditing(QObject *parent = nullptr);

    qreal keyboardHeight() const { return m_keyboardHeight; }
    void setKeyboardHeight(qreal height);

    // Takes the focus from the focused editable field of every window; false when none had it.
    Q_INVOKABLE static bool endEditing();
    // A text input or text area that accepts typing.
    Q_INVOKABLE static bool isEditable(const QQuickItem *item);
    // Whether a key that types `text` is on the keypad of a field with input method `hints`: a
    // number pad (Qt.ImhDigitsOnly) types ASCII digits, a phone pad (Qt.ImhDialableCharactersOnly)
    // digits, "+", "*" and "#"; other keypads type anything. A key that types no printable text
    // (Backspace, arrows) and a shortcut (with Ctrl, Alt or Meta, such as Ctrl+V) are on every
    // keypad.
    Q_INVOKABLE static bool keypadTypes(int hints, const QString &text, int modifiers = Qt::NoModifier);

Q_SIGNALS:
    void keyboardHeightChanged();

private:
    qreal m_keyboardHeight = 0;
};

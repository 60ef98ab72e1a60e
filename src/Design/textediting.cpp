#include "textediting.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QQuickItem>
#include <QQuickWindow>

#include <algorithm>

TextEditing::TextEditing(QObject *parent)
    : QObject(parent)
{
}

void TextEditing::setKeyboardHeight(qreal height)
{
    if (qFuzzyCompare(m_keyboardHeight + 1, height + 1))
        return;
    m_keyboardHeight = height;
    Q_EMIT keyboardHeightChanged();
}

bool TextEditing::isEditable(const QQuickItem *item)
{
    if (!item || !(item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit")))
        return false;
    return !item->property("readOnly").toBool() && item->isEnabled();
}

bool TextEditing::keypadTypes(int hints, const QString &text, int modifiers)
{
    const bool numberPad = hints & Qt::ImhDigitsOnly;
    const bool phonePad = hints & Qt::ImhDialableCharactersOnly;
    if ((!numberPad && !phonePad) || (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return true;
    const bool printable = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint(); });
    if (!printable)
        return true;
    return std::all_of(text.cbegin(), text.cend(), [phonePad](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (phonePad && QStringView(u"+*#").contains(c));
    });
}

bool TextEditing::endEditing()
{
    bool ended = false;
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        auto *quickWindow = qobject_cast<QQuickWindow *>(window);
        QQuickItem *focused = quickWindow ? quickWindow->activeFocusItem() : nullptr;
        if (!isEditable(focused))
            continue;
        QGuiApplication::inputMethod()->commit();
        focused->setFocus(false);
        // A field that is the only focusable item of its scope keeps active focus through the
        // scope; hand it to the window's root instead.
        if (focused->hasActiveFocus())
            quickWindow->contentItem()->forceActiveFocus(Qt::OtherFocusReason);
        ended = true;
    }
    if (ended)
        QGuiApplication::inputMethod()->hide();
    return ended;
}

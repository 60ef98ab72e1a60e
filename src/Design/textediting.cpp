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

void TextEditing::reveal(QQuickItem *field, qreal margin)
{
    if (!field || !field->window())
        return;
    // A field that has just grown, or a view that has just shrunk, is laid out on the next frame:
    // lay out now, so that the numbers below are the ones the user will see.
    for (QQuickItem *item = field; item; item = item->parentItem())
        item->ensurePolished();

    const QRectF whole(0, 0, field->width(), field->height());
    const QRectF cursor = field->property("cursorRectangle").toRectF();
    for (QQuickItem *view = field->parentItem(); view; view = view->parentItem()) {
        if (!view->inherits("QQuickFlickable") || view->property("contentHeight").toReal() <= 0)
            continue;
        const qreal viewHeight = view->height();
        QRectF wanted = whole.adjusted(0, -margin, 0, margin);
        if (wanted.height() > viewHeight && cursor.isValid())
            wanted = cursor.adjusted(0, -margin, 0, margin);
        const QRectF shown = field->mapRectToItem(view, wanted);
        qreal by = 0;
        if (shown.bottom() > viewHeight)
            by = shown.bottom() - viewHeight;
        if (shown.top() - by < 0)
            by = shown.top();
        if (qFuzzyIsNull(by))
            continue;
        const qreal contentY = view->property("contentY").toReal();
        const qreal top = view->property("originY").toReal() - view->property("topMargin").toReal();
        const qreal bottom = view->property("originY").toReal() + view->property("contentHeight").toReal()
            + view->property("bottomMargin").toReal() - viewHeight;
        view->setProperty("contentY", std::clamp(contentY + by, top, std::max(top, bottom)));
    }
}

#include "accessibletextfield.h"

#include "accessiblekit.h"

#include <QQuickWindow>

#include <algorithm>

namespace
{
// TextInput.EchoMode: Normal, NoEcho, Password, PasswordEchoOnEdit.
constexpr int normalEcho = 0;
constexpr int noEcho = 1;
} // namespace

bool AccessibleTextField::isSecret(const QObject *field)
{
    return field && field->inherits("QQuickTextInput") && field->property("echoMode").toInt() != normalEcho;
}

QString AccessibleTextField::masked(const QObject *field, const QString &text)
{
    if (field->property("echoMode").toInt() == noEcho)
        return {};
    // Made from the length: the shown text can hold the last character typed for a moment.
    const QString character = field->property("passwordCharacter").toString();
    return QString(text.size(), character.isEmpty() ? QChar(0x2022) : character.front());
}

QString AccessibleTextField::readableText() const
{
    QQuickItem *field = item();
    if (!field)
        return {};
    if (isSecret(field))
        return masked(field, field->property("text").toString());
    if (field->inherits("QQuickTextInput"))
        return field->property("displayText").toString();
    // A text area: its text without the markup of a rich one.
    QString plain;
    QMetaObject::invokeMethod(field, "getText", Q_RETURN_ARG(QString, plain), Q_ARG(int, 0), Q_ARG(int, field->property("length").toInt()));
    return plain;
}

bool AccessibleTextField::isMask() const
{
    return isSecret(item());
}

bool AccessibleTextField::acceptsEdits() const
{
    QQuickItem *field = item();
    return field && field->isEnabled() && !field->property("readOnly").toBool();
}

QString AccessibleTextField::text(QAccessible::Text type) const
{
    switch (type) {
    case QAccessible::Name: {
        const QString name = AccessibleItem::text(type);
        return !name.isEmpty() || !item() ? name : item()->property("placeholderText").toString();
    }
    case QAccessible::Description: {
        // Qt puts the placeholder here; when it is already the name, it is not said twice.
        const QString description = AccessibleItem::text(type);
        return description == text(QAccessible::Name) ? QString() : description;
    }
    case QAccessible::Value:
        return readableText();
    default:
        return AccessibleItem::text(type);
    }
}

QAccessible::Role AccessibleTextField::role() const
{
    return QAccessible::EditableText;
}

QAccessible::State AccessibleTextField::state() const
{
    QAccessible::State state = AccessibleItem::state();
    state.focusable = true;
    state.editable = acceptsEdits();
    state.readOnly = item() && item()->property("readOnly").toBool();
    state.passwordEdit = isSecret(item());
    state.multiLine = item() && item()->inherits("QQuickTextEdit");
    return state;
}

void *AccessibleTextField::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return AccessibleItem::interface_cast(type);
}

void AccessibleTextField::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
    if (selectionIndex == 0 && selectionCount() == 1) {
        *startOffset = item()->property("selectionStart").toInt();
        *endOffset = item()->property("selectionEnd").toInt();
    }
}

int AccessibleTextField::selectionCount() const
{
    return item() && item()->property("selectionStart").toInt() != item()->property("selectionEnd").toInt() ? 1 : 0;
}

void AccessibleTextField::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleTextField::removeSelection(int selectionIndex)
{
    if (item() && selectionIndex == 0)
        QMetaObject::invokeMethod(item(), "deselect");
}

void AccessibleTextField::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (item() && selectionIndex == 0)
        QMetaObject::invokeMethod(item(), "select", Q_ARG(int, startOffset), Q_ARG(int, endOffset));
}

int AccessibleTextField::cursorPosition() const
{
    return item() ? item()->property("cursorPosition").toInt() : 0;
}

void AccessibleTextField::setCursorPosition(int position)
{
    if (item())
        item()->setProperty("cursorPosition", position);
}

QRect AccessibleTextField::characterRect(int offset) const
{
    QQuickItem *field = item();
    if (!field || !field->window())
        return {};
    // The box of a character runs from the cursor before it to the cursor after it.
    QRectF before;
    QRectF after;
    QMetaObject::invokeMethod(field, "positionToRectangle", Q_RETURN_ARG(QRectF, before), Q_ARG(int, offset));
    QMetaObject::invokeMethod(field, "positionToRectangle", Q_RETURN_ARG(QRectF, after), Q_ARG(int, offset + 1));
    const QRectF scene = field->mapRectToScene(before.united(after));
    return {field->window()->mapToGlobal(scene.topLeft().toPoint()), scene.size().toSize()};
}

int AccessibleTextField::offsetAtPoint(const QPoint &point) const
{
    // TextInput.positionAt() takes its arguments from QML only: the character whose box holds
    // the point is looked up instead.
    for (int offset = 0; offset < characterCount(); ++offset) {
        if (characterRect(offset).contains(point))
            return offset;
    }
    return -1;
}

void AccessibleTextField::deleteText(int startOffset, int endOffset)
{
    if (acceptsEdits())
        QMetaObject::invokeMethod(item(), "remove", Q_ARG(int, startOffset), Q_ARG(int, endOffset));
}

void AccessibleTextField::insertText(int offset, const QString &text)
{
    if (acceptsEdits())
        QMetaObject::invokeMethod(item(), "insert", Q_ARG(int, offset), Q_ARG(QString, text));
}

void AccessibleTextField::replaceText(int startOffset, int endOffset, const QString &text)
{
    // One edit, as a paste over a selection is: a field that rewrites each edit (a phone number)
    // would otherwise rewrite the text left between the deletion and the insertion.
    QQuickItem *field = item();
    if (!acceptsEdits())
        return;
    const QString current = field->property("text").toString();
    if (startOffset < 0 || endOffset < startOffset || endOffset > current.size())
        return;
    QString replaced = current.left(startOffset) + text + current.mid(endOffset);
    // A text area has no limit, and no signal for an edit of the user's.
    const QVariant limit = field->property("maximumLength");
    if (limit.isValid() && limit.toInt() >= 0 && replaced.size() > limit.toInt())
        replaced.truncate(limit.toInt());
    field->setProperty("text", replaced);
    field->setProperty("cursorPosition", std::min<int>(startOffset + int(text.size()), int(replaced.size())));
    if (field->metaObject()->indexOfSignal("textEdited()") >= 0)
        QMetaObject::invokeMethod(field, "textEdited");
}

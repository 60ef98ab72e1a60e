#include "accessibletextfield.h"

#include "accessiblekit.h"

#include <QMetaProperty>
#include <QQuickWindow>

#include <algorithm>

namespace
{
// TextInput.EchoMode: Normal, NoEcho, Password, PasswordEchoOnEdit.
constexpr int normalEcho = 0;
constexpr int noEcho = 1;

// One change of a text: `removed` and then `inserted` at `start`.
struct Change {
    int start = 0;
    QString removed;
    QString inserted;
};

// The change from `before` to `after`, the caret at `cursor` after it. Among the places a
// character typed into a run of the same ones ("aa" to "aaa") could have gone, the caret tells
// where it did (so it does for a mask, whose characters are all alike).
Change difference(const QString &before, const QString &after, int cursor)
{
    const qsizetype common = std::min(before.size(), after.size());
    qsizetype start = 0;
    while (start < common && before.at(start) == after.at(start))
        ++start;
    qsizetype end = 0;
    while (end < common - start && before.at(before.size() - 1 - end) == after.at(after.size() - 1 - end))
        ++end;
    const qsizetype grown = after.size() - before.size();
    if (start + end == common && grown != 0) {
        const QStringView longer = grown > 0 ? after : before;
        const QStringView shorter = grown > 0 ? before : after;
        const qsizetype at = grown > 0 ? cursor - grown : cursor;
        if (at >= 0 && at <= shorter.size() && longer.left(at) == shorter.left(at) && longer.mid(at + std::abs(grown)) == shorter.mid(at)) {
            start = at;
            end = shorter.size() - at;
        }
    }
    return {int(start), before.mid(start, before.size() - start - end), after.mid(start, after.size() - start - end)};
}
} // namespace

// What a screen reader was last told a field shows, and where its caret was. A change is told
// once the event that made it has been handled, so that a rule that rewrites the field (the phone
// rule) has had its turn: a reader hears what the field came to show, never a text it did not.
class TextEditReport : public QObject
{
    Q_OBJECT

public:
    explicit TextEditReport(QQuickItem *field)
        : QObject(field)
        , m_field(field)
    {
        setObjectName(QStringLiteral("TextEditReport"));
        const QMetaObject *type = field->metaObject();
        const QMetaMethod changed = metaObject()->method(metaObject()->indexOfSlot("changed()"));
        for (const char *name : {"text", "displayText", "cursorPosition", "echoMode"}) {
            const int index = type->indexOfProperty(name);
            if (index >= 0 && type->property(index).hasNotifySignal())
                connect(field, type->property(index).notifySignal(), this, changed);
        }
        m_told = shown();
        m_toldCursor = cursor();
        m_toldSecret = AccessibleTextField::isSecret(field);
    }

    static TextEditReport *of(const QObject *field)
    {
        return field ? field->findChild<TextEditReport *>(QStringLiteral("TextEditReport"), Qt::FindDirectChildrenOnly) : nullptr;
    }

    // True while this report's own events are on their way.
    static inline bool telling = false;

public Q_SLOTS:
    void changed()
    {
        if (m_pending)
            return;
        m_pending = true;
        QMetaObject::invokeMethod(this, &TextEditReport::tell, Qt::QueuedConnection);
    }

private:
    QString shown() const { return AccessibleTextField::shownText(m_field); }

    int cursor() const { return m_field->property("cursorPosition").toInt(); }

    void post(QAccessibleEvent &&event)
    {
        if (QAccessible::isActive())
            QAccessible::updateAccessibility(&event);
    }

    void tell()
    {
        m_pending = false;
        const QString now = shown();
        const int caret = cursor();
        const bool secret = AccessibleTextField::isSecret(m_field);
        // A password shown or hidden again changes its characters, not its text: nothing to
        // tell (and a shown one's characters must not go out as typed).
        const bool edited = now != m_told && secret == m_toldSecret;
        const bool moved = caret != m_toldCursor;
        const Change edit = difference(m_told, now, caret);
        m_told = now;
        m_toldCursor = caret;
        m_toldSecret = secret;
        if (!edited && !moved)
            return;
        telling = true;
        if (edited && !edit.removed.isEmpty())
            post(QAccessibleTextRemoveEvent(m_field, edit.start, edit.removed));
        if (edited && !edit.inserted.isEmpty())
            post(QAccessibleTextInsertEvent(m_field, edit.start, edit.inserted));
        post(QAccessibleTextCursorEvent(m_field, caret));
        telling = false;
    }

    QQuickItem *m_field;
    QString m_told;
    int m_toldCursor = 0;
    bool m_toldSecret = false;
    bool m_pending = false;
};

AccessibleTextField::AccessibleTextField(QQuickItem *item)
    : AccessibleItem(item)
{
    if (!TextEditReport::of(item))
        new TextEditReport(item);
}

bool AccessibleTextField::isSuperseded(const QAccessibleEvent *event)
{
    switch (event->type()) {
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
        return !TextEditReport::telling && TextEditReport::of(event->object());
    default:
        return false;
    }
}

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
    return shownText(item());
}

QString AccessibleTextField::shownText(QQuickItem *field)
{
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

#include "accessibletextfield.moc"

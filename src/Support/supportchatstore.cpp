#include "supportchatstore.h"

#include "clock.h"
#include "defaultskeys.h"
#include "supportchatformatter.h"
#include "userdefaults.h"

#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(lcSupport, "tarvik.support", QtWarningMsg)

SupportChatStore::SupportChatStore(UserDefaults *defaults, const Clock *clock, QObject *parent)
    : QAbstractListModel(parent)
    , m_defaults(defaults)
    , m_clock(clock)
{
}

SupportChatStore::~SupportChatStore() = default;

QString SupportChatStore::unreadableBackupKey()
{
    return QLatin1String(Defaults::supportChatMessages.name) + QStringLiteral(".unreadable");
}

void SupportChatStore::ensureLoaded()
{
    if (m_loaded)
        return;
    QList<SupportChatMessage> loaded;
    if (m_defaults && m_defaults->contains(QLatin1String(Defaults::supportChatMessages.name))) {
        const QByteArray stored = m_defaults->value(Defaults::supportChatMessages);
        if (auto decoded = SupportChatCodec::decode(stored))
            loaded = SupportChatCodec::personalize(std::move(*decoded));
        else
            m_unreadable = stored;
    }
    if (loaded.isEmpty())
        loaded.append(greetingMessage());
    beginResetModel();
    m_messages = std::move(loaded);
    m_loaded = true;
    endResetModel();
    Q_EMIT loadedChanged();
    Q_EMIT countChanged();
    Q_EMIT pinnedChanged();
}

std::optional<SupportChatMessage> SupportChatStore::message(const QUuid &id) const
{
    const int row = rowOf(id);
    return row < 0 ? std::nullopt : std::optional(m_messages.at(row));
}

bool SupportChatStore::hasPinned() const
{
    return std::any_of(m_messages.cbegin(), m_messages.cend(), [](const SupportChatMessage &m) { return m.isPinned(); });
}

QString SupportChatStore::pinnedText() const
{
    // A stored history may hold several (edited data): the banner shows the later one.
    for (auto it = m_messages.crbegin(); it != m_messages.crend(); ++it) {
        if (it->isPinned())
            return it->text;
    }
    return {};
}

double SupportChatStore::now() const
{
    const QDateTime time = m_clock ? m_clock->now() : QDateTime::currentDateTime();
    return SupportChatCodec::referenceSeconds(time.toMSecsSinceEpoch());
}

void SupportChatStore::append(const SupportChatMessage &message)
{
    ensureLoaded();
    appendRow(message);
    save();
}

void SupportChatStore::appendRow(const SupportChatMessage &message)
{
    beginInsertRows({}, count(), count());
    m_messages.append(message);
    endInsertRows();
    Q_EMIT countChanged();
    if (message.isPinned())
        Q_EMIT pinnedChanged();
}

bool SupportChatStore::edit(const QUuid &id, const QString &text)
{
    for (int row = 0; row < count(); ++row) {
        SupportChatMessage &message = m_messages[row];
        if (message.id != id || !message.outgoing)
            continue;
        message.text = text;
        message.editedAt = now();
        changedRow(row);
        if (message.isPinned())
            Q_EMIT pinnedChanged();
        save();
        return true;
    }
    return false;
}

void SupportChatStore::appendAnswer(const SupportChatMessage &answer, double readTime)
{
    ensureLoaded();
    for (int row = 0; row < count(); ++row) {
        SupportChatMessage &message = m_messages[row];
        if (message.outgoing && !message.readAt) {
            message.readAt = readTime;
            changedRow(row);
        }
    }
    appendRow(answer);
    save();
}

bool SupportChatStore::togglePinned(const QUuid &id)
{
    const int row = rowOf(id);
    if (row < 0)
        return false;
    const bool wasPinned = m_messages.at(row).isPinned();
    if (!wasPinned) {
        for (SupportChatMessage &message : m_messages)
            message.pinned = false;
    }
    m_messages[row].pinned = !wasPinned;
    if (count() > 0)
        Q_EMIT dataChanged(index(0), index(count() - 1), {PinnedRole});
    Q_EMIT pinnedChanged();
    save();
    return true;
}

bool SupportChatStore::toggleReaction(const QUuid &id, SupportChatReaction reaction)
{
    const int row = rowOf(id);
    if (row < 0 || m_messages.at(row).outgoing)
        return false;
    SupportChatMessage &message = m_messages[row];
    if (message.reaction == reaction)
        message.reaction.reset();
    else
        message.reaction = reaction;
    changedRow(row);
    save();
    return true;
}

bool SupportChatStore::remove(const QUuid &id)
{
    bool removed = false;
    for (int row = count() - 1; row >= 0; --row) {
        if (m_messages.at(row).id != id)
            continue;
        beginRemoveRows({}, row, row);
        m_messages.removeAt(row);
        endRemoveRows();
        removed = true;
    }
    if (removed) {
        Q_EMIT countChanged();
        Q_EMIT pinnedChanged();
    }
    save();
    return removed;
}

void SupportChatStore::save()
{
    if (!m_defaults || !m_loaded)
        return;
    if (m_unreadable) {
        // The history that could not be read is not lost to the first write over it.
        m_defaults->setValue(unreadableBackupKey(), *m_unreadable);
        m_unreadable.reset();
    }
    if (!m_defaults->setValue(Defaults::supportChatMessages, fitInto(UserDefaults::maxValueBytes)))
        qCWarning(lcSupport) << "the chat history was not stored";
}

QByteArray SupportChatStore::fitInto(qsizetype limit)
{
    QByteArray encoded = SupportChatCodec::encode(m_messages);
    if (encoded.size() <= limit)
        return encoded;
    // The newest that fit: each message's object, with a comma between and the brackets around.
    // A message too long to be stored even alone goes by itself, not with the history before it.
    QList<bool> kept(count(), false);
    qsizetype size = 2;
    int keep = 0;
    for (int row = count() - 1; row >= 0; --row) {
        const qsizetype object = SupportChatCodec::encode({m_messages.at(row)}).size() - 2;
        if (2 + object > limit)
            continue;
        const qsizetype needed = object + (keep > 0 ? 1 : 0);
        if (size + needed > limit)
            break;
        size += needed;
        kept[row] = true;
        ++keep;
    }
    qCInfo(lcSupport) << "the chat history is over" << limit << "bytes:" << count() - keep << "messages go";
    bool pinnedGoes = false;
    for (int row = count() - 1; row >= 0; --row) {
        if (kept.at(row))
            continue;
        // The run of messages that go, ending at `row`.
        int first = row;
        while (first > 0 && !kept.at(first - 1))
            --first;
        pinnedGoes = pinnedGoes
            || std::any_of(m_messages.cbegin() + first, m_messages.cbegin() + row + 1, [](const SupportChatMessage &m) { return m.isPinned(); });
        beginRemoveRows({}, first, row);
        m_messages.remove(first, row - first + 1);
        endRemoveRows();
        row = first;
    }
    // Nothing could be stored: what remains is what a restart would show.
    if (m_messages.isEmpty())
        appendRow(greetingMessage());
    Q_EMIT countChanged();
    if (pinnedGoes)
        Q_EMIT pinnedChanged();
    return SupportChatCodec::encode(m_messages);
}

SupportChatMessage SupportChatStore::greetingMessage() const
{
    return {.id = QUuid::createUuid(), .text = QString::fromUtf16(SupportChatCodec::greeting), .outgoing = false, .sentAt = now()};
}

QVariantMap SupportChatStore::get(int row) const
{
    QVariantMap map;
    if (row < 0 || row >= count())
        return map;
    const QHash<int, QByteArray> roles = roleNames();
    for (auto it = roles.cbegin(); it != roles.cend(); ++it)
        map.insert(QString::fromLatin1(it.value()), data(index(row), it.key()));
    return map;
}

int SupportChatStore::indexOf(const QString &id) const
{
    return rowOf(QUuid::fromString(id));
}

int SupportChatStore::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant SupportChatStore::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const SupportChatMessage &message = m_messages.at(index.row());
    switch (role) {
    case IdRole:
        return message.id.toString(QUuid::WithoutBraces).toUpper();
    case Qt::DisplayRole:
    case TextRole:
        return message.text;
    case OutgoingRole:
        return message.outgoing;
    case SentAtRole:
        return message.sentAt;
    case TimeTextRole:
        return SupportChatFormatter::time(message.sentAt);
    case EditedRole:
        return message.editedAt.has_value();
    case ReadRole:
        return message.readAt.has_value();
    case PinnedRole:
        return message.isPinned();
    case ReactionRole:
        return message.reaction ? SupportChatCodec::reactionName(*message.reaction) : QString();
    case HasReplyRole:
        return message.replyTo.has_value();
    case ReplyAuthorRole:
        return message.replyTo ? message.replyTo->author : QString();
    case ReplyTextRole:
        return message.replyTo ? message.replyTo->text : QString();
    case EditedAtRole:
        return message.editedAt ? QVariant(*message.editedAt) : QVariant();
    case ReadAtRole:
        return message.readAt ? QVariant(*message.readAt) : QVariant();
    default:
        return {};
    }
}

QHash<int, QByteArray> SupportChatStore::roleNames() const
{
    return {
        {IdRole, "messageId"},
        {TextRole, "text"},
        {OutgoingRole, "outgoing"},
        {SentAtRole, "sentAt"},
        {TimeTextRole, "timeText"},
        {EditedRole, "edited"},
        {ReadRole, "read"},
        {PinnedRole, "pinned"},
        {ReactionRole, "reaction"},
        {HasReplyRole, "hasReply"},
        {ReplyAuthorRole, "replyAuthor"},
        {ReplyTextRole, "replyText"},
        {EditedAtRole, "editedAt"},
        {ReadAtRole, "readAt"},
    };
}

int SupportChatStore::rowOf(const QUuid &id) const
{
    for (int row = 0; row < count(); ++row) {
        if (m_messages.at(row).id == id)
            return row;
    }
    return -1;
}

void SupportChatStore::changedRow(int row)
{
    Q_EMIT dataChanged(index(row), index(row));
}

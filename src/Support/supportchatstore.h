#pragma once

#include "supportchatmessage.h"

#include <QAbstractListModel>
#include <QList>
#include <QUuid>

class Clock;
class UserDefaults;

// The chat history of the whole app, shared by every support screen: one ordered list of
// messages (oldest first), read from the user-defaults store when a support screen first needs
// it and written back whole after every change. Screens keep only their composer and pending
// answers; they change the history through this object.
// The stored value has a size limit (UserDefaults::maxValueBytes): a history that would pass it
// loses its oldest messages, here and in the store alike, so that what is shown is what a
// restart reads.
class SupportChatStore : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(bool loaded READ isLoaded NOTIFY loadedChanged)
    // The last pinned message's text, and whether one is pinned.
    Q_PROPERTY(bool hasPinned READ hasPinned NOTIFY pinnedChanged)
    Q_PROPERTY(QString pinnedText READ pinnedText NOTIFY pinnedChanged)

public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        TextRole,
        OutgoingRole,
        SentAtRole,
        TimeTextRole,
        EditedRole,
        ReadRole,
        PinnedRole,
        ReactionRole,
        HasReplyRole,
        ReplyAuthorRole,
        ReplyTextRole,
        EditedAtRole, // seconds since 2001, or undefined
        ReadAtRole,
    };
    Q_ENUM(Role)

    // Without `defaults` the history lives in memory only.
    explicit SupportChatStore(UserDefaults *defaults, const Clock *clock = nullptr, QObject *parent = nullptr);
    ~SupportChatStore() override;

    // Reads the stored history once; later calls do nothing. An empty, missing or unreadable
    // history gives the greeting alone.
    Q_INVOKABLE void ensureLoaded();
    bool isLoaded() const { return m_loaded; }

    // The key under which an unreadable history is kept before it is first overwritten.
    static QString unreadableBackupKey();

    const QList<SupportChatMessage> &messages() const { return m_messages; }
    std::optional<SupportChatMessage> message(const QUuid &id) const;
    int count() const { return int(m_messages.size()); }
    bool hasPinned() const;
    QString pinnedText() const;
    // Current time in stored form.
    double now() const;

    // Changes; each one is saved at once.
    void append(const SupportChatMessage &message);
    // New text and edit time for the outgoing message `id`; false when there is none.
    bool edit(const QUuid &id, const QString &text);
    // The assistant's answer: every outgoing message not yet read is read at `readTime`.
    void appendAnswer(const SupportChatMessage &answer, double readTime);
    // At most one message stays pinned: pinning one writes false into every other.
    bool togglePinned(const QUuid &id);
    // Incoming messages only; the same reaction again removes it.
    bool toggleReaction(const QUuid &id, SupportChatReaction reaction);
    bool remove(const QUuid &id);
    // Writes the whole list; a history that could not be read is copied aside first. The oldest
    // messages go when the list would not fit the store.
    Q_INVOKABLE void save();

    // The message at `row` as a plain map (the roles by name), for sheets that keep a copy.
    Q_INVOKABLE QVariantMap get(int row) const;
    Q_INVOKABLE int indexOf(const QString &id) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void countChanged();
    void loadedChanged();
    void pinnedChanged();

private:
    int rowOf(const QUuid &id) const;
    void changedRow(int row);
    void appendRow(const SupportChatMessage &message);
    SupportChatMessage greetingMessage() const;
    // Drops the oldest messages until the rest encodes within `limit` bytes; returns the rest's encoding.
    QByteArray fitInto(qsizetype limit);

    UserDefaults *m_defaults;
    const Clock *m_clock;
    QList<SupportChatMessage> m_messages;
    bool m_loaded = false;
    // The stored bytes that failed to decode, kept until they are copied aside.
    std::optional<QByteArray> m_unreadable;
};

#pragma once

#include "defaultskeys.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class UserDefaults;

// The in-app inbox: four fixed notes, which of them are unread and which deleted, kept in the
// user-defaults store (Defaults::unreadNotificationIds, Defaults::deletedNotificationIds). Every
// instance follows every write made anywhere, so the home bell and the inbox read the same state.
//   NotificationInbox { id: inbox }   inbox.unreadCount, inbox.notes, inbox.markRead(id)
// Each note is a map { id, title, message, icon, tint (a Theme colour name), date, unread }.
class NotificationInbox : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The notes not deleted, in table order, each with its `unread` flag.
    Q_PROPERTY(QVariantList notes READ notes NOTIFY changed)
    // Ids in the unread set, also ones that match no note.
    Q_PROPERTY(int unreadCount READ unreadCount NOTIFY changed)
    Q_PROPERTY(bool hasUnread READ hasUnread NOTIFY changed)

public:
    struct Note {
        qint64 id;
        QString title;
        QString message;
        QString icon;
        QString tint;
        QString date;
    };

    // Over the store QML reads (StoredPreference::defaults()).
    explicit NotificationInbox(QObject *parent = nullptr);
    explicit NotificationInbox(UserDefaults *defaults, QObject *parent = nullptr);

    static const QList<Note> &allNotes();

    QVariantList notes() const;
    QList<qint64> unreadIds() const;
    QList<qint64> deletedIds() const;
    int unreadCount() const { return int(unreadIds().size()); }
    bool hasUnread() const { return !unreadIds().isEmpty(); }

    Q_INVOKABLE bool isUnread(qint64 id) const;
    Q_INVOKABLE void markRead(qint64 id);
    // Marks the note read, then deletes it for good.
    Q_INVOKABLE void deleteNote(qint64 id);
    Q_INVOKABLE void markAllRead();

Q_SIGNALS:
    void changed();

private:
    void store(const StringKey &key, const QString &ids);

    QPointer<UserDefaults> m_defaults;
};

#include "notificationinbox.h"

#include "notificationidset.h"
#include "storedpreference.h"
#include "userdefaults.h"

NotificationInbox::NotificationInbox(QObject *parent)
    : NotificationInbox(StoredPreference::defaults(), parent)
{
}

NotificationInbox::NotificationInbox(UserDefaults *defaults, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
{
    if (!m_defaults)
        return;
    connect(m_defaults, &UserDefaults::valueChanged, this, [this](const QString &key) {
        if (key == QLatin1String(Defaults::unreadNotificationIds.name) || key == QLatin1String(Defaults::deletedNotificationIds.name))
            Q_EMIT changed();
    });
}

const QList<NotificationInbox::Note> &NotificationInbox::allNotes()
{
    static const QList<Note> notes{
        {0, QStringLiteral("Пора пополнить баланс"), QStringLiteral("До следующего списания осталось 3 дня. Рекомендуемая сумма — 890 ₽."),
         QStringLiteral("rublesign.circle.fill"), QStringLiteral("tarPink"), QStringLiteral("Сегодня, 10:30")},
        {1, QStringLiteral("Новый тариф Tarvik 700"), QStringLiteral("Теперь доступна скорость до 700 Мбит/с."), QStringLiteral("speedometer"),
         QStringLiteral("tarOrange"), QStringLiteral("Вчера, 18:20")},
        {2, QStringLiteral("24ТВ: новые каналы"), QStringLiteral("В основном пакете появились новые развлекательные каналы."),
         QStringLiteral("play.tv.fill"), QStringLiteral("systemPurple"), QStringLiteral("25 августа")},
        {3, QStringLiteral("Спасибо за оплату"), QStringLiteral("Платёж на сумму 890 ₽ успешно зачислен на лицевой счёт."),
         QStringLiteral("checkmark.circle.fill"), QStringLiteral("systemGreen"), QStringLiteral("20 августа")},
    };
    return notes;
}

QVariantList NotificationInbox::notes() const
{
    const QList<qint64> unread = unreadIds();
    const QList<qint64> deleted = deletedIds();
    QVariantList shown;
    for (const Note &note : allNotes()) {
        if (deleted.contains(note.id))
            continue;
        shown.append(QVariantMap{
            {QStringLiteral("id"), note.id},
            {QStringLiteral("title"), note.title},
            {QStringLiteral("message"), note.message},
            {QStringLiteral("icon"), note.icon},
            {QStringLiteral("tint"), note.tint},
            {QStringLiteral("date"), note.date},
            {QStringLiteral("unread"), unread.contains(note.id)},
        });
    }
    return shown;
}

QList<qint64> NotificationInbox::unreadIds() const
{
    return m_defaults ? NotificationIdSet::parse(m_defaults->value(Defaults::unreadNotificationIds)) : QList<qint64>();
}

QList<qint64> NotificationInbox::deletedIds() const
{
    return m_defaults ? NotificationIdSet::parse(m_defaults->value(Defaults::deletedNotificationIds)) : QList<qint64>();
}

bool NotificationInbox::isUnread(qint64 id) const
{
    return unreadIds().contains(id);
}

void NotificationInbox::markRead(qint64 id)
{
    if (!m_defaults)
        return;
    QList<qint64> unread = unreadIds();
    unread.removeAll(id);
    store(Defaults::unreadNotificationIds, NotificationIdSet::serialise(unread));
}

void NotificationInbox::store(const StringKey &key, const QString &ids)
{
    // A key never written keeps reading its default: writing the default itself is no change.
    // Any other write goes through, so pieces the reader dropped leave the stored text with it.
    if (!m_defaults->contains(QLatin1String(key.name)) && ids == key.fallback())
        return;
    m_defaults->setValue(key, ids);
}

void NotificationInbox::deleteNote(qint64 id)
{
    if (!m_defaults)
        return;
    markRead(id);
    QList<qint64> deleted = deletedIds();
    deleted.append(id);
    store(Defaults::deletedNotificationIds, NotificationIdSet::serialise(deleted));
}

void NotificationInbox::markAllRead()
{
    if (m_defaults)
        store(Defaults::unreadNotificationIds, QString());
}

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

// The quoted message a reply was written to: who wrote it ("Вы" or "Мария") and its text then.
struct SupportChatReply {
    QString author;
    QString text;

    friend bool operator==(const SupportChatReply &, const SupportChatReply &) = default;
};

enum class SupportChatReaction {
    Like,
    Dislike,
};

// One message of the support chat. Dates are kept as they are stored: seconds since
// 1 January 2001 00:00:00 UTC, so that a stored history reads back and saves unchanged.
struct SupportChatMessage {
    QUuid id;
    QString text;
    bool outgoing = false;
    double sentAt = 0;
    std::optional<SupportChatReply> replyTo;
    std::optional<double> editedAt;
    std::optional<double> readAt;
    // Absent until the message first took part in pinning; absent and false both mean not pinned.
    std::optional<bool> pinned;
    std::optional<SupportChatReaction> reaction;

    bool isPinned() const { return pinned.value_or(false); }

    friend bool operator==(const SupportChatMessage &, const SupportChatMessage &) = default;
};

// The stored form of the chat history and the fixed texts of the assistant persona.
namespace SupportChatCodec
{
inline constexpr char16_t greeting[] = u"Здравствуйте! Меня зовут Мария. Я помогу с оплатой, тарифом, услугами и заявками.";
inline constexpr char16_t assistantName[] = u"Мария";
inline constexpr char16_t ownName[] = u"Вы";

// Compact JSON array, keys in the documented order, upper-case ids, absent optionals omitted.
QByteArray encode(const QList<SupportChatMessage> &messages);
// Strict and all-or-nothing: one malformed message fails the whole history. Keys in any order,
// unknown keys ignored, null optionals read as absent.
std::optional<QList<SupportChatMessage>> decode(const QByteArray &json);
// Older persona texts rewritten: the old greeting of an incoming message and the old reply author.
QList<SupportChatMessage> personalize(QList<SupportChatMessage> messages);

// "like" / "dislike".
QString reactionName(SupportChatReaction reaction);
std::optional<SupportChatReaction> reactionFromName(const QString &name);

// Seconds since 2001-01-01 UTC of `msecsSinceEpoch` and back.
double referenceSeconds(qint64 msecsSinceEpoch);
qint64 msecsSinceEpoch(double referenceSeconds);
} // namespace SupportChatCodec

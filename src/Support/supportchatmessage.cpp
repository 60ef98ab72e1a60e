#include "supportchatmessage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace SupportChatCodec
{
namespace
{
// 978307200 s: 2001-01-01 00:00:00 UTC after the Unix epoch.
constexpr double referenceEpochSeconds = 978307200.0;

const QString oldGreetingMarker = QStringLiteral("виртуальный помощник Tarvik");
const QString oldReplyAuthor = QStringLiteral("Поддержка Tarvik");

// One JSON value written the way Qt writes it inside an array, without the brackets.
QByteArray jsonValue(const QJsonValue &value)
{
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
}

bool readUuid(const QJsonValue &value, QUuid &out)
{
    static const QRegularExpression form(QStringLiteral("^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}$"));
    if (!value.isString() || !form.match(value.toString()).hasMatch())
        return false;
    out = QUuid::fromString(value.toString());
    return true;
}

bool readNumber(const QJsonValue &value, double &out)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return false;
    out = value.toDouble();
    return true;
}

// An optional key: absent and null both read as absent; any other wrong type fails.
template<typename T, typename Read>
bool readOptional(const QJsonObject &object, const char *key, std::optional<T> &out, Read read)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined() || value.isNull())
        return true;
    T parsed{};
    if (!read(value, parsed))
        return false;
    out = parsed;
    return true;
}

std::optional<SupportChatMessage> decodeMessage(const QJsonValue &json)
{
    if (!json.isObject())
        return std::nullopt;
    const QJsonObject object = json.toObject();
    SupportChatMessage message;
    const QJsonValue text = object.value(QLatin1String("text"));
    const QJsonValue outgoing = object.value(QLatin1String("outgoing"));
    if (!readUuid(object.value(QLatin1String("id")), message.id) || !text.isString() || !outgoing.isBool()
        || !readNumber(object.value(QLatin1String("sentAt")), message.sentAt))
        return std::nullopt;
    message.text = text.toString();
    message.outgoing = outgoing.toBool();

    const auto readReply = [](const QJsonValue &value, SupportChatReply &reply) {
        if (!value.isObject())
            return false;
        const QJsonValue author = value.toObject().value(QLatin1String("author"));
        const QJsonValue quoted = value.toObject().value(QLatin1String("text"));
        if (!author.isString() || !quoted.isString())
            return false;
        reply = {author.toString(), quoted.toString()};
        return true;
    };
    const auto readBool = [](const QJsonValue &value, bool &out) {
        if (!value.isBool())
            return false;
        out = value.toBool();
        return true;
    };
    const auto readReaction = [](const QJsonValue &value, SupportChatReaction &out) {
        const auto reaction = value.isString() ? reactionFromName(value.toString()) : std::nullopt;
        if (!reaction)
            return false;
        out = *reaction;
        return true;
    };
    if (!readOptional(object, "replyTo", message.replyTo, readReply) || !readOptional(object, "editedAt", message.editedAt, readNumber)
        || !readOptional(object, "readAt", message.readAt, readNumber) || !readOptional(object, "pinned", message.pinned, readBool)
        || !readOptional(object, "reaction", message.reaction, readReaction))
        return std::nullopt;
    return message;
}
} // namespace

QByteArray encode(const QList<SupportChatMessage> &messages)
{
    // Written by hand: QJsonObject would sort the keys.
    QByteArray out = "[";
    for (qsizetype i = 0; i < messages.size(); ++i) {
        const SupportChatMessage &message = messages.at(i);
        if (i > 0)
            out += ',';
        out += "{\"id\":" + jsonValue(message.id.toString(QUuid::WithoutBraces).toUpper());
        out += ",\"text\":" + jsonValue(message.text);
        out += ",\"outgoing\":" + jsonValue(message.outgoing);
        out += ",\"sentAt\":" + jsonValue(message.sentAt);
        if (message.replyTo) {
            out += ",\"replyTo\":{\"author\":" + jsonValue(message.replyTo->author) + ",\"text\":" + jsonValue(message.replyTo->text)
                + '}';
        }
        if (message.editedAt)
            out += ",\"editedAt\":" + jsonValue(*message.editedAt);
        if (message.readAt)
            out += ",\"readAt\":" + jsonValue(*message.readAt);
        if (message.pinned)
            out += ",\"pinned\":" + jsonValue(*message.pinned);
        if (message.reaction)
            out += ",\"reaction\":" + jsonValue(reactionName(*message.reaction));
        out += '}';
    }
    out += ']';
    return out;
}

std::optional<QList<SupportChatMessage>> decode(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<SupportChatMessage> messages;
    const QJsonArray array = document.array();
    messages.reserve(array.size());
    for (const QJsonValue &value : array) {
        auto message = decodeMessage(value);
        if (!message)
            return std::nullopt;
        messages.append(std::move(*message));
    }
    return messages;
}

QList<SupportChatMessage> personalize(QList<SupportChatMessage> messages)
{
    for (SupportChatMessage &message : messages) {
        if (!message.outgoing && message.text.contains(oldGreetingMarker))
            message.text = QString::fromUtf16(greeting);
        if (message.replyTo && message.replyTo->author == oldReplyAuthor)
            message.replyTo->author = QString::fromUtf16(assistantName);
    }
    return messages;
}

QString reactionName(SupportChatReaction reaction)
{
    return reaction == SupportChatReaction::Like ? QStringLiteral("like") : QStringLiteral("dislike");
}

std::optional<SupportChatReaction> reactionFromName(const QString &name)
{
    if (name == QLatin1String("like"))
        return SupportChatReaction::Like;
    if (name == QLatin1String("dislike"))
        return SupportChatReaction::Dislike;
    return std::nullopt;
}

double referenceSeconds(qint64 msecsSinceEpoch)
{
    return double(msecsSinceEpoch) / 1000.0 - referenceEpochSeconds;
}

qint64 msecsSinceEpoch(double referenceSeconds)
{
    // Far-off dates stop at what a QDateTime holds rather than overflow.
    constexpr double limit = 8.64e15;
    const double msecs = (referenceSeconds + referenceEpochSeconds) * 1000.0;
    if (!std::isfinite(msecs))
        return 0;
    return qint64(std::llround(std::clamp(msecs, -limit, limit)));
}
} // namespace SupportChatCodec

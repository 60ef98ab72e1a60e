#include "supportconversation.h"

#include "haptics.h"
#include "pasteboard.h"
#include "supportchatstore.h"

#include <QTimer>

namespace
{
QString trimmed(const QString &text)
{
    // White space and newlines at both ends, as QString::trimmed() takes them.
    return text.trimmed();
}
} // namespace

SupportConversation::SupportConversation(QObject *parent)
    : QObject(parent)
{
}

SupportConversation::~SupportConversation() = default;

QString SupportConversation::assistantAnswer()
{
    return QStringLiteral("Спасибо! Заявка будет передана в поддержку после подключения официального API Tarvik.");
}

void SupportConversation::setStore(SupportChatStore *store)
{
    if (m_store == store)
        return;
    m_store = store;
    Q_EMIT storeChanged();
}

void SupportConversation::setHaptics(Haptics *haptics)
{
    if (m_haptics == haptics)
        return;
    m_haptics = haptics;
    Q_EMIT hapticsChanged();
}

void SupportConversation::setDraft(const QString &draft)
{
    if (m_draft == draft)
        return;
    m_draft = draft;
    Q_EMIT draftChanged();
}

bool SupportConversation::canSend() const
{
    return !trimmed(m_draft).isEmpty();
}

QString SupportConversation::editingMessageId() const
{
    return m_editingMessageId ? m_editingMessageId->toString(QUuid::WithoutBraces).toUpper() : QString();
}

QString SupportConversation::composerContextTitle() const
{
    if (m_editingMessageId)
        return QStringLiteral("Редактирование сообщения");
    if (m_replyTarget)
        return QStringLiteral("Ответ ") + m_replyTarget->author + QStringLiteral(": ") + m_replyTarget->text;
    return {};
}

void SupportConversation::setAnswerDelay(int milliseconds)
{
    if (m_answerDelay == milliseconds)
        return;
    m_answerDelay = milliseconds;
    Q_EMIT answerDelayChanged();
}

void SupportConversation::sendDraft()
{
    send(m_draft, false);
}

void SupportConversation::sendText(const QString &text)
{
    send(text, true);
}

void SupportConversation::send(const QString &text, bool given)
{
    const QString body = trimmed(text);
    if (body.isEmpty() || !m_store)
        return;
    m_store->ensureLoaded();
    if (given) {
        m_editingMessageId.reset();
        m_replyTarget.reset();
        Q_EMIT composerContextChanged();
    }
    if (m_editingMessageId) {
        const QUuid editing = *m_editingMessageId;
        // The message being edited may be gone (deleted on another screen): then the text goes
        // out as a new message instead of leaving the composer stuck in edit mode.
        m_editingMessageId.reset();
        Q_EMIT composerContextChanged();
        if (m_store->edit(editing, body)) {
            setDraft(QString());
            play(Haptics::ImpactSoft);
            return;
        }
    }

    const std::optional<SupportChatReply> reply = m_replyTarget;
    SupportChatMessage message{.id = QUuid::createUuid(), .text = body, .outgoing = true, .sentAt = m_store->now(), .replyTo = reply};
    m_store->append(message);
    setDraft(QString());
    if (m_replyTarget) {
        m_replyTarget.reset();
        Q_EMIT composerContextChanged();
    }
    setPendingResponses(m_pendingResponses + 1);
    play(Haptics::ImpactSoft);

    const QUuid task = QUuid::createUuid();
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, task] { answer(task); });
    m_responseTimers.insert(task, timer);
    timer->start(m_answerDelay);
}

void SupportConversation::answer(const QUuid &task)
{
    QTimer *timer = m_responseTimers.take(task);
    if (!timer)
        return;
    timer->deleteLater();
    const QString text = assistantAnswer();
    if (m_store) {
        const double readTime = m_store->now();
        m_store->appendAnswer({.id = QUuid::createUuid(), .text = text, .outgoing = false, .sentAt = m_store->now()}, readTime);
    }
    setPendingResponses(std::max(m_pendingResponses - 1, 0));
    play(Haptics::NotificationSuccess);
    Q_EMIT answered(text);
}

void SupportConversation::beginReply(const QString &messageId)
{
    if (!m_store)
        return;
    const auto message = m_store->message(QUuid::fromString(messageId));
    if (!message)
        return;
    m_editingMessageId.reset();
    m_replyTarget = SupportChatReply{
        message->outgoing ? QString::fromUtf16(SupportChatCodec::ownName) : QString::fromUtf16(SupportChatCodec::assistantName), message->text};
    Q_EMIT composerContextChanged();
}

void SupportConversation::beginEditing(const QString &messageId)
{
    if (!m_store)
        return;
    const auto message = m_store->message(QUuid::fromString(messageId));
    if (!message || !message->outgoing)
        return;
    m_editingMessageId = message->id;
    m_replyTarget.reset();
    setDraft(message->text);
    Q_EMIT composerContextChanged();
}

void SupportConversation::clearComposerContext()
{
    m_replyTarget.reset();
    if (m_editingMessageId)
        setDraft(QString());
    m_editingMessageId.reset();
    Q_EMIT composerContextChanged();
}

void SupportConversation::togglePinned(const QString &messageId)
{
    if (m_store && m_store->togglePinned(QUuid::fromString(messageId)))
        play(Haptics::ImpactSoft);
}

void SupportConversation::toggleReaction(const QString &reaction, const QString &messageId)
{
    const auto chosen = SupportChatCodec::reactionFromName(reaction);
    if (m_store && chosen && m_store->toggleReaction(QUuid::fromString(messageId), *chosen))
        play(Haptics::SelectionChanged);
}

void SupportConversation::deleteMessage(const QString &messageId)
{
    if (!m_store)
        return;
    const QUuid id = QUuid::fromString(messageId);
    m_store->remove(id);
    if (m_editingMessageId == id)
        clearComposerContext();
}

void SupportConversation::copyMessage(const QString &messageId)
{
    if (!m_store)
        return;
    const auto message = m_store->message(QUuid::fromString(messageId));
    if (message)
        Pasteboard::copy(message->text);
}

void SupportConversation::appeared()
{
    if (!m_store)
        return;
    m_store->ensureLoaded();
    m_store->save();
}

void SupportConversation::disappeared()
{
    qDeleteAll(m_responseTimers);
    m_responseTimers.clear();
    setPendingResponses(0);
}

void SupportConversation::setPendingResponses(int count)
{
    if (m_pendingResponses == count)
        return;
    m_pendingResponses = count;
    Q_EMIT pendingResponsesChanged();
}

void SupportConversation::play(int kind)
{
    if (m_haptics)
        m_haptics->play(Haptics::Kind(kind));
}

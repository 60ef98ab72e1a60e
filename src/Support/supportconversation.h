#pragma once

#include "haptics.h"
#include "supportchatmessage.h"
#include "supportchatstore.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

#include <optional>

class QTimer;

// One support screen's side of the chat: the composer (draft, reply or edit in progress) and
// the assistant's pending answers. The history itself belongs to the shared SupportChatStore.
// Answers are timers owned by this object: they stop when the screen goes (disappeared()) and
// can never fire into a destroyed screen.
class SupportConversation : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(SupportChatStore *store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(Haptics *haptics READ haptics WRITE setHaptics NOTIFY hapticsChanged)
    Q_PROPERTY(QString draft READ draft WRITE setDraft NOTIFY draftChanged)
    Q_PROPERTY(bool canSend READ canSend NOTIFY draftChanged)
    Q_PROPERTY(int pendingResponses READ pendingResponses NOTIFY pendingResponsesChanged)
    Q_PROPERTY(bool editing READ isEditing NOTIFY composerContextChanged)
    Q_PROPERTY(QString editingMessageId READ editingMessageId NOTIFY composerContextChanged)
    Q_PROPERTY(bool replying READ isReplying NOTIFY composerContextChanged)
    // "Редактирование сообщения", "Ответ <author>: <text>" or empty.
    Q_PROPERTY(QString composerContextTitle READ composerContextTitle NOTIFY composerContextChanged)
    // Pause before the assistant answers, in milliseconds.
    Q_PROPERTY(int answerDelay READ answerDelay WRITE setAnswerDelay NOTIFY answerDelayChanged)

public:
    explicit SupportConversation(QObject *parent = nullptr);
    ~SupportConversation() override;

    static QString assistantAnswer();

    SupportChatStore *store() const { return m_store; }
    void setStore(SupportChatStore *store);
    Haptics *haptics() const { return m_haptics; }
    void setHaptics(Haptics *haptics);
    QString draft() const { return m_draft; }
    void setDraft(const QString &draft);
    bool canSend() const;
    int pendingResponses() const { return m_pendingResponses; }
    bool isEditing() const { return m_editingMessageId.has_value(); }
    QString editingMessageId() const;
    bool isReplying() const { return m_replyTarget.has_value(); }
    QString composerContextTitle() const;
    int answerDelay() const { return m_answerDelay; }
    void setAnswerDelay(int milliseconds);
    std::optional<SupportChatReply> replyTarget() const { return m_replyTarget; }

    // Sends the draft (the send button), or ends the edit in progress.
    Q_INVOKABLE void sendDraft();
    // Sends `text` as a new message (a quick topic): any reply or edit in progress is dropped.
    Q_INVOKABLE void sendText(const QString &text);
    Q_INVOKABLE void beginReply(const QString &messageId);
    Q_INVOKABLE void beginEditing(const QString &messageId);
    Q_INVOKABLE void clearComposerContext();
    Q_INVOKABLE void togglePinned(const QString &messageId);
    // `reaction` is "like" or "dislike"; outgoing messages take none.
    Q_INVOKABLE void toggleReaction(const QString &reaction, const QString &messageId);
    Q_INVOKABLE void deleteMessage(const QString &messageId);
    // Puts the message's text on the clipboard.
    Q_INVOKABLE void copyMessage(const QString &messageId);

    // The screen came on screen: the history is read (first time) and written back.
    Q_INVOKABLE void appeared();
    // The screen left: every pending answer is dropped.
    Q_INVOKABLE void disappeared();

Q_SIGNALS:
    void storeChanged();
    void hapticsChanged();
    void draftChanged();
    void pendingResponsesChanged();
    void composerContextChanged();
    void answerDelayChanged();
    // An answer came in (after it was added to the history).
    void answered(const QString &text);

private:
    void send(const QString &text, bool given);
    void answer(const QUuid &task);
    void setPendingResponses(int count);
    void play(int kind);

    QPointer<SupportChatStore> m_store;
    QPointer<Haptics> m_haptics;
    QString m_draft;
    int m_pendingResponses = 0;
    std::optional<SupportChatReply> m_replyTarget;
    std::optional<QUuid> m_editingMessageId;
    QHash<QUuid, QTimer *> m_responseTimers;
    int m_answerDelay = 450;
};

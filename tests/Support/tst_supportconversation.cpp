#include "clock.h"
#include "haptics.h"
#include "supportchatmessage.h"
#include "supportchatstore.h"
#include "supportconversation.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace
{
QString idOf(const SupportChatMessage &message)
{
    return message.id.toString(QUuid::WithoutBraces);
}
} // namespace

// One screen's conversation over the shared history: sending, the assistant's answers and their
// timing, replies, edits, deletes, and answers dropped when the screen goes.
class SupportConversationTest : public QObject
{
    Q_OBJECT

private:
    ManualClock m_clock{QDateTime(QDate(2026, 12, 7), QTime(10, 5), Qt::UTC)};
    std::unique_ptr<SupportChatStore> m_store;
    std::unique_ptr<SupportConversation> m_conversation;
    Haptics m_haptics;

    const SupportChatMessage &last() const { return m_store->messages().constLast(); }

private Q_SLOTS:
    void init()
    {
        m_store = std::make_unique<SupportChatStore>(nullptr, &m_clock);
        m_conversation = std::make_unique<SupportConversation>();
        m_conversation->setStore(m_store.get());
        m_conversation->setHaptics(&m_haptics);
        m_conversation->setAnswerDelay(40);
        m_conversation->appeared();
        m_haptics.reset();
    }

    void sendsTrimmedTextOnly_data()
    {
        QTest::addColumn<QString>("draft");
        QTest::addColumn<QString>("stored"); // empty: nothing is sent
        QTest::newRow("spaces and newlines") << QStringLiteral("  \n\t \n") << QString();
        QTest::newRow("surrounded") << QStringLiteral("  Нет связи \n") << QStringLiteral("Нет связи");
        QTest::newRow("inner newline kept") << QStringLiteral("a\nb\n") << QStringLiteral("a\nb");
    }

    void sendsTrimmedTextOnly()
    {
        QFETCH(QString, draft);
        QFETCH(QString, stored);
        m_conversation->setDraft(draft);
        QCOMPARE(m_conversation->canSend(), !stored.isEmpty());
        m_conversation->sendDraft();
        if (stored.isEmpty()) {
            QCOMPARE(m_store->count(), 1);
            QCOMPARE(m_conversation->draft(), draft);
            QCOMPARE(m_conversation->pendingResponses(), 0);
            return;
        }
        QCOMPARE(m_store->count(), 2);
        QCOMPARE(last().text, stored);
        QVERIFY(last().outgoing);
        QCOMPARE(m_conversation->draft(), QString());
        QCOMPARE(m_haptics.count(Haptics::ImpactSoft), 1);
    }

    // Two messages in a row: two answers, each after its own pause; the first marks both read.
    void answersEachMessage()
    {
        QList<int> pending;
        connect(m_conversation.get(), &SupportConversation::pendingResponsesChanged, this, [&] { pending.append(m_conversation->pendingResponses()); });
        m_conversation->setAnswerDelay(150);
        m_conversation->sendText(QStringLiteral("Первое"));
        m_clock.advance(1);
        QTest::qWait(0);
        m_conversation->sendText(QStringLiteral("Второе"));
        QCOMPARE(m_conversation->pendingResponses(), 2);
        QCOMPARE(m_store->count(), 3);
        // What the history held as each answer arrived.
        QList<QList<SupportChatMessage>> snapshots;
        connect(m_store.get(), &SupportChatStore::countChanged, this, [&] { snapshots.append(m_store->messages()); });
        QTRY_COMPARE(m_store->count(), 5);
        QCOMPARE(snapshots.size(), 2);
        const QList<SupportChatMessage> &afterFirst = snapshots.first();
        QVERIFY(afterFirst.at(1).readAt && afterFirst.at(2).readAt);
        QCOMPARE(*afterFirst.at(1).readAt, *afterFirst.at(2).readAt);
        QCOMPARE(afterFirst.at(3).text, SupportConversation::assistantAnswer());
        QVERIFY(!afterFirst.at(3).outgoing);
        QCOMPARE(last().text, SupportConversation::assistantAnswer());
        // The second answer found nothing left to mark.
        QCOMPARE(*m_store->messages().at(2).readAt, *afterFirst.at(2).readAt);
        QCOMPARE(pending, (QList<int>{1, 2, 1, 0}));
        QCOMPARE(m_haptics.count(Haptics::NotificationSuccess), 2);
    }

    // Leaving the screen drops the pending answers for good; a later answer marks the old message.
    void answersStopWhenTheScreenGoes()
    {
        m_conversation->sendText(QStringLiteral("Вопрос"));
        const QUuid asked = last().id;
        m_conversation->disappeared();
        QCOMPARE(m_conversation->pendingResponses(), 0);
        // The answer's timer went with it.
        QVERIFY(m_conversation->findChildren<QTimer *>().isEmpty());
        QCOMPARE(m_store->count(), 2);
        QVERIFY(!m_store->message(asked)->readAt);

        m_conversation->appeared();
        m_conversation->sendText(QStringLiteral("Ещё вопрос"));
        QTRY_COMPARE(m_store->count(), 4);
        QVERIFY(m_store->message(asked)->readAt);
    }

    // A screen destroyed while an answer is pending gets nothing, and nothing fires into it.
    void aDestroyedScreenGetsNoAnswer()
    {
        m_conversation->sendText(QStringLiteral("Вопрос"));
        m_conversation.reset();
        // Another screen's answer, started later with the same pause, comes after the dropped one would have.
        SupportConversation other;
        other.setStore(m_store.get());
        other.setAnswerDelay(40);
        other.sendText(QStringLiteral("С другого экрана"));
        QTRY_COMPARE(other.pendingResponses(), 0);
        QCOMPARE(m_store->count(), 4);
    }

    void repliesQuoteTheMessage()
    {
        const QString greetingId = idOf(m_store->messages().first());
        m_conversation->beginReply(greetingId);
        QCOMPARE(m_conversation->composerContextTitle(), QStringLiteral("Ответ Мария: ") + QString::fromUtf16(SupportChatCodec::greeting));
        m_conversation->setDraft(QStringLiteral("Спасибо"));
        m_conversation->sendDraft();
        QCOMPARE(last().replyTo, (SupportChatReply{QStringLiteral("Мария"), QString::fromUtf16(SupportChatCodec::greeting)}));
        QVERIFY(!m_conversation->isReplying());
        QCOMPARE(m_conversation->composerContextTitle(), QString());

        m_conversation->beginReply(idOf(last()));
        QCOMPARE(m_conversation->replyTarget()->author, QStringLiteral("Вы"));
    }

    void editsOwnMessages()
    {
        m_conversation->sendText(QStringLiteral("Опечтка"));
        const QString id = idOf(last());
        m_conversation->disappeared();
        m_conversation->appeared();
        m_conversation->beginEditing(idOf(m_store->messages().first()));
        QVERIFY(!m_conversation->isEditing()); // the assistant's messages are not editable
        m_conversation->beginEditing(id);
        QCOMPARE(m_conversation->draft(), QStringLiteral("Опечтка"));
        QCOMPARE(m_conversation->composerContextTitle(), QStringLiteral("Редактирование сообщения"));

        // Only spaces: nothing changes, the edit stays open.
        m_conversation->setDraft(QStringLiteral("   "));
        m_conversation->sendDraft();
        QVERIFY(m_conversation->isEditing());

        m_conversation->setDraft(QStringLiteral("Опечатка "));
        m_conversation->sendDraft();
        QCOMPARE(m_store->count(), 2);
        QCOMPARE(last().text, QStringLiteral("Опечатка"));
        QVERIFY(last().editedAt);
        QVERIFY(!m_conversation->isEditing());
        QCOMPARE(m_conversation->draft(), QString());
        QCOMPARE(m_conversation->pendingResponses(), 0); // no answer follows an edit
    }

    // The message being edited was deleted meanwhile (on another screen): the text goes out as a
    // new message and the composer leaves edit mode.
    void editOfADeletedMessageSendsANewOne()
    {
        m_conversation->sendText(QStringLiteral("Старое"));
        const QString id = idOf(last());
        m_conversation->beginEditing(id);
        SupportConversation other;
        other.setStore(m_store.get());
        other.deleteMessage(id);
        QVERIFY(m_conversation->isEditing());
        m_conversation->setDraft(QStringLiteral("Новое"));
        m_conversation->sendDraft();
        QVERIFY(!m_conversation->isEditing());
        QCOMPARE(m_conversation->composerContextTitle(), QString());
        QCOMPARE(last().text, QStringLiteral("Новое"));
        QVERIFY(!last().editedAt);
        QCOMPARE(m_conversation->draft(), QString());
    }

    void deletingTheEditedMessageClosesTheEdit()
    {
        m_conversation->sendText(QStringLiteral("Удалю"));
        const QString id = idOf(last());
        m_conversation->beginEditing(id);
        m_conversation->deleteMessage(id);
        QVERIFY(!m_conversation->isEditing());
        QCOMPARE(m_conversation->draft(), QString());
        QVERIFY(!m_store->message(QUuid::fromString(id)));
    }

    // A quick topic while an edit is open: the edit is dropped and the topic goes out unquoted.
    void quickTopicDropsTheEdit()
    {
        m_conversation->sendText(QStringLiteral("Моё"));
        m_conversation->beginEditing(idOf(last()));
        m_conversation->sendText(QStringLiteral("Как пополнить баланс лицевого счёта?"));
        QVERIFY(!m_conversation->isEditing());
        QCOMPARE(m_conversation->draft(), QString());
        QCOMPARE(m_store->messages().at(1).text, QStringLiteral("Моё"));
        QCOMPARE(last().text, QStringLiteral("Как пополнить баланс лицевого счёта?"));
        QVERIFY(!last().replyTo);
    }

    void reactionsAndPins()
    {
        const QString greetingId = idOf(m_store->messages().first());
        m_conversation->toggleReaction(QStringLiteral("like"), greetingId);
        QCOMPARE(m_haptics.count(Haptics::SelectionChanged), 1);
        m_conversation->sendText(QStringLiteral("Моё"));
        m_conversation->toggleReaction(QStringLiteral("like"), idOf(m_store->messages().at(1)));
        QCOMPARE(m_haptics.count(Haptics::SelectionChanged), 1); // outgoing: nothing, no haptic
        QCOMPARE(m_store->messages().at(1).reaction, std::nullopt);
        m_conversation->toggleReaction(QStringLiteral("love"), greetingId);
        QCOMPARE(m_store->messages().first().reaction, std::optional(SupportChatReaction::Like));
        m_conversation->togglePinned(greetingId);
        QVERIFY(m_store->messages().first().isPinned());
    }

    void copiesTheText()
    {
        if (!QGuiApplication::clipboard())
            QSKIP("no clipboard on this platform");
        m_conversation->copyMessage(idOf(m_store->messages().first()));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf16(SupportChatCodec::greeting));
    }
};

QTEST_MAIN(SupportConversationTest)
#include "tst_supportconversation.moc"

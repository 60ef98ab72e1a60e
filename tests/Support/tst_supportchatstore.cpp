#include "chatfixtures.h"
#include "clock.h"
#include "supportchatmessage.h"
#include "supportchatstore.h"
#include "supportconversation.h"
#include "userdefaults.h"

#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const QString storeKey = QLatin1String(Defaults::supportChatMessages.name);
const QString greeting = QString::fromUtf16(SupportChatCodec::greeting);

// One quick topic and its answer, as a chat fills day by day.
QList<SupportChatMessage> exchanges(int count, double sentAt)
{
    QList<SupportChatMessage> messages;
    for (int i = 0; i < count; ++i) {
        messages.append({.id = QUuid::createUuid(), .text = QStringLiteral("У меня не работает интернет. Помогите найти причину."), .outgoing = true,
                         .sentAt = sentAt, .readAt = sentAt + 0.5});
        messages.append({.id = QUuid::createUuid(), .text = SupportConversation::assistantAnswer(), .outgoing = false, .sentAt = sentAt + 0.5});
        sentAt += 60;
    }
    return messages;
}
} // namespace

// The chat history: its stored form, the strict loader with its rewrites, the backup of a history
// that cannot be read, and one history shared by every screen.
class SupportChatStoreTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<UserDefaults> m_defaults;
    ManualClock m_clock{QDateTime(QDate(2026, 12, 7), QTime(10, 5), Qt::UTC)};
    int m_files = 0;

    // A fresh, empty user-defaults file.
    UserDefaults *freshDefaults()
    {
        m_defaults = std::make_unique<UserDefaults>(m_dir.filePath(QStringLiteral("defaults%1.ini").arg(++m_files)));
        return m_defaults.get();
    }

    std::unique_ptr<SupportChatStore> storeOver(const QByteArray &stored)
    {
        UserDefaults *defaults = freshDefaults();
        defaults->setValue(Defaults::supportChatMessages, stored);
        auto store = std::make_unique<SupportChatStore>(defaults, &m_clock);
        store->ensureLoaded();
        return store;
    }

    bool isGreetingAlone(const SupportChatStore &store)
    {
        return store.count() == 1 && store.messages().first().text == greeting && !store.messages().first().outgoing;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    // Keys in their order, ids in capitals, dates as seconds since 2001, optionals left out until set.
    void writesTheStoredForm()
    {
        SupportChatMessage plain{.id = QUuid::fromString(QStringLiteral("{0f8fad5b-d9cb-469f-a165-70867728950e}")), .text = QStringLiteral("Привет \"мир\""), .outgoing = true, .sentAt = 700000000.25};
        SupportChatMessage full = plain;
        full.outgoing = false;
        full.replyTo = SupportChatReply{QStringLiteral("Вы"), QStringLiteral("Вопрос")};
        full.editedAt = 700000001.5;
        full.readAt = 700000002;
        full.pinned = false;
        full.reaction = SupportChatReaction::Dislike;
        const QByteArray json = SupportChatCodec::encode({plain, full});
        QCOMPARE(json,
                 ChatFixtures::plainAndFull);
        const auto back = SupportChatCodec::decode(json);
        QVERIFY(back);
        QCOMPARE(back->size(), 2);
        QCOMPARE(back->at(0), plain);
        QCOMPARE(back->at(1), full);
    }

    // Any JSON number reads back exactly, and the epoch is 1 January 2001 UTC.
    void roundTripsDates()
    {
        const double seconds = 786787654.123456789;
        SupportChatMessage message{.id = QUuid::createUuid(), .text = QStringLiteral("x"), .outgoing = true, .sentAt = seconds, .editedAt = seconds + 1e-6, .readAt = -12.5};
        const auto back = SupportChatCodec::decode(SupportChatCodec::encode({message}));
        QVERIFY(back);
        QCOMPARE(back->first().sentAt, seconds);
        QCOMPARE(*back->first().editedAt, seconds + 1e-6);
        QCOMPARE(*back->first().readAt, -12.5);
        QCOMPARE(SupportChatCodec::referenceSeconds(QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch()), 0.0);
        QCOMPARE(SupportChatCodec::msecsSinceEpoch(86400.5), QDateTime(QDate(2001, 1, 2), QTime(0, 0, 0, 500), Qt::UTC).toMSecsSinceEpoch());
    }

    void readsKeysInAnyOrderWithNullOptionals()
    {
        const QByteArray json = ChatFixtures::shuffledWithNulls;
        const auto messages = SupportChatCodec::decode(json);
        QVERIFY(messages);
        QCOMPARE(messages->first().pinned, std::nullopt);
        QCOMPARE(messages->first().reaction, std::nullopt);
        QVERIFY(!messages->first().replyTo);
        // Saved again, the nulls are gone.
        QVERIFY(!SupportChatCodec::encode(*messages).contains("null"));
    }

    void refusesMalformedHistories_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("not json") << QByteArray("[{\"id\":");
        QTest::newRow("an object") << ChatFixtures::anObject;
        QTest::newRow("missing sentAt") << ChatFixtures::missingSentAt;
        QTest::newRow("sentAt as text") << ChatFixtures::sentAtAsText;
        QTest::newRow("bad id") << ChatFixtures::badId;
        QTest::newRow("outgoing as number") << ChatFixtures::outgoingAsNumber;
        QTest::newRow("unknown reaction") << ChatFixtures::unknownReaction;
        QTest::newRow("reply without text") << ChatFixtures::replyWithoutText;
        QTest::newRow("one bad among good") << ChatFixtures::oneBadAmongGood;
    }

    // One malformed message fails the whole history: the greeting alone shows, and the unreadable
    // value is copied aside before it is first overwritten.
    void refusesMalformedHistories()
    {
        QFETCH(QByteArray, stored);
        QVERIFY(!SupportChatCodec::decode(stored));
        auto store = storeOver(stored);
        QVERIFY(isGreetingAlone(*store));
        QCOMPARE(store->messages().first().sentAt, SupportChatCodec::referenceSeconds(m_clock.now().toMSecsSinceEpoch()));
        // Loading writes nothing.
        QCOMPARE(m_defaults->value(Defaults::supportChatMessages), stored);
        QVERIFY(!m_defaults->contains(SupportChatStore::unreadableBackupKey()));

        store->save();
        QCOMPARE(m_defaults->value(SupportChatStore::unreadableBackupKey()).toByteArray(), stored);
        const auto saved = SupportChatCodec::decode(m_defaults->value(Defaults::supportChatMessages));
        QVERIFY(saved);
        QCOMPARE(saved->size(), 1);
        // Only the first write copies it: a later unreadable state of the key is a new story.
        store->save();
        QCOMPARE(m_defaults->value(SupportChatStore::unreadableBackupKey()).toByteArray(), stored);
    }

    void greetsAnEmptyHistory_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::newRow("nothing stored") << false;
        QTest::newRow("empty array") << true;
    }

    void greetsAnEmptyHistory()
    {
        QFETCH(bool, stored);
        UserDefaults *defaults = freshDefaults();
        if (stored)
            defaults->setValue(Defaults::supportChatMessages, QByteArray("[]"));
        SupportChatStore store(defaults, &m_clock);
        QCOMPARE(store.count(), 0); // nothing is read before a screen needs it
        store.ensureLoaded();
        QVERIFY(isGreetingAlone(store));
        QVERIFY(!defaults->contains(SupportChatStore::unreadableBackupKey()));
        store.save();
        QVERIFY(!defaults->contains(SupportChatStore::unreadableBackupKey()));
    }

    // Older persona texts: the old greeting of an incoming message and the old reply author.
    void rewritesTheOldPersona()
    {
        const QByteArray stored = ChatFixtures::oldPersona;
        auto store = storeOver(stored);
        const QList<SupportChatMessage> &messages = store->messages();
        QCOMPARE(messages.size(), 3);
        QCOMPARE(messages.at(0).text, greeting);
        QCOMPARE(messages.at(0).id, QUuid::fromString(QStringLiteral("00000000-0000-0000-0000-000000000001")));
        QCOMPARE(messages.at(0).sentAt, 5.0);
        QCOMPARE(messages.at(1).text, QStringLiteral("Ты виртуальный помощник Tarvik?"));
        QCOMPARE(messages.at(1).replyTo->author, QStringLiteral("Мария"));
        QCOMPARE(messages.at(1).replyTo->text, QStringLiteral("Старый текст"));
        QCOMPARE(messages.at(2).text, QStringLiteral("ВИРТУАЛЬНЫЙ ПОМОЩНИК TARVIK"));
        QCOMPARE(messages.at(2).replyTo->author, QStringLiteral("поддержка Tarvik"));
        // The loader writes nothing back; the next save does.
        QCOMPARE(m_defaults->value(Defaults::supportChatMessages), stored);
    }

    // At most one pinned; pinning writes an explicit false elsewhere; the banner shows the later
    // of two pinned in edited data.
    void pinsOneAtATime()
    {
        const QByteArray stored = ChatFixtures::twoPinned;
        auto store = storeOver(stored);
        QAbstractItemModelTester tester(store.get());
        QCOMPARE(store->pinnedText(), QStringLiteral("B"));
        const QUuid a = store->messages().at(0).id;
        const QUuid c = store->messages().at(2).id;
        QVERIFY(store->togglePinned(c));
        QCOMPARE(store->messages().at(0).pinned, std::optional(false));
        QCOMPARE(store->messages().at(1).pinned, std::optional(false));
        QCOMPARE(store->messages().at(2).pinned, std::optional(true));
        QCOMPARE(store->pinnedText(), QStringLiteral("C"));
        QVERIFY(store->togglePinned(c));
        QVERIFY(!store->hasPinned());
        QVERIFY(!store->togglePinned(QUuid::createUuid()));
        // Reactions: incoming only; the same one again clears it.
        QVERIFY(!store->toggleReaction(c, SupportChatReaction::Like));
        QVERIFY(store->toggleReaction(a, SupportChatReaction::Like));
        QVERIFY(store->toggleReaction(a, SupportChatReaction::Like));
        QCOMPARE(store->messages().at(0).reaction, std::nullopt);
        QVERIFY(store->toggleReaction(a, SupportChatReaction::Like));
        QVERIFY(store->toggleReaction(a, SupportChatReaction::Dislike));
        QCOMPARE(store->messages().at(0).reaction, std::optional(SupportChatReaction::Dislike));
        // Every change is stored at once.
        const auto saved = SupportChatCodec::decode(m_defaults->value(Defaults::supportChatMessages));
        QVERIFY(saved);
        QCOMPARE(*saved, store->messages());
    }

    void keepsWhatFitsTheStore_data()
    {
        QTest::addColumn<QString>("added");
        QTest::addColumn<bool>("addedStays");
        QTest::newRow("one more message") << QStringLiteral("Спасибо, всё заработало: роутер снова раздаёт Wi-Fi.") << true;
        QTest::newRow("a long pasted text") << QString(260000, QChar(u'я')) << true;
        QTest::newRow("a text longer than the store takes") << QString(300000, QChar(u'я')) << false;
    }

    // A history that would pass the store's size limit loses its oldest messages on screen and in
    // the store alike: a restart shows what the screen showed, and later changes are kept. A
    // message too long to be stored even alone is the only one lost.
    void keepsWhatFitsTheStore()
    {
        QFETCH(QString, added);
        QFETCH(bool, addedStays);
        UserDefaults *defaults = freshDefaults();
        // A history just under the limit.
        QList<SupportChatMessage> history = exchanges(1300, 1000);
        qsizetype size = SupportChatCodec::encode(history).size();
        while (size > UserDefaults::maxValueBytes - 60) {
            size -= SupportChatCodec::encode({history.first()}).size() - 1; // its object and a comma
            history.removeFirst();
        }
        QVERIFY(defaults->setValue(Defaults::supportChatMessages, SupportChatCodec::encode(history)));
        SupportChatStore store(defaults, &m_clock);
        QAbstractItemModelTester tester(&store);
        store.ensureLoaded();
        QCOMPARE(store.count(), history.size());

        SupportConversation screen;
        screen.setStore(&store);
        screen.sendText(added);
        if (addedStays) {
            QVERIFY(store.count() < history.size() + 1);
            QCOMPARE(store.messages().constLast().text, added);
        } else {
            // The one message that cannot be stored goes alone: the history before it stays whole.
            QCOMPARE(store.count(), history.size());
            QCOMPARE(store.messages().constLast().text, history.constLast().text);
        }
        QVERIFY(SupportChatCodec::encode(store.messages()).size() <= UserDefaults::maxValueBytes);

        SupportChatStore restarted(defaults, &m_clock);
        restarted.ensureLoaded();
        QCOMPARE(restarted.messages(), store.messages());
        // Still stored after that: a pin.
        QVERIFY(store.togglePinned(store.messages().constFirst().id));
        SupportChatStore again(defaults, &m_clock);
        again.ensureLoaded();
        QCOMPARE(again.messages(), store.messages());
    }

    // An answer marks the questions read and adds itself in one write of the history.
    void anAnswerIsWrittenOnce()
    {
        UserDefaults *defaults = freshDefaults();
        SupportChatStore store(defaults, &m_clock);
        SupportConversation screen;
        screen.setStore(&store);
        screen.setAnswerDelay(10);
        screen.appeared();
        screen.sendText(QStringLiteral("Вопрос"));
        QSignalSpy writes(defaults, &UserDefaults::valueChanged);
        QTRY_COMPARE(store.count(), 3);
        QCOMPARE(writes.count(), 1);
        QVERIFY(store.messages().at(1).readAt);
    }

    // Two support screens (the tab and one pushed from the home dashboard) work on one history:
    // what one sends the other shows, and neither save wipes the other's messages.
    void twoScreensShareOneHistory()
    {
        UserDefaults *defaults = freshDefaults();
        SupportChatStore store(defaults, &m_clock);
        QAbstractItemModelTester tester(&store);
        SupportConversation tab;
        SupportConversation pushed;
        tab.setStore(&store);
        pushed.setStore(&store);
        tab.appeared();
        pushed.appeared();
        tab.sendText(QStringLiteral("Из вкладки"));
        pushed.sendText(QStringLiteral("С главной"));
        pushed.appeared();
        tab.appeared();
        QCOMPARE(store.count(), 3);
        // Restarted, the app reads all of it.
        SupportChatStore reopened(defaults, &m_clock);
        reopened.ensureLoaded();
        QCOMPARE(reopened.count(), 3);
        QCOMPARE(reopened.messages().at(1).text, QStringLiteral("Из вкладки"));
        QCOMPARE(reopened.messages().at(2).text, QStringLiteral("С главной"));
    }
};

QTEST_MAIN(SupportChatStoreTest)
#include "tst_supportchatstore.moc"

#include "notificationidset.h"
#include "notificationinbox.h"
#include "userdefaults.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

using Ids = QList<qint64>;

// The stored id sets of the inbox and what marking read and deleting write into them; the home
// bell's count follows any instance's writes.
class NotificationInboxTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<UserDefaults> m_defaults;
    int m_run = 0;

    QString unreadText() const { return m_defaults->value(QStringLiteral("tarvikUnreadNotificationIDs")).toString(); }
    QString deletedText() const { return m_defaults->value(QStringLiteral("tarvikDeletedNotificationIDs")).toString(); }
    bool unreadWritten() const { return m_defaults->contains(QStringLiteral("tarvikUnreadNotificationIDs")); }
    bool deletedWritten() const { return m_defaults->contains(QStringLiteral("tarvikDeletedNotificationIDs")); }

    static QList<qint64> shownIds(const NotificationInbox &inbox)
    {
        QList<qint64> ids;
        for (const QVariant &note : inbox.notes())
            ids.append(note.toMap().value(QStringLiteral("id")).toLongLong());
        return ids;
    }

private Q_SLOTS:
    void init()
    {
        // A fresh install for every case.
        m_defaults = std::make_unique<UserDefaults>(m_dir.filePath(QStringLiteral("defaults-%1.ini").arg(++m_run)));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Ids>("ids");

        QTest::newRow("default") << "0,1" << Ids{0, 1};
        QTest::newRow("empty") << "" << Ids{};
        QTest::newRow("unsorted with duplicates") << "3,1,3" << Ids{1, 3};
        QTest::newRow("stray commas") << ",,4,,7," << Ids{4, 7};
        QTest::newRow("only commas") << ",,," << Ids{};
        QTest::newRow("leading blank, letters, gaps") << " 1,x,,2," << Ids{2};
        QTest::newRow("trailing blank") << "1 ,2" << Ids{2};
        QTest::newRow("signs") << "+1,-2,3" << Ids{3};
        QTest::newRow("fraction") << "1.5,2" << Ids{2};
        QTest::newRow("other scripts' digits") << "٣,३,３,4" << Ids{4};
        QTest::newRow("superscript") << "²,5" << Ids{5};
        QTest::newRow("largest") << "9223372036854775807" << Ids{std::numeric_limits<qint64>::max()};
        QTest::newRow("out of range") << "9223372036854775808,1" << Ids{1};
        QTest::newRow("leading zeros") << "007" << Ids{7};
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(Ids, ids);
        QCOMPARE(NotificationIdSet::parse(text), ids);
    }

    void serialise_data()
    {
        QTest::addColumn<Ids>("ids");
        QTest::addColumn<QString>("text");

        QTest::newRow("two, out of order") << Ids{1, 0} << "0,1";
        QTest::newRow("one") << Ids{3} << "3";
        QTest::newRow("none") << Ids{} << "";
        QTest::newRow("duplicates") << Ids{3, 1, 3} << "1,3";
    }

    void serialise()
    {
        QFETCH(Ids, ids);
        QFETCH(QString, text);
        QCOMPARE(NotificationIdSet::serialise(ids), text);
        QCOMPARE(NotificationIdSet::parse(text), NotificationIdSet::parse(NotificationIdSet::serialise(ids)));
    }

    void freshInstall()
    {
        NotificationInbox inbox(m_defaults.get());
        QCOMPARE(shownIds(inbox), (Ids{0, 1, 2, 3}));
        QCOMPARE(inbox.unreadCount(), 2);
        QVERIFY(inbox.isUnread(0) && inbox.isUnread(1) && !inbox.isUnread(2));
        // Nothing changes: the defaults stay unwritten.
        inbox.markRead(2);
        inbox.markRead(42);
        QVERIFY(!unreadWritten());
        QVERIFY(!deletedWritten());
    }

    void markRead()
    {
        NotificationInbox inbox(m_defaults.get());
        inbox.markRead(1);
        QCOMPARE(unreadText(), QStringLiteral("0"));
        inbox.markRead(0);
        QVERIFY(unreadWritten());
        QCOMPARE(unreadText(), QString());
        QVERIFY(!inbox.hasUnread());
        QVERIFY(!deletedWritten());
    }

    void deleteNotes()
    {
        NotificationInbox inbox(m_defaults.get());
        // Not unread: the unread set stays as it was.
        inbox.deleteNote(2);
        QVERIFY(!unreadWritten());
        QCOMPARE(deletedText(), QStringLiteral("2"));
        QCOMPARE(shownIds(inbox), (Ids{0, 1, 3}));

        inbox.deleteNote(3);
        inbox.deleteNote(1);
        QCOMPARE(deletedText(), QStringLiteral("1,2,3"));
        QCOMPARE(unreadText(), QStringLiteral("0"));
        QCOMPARE(shownIds(inbox), Ids{0});

        inbox.deleteNote(0);
        QCOMPARE(shownIds(inbox), Ids{});
        QCOMPARE(deletedText(), QStringLiteral("0,1,2,3"));
        QVERIFY(!inbox.hasUnread());
    }

    void deletedOrderIsSorted()
    {
        NotificationInbox inbox(m_defaults.get());
        inbox.deleteNote(3);
        inbox.deleteNote(1);
        QCOMPARE(deletedText(), QStringLiteral("1,3"));
    }

    void readAll()
    {
        NotificationInbox inbox(m_defaults.get());
        inbox.deleteNote(2);
        inbox.markAllRead();
        QCOMPARE(unreadText(), QString());
        QCOMPARE(deletedText(), QStringLiteral("2"));
        QCOMPARE(inbox.unreadCount(), 0);
    }

    void damagedText()
    {
        m_defaults->setValue(QStringLiteral("tarvikUnreadNotificationIDs"), QStringLiteral(" 1,x,,2,"));
        m_defaults->setValue(QStringLiteral("tarvikDeletedNotificationIDs"), QStringLiteral("9,,x"));
        NotificationInbox inbox(m_defaults.get());
        QCOMPARE(inbox.unreadCount(), 1);
        QVERIFY(inbox.isUnread(2) && !inbox.isUnread(1));
        QCOMPARE(shownIds(inbox), (Ids{0, 1, 2, 3}));
        inbox.markRead(2);
        QCOMPARE(unreadText(), QString());
        // An id of no note stays and is written back in the stored form.
        inbox.deleteNote(0);
        QCOMPARE(deletedText(), QStringLiteral("0,9"));
    }

    void bellFollowsTheInbox()
    {
        NotificationInbox inbox(m_defaults.get());
        NotificationInbox bell(m_defaults.get());
        QSignalSpy changed(&bell, &NotificationInbox::changed);
        QCOMPARE(bell.unreadCount(), 2);
        inbox.markRead(0);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(bell.unreadCount(), 1);
        inbox.markAllRead();
        QCOMPARE(bell.unreadCount(), 0);
        QVERIFY(!bell.hasUnread());
        // Any writer of the key counts, the settings layer's own included.
        m_defaults->setValue(QStringLiteral("tarvikUnreadNotificationIDs"), QStringLiteral("3"));
        QCOMPARE(bell.unreadCount(), 1);
        m_defaults->remove(QStringLiteral("tarvikUnreadNotificationIDs"));
        QCOMPARE(bell.unreadCount(), 2);
    }
};

QTEST_GUILESS_MAIN(NotificationInboxTest)
#include "tst_notificationinbox.moc"

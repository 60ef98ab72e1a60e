#include "clock.h"
#include "fakenotificationdaemon.h"
#include "jsonfields.h"
#include "usernotificationcenter.h"

#include <QCoroTask>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Mode = FakeNotificationDaemon::Mode;
using Status = UserNotificationCenter::AuthorizationStatus;

namespace
{
NotificationRequest request(const QString &identifier, double seconds, const QString &body = QStringLiteral("Текст"), bool sound = true)
{
    return {.identifier = identifier, .title = QStringLiteral("Tarvik"), .body = body, .defaultSound = sound, .timeInterval = seconds};
}

QStringList pending(const UserNotificationCenter &center)
{
    QStringList identifiers;
    for (const NotificationRequest &request : center.pendingNotificationRequests())
        identifiers.append(request.identifier);
    return identifiers;
}
} // namespace

class UserNotificationCenterTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    ManualClock m_clock{QDateTime(QDate(2026, 9, 2), QTime(10, 0))};

    bool add(UserNotificationCenter &center, const NotificationRequest &request) { return bool(QCoro::waitFor(center.add(request))); }

    // Moves the wall clock on and lets the centre notice, as after a resume.
    void advance(UserNotificationCenter &center, qint64 seconds)
    {
        m_clock.advance(seconds);
        center.reschedule();
        QTest::qWait(20);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        static int run = 0;
        m_path = m_dir.filePath(QStringLiteral("run%1/notifications.json").arg(++run));
    }

    void authorization_data()
    {
        QTest::addColumn<QString>("service");
        QTest::addColumn<bool>("granted");
        QTest::newRow("service answers") << "answers" << true;
        QTest::newRow("service fails") << "refuses" << false;
        QTest::newRow("no service on the bus") << "absent" << false;
    }

    void authorization()
    {
        QFETCH(QString, service);
        QFETCH(bool, granted);
        FakeNotificationDaemon daemon;
        if (service == QLatin1String("absent") && FakeNotificationDaemon::realServiceActivatable())
            QSKIP("this session bus can start a real notification service");
        if (service != QLatin1String("absent"))
            QVERIFY(daemon.start(service == QLatin1String("answers") ? Mode::Answer : Mode::Refuse));
        {
            UserNotificationCenter center(&m_clock, m_path);
            using Option = UserNotificationCenter::AuthorizationOption;
            QCOMPARE(QCoro::waitFor(center.requestAuthorization(Option::Alert | Option::Sound | Option::Badge)), granted);
        }
        // The answer is recorded across a restart.
        UserNotificationCenter restarted(&m_clock, m_path);
        QCOMPARE(restarted.authorizationStatus(), granted ? Status::Authorized : Status::Denied);
        QCOMPARE(restarted.authorizedOptions().toInt(), granted ? 7 : 0);
    }

    void deliveryReplacementAndRemoval()
    {
        FakeNotificationDaemon daemon;
        QVERIFY(daemon.start());
        UserNotificationCenter center(&m_clock, m_path);
        QVERIFY(add(center, request(QStringLiteral("a"), 10, QStringLiteral("старое"))));
        QVERIFY(add(center, request(QStringLiteral("b"), 10)));
        QVERIFY(add(center, request(QStringLiteral("a"), 20, QStringLiteral("новое"))));
        QCOMPARE(pending(center), (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
        center.removePendingNotificationRequests({QStringLiteral("b"), QStringLiteral("unknown")});

        advance(center, 19);
        QVERIFY(daemon.shown.isEmpty());
        advance(center, 1);
        QTRY_COMPARE(daemon.shown.size(), 1);
        const FakeNotificationDaemon::Shown first = daemon.shown.at(0);
        QCOMPARE(first.summary, QStringLiteral("Tarvik"));
        QCOMPARE(first.body, QStringLiteral("новое"));
        QVERIFY(!first.hints.contains(QStringLiteral("suppress-sound")));
        QVERIFY(pending(center).isEmpty());
        QTRY_COMPARE(center.deliveredNotificationIdentifiers(), QStringList{QStringLiteral("a")});

        // Shown again under the same identifier: it replaces the shown one instead of stacking.
        QVERIFY(add(center, request(QStringLiteral("a"), 5, QStringLiteral("тихое"), false)));
        advance(center, 5);
        QTRY_COMPARE(daemon.shown.size(), 2);
        QCOMPARE(daemon.shown.at(1).replacesId, first.id);
        QCOMPARE(daemon.shown.at(1).hints.value(QStringLiteral("suppress-sound")), QVariant(true));

        // Removed perhaps before the service's answer came: closed either way, and only that one.
        center.removeDeliveredNotifications({QStringLiteral("a")});
        QTRY_VERIFY(!daemon.closed.isEmpty());
        QTest::qWait(20);
        QCOMPARE(QSet<uint>(daemon.closed.cbegin(), daemon.closed.cend()), QSet<uint>{first.id});
        QVERIFY(center.deliveredNotificationIdentifiers().isEmpty());
    }

    void removedWhileOnItsWay()
    {
        FakeNotificationDaemon daemon;
        QVERIFY(daemon.start(Mode::Hold));
        UserNotificationCenter center(&m_clock, m_path);
        QVERIFY(add(center, request(QStringLiteral("a"), 1)));
        advance(center, 1);
        QTRY_COMPARE(daemon.shown.size(), 1);
        // The service has it but has not answered yet: removing must still take it away.
        center.removeDeliveredNotifications({QStringLiteral("a")});
        daemon.release();
        QTRY_COMPARE(daemon.closed, QList<uint>{daemon.shown.at(0).id});
        QVERIFY(center.deliveredNotificationIdentifiers().isEmpty());
    }

    void refusedRequests_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<bool>("storable");
        QTest::newRow("no identifier") << QString() << 10.0 << true;
        QTest::newRow("zero interval") << QStringLiteral("a") << 0.0 << true;
        QTest::newRow("negative interval") << QStringLiteral("a") << -5.0 << true;
        QTest::newRow("storage cannot be written") << QStringLiteral("a") << 10.0 << false;
    }

    void refusedRequests()
    {
        QFETCH(QString, identifier);
        QFETCH(double, seconds);
        QFETCH(bool, storable);
        if (!storable) {
            // A regular file where the folder should be.
            QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            m_path = blocker.fileName() + QStringLiteral("/notifications.json");
            QLoggingCategory::setFilterRules(QStringLiteral("tarvik.notifications.warning=false"));
        }
        UserNotificationCenter center(&m_clock, m_path);
        QCOMPARE(add(center, request(QStringLiteral("kept"), 30)), storable);
        const Result<void> result = QCoro::waitFor(center.add(request(identifier, seconds)));
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(!result.ok());
        QCOMPARE(pending(center), storable ? QStringList{QStringLiteral("kept")} : QStringList());
    }

    void pendingSurviveRestart()
    {
        FakeNotificationDaemon daemon;
        QVERIFY(daemon.start());
        const QDateTime start = m_clock.now();
        {
            UserNotificationCenter center(&m_clock, m_path);
            QVERIFY(add(center, request(QStringLiteral("shown"), 1)));
            advance(center, 1);
            QTRY_COMPARE(center.deliveredNotificationIdentifiers(), QStringList{QStringLiteral("shown")});
            QVERIFY(add(center, request(QStringLiteral("due"), 10, QStringLiteral("пора"))));
            QVERIFY(add(center, request(QStringLiteral("later"), 60, QStringLiteral("позже"))));
        }
        m_clock.advance(29);

        UserNotificationCenter restarted(&m_clock, m_path);
        // Came due while the app was closed: shown at once, with no help from the clock.
        QTRY_COMPARE(daemon.shown.size(), 2);
        QCOMPARE(daemon.shown.at(1).body, QStringLiteral("пора"));
        QCOMPARE(pending(restarted), QStringList{QStringLiteral("later")});
        QCOMPARE(restarted.nextTriggerDate(QStringLiteral("later")), start.addSecs(61));
        advance(restarted, 31);
        QTRY_COMPARE(daemon.shown.size(), 3);

        // Shown before the restart and still removable.
        restarted.removeDeliveredNotifications({QStringLiteral("shown")});
        QTRY_COMPARE(daemon.closed, QList<uint>{daemon.shown.at(0).id});
    }

    void damagedStorageIsReplaced()
    {
        QVERIFY(QDir().mkpath(QFileInfo(m_path).absolutePath()));
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{\"pending\": [{\"identifier\": ") > 0);
        file.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("ignoring damaged")));
        {
            UserNotificationCenter center(&m_clock, m_path);
            QVERIFY(pending(center).isEmpty());
            QVERIFY(add(center, request(QStringLiteral("a"), 10)));
        }
        QCOMPARE(pending(UserNotificationCenter(&m_clock, m_path)), QStringList{QStringLiteral("a")});
    }

    // A date no clock reaches is damage: that entry is dropped like one of a wrong type.
    void outOfRangeDatesAreDropped()
    {
        QVERIFY(QDir().mkpath(QFileInfo(m_path).absolutePath()));
        const auto entry = [](const char *identifier, double fireDate) {
            return QJsonObject{{QStringLiteral("identifier"), QLatin1String(identifier)}, {QStringLiteral("fireDate"), fireDate},
                               {QStringLiteral("title"), QStringLiteral("t")}, {QStringLiteral("body"), QStringLiteral("b")}};
        };
        const QJsonArray entries{entry("far", 123456789012345678901234567890123456789012.0), entry("before", -1e300),
                                 entry("kept", JsonFields::secondsSinceReferenceDate(m_clock.now().addSecs(60))),
                                 entry("next millennium", 1e11)};
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("pending"), entries}}).toJson());
        file.close();
        UserNotificationCenter center(&m_clock, m_path);
        QCOMPARE(pending(center), QStringList{QStringLiteral("kept")});
        QCOMPARE(center.nextTriggerDate(QStringLiteral("kept")), m_clock.now().addSecs(60));

        // Nor is such a date taken from a request.
        QVERIFY(!add(center, request(QStringLiteral("too far"), 1e10)));
    }

    void storageIsOwnerOnly()
    {
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        UserNotificationCenter center(&m_clock, m_path);
        QVERIFY(add(center, request(QStringLiteral("a"), 10)));
        QCOMPARE(QFileInfo(m_path).permissions() & others, QFileDevice::Permissions());
        QCOMPARE(QFileInfo(QFileInfo(m_path).absolutePath()).permissions() & others, QFileDevice::Permissions());
        QVERIFY(add(center, request(QStringLiteral("b"), 10)));
        QCOMPARE(QFileInfo(m_path).permissions() & others, QFileDevice::Permissions());
    }
};

QTEST_GUILESS_MAIN(UserNotificationCenterTest)
#include "tst_usernotificationcenter.moc"

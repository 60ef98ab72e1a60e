#include "clock.h"
#include "fakenotificationdaemon.h"
#include "localnotificationservice.h"
#include "userdefaults.h"
#include "usernotificationcenter.h"

#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Mode = FakeNotificationDaemon::Mode;
using Status = UserNotificationCenter::AuthorizationStatus;

class LocalNotificationServiceTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void oncePerInstallation_data()
    {
        QTest::addColumn<bool>("granted");
        QTest::addColumn<bool>("storable");
        QTest::addColumn<bool>("scheduled");
        QTest::newRow("permission granted") << true << true << true;
        QTest::newRow("permission refused") << false << true << false;
        QTest::newRow("request not accepted") << true << false << false;
    }

    void oncePerInstallation()
    {
        QFETCH(bool, granted);
        QFETCH(bool, storable);
        QFETCH(bool, scheduled);
        const QString key = QStringLiteral("tarvik-test-message-2026-09-02-v2");
        static int run = 0;
        const QString folder = m_dir.filePath(QString::number(++run));
        QVERIFY(QDir().mkpath(folder));
        QString storage = folder + QStringLiteral("/notifications.json");
        if (!storable) {
            // A regular file where the centre's folder should be.
            QFile blocker(folder + QStringLiteral("/blocker"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            storage = blocker.fileName() + QStringLiteral("/notifications.json");
            QLoggingCategory::setFilterRules(QStringLiteral("tarvik.notifications.warning=false"));
        }

        FakeNotificationDaemon daemon;
        QVERIFY(daemon.start(granted ? Mode::Answer : Mode::Refuse));
        ManualClock clock(QDateTime(QDate(2026, 9, 2), QTime(9, 0)));
        UserDefaults defaults(folder + QStringLiteral("/defaults.ini"));

        for (int launch = 0; launch < 2; ++launch) {
            UserNotificationCenter center(&clock, storage);
            LocalNotificationService::scheduleOneTimeTestMessage(&defaults, &center);
            if (launch == 0) {
                // It returns before the permission is answered.
                QCOMPARE(center.authorizationStatus(), Status::NotDetermined);
                QTRY_COMPARE(center.authorizationStatus(), granted ? Status::Authorized : Status::Denied);
                QTRY_COMPARE(defaults.value(Defaults::testMessageScheduled), scheduled);
                QCOMPARE(center.nextTriggerDate(key), scheduled ? clock.now().addSecs(10) : QDateTime());
            }
            clock.advance(10);
            center.reschedule();
            if (scheduled && launch == 0) {
                QTRY_COMPARE(daemon.shown.size(), 1);
                QCOMPARE(daemon.shown.at(0).summary, QStringLiteral("Tarvik"));
                QCOMPARE(daemon.shown.at(0).body, QStringLiteral("ДАННОЕ СООБЩЕНИЕ ТЕСТОВОЕ"));
                QVERIFY(!daemon.shown.at(0).hints.contains(QStringLiteral("suppress-sound")));
                QTRY_COMPARE(center.deliveredNotificationIdentifiers(), QStringList{key});
            }
            // Until the message is scheduled, each launch asks the service again.
            QTRY_COMPARE(daemon.capabilityRequests, scheduled ? 1 : launch + 1);
        }
        // Once scheduled, a later launch asks nothing; until then every launch asks again.
        QCOMPARE(daemon.capabilityRequests, scheduled ? 1 : 2);
        QCOMPARE(daemon.shown.size(), scheduled ? 1 : 0);
        QCOMPARE(defaults.value(Defaults::testMessageScheduled), scheduled);
        QLoggingCategory::setFilterRules(QString());
    }
};

QTEST_GUILESS_MAIN(LocalNotificationServiceTest)
#include "tst_localnotificationservice.moc"

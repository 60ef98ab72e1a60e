#include "accountfixture.h"
#include "tarvikapp.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

// The launch restore, the session checks and the cached first name, against the stand-in.
class TarvikAppTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AccountFixture> m_fixture;
    std::unique_ptr<TarvikApp> m_app;
    int m_testMessages = 0;

    void makeApp()
    {
        m_app = std::make_unique<TarvikApp>(TarvikApp::Collaborators{
            .defaults = m_fixture->defaults.get(),
            .clock = &m_fixture->clock,
            .scheduleTestMessage = [this] { ++m_testMessages; },
        });
    }

    // A restart: objects rebuilt over the same storage, then the launch task.
    void relaunch()
    {
        m_app.reset();
        m_fixture->reopen();
        makeApp();
        QSignalSpy checked(m_app.get(), &TarvikApp::sessionChecked);
        m_app->start(m_fixture->store.get(), m_fixture->credentials.get());
        QVERIFY(checked.count() > 0 || checked.wait());
        QVERIFY(m_app->startupFinished());
    }

    int signInRequests() const { return int(m_fixture->site->requestKeys().count(QStringLiteral("/ajax/login.jsp"))); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
    }

    void init()
    {
        m_fixture = std::make_unique<AccountFixture>();
        QVERIFY(m_fixture->start(AccountFixture::Port::Https));
        m_testMessages = 0;
    }

    void cleanup()
    {
        m_app.reset();
        m_fixture.reset();
    }

    void greetingByHour_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<QString>("greeting");
        const QString morning = QStringLiteral("ДОБРОЕ\nУТРО");
        const QString day = QStringLiteral("ДОБРЫЙ\nДЕНЬ");
        const QString evening = QStringLiteral("ДОБРЫЙ\nВЕЧЕР");
        QTest::newRow("00") << 0 << evening;
        QTest::newRow("04") << 4 << evening;
        QTest::newRow("05") << 5 << morning;
        QTest::newRow("11") << 11 << morning;
        QTest::newRow("12") << 12 << day;
        QTest::newRow("17") << 17 << day;
        QTest::newRow("18") << 18 << evening;
        QTest::newRow("23") << 23 << evening;
    }
    void greetingByHour()
    {
        QFETCH(int, hour);
        QTEST(TarvikApp::greeting(hour), "greeting");
    }

    void greetingName_data()
    {
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("shown");
        QTest::newRow("default") << QStringLiteral("Абонент") << QStringLiteral("АБОНЕНТ");
        QTest::newRow("lower case") << QStringLiteral("анна") << QStringLiteral("АННА");
        QTest::newRow("with ё") << QStringLiteral("Алёна") << QStringLiteral("АЛЁНА");
        QTest::newRow("blanks") << QStringLiteral(" \n ") << QStringLiteral("АБОНЕНТ");
        QTest::newRow("padded") << QStringLiteral("  Пётр ") << QStringLiteral("ПЁТР");
    }
    void greetingName()
    {
        QFETCH(QString, firstName);
        QTEST(TarvikApp::greetingName(firstName), "shown");
    }

    void firstLaunchSendsNothing()
    {
        relaunch();
        QCOMPARE(m_app->signedIn(), false);
        QCOMPARE(m_app->cachedFirstName(), QStringLiteral("Абонент"));
        QCOMPARE(m_fixture->site->requests().size(), 0);
        QCOMPARE(m_testMessages, 1);
    }

    void restorePaths_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("shownName");
        QTest::newRow("site answers") << "ok" << true << QStringLiteral("Смирнова Анна Сергеевна");
        QTest::newRow("site unreachable: cached account") << "down" << true << QStringLiteral("Смирнова Анна Сергеевна");
        QTest::newRow("site error: cached account") << "error" << true << QStringLiteral("Смирнова Анна Сергеевна");
        QTest::newRow("password changed on the site") << "rejected" << false << QStringLiteral("Абонент Tarvik");
    }
    void restorePaths()
    {
        QFETCH(QString, situation);
        QVERIFY(m_fixture->signIn());
        m_fixture->site->clearRequests();
        if (situation == QLatin1String("down"))
            m_fixture->site->stop();
        else if (situation == QLatin1String("error"))
            m_fixture->site->setOverride(QStringLiteral("action2"), {.status = 502});
        else if (situation == QLatin1String("rejected"))
            m_fixture->site->setRejectCredentials(true);

        relaunch();
        QTEST(m_app->signedIn(), "signedIn");
        QTEST(m_fixture->store->account().fullName, "shownName");
        if (situation == QLatin1String("ok") || situation == QLatin1String("rejected"))
            QCOMPARE(signInRequests(), 1);
        if (situation == QLatin1String("ok"))
            QCOMPARE(m_app->cachedFirstName(), QStringLiteral("Анна"));
    }

    void sessionCheckTiming()
    {
        QVERIFY(m_fixture->signIn());
        relaunch();
        QVERIFY(m_app->signedIn());
        m_fixture->site->clearRequests();

        // Back in front after ten minutes: too early for a check.
        m_fixture->clock.advance(600);
        await(m_app->checkSessionIfNeeded(false));
        QCOMPARE(signInRequests(), 0);

        // After fifteen minutes since the last check: a check.
        m_fixture->clock.advance(300);
        await(m_app->checkSessionIfNeeded(false));
        QCOMPARE(signInRequests(), 1);

        // A forced check ignores the time and renews it.
        await(m_app->checkSessionIfNeeded(true));
        QCOMPARE(signInRequests(), 2);
        m_fixture->clock.advance(899);
        await(m_app->checkSessionIfNeeded(false));
        QCOMPARE(signInRequests(), 2);

        // Signed out, nothing is checked.
        m_fixture->store->abandonSession();
        QTRY_VERIFY(!m_app->signedIn());
        await(m_app->checkSessionIfNeeded(true));
        QCOMPARE(signInRequests(), 2);
    }

    void checksRunOnTheirOwn()
    {
        QVERIFY(m_fixture->signIn());
        makeApp();
        m_app->setCheckInterval(50ms);
        QSignalSpy checked(m_app.get(), &TarvikApp::sessionChecked);
        m_app->start(m_fixture->store.get(), m_fixture->credentials.get());
        QVERIFY(checked.wait()); // the launch restore
        m_fixture->site->clearRequests();
        QVERIFY(checked.wait()); // a forced check from the loop
        QCOMPARE(signInRequests(), 1);
    }

    void rejectedCheckSignsOut()
    {
        QVERIFY(m_fixture->signIn());
        relaunch();
        m_fixture->site->setRejectCredentials(true);
        await(m_app->checkSessionIfNeeded(true));
        QCOMPARE(m_app->signedIn(), false);

        // Other failures are ignored: the user stays signed in.
        m_fixture->site->setRejectCredentials(false);
        QVERIFY(m_fixture->signIn());
        QTRY_VERIFY(m_app->signedIn());
        m_fixture->site->setOverride(QStringLiteral("action1"), {.status = 500});
        await(m_app->checkSessionIfNeeded(true));
        QCOMPARE(m_app->signedIn(), true);
    }

    // The flag follows the store's sessions, and only once the screen that asked has heard the
    // outcome (the screen goes when the flag changes).
    void flagFollowsTheStoresSessions()
    {
        relaunch();
        QSignalSpy changed(m_app.get(), &TarvikApp::signedInChanged);
        bool heardSignedIn = true;
        connect(m_fixture->storeQml.get(), &TarvikAccountStoreQml::signInFinished, this,
                [&](bool ok) { heardSignedIn = ok && m_app->signedIn(); });
        m_fixture->storeQml->signIn(m_fixture->site->login(), m_fixture->site->password());
        QTRY_VERIFY(m_app->signedIn());
        QVERIFY(!heardSignedIn);

        m_fixture->store->abandonSession();
        QTRY_VERIFY(!m_app->signedIn());
        QVERIFY(m_fixture->credentials->credentials()); // what is stored stays

        QVERIFY(m_fixture->signIn());
        QTRY_VERIFY(m_app->signedIn());
        bool heardSignedOut = false;
        connect(m_fixture->storeQml.get(), &TarvikAccountStoreQml::signOutFinished, this, [&] { heardSignedOut = !m_app->signedIn(); });
        m_fixture->storeQml->signOut();
        QTRY_VERIFY(!m_app->signedIn());
        QVERIFY(!heardSignedOut);
        QCOMPARE(changed.count(), 4);
    }

    void cachedFirstNameFollowsLoadedAccounts()
    {
        relaunch();
        QSignalSpy changed(m_app.get(), &TarvikApp::cachedFirstNameChanged);
        QVERIFY(m_fixture->signIn());
        QCOMPARE(m_app->cachedFirstName(), QStringLiteral("Анна"));
        // The placeholder published by a sign-out leaves the name alone.
        await(m_fixture->store->signOut());
        QCOMPARE(m_app->cachedFirstName(), QStringLiteral("Анна"));
        QCOMPARE(changed.count(), 1);
    }
};

QTEST_MAIN(TarvikAppTest)
#include "tst_tarvikapp.moc"

#include "accountfixture.h"
#include "appscreens.h"
#include "appwindow.h"
#include "taborder.h"
#include "testpaths.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

using AppScreens::findItem;
using AppScreens::tap;
using AppScreens::type;

namespace
{
QQuickItem *findNamed(QQuickWindow *window, const QString &name)
{
    return findItem(window->contentItem(), [&](QQuickItem *item) { return item->objectName() == name && item->isVisible(); });
}

QQuickItem *findText(QQuickWindow *window, const QString &text)
{
    return findItem(window->contentItem(), [&](QQuickItem *item) { return item->property("text").toString() == text && item->isVisible(); });
}
} // namespace

// The whole app as a subscriber meets it: the greeting, the sign-in screen, the home dashboard, and
// a restart that signs in again without typing. Renders each step to screenshots/app-*.png in the test's build folder.
class AppFlowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AccountFixture> m_fixture;
    AppWindow m_appWindow;

    // A start of the app, over the stored data as a restart finds it.
    QQuickWindow *launch()
    {
        m_appWindow.close();
        m_fixture->reopen();
        return m_appWindow.launch(*m_fixture);
    }

    void save(QQuickWindow *window, const QString &name)
    {
        window->grabWindow().save(QDir(screenshotDir()).filePath(QStringLiteral("app-%1.png").arg(name)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_fixture = std::make_unique<AccountFixture>();
        QVERIFY(m_fixture->start(AccountFixture::Port::Https));
    }

    void cleanupTestCase()
    {
        m_appWindow.close();
        m_fixture.reset();
    }

    void signInLandsOnTheDashboard()
    {
        QQuickWindow *window = launch();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        save(window, QStringLiteral("1-greeting"));

        QTRY_VERIFY(m_appWindow.app->startupFinished());
        QTRY_VERIFY(findNamed(window, QStringLiteral("signInButton")));
        QCOMPARE(m_fixture->site->requests().size(), 0); // nothing stored: nothing sent
        QTest::qWait(300);
        save(window, QStringLiteral("2-sign-in"));

        tap(window, findNamed(window, QStringLiteral("loginField")));
        type(window, m_fixture->site->login());
        tap(window, findNamed(window, QStringLiteral("passwordField")));
        type(window, m_fixture->site->password());
        tap(window, findNamed(window, QStringLiteral("signInButton")));

        QTRY_VERIFY_WITH_TIMEOUT(m_appWindow.app->signedIn(), 10000);
        QTRY_VERIFY(findText(window, QStringLiteral("1250,50 ₽")));
        QVERIFY(findText(window, QStringLiteral("Привет, Анна 👋")));
        QVERIFY(findText(window, QStringLiteral("Дней до блокировки 18")));
        QCOMPARE(m_appWindow.app->cachedFirstName(), QStringLiteral("Анна"));
        QTest::qWait(300);
        save(window, QStringLiteral("3-home"));
    }

    void restartSignsInWithoutTyping()
    {
        m_fixture->site->clearRequests();
        QQuickWindow *window = launch();
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(m_appWindow.app->startupFinished(), 10000);
        QVERIFY(m_appWindow.app->signedIn());
        QTRY_VERIFY(findText(window, QStringLiteral("1250,50 ₽")));
        QVERIFY(!findNamed(window, QStringLiteral("signInButton")));
        QCOMPARE(m_fixture->site->requestKeys().count(QStringLiteral("/ajax/login.jsp")), 1);
    }

    // With the keyboard alone, and no screen reader: Tab reaches both pages of each home strip, in
    // their order, and the ring shows on each. Until a key is used, each strip makes only the page
    // it shows.
    void theKeyboardAloneReachesEveryPageOfTheStrips()
    {
        QQuickWindow *window = m_appWindow.window;
        QVERIFY(window);
        QTRY_VERIFY(findNamed(window, QStringLiteral("balanceCard")) && window->findChild<FocusKeeper *>());
        QVERIFY(!findNamed(window, QStringLiteral("addAddressLink")) && !findNamed(window, QStringLiteral("relocationLink")));
        QStringList pages;
        for (int press = 0; press < 30 && pages.size() < 4; ++press) {
            QTest::keyClick(window, Qt::Key_Tab);
            QQuickItem *focused = window->activeFocusItem();
            // The balance card is drawn around its button.
            const QString name = focused ? (focused->objectName().isEmpty() && focused->parentItem() ? focused->parentItem()->objectName()
                                                                                                     : focused->objectName())
                                         : QString();
            const QStringList strips{QStringLiteral("balanceCard"), QStringLiteral("addAddressLink"), QStringLiteral("referralLink"),
                                     QStringLiteral("relocationLink")};
            if (!strips.contains(name))
                continue;
            pages.append(name);
            QRect box;
            QTRY_VERIFY(window->findChild<FocusKeeper *>()->isShown());
            QVERIFY2(TabOrder::ringPixels(window, focused, &box) >= (box.width() + box.height()) * 3 / 2, qPrintable(name));
        }
        QCOMPARE(pages, QStringList({QStringLiteral("balanceCard"), QStringLiteral("addAddressLink"), QStringLiteral("referralLink"),
                                     QStringLiteral("relocationLink")}));
    }
};

QTEST_MAIN(AppFlowTest)
#include "tst_appflow.moc"

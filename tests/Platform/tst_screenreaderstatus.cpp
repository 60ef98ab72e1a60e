#include "atspiwalker.h"
#include "screenreaderstatus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

// On a desktop whose accessibility bus is up and says no screen reader runs (on Xvfb, with Qt's
// real bridge), a screen reader started after the app finds it there, and the app learns of it.
class ScreenReaderStatusTest : public QObject
{
    Q_OBJECT

private:
    QQuickWindow m_window;

    // As a screen reader starting or stopping sets them.
    static bool setSwitch(const QString &name, bool on)
    {
        QDBusMessage set = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                                          QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
        set << QStringLiteral("org.a11y.Status") << name << QVariant::fromValue(QDBusVariant(on));
        return QDBusConnection::sessionBus().call(set).type() == QDBusMessage::ReplyMessage;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(setSwitch(QStringLiteral("IsEnabled"), false));
        QVERIFY(setSwitch(QStringLiteral("ScreenReaderEnabled"), false));
        m_window.resize(393, 852);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
        ScreenReaderStatus::current()->start();
    }

    // The app is on the bus from the start, with its window, though no reader was running.
    void theAppIsOnTheBusBeforeAnyReader()
    {
        AtspiWalker walker;
        QVERIFY2(walker.connect(), qPrintable(walker.errorString()));
        QTRY_VERIFY(!walker.children(walker.application()).isEmpty());
        QCOMPARE(walker.role(walker.children(walker.application()).constFirst()), QStringLiteral("frame"));
        QVERIFY(!ScreenReaderStatus::current()->isActive());
    }

    // Either switch on means a reader follows the app (a reader that starts sets both; the bus
    // keeps IsEnabled on after it stops); both off, none does.
    void followsTheSwitches_data()
    {
        QTest::addColumn<bool>("isEnabled");
        QTest::addColumn<bool>("screenReaderEnabled");
        QTest::addColumn<bool>("active");
        QTest::newRow("a screen reader starts") << false << true << true;
        QTest::newRow("it stops, and the desktop turns accessibility off") << false << false << false;
        QTest::newRow("the desktop turns accessibility on") << true << false << true;
        QTest::newRow("and off") << false << false << false;
    }

    void followsTheSwitches()
    {
        QFETCH(bool, isEnabled);
        QFETCH(bool, screenReaderEnabled);
        QFETCH(bool, active);
        QSignalSpy changes(ScreenReaderStatus::current(), &ScreenReaderStatus::activeChanged);
        QVERIFY(setSwitch(QStringLiteral("ScreenReaderEnabled"), screenReaderEnabled));
        QVERIFY(setSwitch(QStringLiteral("IsEnabled"), isEnabled));
        QTRY_COMPARE(ScreenReaderStatus::current()->isActive(), active);
        QCOMPARE(changes.size(), 1);
    }
};

int main(int argc, char *argv[])
{
    // As on a desktop: nothing in the environment switches Qt's bridge on.
    qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    ScreenReaderStatus::joinAccessibilityBus();
    QGuiApplication app(argc, argv);
    ScreenReaderStatusTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screenreaderstatus.moc"
